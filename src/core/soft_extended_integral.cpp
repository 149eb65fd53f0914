// Rounding SoftExtended values to integral values beyond the common case.
#include "soft_extended.h"
#include "soft_extended_unpack.h"

namespace parabel::soft {

SoftExtended ToIntegralSpecial(SoftExtended a, bool /*nearest*/) {
    const Unpacked x = Unpack(a);
    SoftExtended result;
    if (NonNumberResult(a, x.kind, result)) {
        return result;
    }
    // Zeros and infinities stay as they are; a denormal, far below one half,
    // becomes a zero of its sign either way.
    if (x.kind != Kind::kFinite) {
        return a;
    }
    return Zero(x.negative);
}

}  // namespace parabel::soft
