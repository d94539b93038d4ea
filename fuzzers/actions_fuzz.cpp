// The action driver with fresh random seeds, for as long as it is given: the
// window test's random sequences of user actions, every rule checked after
// every action. It takes the options that ./fuzz hands every target:
// -max_total_time=SECONDS (0 or none: until a failure) and
// -artifact_prefix=PATH, where a failure's report is written; the other
// options and the corpus folder do not apply to it. Exits non-zero on the
// first failure, after printing the failing sequence shrunk.
#include "crash_note.h"
#include "permanence_folder.h"
#include "sequence.h"

#include <QApplication>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <random>
#include <string_view>

namespace {

struct Options {
    long long seconds = 0;
    QString artifactPrefix;
};

Options options(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("-max_total_time=")) {
            o.seconds = std::stoll(std::string(arg.substr(16)));
        } else if (arg.starts_with("-artifact_prefix=")) {
            o.artifactPrefix = QString::fromLocal8Bit(arg.substr(17));
        }
    }
    return o;
}

void keep(const Options& o, std::uint64_t seed, const QString& text) {
    if (o.artifactPrefix.isEmpty()) {
        return;
    }
    QFile file(o.artifactPrefix + QStringLiteral("seed-%1.txt").arg(seed));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
    }
}

// The offscreen platform warns on every raise() and keyboard grab that the
// window and its menus ask for; over minutes of sequences that buries the
// report of a failure.
void quietPlatformWarnings(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
        std::fprintf(stderr, "%s\n",
                     qFormatLogMessage(type, context, message).toLocal8Bit().constData());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const Options o = options(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qInstallMessageHandler(quietPlatformWarnings);
    installCrashNote();
    const PermanenceFolder& folder = PermanenceFolder::shared();

    std::random_device entropy;
    std::mt19937_64 seeds((std::uint64_t{entropy()} << 32) ^ entropy());
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                                start)
            .count();
    };
    long long sequences = 0;
    long long actions = 0;
    while (o.seconds <= 0 || elapsed() < o.seconds) {
        const std::uint64_t seed = seeds();
        const SequenceResult result = runSequence(seed, actionsPerSequence, folder);
        ++sequences;
        actions += static_cast<long long>(result.actions.size());
        if (result.failedAt) {
            const QString text = report(result, shrink(result, folder));
            std::fprintf(stderr, "%s", text.toLocal8Bit().constData());
            keep(o, seed, text);
            return 1;
        }
    }
    std::printf("Done: %lld action sequences, %lld actions in %lld s, no rule broken.\n", sequences,
                actions, static_cast<long long>(elapsed()));
    return 0;
}
