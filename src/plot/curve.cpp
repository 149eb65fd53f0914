#include "curve.h"

#include "core/checked.h"
#include "core/round.h"
#include "core/solver.h"

namespace parabel {

Extended ColumnX(std::int64_t i) {
    return Div(i, 10);
}

std::int64_t CurveRowAtX(Extended x, Extended a, Extended b, Extended c) {
    const Extended v = Mul(Add(Add(Mul(Mul(x, a), x), Mul(x, b)), c), 10);
    return RoundToInteger(v);
}

bool RootHasLabel(double root) {
    return root != kNoRoot && root != 0 && root != 1;
}

std::int32_t RootColumn(double root) {
    return WrapToInt32(RoundToInteger(Mul(Extended::FromDouble(root), 10)));
}

}  // namespace parabel
