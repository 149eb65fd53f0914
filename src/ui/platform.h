// Every modal interaction with the user and the desktop goes through this
// interface: message boxes, file and colour dialogs, opening links. The
// program uses QtPlatform; tests substitute a scripted one, so every command
// runs without a human and without a display.
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace parabel::ui {

struct FileDialogOptions {
    QString filter;            // "Текстовые файлы|*.txt"; empty: all files
    QString defaultExtension;  // "txt"; empty: none
    bool askOverwrite = false;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // An error box: error icon, OK, modal for the whole program.
    virtual void showError(const QString& caption, const QString& text) = 0;
    // A question box: question icon, Yes and No; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    // The open and save dialogs, starting with `fileName` in the name field.
    // They give the full path chosen, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options,
                                            const QString& fileName) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options,
                                            const QString& fileName) = 0;
    // The colour chooser with its custom colours shown, opened on `initial`;
    // the colour chosen, or nothing when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Hands a web address or "mailto:" target to the desktop; the result is
    // not looked at.
    virtual void openUrl(const QString& target) = 0;
};

}  // namespace parabel::ui
