#include "about_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "author_details.h"
#include "link_label.h"
#include "main_window.h"
#include "window_font.h"

namespace parabel::ui {

namespace {

// Labels size themselves to their text, as laid out at least: the window's
// font may be wider than the one the layout was drawn with.
void PlaceLabel(QLabel* label, QRect geometry) {
    const QSize hint = label->sizeHint();
    label->setGeometry(geometry.x(), geometry.y(), std::max(geometry.width(), hint.width()),
                       std::max(geometry.height(), hint.height()));
}

QLabel* Label(QWidget* parent, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    PlaceLabel(label, geometry);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(AppContext& app, MainWindow& main)
    : QDialog(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      app_(app),
      main_(main) {
    setWindowTitle(QStringLiteral("О программе"));
    setFont(windowFont());
    setFixedSize(354, 220);
    move(191, 110);

    Pnl_1 = new QFrame(this);
    Pnl_1->setGeometry(2, 6, 349, 179);
    Pnl_1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Pnl_1->setLineWidth(2);

    Lb_Autor =
        Label(Pnl_1, QString::fromUtf8(author::kName) + QStringLiteral(" aka"), {25, 39, 94, 13});
    Lb_NickName = Label(Pnl_1, QStringLiteral("{ %1 }").arg(QString::fromUtf8(author::kNickName)),
                        {123, 39, 78, 13});
    Lb_NickName->setFont(windowFont(11, true));
    PlaceLabel(Lb_NickName, {123, 39, 78, 13});
    Lb_Local = Label(Pnl_1, QString::fromUtf8(author::kYearAndPlace), {25, 56, 131, 13});
    Lb_Contacts = Label(Pnl_1, QStringLiteral("Мои координаты:"), {26, 85, 88, 13});
    Lb_Site = Label(Pnl_1, QStringLiteral("Cайт:"), {26, 104, 27, 13});
    Lb_EMail = Label(Pnl_1, QStringLiteral("E-mail"), {26, 122, 28, 13});
    Lb_ICQ = Label(Pnl_1, QStringLiteral("ICQ:"), {26, 142, 21, 13});

    Link_Site = new LinkLabel(app_.platform(), Pnl_1);
    Link_Site->setText(QString::fromUtf8(author::kSite));
    Link_Site->Link = QString::fromUtf8(author::kSite);
    PlaceLabel(Link_Site, {82, 104, 135, 13});
    Link_EMail = new LinkLabel(app_.platform(), Pnl_1);
    Link_EMail->setText(QString::fromUtf8(author::kMail));
    Link_EMail->Link = QStringLiteral("mailto: ") + QString::fromUtf8(author::kMail);
    PlaceLabel(Link_EMail, {82, 122, 91, 13});

    Ed_ICQ = new QLineEdit(QString::fromUtf8(author::kIcq), Pnl_1);
    Ed_ICQ->setGeometry(82, 141, 81, 21);
    Ed_ICQ->setReadOnly(true);
    Ed_ICQ->setFrame(false);
    QPalette icqColors = Ed_ICQ->palette();
    icqColors.setColor(QPalette::Base, icqColors.color(QPalette::Button));
    Ed_ICQ->setPalette(icqColors);
    Ed_ICQ->setFocusPolicy(Qt::ClickFocus);

    Btn_OK = new QPushButton(QStringLiteral("OK"), this);
    Btn_OK->setGeometry(276, 191, 73, 25);
    Btn_OK->setDefault(true);
    Btn_OK->setAutoDefault(true);
    connect(Btn_OK, &QPushButton::clicked, this, [this] { Btn_OKClick(); });
}

void AboutDialog::Btn_OKClick() {
    accept();
}

void AboutDialog::FormClose() {
    main_.RedrawFromState();
}

void AboutDialog::done(int result) {
    app_.guard([this] { FormClose(); });
    QDialog::done(result);
}

}  // namespace parabel::ui
