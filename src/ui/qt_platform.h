// The platform layer of the running program: Qt's message boxes, dialogs and
// desktop services.
#pragma once

#include "platform.h"

namespace parabel::ui {

class QtPlatform final : public Platform {
  public:
    void ShowError(const QString& caption, const QString& text) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    std::optional<QString> OpenFile(QWidget* parent, const FileDialogOptions& options,
                                    const QString& fileName) override;
    std::optional<QString> SaveFile(QWidget* parent, const FileDialogOptions& options,
                                    const QString& fileName) override;
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
    void OpenUrl(const QString& target) override;
};

}  // namespace parabel::ui
