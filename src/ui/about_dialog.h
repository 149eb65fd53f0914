// The About dialog: the product title and the author's contact details.
// However it closes, it emits finished(), so the window it covered can draw
// its plot again.
#pragma once

#include <QDialog>

#include "platform.h"

namespace parabel::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // The links hand their targets to `platform`.
    AboutDialog(Platform& platform, QWidget* parent);

  private:
    void createDetailsPanel();
    void createOkButton();

    Platform& platform_;
};

}  // namespace parabel::ui
