// Runs the colour command's dialog twice, as the program does, and exits:
//   custom_colors_probe accept|cancel
// Inside each dialog it prints the first two custom colours it finds (the
// program starts them empty and keeps them for its run), adds a custom colour
// as a user would, then accepts or cancels. The test then reads what Qt
// stored for all programs.
#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ui/qt_platform.h"

int main(int argc, char** argv) {
    const bool accept = argc > 1 && std::strcmp(argv[1], "accept") == 0;
    QApplication application(argc, argv);
    parabel::ui::QtPlatform platform;
    for (int round = 0; round < 2; ++round) {
        QTimer::singleShot(100, [accept] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                std::printf("no dialog\n");
                QApplication::exit(3);
                return;
            }
            std::printf("custom colours in the dialog: %s %s\n",
                        qPrintable(QColorDialog::customColor(0).name()),
                        qPrintable(QColorDialog::customColor(1).name()));
            QColorDialog::setCustomColor(1, Qt::blue);  // "Add to Custom Colors"
            accept ? dialog->accept() : dialog->reject();
        });
        platform.chooseColor(nullptr, Qt::red);
    }
    std::fflush(stdout);
    return 0;
}
