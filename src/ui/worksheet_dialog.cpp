#include "worksheet_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "app/worksheet_words.h"
#include "core/catalog.h"

namespace parabel::ui {

namespace {

QString text(Message message) {
    return QString::fromUtf8(Text(message));
}

// A list item's role that holds its equation as typed; none on a variant's
// heading.
constexpr int kEquationRole = Qt::UserRole;

QLabel* buddyLabel(QWidget* field, const char* name) {
    auto* label = new QLabel(field->parentWidget());
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(field);
    return label;
}

}  // namespace

WorksheetDialog::WorksheetDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("worksheetDialog"));
    createChoices();
    createButtons();
    retranslate();
    setSeed(NewWorksheetSeed());
}

void WorksheetDialog::createChoices() {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    kindsBox_ = new QGroupBox(this);
    kindsBox_->setObjectName(QStringLiteral("kindsBox"));
    auto* kinds = new QVBoxLayout(kindsBox_);
    for (const EquationKind kind : AllKinds()) {
        auto* box = new QCheckBox(kindsBox_);
        box->setObjectName(QStringLiteral("kind_") + QString::fromLatin1(KindName(kind)));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] {
            keepOneKind();
            remake();
        });
        kinds->addWidget(box);
        kindBoxes_.emplace_back(kind, box);
    }
    layout->addWidget(kindsBox_);

    auto* numbers = new QGridLayout;
    countBox_ = new QSpinBox(this);
    countBox_->setObjectName(QStringLiteral("countBox"));
    countBox_->setRange(kMinWorksheetCount, kMaxWorksheetCount);
    countBox_->setValue(WorksheetRequest{}.count);
    variantsBox_ = new QSpinBox(this);
    variantsBox_->setObjectName(QStringLiteral("variantsBox"));
    variantsBox_->setRange(kMinWorksheetVariants, kMaxWorksheetVariants);
    seedBox_ = new QDoubleSpinBox(this);
    seedBox_->setObjectName(QStringLiteral("seedBox"));
    seedBox_->setDecimals(0);
    seedBox_->setRange(0, std::numeric_limits<std::uint32_t>::max());
    newSeedButton_ = new QPushButton(this);
    newSeedButton_->setObjectName(QStringLiteral("newSeedButton"));
    countLabel_ = buddyLabel(countBox_, "countLabel");
    variantsLabel_ = buddyLabel(variantsBox_, "variantsLabel");
    seedLabel_ = buddyLabel(seedBox_, "seedLabel");
    numbers->addWidget(countLabel_, 0, 0);
    numbers->addWidget(countBox_, 0, 1);
    numbers->addWidget(variantsLabel_, 1, 0);
    numbers->addWidget(variantsBox_, 1, 1);
    numbers->addWidget(seedLabel_, 2, 0);
    numbers->addWidget(seedBox_, 2, 1);
    numbers->addWidget(newSeedButton_, 2, 2);
    numbers->setColumnStretch(3, 1);
    layout->addLayout(numbers);
    connect(countBox_, &QSpinBox::valueChanged, this, &WorksheetDialog::remake);
    connect(variantsBox_, &QSpinBox::valueChanged, this, &WorksheetDialog::remake);
    connect(seedBox_, &QDoubleSpinBox::valueChanged, this, &WorksheetDialog::remake);
    connect(newSeedButton_, &QPushButton::clicked, this, [this] { setSeed(NewWorksheetSeed()); });

    workedBox_ = new QCheckBox(this);
    workedBox_->setObjectName(QStringLiteral("workedSolutionsBox"));
    layout->addWidget(workedBox_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("equationList"));
    list_->setMinimumHeight(160);
    listLabel_ = buddyLabel(list_, "equationListLabel");
    layout->addWidget(listLabel_);
    layout->addWidget(list_, 1);
    connect(list_, &QListWidget::itemDoubleClicked, this, &WorksheetDialog::openSelected);
}

void WorksheetDialog::createButtons() {
    auto* buttons = new QDialogButtonBox(this);
    const auto add = [&](QPushButton*& button, const char* name,
                         QDialogButtonBox::ButtonRole role) {
        button = buttons->addButton(QString(), role);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
    };
    add(openButton_, "openButton", QDialogButtonBox::ActionRole);
    add(printButton_, "printButton", QDialogButtonBox::ActionRole);
    add(savePdfButton_, "savePdfButton", QDialogButtonBox::ActionRole);
    add(closeButton_, "closeButton", QDialogButtonBox::RejectRole);
    layout()->addWidget(buttons);
    connect(openButton_, &QPushButton::clicked, this, &WorksheetDialog::openSelected);
    connect(printButton_, &QPushButton::clicked, this, &WorksheetDialog::printRequested);
    connect(savePdfButton_, &QPushButton::clicked, this, &WorksheetDialog::savePdfRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    openButton_->setEnabled(false);
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        openButton_->setEnabled(item != nullptr && item->data(kEquationRole).isValid());
    });
}

bool WorksheetDialog::workedSolutions() const {
    return workedBox_->isChecked();
}

void WorksheetDialog::setSeed(std::uint32_t seed) {
    if (seedBox_->value() == seed) {
        remake();
    } else {
        seedBox_->setValue(seed);  // which makes it again
    }
}

WorksheetRequest WorksheetDialog::request() const {
    WorksheetRequest request;
    request.seed = static_cast<std::uint32_t>(std::llround(seedBox_->value()));
    request.count = countBox_->value();
    request.variants = variantsBox_->value();
    for (const auto& [kind, box] : kindBoxes_) {
        if (box->isChecked()) {
            request.kinds.push_back(kind);
        }
    }
    return request;
}

void WorksheetDialog::remake() {
    worksheet_ = MakeWorksheet(request());
    fillList();
}

void WorksheetDialog::fillList() {
    list_->clear();
    for (const WorksheetVariant& variant : worksheet_.variants) {
        auto* heading = new QListWidgetItem(
            QString::fromStdString(FormatText(Message::kWorksheetDialogVariant,
                                              {{"variant", std::to_string(variant.number)}})),
            list_);
        heading->setFlags(Qt::ItemIsEnabled);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        int number = 0;
        for (const WorksheetEquation& equation : variant.equations) {
            auto* item = new QListWidgetItem(QString::number(++number) + QStringLiteral(") ") +
                                                 QString::fromStdString(equation.solution.front()),
                                             list_);
            item->setData(kEquationRole, QString::fromStdString(equation.text));
        }
    }
}

void WorksheetDialog::openSelected() {
    const QListWidgetItem* item = list_->currentItem();
    if (item != nullptr && item->data(kEquationRole).isValid()) {
        emit openRequested(item->data(kEquationRole).toString());
    }
}

void WorksheetDialog::keepOneKind() {
    QCheckBox* onlyOne = nullptr;
    int chosen = 0;
    for (const auto& [kind, box] : kindBoxes_) {
        if (box->isChecked()) {
            ++chosen;
            onlyOne = box;
        }
    }
    for (const auto& [kind, box] : kindBoxes_) {
        box->setEnabled(chosen > 1 || box != onlyOne);
    }
}

void WorksheetDialog::retranslate() {
    setWindowTitle(text(Message::kWorksheetDialogTitle));
    kindsBox_->setTitle(text(Message::kWorksheetDialogKinds));
    for (const auto& [kind, box] : kindBoxes_) {
        box->setText(QString::fromStdString(KindTitle(kind)));
    }
    countLabel_->setText(text(Message::kWorksheetDialogCount));
    variantsLabel_->setText(text(Message::kWorksheetDialogVariants));
    seedLabel_->setText(text(Message::kWorksheetDialogSeed));
    newSeedButton_->setText(text(Message::kWorksheetDialogNewSeed));
    workedBox_->setText(text(Message::kWorksheetDialogWorked));
    listLabel_->setText(text(Message::kWorksheetDialogEquations));
    openButton_->setText(text(Message::kWorksheetDialogOpen));
    printButton_->setText(text(Message::kWorksheetDialogPrint));
    savePdfButton_->setText(text(Message::kWorksheetDialogSavePdf));
    closeButton_->setText(text(Message::kWorksheetDialogClose));
    if (!worksheet_.variants.empty()) {
        remake();  // the equations' lines are in the language too
    }
}

void WorksheetDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

}  // namespace parabel::ui
