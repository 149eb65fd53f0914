// Every modal interaction with the user and the desktop goes through this
// interface: message boxes, file and colour dialogs, opening links. The
// program uses QtPlatform; tests substitute a scripted one, so every command
// runs without a human and without a display.
//
// A dialog may load code into the process (a style or platform-theme plug-in,
// an input method, a file-system or printer backend) that changes the
// floating-point environment, so each call sets the program's arithmetic
// again once the interaction is over, whichever implementation ran it.
#pragma once

#include <QColor>
#include <QPageSize>
#include <QString>
#include <functional>
#include <optional>

#include "core/arithmetic_environment.h"

class QPainter;
class QWidget;

namespace parabel::ui {

struct FileDialogOptions {
    QString filter;            // "Text files|*.txt"; empty: all files
    QString defaultExtension;  // "txt"; empty: none
    bool askOverwrite = false;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // An error box: error icon, OK, modal for the whole program.
    void showError(const QString& caption, const QString& text) {
        runErrorBox(caption, text);
        UseProgramArithmetic();
    }
    // A question box: question icon, Yes and No; true for Yes.
    bool askYesNo(const QString& caption, const QString& text) {
        return afterwards(runQuestionBox(caption, text));
    }
    // The open and save dialogs, starting with `fileName` in the name field.
    // They give the full path chosen, or nothing when cancelled.
    std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options,
                                    const QString& fileName) {
        return afterwards(runFileDialog(parent, options, fileName, false));
    }
    std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options,
                                    const QString& fileName) {
        return afterwards(runFileDialog(parent, options, fileName, true));
    }
    // The colour chooser with its custom colours shown, opened on `initial`;
    // the colour chosen, or nothing when cancelled.
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) {
        return afterwards(runColorDialog(parent, initial));
    }
    // Prints `pageCount` pages: `paint` draws the page of the index it is
    // given with the painter it is given, whose device covers the whole page
    // at the dots per inch it is given, on paper or on screen. The print
    // preview shows them and its print button asks for the printer and
    // prints; true when the pages went to a printer.
    using PagePainting =
        std::function<void(QPainter& painter, double dotsPerInch, int pageIndex, bool onScreen)>;
    bool printPages(QWidget* parent, const QPageSize& pageSize, int pageCount,
                    const PagePainting& paint) {
        return afterwards(runPrintDialog(parent, pageSize, pageCount, paint));
    }
    // Hands a web address or "mailto:" target to the desktop; the result is
    // not looked at.
    void openUrl(const QString& target) {
        handToDesktop(target);
        UseProgramArithmetic();
    }

  protected:
    // What each call does; the public calls above wrap them.
    virtual void runErrorBox(const QString& caption, const QString& text) = 0;
    virtual bool runQuestionBox(const QString& caption, const QString& text) = 0;
    virtual std::optional<QString> runFileDialog(QWidget* parent, const FileDialogOptions& options,
                                                 const QString& fileName, bool save) = 0;
    virtual std::optional<QColor> runColorDialog(QWidget* parent, const QColor& initial) = 0;
    virtual bool runPrintDialog(QWidget* parent, const QPageSize& pageSize, int pageCount,
                                const PagePainting& paint) = 0;
    virtual void handToDesktop(const QString& target) = 0;

  private:
    template <typename Result>
    static Result afterwards(Result result) {
        UseProgramArithmetic();
        return result;
    }
};

}  // namespace parabel::ui
