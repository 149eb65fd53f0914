#include "qt_platform.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

#include "core/catalog.h"
#include "print_module.h"

namespace parabel::ui {

namespace {

// "Description|*.ext" as a Qt name filter: "Description (*.ext)".
QString nameFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return filters.join(";;");
}

}  // namespace

std::optional<QString> QtPlatform::runFileDialog(QWidget* parent, const FileDialogOptions& options,
                                                 const QString& fileName, bool save) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name may be typed, also of a file that does not exist: the
    // commands check what they were given.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!options.filter.isEmpty()) {
        dialog.setNameFilter(nameFilter(options.filter));
    }
    dialog.setDefaultSuffix(options.defaultExtension);
    QFileDialog::Options flags = QFileDialog::DontUseNativeDialog;
    if (!options.askOverwrite) {
        flags |= QFileDialog::DontConfirmOverwrite;
    }
    dialog.setOptions(flags);
    if (!fileName.isEmpty()) {
        dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

void QtPlatform::runErrorBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QString::fromUtf8(Text(Message::kButtonOk)));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtPlatform::runQuestionBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8(Text(Message::kButtonYes)));
    box.button(QMessageBox::No)->setText(QString::fromUtf8(Text(Message::kButtonNo)));
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

namespace {

QString customColorKey(int index) {
    return QStringLiteral("Qt/customColors/%1").arg(index);
}

}  // namespace

void QtPlatform::rememberSharedCustomColors() {
    const QSettings shared(QSettings::UserScope, QStringLiteral("QtProject"));
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        sharedCustomColors_.append(shared.value(customColorKey(i)));
        ownCustomColors_.append(QColor(Qt::white));
    }
}

void QtPlatform::restoreSharedCustomColors() const {
    QSettings shared(QSettings::UserScope, QStringLiteral("QtProject"));
    for (int i = 0; i < sharedCustomColors_.size(); ++i) {
        if (sharedCustomColors_[i].isValid()) {
            shared.setValue(customColorKey(i), sharedCustomColors_[i]);
        } else {
            shared.remove(customColorKey(i));
        }
    }
}

std::optional<QColor> QtPlatform::runColorDialog(QWidget* parent, const QColor& initial) {
    if (ownCustomColors_.isEmpty()) {
        rememberSharedCustomColors();
    }
    for (int i = 0; i < ownCustomColors_.size(); ++i) {
        QColorDialog::setCustomColor(i, ownCustomColors_[i]);
    }
    std::optional<QColor> chosen;
    {
        QColorDialog dialog(initial, parent);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (dialog.exec() == QDialog::Accepted) {
            chosen = dialog.selectedColor();
        }
        for (int i = 0; i < ownCustomColors_.size(); ++i) {
            ownCustomColors_[i] = QColorDialog::customColor(i);
        }
    }                             // the dialog goes, and Qt stores this run's custom colours ...
    restoreSharedCustomColors();  // ... which are put back as they were
    return chosen;
}

bool QtPlatform::runPrintDialog(QWidget* parent, const QPageSize& pageSize, int pageCount,
                                const PagePainting& paint) {
    const PrintModule& module = printModule();
    if (module.run == nullptr) {
        const std::string message =
            FormatText(Message::kErrorPrintModule, {{"reason", module.failure.toStdString()}});
        runErrorBox(QString::fromUtf8(Text(Message::kBoxError)), QString::fromStdString(message));
        return false;
    }
    return module.run(parent, pageSize, pageCount, paint);
}

void QtPlatform::handToDesktop(const QString& target) {
    QDesktopServices::openUrl(QUrl(target));
}

}  // namespace parabel::ui
