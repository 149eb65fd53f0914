#include "about_dialog.h"

#include <QEvent>
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

// The labels whose words come from the catalog, where each is laid out.
struct WordLabel {
    const char* name;
    Message text;
    QRect geometry;
};
constexpr WordLabel kWordLabels[] = {
    {"yearAndPlaceLabel", Message::kAboutPlace, {25, 56, 131, 13}},
    {"contactsLabel", Message::kAboutContacts, {26, 85, 88, 13}},
    {"siteLabel", Message::kAboutSite, {26, 104, 27, 13}},
    {"mailLabel", Message::kAboutMail, {26, 122, 28, 13}},
    {"icqLabel", Message::kAboutIcq, {26, 142, 21, 13}},
};

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
    setFont(windowFont());
    setFixedSize(354, 220);
    move(191, 110);
    createDetailsPanel();
    createOkButton();
    retranslate();
}

void AboutDialog::retranslate() {
    setWindowTitle(QString::fromUtf8(Text(Message::kAboutTitle)));
    for (const WordLabel& word : kWordLabels) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(word.name));
        label->setText(QString::fromUtf8(Text(word.text)));
        placeLabel(label, word.geometry);
    }
    okButton_->setText(QString::fromUtf8(Text(Message::kButtonOk)));
}

void AboutDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
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
    // Their words: retranslate().
    for (const WordLabel& word : kWordLabels) {
        addLabel(panel, word.name, QString(), word.geometry);
    }

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
    auto* ok = new QPushButton(this);
    okButton_ = ok;
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(276, 191, 73, 25);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Enter closes the window at once; Tab goes on to the links.
    ok->setFocus();
}

}  // namespace parabel::ui
