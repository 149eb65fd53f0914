#include "remembered_file_dialog.h"

namespace parabel::ui {

RememberedFileDialog::RememberedFileDialog(Platform& platform, Kind kind, FileDialogOptions options)
    : platform_(platform), kind_(kind), options_(std::move(options)) {}

void RememberedFileDialog::ask(QWidget* parent) {
    const std::optional<QString> chosen = kind_ == Kind::kOpen
                                              ? platform_.openFile(parent, options_, fileName_)
                                              : platform_.saveFile(parent, options_, fileName_);
    if (chosen) {
        fileName_ = *chosen;
    }
}

void RememberedFileDialog::runSave(QWidget* parent, const std::function<void()>& redraw,
                                   const std::function<void(const QString&)>& write) {
    ask(parent);
    redraw();
    if (!fileName_.isEmpty()) {
        write(fileName_);
    }
    forget();
}

}  // namespace parabel::ui
