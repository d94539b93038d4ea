// Writes the program's icon as PNG files in the hicolor theme layout, so the
// menu shows the very picture the window carries.
// Usage: sorvik1-render-icons FOLDER SIZE...
#include "ui/app_icon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: sorvik1-render-icons FOLDER SIZE...\n");
        return 2;
    }
    for (const QString& text : arguments.mid(2)) {
        const int size = text.toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[1]).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) ||
            !renderAppIcon(size).save(folder + QStringLiteral("/sorvik1.png"))) {
            std::fprintf(stderr, "sorvik1-render-icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return EXIT_SUCCESS;
}
