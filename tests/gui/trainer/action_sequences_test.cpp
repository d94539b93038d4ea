// Random sequences of user actions on the real window, every rule checked
// after every action. The seeds are fixed, so every run tries the same
// sequences; a failure prints its shrunk sequence and how to replay it.
#include "crash_note.h"
#include "permanence_folder.h"
#include "sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

// Never fewer than the default; SORVIK1_ACTION_SEQUENCES asks for more.
int sequenceCount() {
    constexpr int atLeast = 2000;
    return std::max(atLeast, qEnvironmentVariableIntValue("SORVIK1_ACTION_SEQUENCES"));
}

// The sequences are split into parts that run side by side.
constexpr int parts = 8;

class ActionSequences : public testing::TestWithParam<int> {
  protected:
    void SetUp() override { installCrashNote(); }
};

TEST_P(ActionSequences, KeepTheTrainerConsistent) {
    const PermanenceFolder& folder = PermanenceFolder::shared();
    int sequences = 0;
    std::size_t actions = 0;
    for (int i = GetParam(); i < sequenceCount(); i += parts) {
        const SequenceResult result =
            runSequence(static_cast<std::uint64_t>(i) + 1, actionsPerSequence, folder);
        if (result.failedAt) {
            FAIL() << report(result, shrink(result, folder)).toStdString();
        }
        ASSERT_FALSE(result.actions.empty()) << "seed " << i + 1 << " found nothing to do";
        ++sequences;
        actions += result.actions.size();
    }
    std::cout << sequences << " sequences, " << actions << " actions, no rule broken\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, ActionSequences, testing::Range(0, parts));

// SORVIK1_REPLAY_SEED=N runs the sequence of seed N and logs every action.
TEST(ActionReplay, FromTheEnvironment) {
    bool given = false;
    const qulonglong seed = qEnvironmentVariable("SORVIK1_REPLAY_SEED").toULongLong(&given);
    if (!given) {
        GTEST_SKIP() << "set SORVIK1_REPLAY_SEED to replay a sequence";
    }
    installCrashNote();
    const PermanenceFolder& folder = PermanenceFolder::shared();
    const SequenceResult result =
        runSequence(seed, actionsPerSequence, folder,
                    [](const QString& line) { std::cerr << line.toStdString() << '\n'; });
    if (result.failedAt) {
        FAIL() << report(result, shrink(result, folder)).toStdString();
    }
}

} // namespace
