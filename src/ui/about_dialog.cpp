#include "about_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/author_details.h"
#include "core/catalog.h"
#include "link_label.h"
#include "window_font.h"

namespace parabel::ui {

namespace {

// A field that shows a text to read and copy: the focus, however it comes,
// leaves the text unselected, so that it reads as text, not as a field to
// type over.
class ReadOnlyField final : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        deselect();
    }
};

}  // namespace

namespace {

// Labels size themselves to their text, as laid out at least: the window's
// font may be wider than the one the layout was drawn with.
void placeLabel(QLabel* label, QRect geometry) {
    const QSize hint = label->sizeHint();
    label->setGeometry(geometry.x(), geometry.y(), std::max(geometry.width(), hint.width()),
                       std::max(geometry.height(), hint.height()));
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    placeLabel(label, geometry);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      platform_(platform) {
    setWindowTitle(QStringLiteral("О программе"));
    setFont(windowFont());
    setFixedSize(354, 220);
    move(191, 110);
    createDetailsPanel();
    createOkButton();
}

void AboutDialog::createDetailsPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("detailsPanel"));
    panel->setGeometry(2, 6, 349, 179);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);

    addLabel(panel, "authorLabel", QString::fromUtf8(author::kName) + QStringLiteral(" aka"),
             {25, 39, 94, 13});
    QLabel* nickName = addLabel(panel, "nickNameLabel",
                                QStringLiteral("{ %1 }").arg(QString::fromUtf8(author::kNickName)),
                                {123, 39, 78, 13});
    nickName->setFont(windowFont(11, true));
    placeLabel(nickName, {123, 39, 78, 13});
    addLabel(panel, "yearAndPlaceLabel", QString::fromUtf8(Text(Message::kAboutPlace)),
             {25, 56, 131, 13});
    addLabel(panel, "contactsLabel", QStringLiteral("Мои координаты:"), {26, 85, 88, 13});
    // The "C" of "Cайт" is a Latin letter, as the window has always had it;
    // kept on purpose.
    addLabel(panel, "siteLabel", QStringLiteral("Cайт:"), {26, 104, 27, 13});
    addLabel(panel, "mailLabel", QStringLiteral("E-mail"), {26, 122, 28, 13});
    addLabel(panel, "icqLabel", QStringLiteral("ICQ:"), {26, 142, 21, 13});

    auto* siteLink = new LinkLabel(platform_, panel);
    siteLink->setObjectName(QStringLiteral("siteLink"));
    siteLink->setText(QString::fromUtf8(author::kSite));
    siteLink->setTarget(QString::fromUtf8(author::kSite));
    placeLabel(siteLink, {82, 104, 135, 13});
    auto* mailLink = new LinkLabel(platform_, panel);
    mailLink->setObjectName(QStringLiteral("mailLink"));
    mailLink->setText(QString::fromUtf8(author::kMail));
    mailLink->setTarget(QStringLiteral("mailto: ") + QString::fromUtf8(author::kMail));
    placeLabel(mailLink, {82, 122, 91, 13});

    auto* icq = new ReadOnlyField(QString::fromUtf8(author::kIcq), panel);
    icq->setObjectName(QStringLiteral("icqEdit"));
    icq->setGeometry(82, 141, 81, 21);
    icq->setReadOnly(true);
    icq->setAccessibleName(QStringLiteral("ICQ"));  // the label beside it is no buddy
    icq->setFrame(false);
    QPalette icqColors = icq->palette();
    icqColors.setColor(QPalette::Base, icqColors.color(QPalette::Button));
    icq->setPalette(icqColors);
    // Tab reaches it, so the number can be selected and copied by keyboard.
    icq->setFocusPolicy(Qt::StrongFocus);
}

void AboutDialog::createOkButton() {
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(276, 191, 73, 25);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Enter closes the window at once; Tab goes on to the links.
    ok->setFocus();
}

}  // namespace parabel::ui
