#include "equation.h"

#include "core/windows1251.h"
#include "input.h"

namespace parabel::cli {

const char* const kFieldRefusal =
    "the equation holds characters that the equation field does not accept"
    " (only UTF-8 text of the Windows-1251 characters)";

bool AcceptedByTheField(const std::string& equation, const std::string& where) {
    if (FitsWindows1251(equation)) {
        return true;
    }
    Complain(where + kFieldRefusal);
    return false;
}

}  // namespace parabel::cli
