# All arithmetic is done in the x87 80-bit extended format (64-bit
# significand): refuse at configure time any target whose long double is
# something else, instead of failing or silently computing differently later.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([=[
#include <cfloat>
#if !defined(__x86_64__) && !defined(__i386__)
#error not an x86 target
#endif
static_assert(LDBL_MANT_DIG == 64, "long double is not the x87 80-bit format");
int main() { return 0; }
]=] PARABEL_HAS_X87_LONG_DOUBLE)
if(NOT PARABEL_HAS_X87_LONG_DOUBLE)
    message(FATAL_ERROR
        "Parabel needs the x87 80-bit extended long double, which only x86-64 "
        "(amd64) and x86 (i386) targets have; this target "
        "(${CMAKE_SYSTEM_PROCESSOR}, ${CMAKE_CXX_COMPILER_ID} "
        "${CMAKE_CXX_COMPILER_VERSION}) has a different long double.")
endif()
