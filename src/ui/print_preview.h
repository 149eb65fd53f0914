// The print preview lives in a module of its own (parabel-print.so), the one
// part of the program that needs Qt's print support: the program loads it,
// and with it the print support library, on the first print (print_module.h),
// so that a start-up never pays for them.
#pragma once

#include "platform.h"

namespace parabel::ui {

// Shows the pages in Qt's print preview, whose print button asks for the
// printer and prints; true when the pages went to a printer. As
// Platform::runPrintDialog.
using RunPrintPreview = bool (*)(QWidget* parent, const QPageSize& pageSize, int pageCount,
                                 const Platform::PagePainting& paint);

// The name the module exports it by.
inline constexpr const char* kRunPrintPreviewName = "parabelRunPrintPreview";

}  // namespace parabel::ui
