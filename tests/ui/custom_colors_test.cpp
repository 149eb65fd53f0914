// The colour command never changes the custom colours Qt keeps for all the
// user's programs in QtProject.conf, whether the dialog is confirmed or
// cancelled, while inside the program they start empty.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "support/run_program.h"

class CustomColorsTest : public QObject {
    Q_OBJECT

  private slots:
    void anotherProgramsCustomColoursStayAsTheyWere() {
        for (const char* answer : {"accept", "cancel"}) {
            QTemporaryDir config;
            const QString store = QDir(config.path()).filePath(QStringLiteral("QtProject.conf"));
            {
                QSettings seeded(store, QSettings::IniFormat);
                seeded.setValue(QStringLiteral("Qt/customColors/0"), 0xFF00FF00u);  // green
                seeded.setValue(QStringLiteral("Qt/customColors/5"), 0xFF123456u);
                seeded.setValue(QStringLiteral("Qt/filedialog"), QStringLiteral("kept"));
            }
            const auto run = parabel::testing::RunProgram(
                PARABEL_COLORS_PROBE, {answer}, "",
                {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + config.path().toStdString(),
                 "HOME=" + config.path().toStdString()});
            QCOMPARE(run.status, 0);
            // Inside the program the slots start empty and keep what the user
            // added for the run.
            QCOMPARE(run.out, std::string("custom colours in the dialog: #ffffff #ffffff\n"
                                          "custom colours in the dialog: #ffffff #0000ff\n"));

            QSettings stored(store, QSettings::IniFormat);
            QCOMPARE(stored.value(QStringLiteral("Qt/customColors/0")).toUInt(), 0xFF00FF00u);
            QCOMPARE(stored.value(QStringLiteral("Qt/customColors/5")).toUInt(), 0xFF123456u);
            // Entries that were absent stay absent; the colour added in the
            // dialog stays this run's own.
            QVERIFY(!stored.contains(QStringLiteral("Qt/customColors/1")));
            QVERIFY(!stored.contains(QStringLiteral("Qt/customColors/15")));
            QCOMPARE(stored.value(QStringLiteral("Qt/filedialog")).toString(),
                     QStringLiteral("kept"));
        }
    }
};

QTEST_MAIN(CustomColorsTest)
#include "custom_colors_test.moc"
