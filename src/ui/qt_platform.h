// The platform layer of the running program: Qt's message boxes, dialogs and
// desktop services.
#pragma once

#include "platform.h"

namespace parabel::ui {

class QtPlatform final : public Platform {
  public:
    void showError(const QString& caption, const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& options,
                                    const QString& fileName) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& options,
                                    const QString& fileName) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void openUrl(const QString& target) override;
};

}  // namespace parabel::ui
