// The print preview's module (print_preview.h), loaded on the first print:
// from the library folder of an installed program, from beside a copy of the
// program that is not installed, or by the run path of a program in its
// build folder.
#pragma once

#include <QString>

#include "print_preview.h"

namespace parabel::ui {

struct PrintModule {
    RunPrintPreview run = nullptr;  // none: the module could not be loaded
    QString failure;                // then why, in the system's words
};

// Loads the module the first time, and tells the same afterwards.
const PrintModule& printModule();

}  // namespace parabel::ui
