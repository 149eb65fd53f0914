// A platform layer for tests: it records every box, dialog and link, and
// answers from scripts instead of asking a person.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include <QImage>
#include <QPainter>

#include "ui/platform.h"
#include "ui/qt_platform.h"

namespace parabel::testing {

class ScriptedPlatform final : public ui::Platform {
  public:
    struct Box {
        QString caption;
        QString text;
        bool question = false;
    };
    struct FileCall {
        bool save = false;
        ui::FileDialogOptions options;
        QString initialName;
    };

    std::vector<Box> boxes;
    std::deque<bool> yesNoAnswers;  // an empty script answers Yes
    std::vector<FileCall> fileCalls;
    std::deque<std::optional<QString>> fileAnswers;  // an empty script cancels
    std::vector<QColor> colorCalls;
    std::deque<std::optional<QColor>> colorAnswers;  // an empty script cancels
    std::vector<QString> openedUrls;
    // Each page printed, drawn at 100 dots per inch, and whether to print.
    std::vector<QImage> printedPages;
    bool printAnswer = true;
    // Set: the print command opens the toolkit's own print preview, as the
    // program does, and records nothing.
    bool realPrintPreview = false;
    std::function<void()> onBox;  // runs while a box is "shown"
    // Runs inside every box and dialog, as code a dialog loads would.
    std::function<void()> duringEachCall;

  protected:
    void runErrorBox(const QString& caption, const QString& text) override {
        during();
        boxes.push_back({caption, text, false});
        if (onBox) {
            onBox();
        }
    }
    bool runQuestionBox(const QString& caption, const QString& text) override {
        during();
        boxes.push_back({caption, text, true});
        if (yesNoAnswers.empty()) {
            return true;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<QString> runFileDialog(QWidget*, const ui::FileDialogOptions& options,
                                         const QString& fileName, bool save) override {
        during();
        return fileAnswer(save, options, fileName);
    }
    std::optional<QColor> runColorDialog(QWidget*, const QColor& initial) override {
        during();
        colorCalls.push_back(initial);
        if (colorAnswers.empty()) {
            return std::nullopt;
        }
        const auto answer = colorAnswers.front();
        colorAnswers.pop_front();
        return answer;
    }
    bool runPrintDialog(QWidget* parent, const QPageSize& pageSize, int pageCount,
                        const PagePainting& paint) override {
        during();
        if (realPrintPreview) {
            return ui::QtPlatform().printPages(parent, pageSize, pageCount, paint);
        }
        constexpr int kDotsPerInch = 100;
        for (int i = 0; i < pageCount; ++i) {
            QImage page(pageSize.sizePixels(kDotsPerInch), QImage::Format_RGB32);
            page.fill(Qt::white);
            page.setDotsPerMeterX(kDotsPerInch * 10000 / 254);
            page.setDotsPerMeterY(kDotsPerInch * 10000 / 254);
            QPainter painter(&page);
            paint(painter, kDotsPerInch, i, false);
            painter.end();
            printedPages.push_back(page);
        }
        return printAnswer;
    }
    void handToDesktop(const QString& target) override {
        during();
        openedUrls.push_back(target);
    }

  private:
    void during() const {
        if (duringEachCall) {
            duringEachCall();
        }
    }
    std::optional<QString> fileAnswer(bool save, const ui::FileDialogOptions& options,
                                      const QString& fileName) {
        fileCalls.push_back({save, options, fileName});
        if (fileAnswers.empty()) {
            return std::nullopt;
        }
        const auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
};

}  // namespace parabel::testing
