// A worksheet as printed pages, laid out once for the window and the page:
// each variant's sheet (its heading, the pupil's line, the numbered
// equations in two columns with room to work under each), then each
// variant's key (the answer lines, or the worked solutions).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "printed_page.h"
#include "worksheet.h"

namespace parabel {

// Empty lines under each equation of a sheet, for the pupil's working.
inline constexpr std::size_t kWorkLines = 4;

// A variant's sheet: on each page the heading line ("Quadratic equations.
// Variant 1. Sheet no. 7"), on the first the pupil's line, then the equations
// ("1) 2x^2-3x-5=0") down the first column, then down the second.
PrintedDocument LayOutWorksheetSheet(const Paper& paper, std::uint32_t seed,
                                     const WorksheetVariant& variant, const PrintedDate& date);

// The lines of a variant's key: its heading, then for each equation its
// line ("1) 2x^2-3x-5=0") and its answer line, or with `workedSolutions`
// every line of its worked solution after the equation line.
std::vector<std::string> WorksheetKeyLines(std::uint32_t seed, const WorksheetVariant& variant,
                                           bool workedSolutions);

// A variant's key as a printout, in one column: its heading on every page,
// then each equation's line with its answer line, or with `workedSolutions`
// its worked solution after an empty line; an equation's lines together on
// one page unless they are longer than a page.
PrintedDocument LayOutWorksheetKey(const Paper& paper, std::uint32_t seed,
                                   const WorksheetVariant& variant, bool workedSolutions,
                                   const PrintedDate& date);

// What a worksheet prints, in order: every variant's sheet, then every
// variant's key.
std::vector<PrintedDocument> LayOutWorksheet(const Paper& paper, const Worksheet& worksheet,
                                             bool workedSolutions, const PrintedDate& date);

}  // namespace parabel
