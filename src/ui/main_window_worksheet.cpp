// The main window's worksheet command: the dialog, its print and save as
// PDF through the same pages as the solution's, and its equations opened in
// the main window.
#include <QPainter>

#include "app/worksheet_pages.h"
#include "equation_edit.h"
#include "locale_paper.h"
#include "main_window.h"
#include "page_painter.h"
#include "worksheet_dialog.h"

namespace parabel::ui {

WorksheetDialog& MainWindow::worksheetDialog() {
    if (worksheet_ == nullptr) {
        worksheet_ = new WorksheetDialog(this);
        connect(worksheet_, &WorksheetDialog::printRequested, this,
                [this] { app_.guard([this] { printWorksheet(); }); });
        connect(worksheet_, &WorksheetDialog::savePdfRequested, this,
                [this] { app_.guard([this] { saveWorksheetAsPdf(); }); });
        connect(worksheet_, &WorksheetDialog::openRequested, this, [this](const QString& equation) {
            app_.guard([this, equation] { solveEquation(equation); });
        });
    }
    return *worksheet_;
}

void MainWindow::showWorksheet() {
    WorksheetDialog& dialog = worksheetDialog();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void MainWindow::printWorksheet() {
    const std::vector<PrintedDocument> documents = LayOutWorksheet(
        localePaper(), worksheet_->worksheet(), worksheet_->workedSolutions(), today());
    const std::vector<PageOfDocuments> pages = pagesOf(documents);
    const FramedSurface picture = model_.Picture();  // none of these pages has a plot
    app_.platform().printPages(
        worksheet_, pageSizeOf(documents.front().paper), static_cast<int>(pages.size()),
        [&](QPainter& painter, double dotsPerInch, int pageIndex, bool onScreen) {
            const PageOfDocuments& page = pages.at(static_cast<std::size_t>(pageIndex));
            paintPrintedPage(painter, dotsPerInch, documents[page.document], page.page, picture,
                             onScreen ? PageMedium::kScreen : PageMedium::kPaper);
        });
    redrawFromState();  // the preview covered the plot
}

void MainWindow::saveWorksheetAsPdf() {
    tell(worksheetPdfDialog_.runSave(
        worksheet_, [this] { return redrawn(); },
        [this](const QString& fileName) {
            const std::vector<PrintedDocument> documents = LayOutWorksheet(
                localePaper(), worksheet_->worksheet(), worksheet_->workedSolutions(), today());
            const QByteArray pdf = printedDocumentsPdf(documents, model_.Picture());
            return model_.SaveBytes(
                fileName.toStdString(),
                std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                          static_cast<std::size_t>(pdf.size())));
        }));
}

}  // namespace parabel::ui
