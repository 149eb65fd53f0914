// The 128-bit integer of the drawing's exact steps: the portable one against
// the compiler's own over edge values, and the rounding of such integers to
// extended values.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "core/extended.h"
#include "core/int128.h"

namespace parabel {
namespace {

constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

#ifdef __SIZEOF_INT128__
PortableInt128 Words(std::uint64_t high, std::uint64_t low) {
    return PortableInt128::FromWords(high, low);
}

__int128 Builtin(PortableInt128 value) {
    return static_cast<__int128>(static_cast<unsigned __int128>(value.high()) << 64 | value.low());
}

TEST(PortableInt128, EveryOperationAsTheBuiltInOnEdgeValues) {
    const std::vector<PortableInt128> values = {
        0,
        1,
        -1,
        7,
        -7,
        10,
        kMax64,
        kMin64,
        Words(1, 0),
        Words(~0ull, 0),
        Words(1, 12345),
        Words(0x7FFF'FFFF'FFFF'FFFF, ~0ull),
        Words(0x8000'0000'0000'0000, 0),
        Words(0x0000'00FF'0000'0001, 0xFFFF'0000'FFFF'0000)};
    for (const PortableInt128 a : values) {
        for (const PortableInt128 b : values) {
            const __int128 x = Builtin(a);
            const __int128 y = Builtin(b);
            // Wrapping as two's complement, without the built-in's overflow.
            const auto wrap = [](unsigned __int128 value) { return static_cast<__int128>(value); };
            const auto ux = static_cast<unsigned __int128>(x);
            const auto uy = static_cast<unsigned __int128>(y);
            EXPECT_EQ(Builtin(a + b), wrap(ux + uy));
            EXPECT_EQ(Builtin(a - b), wrap(ux - uy));
            EXPECT_EQ(Builtin(a * b), wrap(ux * uy));
            EXPECT_EQ(a < b, x < y);
            EXPECT_EQ(a == b, x == y);
            EXPECT_EQ(static_cast<std::int64_t>(a), static_cast<std::int64_t>(x));
            const bool overflows = x == Builtin(Words(0x8000'0000'0000'0000, 0)) && y == -1;
            if (y != 0 && !overflows) {
                EXPECT_EQ(Builtin(a / b), x / y);
                EXPECT_EQ(Builtin(a % b), x % y);
            }
        }
    }
}
#endif

TEST(ExtendedFromInteger128, RoundsOnceToNearestEven) {
    const struct {
        const char* name;
        Int128 integer;
        ExtendedBits expected;
    } rows[] = {
        {"zero", Int128(0), {false, 0, 0}},
        {"-2^63", Int128(kMin64), {true, 16383 + 63, 1ull << 63}},
        {"2^64 + 1 ties to even", Int128(kMax64) * 2 + 3, {false, 16383 + 64, 1ull << 63}},
        {"2^64 + 3 ties up", Int128(kMax64) * 2 + 5, {false, 16383 + 64, (1ull << 63) + 2}},
        {"-(2^65 + 1) rounds down", -(Int128(kMax64) * 4 + 5), {true, 16383 + 65, 1ull << 63}},
        {"2^127 - 1 carries to 2^127",
         Int128(kMax64) * (Int128(kMax64) + 1) * 2 + Int128(kMax64) * 2 + 1,
         {false, 16383 + 127, 1ull << 63}},
        {"-2^127", Int128(kMin64) * kMin64 * -2, {true, 16383 + 127, 1ull << 63}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ExtendedBits::Of(ExtendedFromInteger128(row.integer)), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace parabel
