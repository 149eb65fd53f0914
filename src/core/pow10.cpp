#include "pow10.h"

#include <limits>

namespace parabel {

// The entries are written as bits (hexadecimal floating literals); a test
// recomputes each one from its decimal text by an independent, correctly
// rounded route.
const Extended kPow10Small[32] = {
    0x8p-3L,                   // 10^0
    0xap+0L,                   // 10^1
    0xc.8p+3L,                 // 10^2
    0xf.ap+6L,                 // 10^3
    0x9.c4p+10L,               // 10^4
    0xc.35p+13L,               // 10^5
    0xf.424p+16L,              // 10^6
    0x9.8968p+20L,             // 10^7
    0xb.ebc2p+23L,             // 10^8
    0xe.e6b28p+26L,            // 10^9
    0x9.502f9p+30L,            // 10^10
    0xb.a43b74p+33L,           // 10^11
    0xe.8d4a51p+36L,           // 10^12
    0x9.184e72ap+40L,          // 10^13
    0xb.5e620f48p+43L,         // 10^14
    0xe.35fa931ap+46L,         // 10^15
    0x8.e1bc9bf04p+50L,        // 10^16
    0xb.1a2bc2ec5p+53L,        // 10^17
    0xd.e0b6b3a764p+56L,       // 10^18
    0x8.ac7230489e8p+60L,      // 10^19
    0xa.d78ebc5ac62p+63L,      // 10^20
    0xd.8d726b7177a8p+66L,     // 10^21
    0x8.78678326eac9p+70L,     // 10^22
    0xa.968163f0a57b4p+73L,    // 10^23
    0xd.3c21bcecceda1p+76L,    // 10^24
    0x8.4595161401484ap+80L,   // 10^25
    0xa.56fa5b99019a5c8p+83L,  // 10^26
    0xc.ecb8f27f4200f3ap+86L,  // 10^27, the last exact power
    0x8.13f3978f8940984p+90L,  // 10^28
    0xa.18f07d736b90be5p+93L,  // 10^29
    0xc.9f2c9cd04674edfp+96L,  // 10^30
    0xf.c6f7c4045812296p+99L,  // 10^31
};

const Extended kPow10Medium[16] = {
    1.0L,                        // unused
    0x9.dc5ada82b70b59ep+103L,   // 10^32
    0xc.2781f49ffcfa6d5p+209L,   // 10^64
    0xe.fb3ab16c59b14a3p+315L,   // 10^96
    0x9.3ba47c980e98cep+422L,    // 10^128
    0xb.616a12b7fe617aap+528L,   // 10^160
    0xe.070f78d3927556bp+634L,   // 10^192
    0x8.a5296ffe33cc93p+741L,    // 10^224
    0xa.a7eebfb9df9de8ep+847L,   // 10^256
    0xd.226fc195c6a2f8cp+953L,   // 10^288
    0x8.1842f29f2cce376p+1060L,  // 10^320
    0x9.fa42700db900ad2p+1166L,  // 10^352
    0xc.4c5e310aef8aa17p+1272L,  // 10^384
    0xf.28a9c07e9b09c59p+1378L,  // 10^416
    0x9.57a4ae1ebf7f3d4p+1485L,  // 10^448
    0xb.83ed8dc0795a262p+1591L,  // 10^480
};

const Extended kPow10Large[10] = {
    1.0L,                         // unused
    0xe.319a0aea60e91c7p+1697L,   // 10^512
    0xc.976758681750c17p+3398L,   // 10^1024
    0xb.2b8353b3993a7e4p+5099L,   // 10^1536
    0x9.e8b3b5dc53d5de5p+6800L,   // 10^2048
    0x8.ca554c020a1f0a6p+8501L,   // 10^2560
    0xf.9895d25d88b5a8bp+10201L,  // 10^3072
    0xd.d5dc8a2bf27f3f8p+11902L,  // 10^3584
    0xc.46052028a20979bp+13603L,  // 10^4096
    0xa.e3511626ed559fp+15304L,   // 10^4608
};

Extended ScaleByPowerOfTen(Extended v, int n) {
    if (n == 0) {
        return v;
    }
    if (n >= 5120) {
        return std::numeric_limits<Extended>::infinity();
    }
    if (n <= -5120) {
        return 0.0L;
    }
    const unsigned m = static_cast<unsigned>(n > 0 ? n : -n);
    // m < 5120, so m div 512 <= 9 stays inside the large table.
    const unsigned small = m % 32;
    const unsigned medium = (m / 32) % 16;
    const unsigned large = m / 512;
    // Each step is one rounded multiplication (or division, for n < 0).
    const auto step = [n](Extended value, Extended power) {
        return n > 0 ? value * power : value / power;
    };
    v = step(v, kPow10Small[small]);
    if (m / 32 != 0) {
        if (medium != 0) {
            v = step(v, kPow10Medium[medium]);
        }
        if (large != 0) {
            v = step(v, kPow10Large[large]);
        }
    }
    return v;
}

}  // namespace parabel
