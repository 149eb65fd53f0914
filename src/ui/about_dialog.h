// The About dialog: the product title and the author's contact details.
// However it closes, it emits finished(), so the window it covered can draw
// its plot again.
#pragma once

#include <QDialog>

#include "platform.h"

class QPushButton;

namespace parabel::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // The links hand their targets to `platform`.
    AboutDialog(Platform& platform, QWidget* parent);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void createDetailsPanel();
    // The dialog's words in the current language, each label sized to its
    // text.
    void retranslate();
    void createOkButton();

    Platform& platform_;
    QPushButton* okButton_ = nullptr;
};

}  // namespace parabel::ui
