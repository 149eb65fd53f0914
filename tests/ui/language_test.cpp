// The window in another language: in the tests' pseudo-language every word it
// shows is marked (a text the catalog misses shows unmarked) and none is cut
// off; switching between Russian and English with a solution on the screen
// changes menus, hints, names and the list's lines at once, the field
// untouched, and the choice is the next run's; the English worked solution.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <cstring>

#include "program_fixture.h"
#include "ui/history_list.h"
#include "ui/worksheet_dialog.h"

using parabel::Language;
using parabel::testing::LanguageStart;
using parabel::testing::Program;
using parabel::testing::RunQueuedCommands;

namespace {

// A text is marked when each of its lines is, or when it holds no word (a
// line of numbers, a key's name, a rule of underscores).
bool Marked(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const bool wrapped = line.startsWith(QChar(0x2039)) && line.endsWith(QChar(0x203A));
        if (!wrapped && word.match(line).hasMatch()) {
            return false;
        }
    }
    return true;
}

// The languages' own names, which the language menu shows in each language.
bool LanguageName(const QString& text) {
    for (const Language language : parabel::OfferedLanguages()) {
        if (text == QString::fromUtf8(parabel::Text(parabel::Message::kLanguageName, language))) {
            return true;
        }
    }
    return false;
}

// Whether `text` fits `width` pixels in `widget`'s font, line by line.
bool Fits(const QWidget* widget, const QString& text, int width) {
    const QFontMetrics metrics(widget->font());
    for (const QString& line : QString(text).remove(QLatin1Char('&')).split(QLatin1Char('\n'))) {
        if (metrics.horizontalAdvance(line) > width) {
            return false;
        }
    }
    return true;
}

const char* EnglishEnvironment(const char* name) {
    return std::strcmp(name, "LANG") == 0 ? "en_US.UTF-8" : nullptr;
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
        lines << list->item(row)->text();
    }
    return lines;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private:
    // Checks every word of `texts` ("where: text") marked.
    static void checkMarked(const QStringList& texts) {
        for (const QString& entry : texts) {
            const QString text = entry.mid(entry.indexOf(QStringLiteral(": ")) + 2);
            QVERIFY2(Marked(text), qPrintable(QStringLiteral("unmarked ") + entry));
        }
    }

    // Opens `menu` and each of its submenus, puts each item under the
    // pointer, and checks its caption, its hint in the status bar, and that
    // the menu is wide enough for it.
    static void walkMenu(Program& program, QMenu* menu, QStringList& texts) {
        menu->popup(QPoint(0, 0));
        QTRY_VERIFY(menu->isVisible());
        texts << QStringLiteral("menu: ") + menu->title();
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            const QString where = menu->objectName() + QLatin1Char('/') + action->objectName();
            if (!LanguageName(action->text())) {
                texts << where + QStringLiteral(": ") + action->text();
            }
            QVERIFY2(Fits(menu, action->text(), menu->actionGeometry(action).width()),
                     qPrintable(where));
            menu->setActiveAction(action);
            if (!action->statusTip().isEmpty()) {  // a submenu's title has none
                QCOMPARE(program.Status()->text(), action->statusTip());
                QVERIFY2(Fits(program.Status(), action->statusTip(), program.Status()->width()),
                         qPrintable(where));
            }
            texts << where + QStringLiteral(" hint: ") + action->statusTip();
            if (action->menu() != nullptr) {
                walkMenu(program, action->menu(), texts);
            }
        }
        menu->hide();
    }

  private slots:
    void inThePseudoLanguageEveryWordIsMarkedAndNoneCutOff() {
        Program program({}, false, std::nullopt, LanguageStart{"x-pseudo", {}, nullptr});
        program.Show();
        QStringList texts;
        // Menus, items and their hints.
        for (QAction* title : program.main->menuBar()->actions()) {
            walkMenu(program, title->menu(), texts);
        }
        // The toolbar's buttons under the pointer: their hints and names.
        for (QToolButton* button : program.main->findChildren<QToolButton*>()) {
            if (button->objectName().endsWith(QStringLiteral("ToolButton"))) {
                const QPointF inside(5, 5);
                QEnterEvent enter(inside, inside, button->mapToGlobal(inside));
                QApplication::sendEvent(button, &enter);
                QCOMPARE(program.Status()->text(), button->statusTip());
                QVERIFY(Fits(program.Status(), button->statusTip(), program.Status()->width()));
                texts << button->objectName() + QStringLiteral(": ") + button->statusTip();
                texts << button->objectName() + QStringLiteral(" name: ") +
                             button->accessibleName();
            }
        }
        // Every name and hint of the main window's controls, the field's
        // hint in the status bar.
        for (QWidget* widget : program.main->findChildren<QWidget*>()) {
            texts << widget->objectName() + QStringLiteral(" name: ") + widget->accessibleName();
            texts << widget->objectName() + QStringLiteral(" description: ") +
                         widget->accessibleDescription();
            texts << widget->objectName() + QStringLiteral(" hint: ") + widget->statusTip();
        }
        texts << QStringLiteral("solve button: ") +
                     program.main->findChild<QPushButton*>(QStringLiteral("solveButton"))->text();
        for (QAction* action : program.main->findChildren<QAction*>()) {
            if (!LanguageName(action->text())) {
                texts << action->objectName() + QStringLiteral(": ") + action->text();
            }
        }
        // The full-screen window's menu and title.
        for (QAction* action : program.FullScreen()->actions()) {
            texts << action->objectName() + QStringLiteral(": ") + action->text();
            texts << action->objectName() + QStringLiteral(" hint: ") + action->statusTip();
        }
        texts << QStringLiteral("full screen: ") + program.FullScreen()->windowTitle();
        checkMarked(texts);

        // The list of the equations solved, empty and then with one.
        program.main->showHistory();
        QAbstractItemView* history = program.main->findChild<parabel::ui::HistoryList*>()->view();
        QTRY_VERIFY(history->isVisible());
        const QString none = history->model()->index(0, 0).data().toString();
        checkMarked({QStringLiteral("history: ") + none,
                     QStringLiteral("history name: ") + history->accessibleName()});
        QVERIFY2(Fits(history, none, history->viewport()->width()), qPrintable(none));
        QTest::keyClick(history, Qt::Key_Escape);

        // A solve: its lines, then a failed one: its box.
        program.Solve(QStringLiteral("x^2-1"));
        checkMarked(Lines(program.List()).replaceInStrings(QRegularExpression("^"), "list: "));
        program.Solve(QStringLiteral("0x^2+x+1"));
        program.Solve(QStringLiteral("x^2+1e999999"));
        // The exit question, answered No.
        program.platform.yesNoAnswers = {false};
        program.main->close();
        QVERIFY(program.main->isVisible());
        QCOMPARE(program.platform.boxes.size(), std::size_t(3));
        for (const auto& box : program.platform.boxes) {
            checkMarked({QStringLiteral("box caption: ") + box.caption,
                         QStringLiteral("box: ") + box.text});
        }

        // The About dialog: its words marked, each label and the button
        // wide enough for its text.
        parabel::ui::AboutDialog* about = program.About();
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        texts = {QStringLiteral("about: ") + about->windowTitle()};
        for (const QLabel* label : about->findChildren<QLabel*>()) {
            const QString name = label->objectName();
            if (name != QStringLiteral("authorLabel") && name != QStringLiteral("nickNameLabel") &&
                !name.endsWith(QStringLiteral("Link"))) {
                texts << name + QStringLiteral(": ") + label->text();
            }
            QVERIFY2(Fits(label, label->text(), label->contentsRect().width()), qPrintable(name));
        }
        const auto* ok = about->findChild<QPushButton*>(QStringLiteral("okButton"));
        texts << QStringLiteral("ok: ") + ok->text();
        QVERIFY(Fits(ok, ok->text(), ok->width()));
        checkMarked(texts);
        about->close();
    }

    // The worksheet dialog at its smallest, in each language: every word
    // marked in the pseudo-language, every label, box and button as wide as
    // its text needs, the whole within the screen.
    void theWorksheetDialogFitsInEveryLanguage() {
        Program program({}, false, std::nullopt, LanguageStart{"x-pseudo", {}, nullptr});
        program.Show();
        program.Action("worksheetAction")->trigger();
        RunQueuedCommands();
        parabel::ui::WorksheetDialog& dialog =
            parabel::testing::WindowProbe::Worksheet(*program.main);
        for (const Language language : {Language::kXPseudo, Language::kRu, Language::kEn}) {
            program.main->changeLanguage(language);
            dialog.resize(dialog.minimumSizeHint());
            dialog.layout()->activate();
            QVERIFY(dialog.width() <= 1024 && dialog.height() <= 768);
            QStringList texts{QStringLiteral("worksheet: ") + dialog.windowTitle()};
            const auto fits = [&](const QWidget* widget, const QString& text) {
                texts << widget->objectName() + QStringLiteral(": ") + text;
                QVERIFY2(widget->width() >= widget->minimumSizeHint().width(),
                         qPrintable(widget->objectName()));
            };
            for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
                fits(button, button->text());
            }
            for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                fits(label, label->text());
            }
            for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
                fits(box, box->title());
            }
            for (const QAbstractSpinBox* box : dialog.findChildren<QAbstractSpinBox*>()) {
                fits(box, box->text());
            }
            texts << Lines(dialog.findChild<QListWidget*>(QStringLiteral("equationList")))
                         .replaceInStrings(QRegularExpression("^"), "list: ");
            if (language == Language::kXPseudo) {
                checkMarked(texts);
            }
        }
    }

    void switchingLanguageChangesTheWordsAndLinesAtOnceAndIsTheNextRuns() {
        QTemporaryDir config;
        const QString folder = config.filePath(QStringLiteral("org.parabel.Parabel/"));
        QStringList russian;
        {
            Program program({}, false, std::nullopt, LanguageStart{{}, folder});
            program.Show();
            program.Solve(QStringLiteral("x^2-1"));
            russian = Lines(program.List());
            const auto* edit = program.Field();
            QCOMPARE(edit->text(), QStringLiteral("x^2-1=0"));
            QMenu* file = program.main->findChild<QMenu*>(QStringLiteral("fileMenu"));
            QToolButton* solve = program.ToolButton("solveToolButton");
            program.Action("enLanguageAction")->trigger();
            QCOMPARE(file->title(), QStringLiteral("&File"));
            QCOMPARE(program.Action("solveAction")->statusTip(),
                     QStringLiteral("Solve !!! (Enter)"));
            QCOMPARE(solve->statusTip(), QStringLiteral("Solve !!!"));
            QCOMPARE(solve->accessibleName(), QStringLiteral("Solve !!!"));
            QCOMPARE(program.Field()->accessibleName(), QStringLiteral("Equation"));
            QCOMPARE(program.FullScreen()->windowTitle(), QStringLiteral("The graph, full screen"));
            QCOMPARE(program.About()->windowTitle(), QStringLiteral("About Parabel"));
            QVERIFY(program.Action("enLanguageAction")->isChecked());
            QVERIFY(!program.Action("ruLanguageAction")->isChecked());
            QCOMPARE(Lines(program.List()).first(), QStringLiteral("Solution"));
            QCOMPARE(Lines(program.List()).last(), QStringLiteral("Answer: x(1)=1 ; x(2)=-1"));
            QCOMPARE(edit->text(), QStringLiteral("x^2-1=0"));
            QCOMPARE(program.platform.boxes.size(), std::size_t(0));
            program.Action("ruLanguageAction")->trigger();
            QCOMPARE(file->title(), QStringLiteral("&\u0424\u0430\u0439\u043B"));  // &Файл
            QCOMPARE(Lines(program.List()), russian);
            program.Action("enLanguageAction")->trigger();
            // Remembered beside, never in, Inf.ini.
            QVERIFY(!QFile::exists(program.Path(QStringLiteral("Inf.ini"))));
        }
        QFile remembered(folder + QStringLiteral("language"));
        QVERIFY(remembered.open(QIODevice::ReadOnly));
        QCOMPARE(remembered.readAll(), QByteArray("en\n"));
        remembered.close();
        {
            // The next run speaks it, whatever the environment says.
            Program program({}, false, std::nullopt, LanguageStart{{}, folder});
            QCOMPARE(program.Action("aboutAction")->text(), QStringLiteral("About"));
        }
        // A damaged or unreadable choice: the environment's rule, no box.
        const struct Row {
            QByteArray content;  // empty: a folder in the file's place
            parabel::EnvironmentReader environment;
            const char* about;
        } rows[] = {
            {QByteArray("\xFF\x00\x01garbage", 10), EnglishEnvironment, "About"},
            {QByteArray("\xFF\x00\x01garbage", 10), nullptr,
             "\u041E \u041F\u0440\u043E\u0433\u0440\u043C\u043C\u0435"},
            {QByteArray(), EnglishEnvironment, "About"},
        };
        for (const Row& row : rows) {
            QFile::remove(folder + QStringLiteral("language"));
            QDir(folder).rmdir(QStringLiteral("language"));
            if (row.content.isEmpty()) {
                QVERIFY(QDir(folder).mkdir(QStringLiteral("language")));
            } else {
                QVERIFY(remembered.open(QIODevice::WriteOnly));
                remembered.write(row.content);
                remembered.close();
            }
            Program program({}, false, std::nullopt, LanguageStart{{}, folder, row.environment});
            program.Show();
            QCOMPARE(program.Action("aboutAction")->text(), QString::fromUtf8(row.about));
            QCOMPARE(program.platform.boxes.size(), std::size_t(0));
        }
    }

    void theWorkedSolutionInEnglish() {
        Program program({}, false, std::nullopt, LanguageStart{"en", {}, nullptr});
        program.Show();
        const QString rule(26, QLatin1Char('_'));
        const struct Row {
            const char* equation;
            QStringList lines;  // empty: a box instead
            const char* box;
        } rows[] = {
            {"x^2+1",
             {"Solution", rule, "D=(0)^2-4*(1)*(1)=-4", "D<0 - No roots.", rule,
              "Answer: No roots."},
             nullptr},
            {"x^2+2x+1",
             {"Solution", rule, "D=(2)^2-4*(1)*(1)=0", "D=0 - One root.", "x=(-2)/(2*(1))=-1", rule,
              "Answer: -1"},
             nullptr},
            {"x^2-4",
             {"Solution", rule, "D=(0)^2-4*(1)*(-4)=16", "D>0 - Two roots.",
              "x(1,2)=((0)\u00B1(16^(1/2)))/(2*(1))", "x(1)=2", "x(2)=-2", rule,
              "Answer: x(1)=2 ; x(2)=-2"},
             nullptr},
            {"0x^2+x+1",
             {},
             "The equation is not of the form ax^2+bx+c, where\n a - any number other than 0\n"
             " b - any number\n c - any number"},
            {"x^2+1e999999", {}, "A coefficient is written in a form that cannot be read."},
        };
        for (const Row& row : rows) {
            program.platform.boxes.clear();
            program.main->clearAll();
            program.Solve(QString::fromUtf8(row.equation));
            QCOMPARE(Lines(program.List()), row.lines);
            if (row.box == nullptr) {
                QCOMPARE(program.platform.boxes.size(), std::size_t(0));
            } else {
                QCOMPARE(program.platform.boxes.size(), std::size_t(1));
                QCOMPARE(program.platform.boxes.front().caption, QStringLiteral("Error"));
                QCOMPARE(program.platform.boxes.front().text, QString::fromUtf8(row.box));
            }
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
