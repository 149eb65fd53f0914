// A worksheet asked for by text: the dialog's fields, or a page address a
// teacher hands on ("#worksheet=7&count=20&variants=2&kinds=whole,one").
// A value the page cannot take is told in the catalog's words, never
// replaced by another.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/worksheet.h"

namespace parabel::web {

// The fields as typed: the seed, the count, the number of variants and the
// kinds' names joined by commas ("whole,one").
struct WorksheetFields {
    std::string seed;
    std::string count = "20";
    std::string variants = "1";
    std::string kinds;
};

// The request the fields ask for, or the message that says which value is
// wrong (then no request).
struct WorksheetReading {
    WorksheetFields fields;
    std::optional<WorksheetRequest> request;
    std::string error;
};

WorksheetReading ReadWorksheetFields(const WorksheetFields& fields);

// The worksheet an address's fragment asks for ("#worksheet=SEED" and any of
// "&count=N", "&variants=N", "&kinds=KIND,..."; the kinds all when left
// out); nothing when the fragment asks for no worksheet.
std::optional<WorksheetReading> ReadWorksheetAddress(std::string_view fragment);

}  // namespace parabel::web
