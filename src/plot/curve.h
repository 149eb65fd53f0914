// The arithmetic shared by both plots: the curve's value at a pixel column
// and the position of a root label.
#pragma once

#include <cstdint>

#include "core/extended.h"

namespace parabel {

// x = i / 10 rounded to extended: the abscissa of pixel column i, the same
// for every curve.
Extended ColumnX(std::int64_t i);

// R = round(((((x a) x) + (x b)) + c) * 10) for the column's x = ColumnX(i),
// each operation rounded to extended in exactly this order and grouping,
// rounded to a signed 64-bit integer ties to even. Raises Overflow or
// InvalidOperation.
std::int64_t CurveRowAtX(Extended x, Extended a, Extended b, Extended c);
inline std::int64_t CurveRow(std::int64_t i, Extended a, Extended b, Extended c) {
    return CurveRowAtX(ColumnX(i), a, b, c);
}

// Whether a root gets a label: not NoRoot, not 0 (either sign), not 1.
bool RootHasLabel(double root);

// s = round(root * 10) (multiplied in extended), as its low 32 bits.
// Raises InvalidOperation when the rounded value leaves the signed 64-bit range.
std::int32_t RootColumn(double root);

// a + b wrapping in 32 bits, as the coordinates do.
constexpr std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
constexpr std::int32_t WrapSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

}  // namespace parabel
