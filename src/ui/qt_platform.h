// The platform layer of the running program: Qt's message boxes, dialogs and
// desktop services.
#pragma once

#include <QColor>
#include <QList>
#include <QVariant>

#include "platform.h"

namespace parabel::ui {

class QtPlatform final : public Platform {
  protected:
    void runErrorBox(const QString& caption, const QString& text) override;
    bool runQuestionBox(const QString& caption, const QString& text) override;
    std::optional<QString> runFileDialog(QWidget* parent, const FileDialogOptions& options,
                                         const QString& fileName, bool save) override;
    std::optional<QColor> runColorDialog(QWidget* parent, const QColor& initial) override;
    bool runPrintDialog(QWidget* parent, const QPageSize& pageSize, int pageCount,
                        const PagePainting& paint) override;
    void handToDesktop(const QString& target) override;

  private:
    // The colour dialog's custom colours start empty for this program and
    // stay for its run. Qt stores a dialog's custom colours for all the
    // user's programs (QtProject.conf) when the dialog goes; the stored
    // entries are put back as they were right after, so the program never
    // changes what other programs keep.
    void rememberSharedCustomColors();
    void restoreSharedCustomColors() const;

    QList<QVariant> sharedCustomColors_;  // invalid: the entry was absent
    QList<QColor> ownCustomColors_;
};

}  // namespace parabel::ui
