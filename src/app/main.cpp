#include "app/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

// Parses the command line; exits for --help, --version and bad options.
Form1::Options parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sorvik1 - Trainer für Roulette-Figuren auf Rot und Schwarz."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Startwert des Zufallsgenerators: jeder "
                                                 "Zufallslauf wird wiederholbar."),
                                  QStringLiteral("N"));
    parser.addOption(seed);
    parser.process(app);

    Form1::Options options;
    if (parser.isSet(seed)) {
        bool ok = false;
        const qulonglong value = parser.value(seed).toULongLong(&ok);
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
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Sorvik1"));
    QApplication::setApplicationName(QStringLiteral("sorvik1"));
    QApplication::setApplicationVersion(QStringLiteral(SORVIK1_VERSION));
    QApplication::setStyle(QStringLiteral("Fusion"));

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
