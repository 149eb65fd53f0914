// Equations as the command line gives them: what the equation field could
// not hold is refused, as the field would refuse it.
#pragma once

#include <string>

namespace parabel::cli {

// Why an equation cannot stand in the equation field.
extern const char* const kFieldRefusal;

// Whether the equation could stand in the equation field: UTF-8 text of the
// characters of Windows-1251. Reports kFieldRefusal when not, after `where`
// (see Input::where).
bool AcceptedByTheField(const std::string& equation, const std::string& where = "");

}  // namespace parabel::cli
