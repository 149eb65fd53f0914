// The worksheet dialog: the kinds of equation to mix, the count, the number
// of variants, the sheet's number (its seed) with a button for a new one,
// and whether the key holds the worked solutions; the list shows the
// sheet's equations, variant by variant, made again at every change. Its
// buttons ask the main window to print the sheet, save it as PDF, or open
// the selected equation in the main window; the dialog itself prints
// nothing.
#pragma once

#include <QDialog>
#include <vector>

#include "app/worksheet.h"

class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace parabel::ui {

class WorksheetDialog : public QDialog {
    Q_OBJECT
  public:
    explicit WorksheetDialog(QWidget* parent);

    // The worksheet the choices make, as the list shows it.
    const Worksheet& worksheet() const { return worksheet_; }
    bool workedSolutions() const;
    // Sets the sheet's number, as typing it would.
    void setSeed(std::uint32_t seed);

  signals:
    void printRequested();
    void savePdfRequested();
    // The equation as a pupil types it ("2x^2-3x-5").
    void openRequested(const QString& equation);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void createChoices();
    void createButtons();
    WorksheetRequest request() const;
    // The worksheet made again from the choices, and the list with it.
    void remake();
    void fillList();
    void openSelected();
    // A kind stays chosen while it is the only one, so the sheet always
    // has one to make.
    void keepOneKind();
    void retranslate();

    std::vector<std::pair<EquationKind, QCheckBox*>> kindBoxes_;
    QGroupBox* kindsBox_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QSpinBox* countBox_ = nullptr;
    QLabel* variantsLabel_ = nullptr;
    QSpinBox* variantsBox_ = nullptr;
    QLabel* seedLabel_ = nullptr;
    QDoubleSpinBox* seedBox_ = nullptr;  // the whole range of a 32-bit seed
    QPushButton* newSeedButton_ = nullptr;
    QCheckBox* workedBox_ = nullptr;
    QLabel* listLabel_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* savePdfButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    Worksheet worksheet_;
};

}  // namespace parabel::ui
