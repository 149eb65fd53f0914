# All arithmetic is done in the x87 80-bit extended format (64-bit
# significand). Where long double is that format (x86), the x87 computes it;
# everywhere else (arm64, 32-bit ARM, WebAssembly) a software implementation
# gives the same bits, on 32-bit targets with its 128-bit steps built from
# 32-bit halves. PARABEL_EXTENDED chooses: hardware or software.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([=[
#include <cfloat>
#if !defined(__x86_64__) && !defined(__i386__)
#error not an x86 target
#endif
static_assert(LDBL_MANT_DIG == 64, "long double is not the x87 80-bit format");
int main() { return 0; }
]=] PARABEL_HAS_X87_LONG_DOUBLE)

if(PARABEL_HAS_X87_LONG_DOUBLE)
    set(default_extended hardware)
else()
    set(default_extended software)
endif()
set(PARABEL_EXTENDED ${default_extended} CACHE STRING
    "The 80-bit arithmetic: hardware (the x87, x86 only) or software (any target)")
set_property(CACHE PARABEL_EXTENDED PROPERTY STRINGS hardware software)
if(NOT PARABEL_EXTENDED MATCHES "^(hardware|software)$")
    message(FATAL_ERROR "PARABEL_EXTENDED must be hardware or software, not ${PARABEL_EXTENDED}")
endif()
if(PARABEL_EXTENDED STREQUAL "hardware" AND NOT PARABEL_HAS_X87_LONG_DOUBLE)
    message(FATAL_ERROR
        "PARABEL_EXTENDED=hardware needs the x87 80-bit long double, which only x86-64 "
        "(amd64) and x86 (i386) targets have; this target (${CMAKE_SYSTEM_PROCESSOR}) "
        "builds with PARABEL_EXTENDED=software")
endif()
message(STATUS "80-bit arithmetic: ${PARABEL_EXTENDED}")
