#pragma once

#include "statistics/statistics_steps.h"

#include "auswertung/evaluation_model.h"
#include "auswertung/evaluation_window.h"
#include "auswertung/open_evaluation.h"
#include "ui/file_chooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>
#include <random>

// Answers the evaluation window's file dialogs from fields and counts them.
struct ScriptedChooser : FileChooser {
    QStringList files;
    QString folder;
    QString csv;
    int asked = 0;
    QString startedIn;

    QStringList permanenceFiles(QWidget*, const QString& in) override {
        ++asked;
        startedIn = in;
        return files;
    }
    QString permanenceFolder(QWidget*, const QString& in) override {
        ++asked;
        startedIn = in;
        return folder;
    }
    QString csvTarget(QWidget*, const QString&) override { return csv; }
};

// A trainer with a figure, settings in a folder of their own, and a folder
// to write permanences into.
class EvaluationTest : public WindowTest {
  protected:
    EvaluationTest() {
        QCoreApplication::setOrganizationName(QStringLiteral("Sorvik1-Test"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QSettings().clear();
        setRun(form, {"figure", "rs", 1, 0, 0, {}});
    }

    EvaluationWindow* open() {
        EvaluationWindow* window = openEvaluation(form);
        auto owned = std::make_unique<ScriptedChooser>();
        chooser = owned.get();
        window->setFileChooser(std::move(owned));
        return window;
    }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray permanence(int spins, unsigned seed, const QByteArray& date) {
        std::mt19937 generator(seed);
        std::uniform_int_distribution<int> number(0, 36);
        QByteArray text = "Spielbank Test\r\nTisch 1\r\n" + date + "\r\nPermanenz\r\n";
        for (int i = 0; i < spins; ++i) {
            text += QByteArray::number(number(generator)) + "\r\n";
        }
        return text;
    }

    static bool waitDone(const EvaluationWindow& window, int ms = 20000) {
        return QTest::qWaitFor([&] { return !window.busy(); }, ms);
    }

    static QTableView& table(EvaluationWindow& window) {
        return *window.findChild<QTableView*>(QStringLiteral("tabelle"));
    }

    static QString status(EvaluationWindow& window) {
        return window.findChild<QLabel*>(QStringLiteral("status"))->text();
    }

    QTemporaryDir settingsDir;
    QTemporaryDir files;
    ScriptedChooser* chooser = nullptr;
};
