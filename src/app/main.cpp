#include <QApplication>

// Start-up until the main window exists: the toolkit comes up and the program ends.
int main(int argc, char** argv) {
    const QApplication app(argc, argv);
    return 0;
}
