#include "app/application.h"
#include "app/form1.h"
#include "output/info_file.h"
#include "ui/app_icon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <cstdio>

namespace {

// Prints the info text the Info button shows, from where the window finds it.
[[noreturn]] void printInfo() {
    QFile file(infoFilePath(QCoreApplication::applicationDirPath()));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "sorvik1: Kann die Datei info_Sorvik1.txt nicht finden.\n");
        std::exit(1);
    }
    const QByteArray text = file.readAll();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    std::exit(std::fflush(stdout) == 0 ? 0 : 1);
}

// The trainer's options, set up once for both readings of the command line.
struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption seed{QStringLiteral("seed"),
                            QStringLiteral("Startwert des Zufallsgenerators: jeder "
                                           "Zufallslauf wird wiederholbar."),
                            QStringLiteral("N")};
    QCommandLineOption info{QStringLiteral("info"),
                            QStringLiteral("Zeigt den Info-Text des Fensters im Terminal.")};

    CommandLine() {
        parser.setApplicationDescription(
            QStringLiteral("Sorvik1 - Trainer für Roulette-Figuren auf Rot und Schwarz."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(seed);
        parser.addOption(info);
    }
};

// Whether the command line asks only for a text (--help, --version, --info),
// which needs no display. A line that does not parse here may hold the
// toolkit's own options; the window's application object takes those out.
bool asksForTextOnly(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    CommandLine line;
    return line.parser.parse(arguments) &&
           (line.parser.isSet(QStringLiteral("help")) ||
            line.parser.isSet(QStringLiteral("help-all")) ||
            line.parser.isSet(QStringLiteral("version")) || line.parser.isSet(line.info));
}

// Parses the command line; exits for --help, --version, --info and bad options.
Form1::Options parseOptions(const QCoreApplication& app) {
    CommandLine line;
    line.parser.process(app);
    if (line.parser.isSet(line.info)) {
        printInfo();
    }

    Form1::Options options;
    if (line.parser.isSet(line.seed)) {
        bool ok = false;
        const qulonglong value = line.parser.value(line.seed).toULongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "sorvik1: --seed erwartet eine ganze Zahl ab 0.\n");
            std::exit(2);
        }
        options.seed = value;
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName(QStringLiteral("Sorvik1"));
    QCoreApplication::setApplicationName(QStringLiteral("sorvik1"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SORVIK1_VERSION));
    // Over SSH or in a build log there may be no display: a text is
    // answered before anything opens one.
    if (asksForTextOnly(argc, argv)) {
        const QCoreApplication textOnly(argc, argv);
        parseOptions(textOnly);
    }

    Application app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The menu entry's name, so a Wayland shell pairs the window with its
    // entry and icon; every window of the program carries the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("sorvik1"));
    QApplication::setWindowIcon(appIcon());

    // German texts in Qt's own dialogs (the printer set-up dialog).
    QTranslator translator;
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&translator);
    }

    Form1 form(parseOptions(app));
    form.show();
    return QApplication::exec();
}
