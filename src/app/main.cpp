// The editor's main sequence.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tilesmith");
    QLabel label("Tilesmith 2.7");
    label.show();
    return app.exec();
}
