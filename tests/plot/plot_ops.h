// Helpers for reading a recorded drawing: the points a curve passes and the
// labels written.
#pragma once

#include <set>
#include <utility>
#include <vector>

#include "plot/recording_surface.h"

namespace parabel::testing {

using Point = std::pair<std::int32_t, std::int32_t>;

// The end points of every segment drawn after the operation at `from`: each
// "moveto" and "lineto" point.
inline std::set<Point> SegmentPoints(const std::vector<DrawOp>& ops, std::size_t from = 0) {
    std::set<Point> points;
    for (std::size_t i = from; i < ops.size(); ++i) {
        if (ops[i].kind == DrawOp::Kind::kMoveTo || ops[i].kind == DrawOp::Kind::kLineTo) {
            points.insert({ops[i].x, ops[i].y});
        }
    }
    return points;
}

inline std::vector<DrawOp> TextOps(const std::vector<DrawOp>& ops, std::size_t from = 0) {
    std::vector<DrawOp> texts;
    for (std::size_t i = from; i < ops.size(); ++i) {
        if (ops[i].kind == DrawOp::Kind::kTextOut) {
            texts.push_back(ops[i]);
        }
    }
    return texts;
}

}  // namespace parabel::testing
