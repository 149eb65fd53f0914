#include "remembered_file_dialog.h"

#include "core/catalog.h"

namespace parabel::ui {

QString fileFilter(Message fileType, const char* pattern) {
    return QString::fromUtf8(Text(fileType)) + QLatin1Char('|') + QString::fromLatin1(pattern);
}

RememberedFileDialog::RememberedFileDialog(Platform& platform, Kind kind, Options options)
    : platform_(platform), kind_(kind), options_(std::move(options)) {}

void RememberedFileDialog::ask(QWidget* parent) {
    const std::optional<QString> chosen = kind_ == Kind::kOpen
                                              ? platform_.openFile(parent, options_(), fileName_)
                                              : platform_.saveFile(parent, options_(), fileName_);
    if (chosen) {
        fileName_ = *chosen;
    }
}

Report RememberedFileDialog::runSave(QWidget* parent, const std::function<Report()>& redraw,
                                     const std::function<Report(const QString&)>& write) {
    ask(parent);
    if (Report redrawn = redraw(); redrawn.HasError()) {
        return redrawn;
    }
    if (!fileName_.isEmpty()) {
        if (Report written = write(fileName_); written.HasError()) {
            return written;
        }
    }
    forget();
    return {};
}

}  // namespace parabel::ui
