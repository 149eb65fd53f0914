// The About window: the product title and the author's contact details.
#pragma once

#include <QDialog>

#include "application.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace parabel::ui {

class MainWindow;
class LinkLabel;

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    AboutDialog(AppContext& app, MainWindow& main);

    QFrame* Pnl_1 = nullptr;
    QLabel *Lb_Autor = nullptr, *Lb_NickName = nullptr, *Lb_Local = nullptr, *Lb_Contacts = nullptr,
           *Lb_Site = nullptr, *Lb_EMail = nullptr, *Lb_ICQ = nullptr;
    LinkLabel *Link_Site = nullptr, *Link_EMail = nullptr;
    QLineEdit* Ed_ICQ = nullptr;
    QPushButton* Btn_OK = nullptr;

    void Btn_OKClick();
    // FormClose: however the window closes, the main plot it covered is drawn again.
    void FormClose();

    void done(int result) override;

  private:
    AppContext& app_;
    MainWindow& main_;
};

}  // namespace parabel::ui
