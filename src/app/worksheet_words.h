// The worksheet's words that a user reads: the sheet's title and heading,
// the pupil's line and the kinds' plain names. Kept in one place so that
// they move into the program's catalog together.
#pragma once

#include <cstdint>
#include <string>

#include "worksheet_equation.h"

namespace parabel {

// "Квадратные уравнения"
extern const char* const kWorksheetTitle;

// The heading of a variant's sheet: "Квадратные уравнения. Вариант 2.
// Лист № 12345".
std::string WorksheetHeading(std::uint32_t seed, int variant);

// The heading of a variant's answers: "Ответы. Вариант 2. Лист № 12345".
std::string WorksheetKeyHeading(std::uint32_t seed, int variant);

// The line for the pupil's name and the date.
extern const char* const kPupilLine;

// The kind's plain name, as a dialog lists it: "Два целых корня", ...
const char* KindTitle(EquationKind kind);

}  // namespace parabel
