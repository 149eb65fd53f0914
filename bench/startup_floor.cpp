// The floor of the start-up benchmark: a bare Qt main window, linked with Qt
// Widgets only, as any Qt program starts before it shows anything of its own.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    return application.exec();
}
