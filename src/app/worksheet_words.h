// The worksheet's words that a user reads, in the interface language: the
// sheet's title and headings, the pupil's line and the kinds' plain names.
#pragma once

#include <cstdint>
#include <string>

#include "worksheet_equation.h"

namespace parabel {

// "Quadratic equations"
std::string WorksheetTitle();

// The heading of a variant's sheet: "Quadratic equations. Variant 2. Sheet
// no. 12345".
std::string WorksheetHeading(std::uint32_t seed, int variant);

// The heading of a variant's answers: "Answers. Variant 2. Sheet no. 12345".
std::string WorksheetKeyHeading(std::uint32_t seed, int variant);

// The line for the pupil's name and the date.
std::string PupilLine();

// The kind's plain name, as a dialog lists it: "Two whole-number roots", ...
std::string KindTitle(EquationKind kind);

}  // namespace parabel
