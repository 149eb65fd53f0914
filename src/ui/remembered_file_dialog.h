// A file dialog that keeps its file name from one command to the next, and
// the shape of the commands that save through one: ask for a name, draw the
// plot again (the dialog covered it), write the file when a name is set,
// forget the name.
#pragma once

#include <QString>
#include <functional>

#include "app/error_report.h"
#include "core/messages.h"
#include "platform.h"

class QWidget;

namespace parabel::ui {

// A dialog's filter of one type of file in the current language:
// "Текстовые файлы|*.txt".
QString fileFilter(Message fileType, const char* pattern);

class RememberedFileDialog {
  public:
    enum class Kind { kOpen, kSave };
    // The options as they are now: their words follow the language.
    using Options = std::function<FileDialogOptions()>;

    RememberedFileDialog(Platform& platform, Kind kind, Options options);

    // Shows the dialog starting at the remembered name. Confirming replaces
    // the name; cancelling keeps it.
    void ask(QWidget* parent);
    const QString& fileName() const { return fileName_; }
    void forget() { fileName_.clear(); }

    // ask(), redraw(), write(name) when a name is set, forget(). A report of
    // an error from redraw or write ends the command there with the name
    // kept, so the next dialog starts at it; it is returned for the window
    // to show.
    Report runSave(QWidget* parent, const std::function<Report()>& redraw,
                   const std::function<Report(const QString&)>& write);

  private:
    Platform& platform_;
    Kind kind_;
    Options options_;
    QString fileName_;
};

}  // namespace parabel::ui
