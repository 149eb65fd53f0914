// The described Russian texts of the failed solves and of the refused
// field, exactly as the program has always shown them; the tests of the
// model and of the window compare with these, not with the catalog, so a
// changed catalog text fails them.
#pragma once

namespace parabel::testing {

inline constexpr char kFormMessage[] =
    "Уравнение не соответствует виду ax^2+bx+c, где\n"
    " a-любое число не равное 0\n"
    " b-любое число\n"
    " c-любое число";
inline constexpr char kConversionMessage[] = "Коэффициент выражен в неприемлимом виде.";
inline constexpr char kEquationTooLongMessage[] =
    "Уравнение длиннее 10000 знаков не помещается в поле уравнения.";

}  // namespace parabel::testing
