#include "stats/first_occurrence_job.h"

#include "core/wheel/figure_text.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

sorvik1::Figure figureOf(const char* text) {
    return sorvik1::parseFigure(text).figure;
}

std::optional<double> chanceFor(const char* figure, std::int64_t spins) {
    return sorvik1::firstOccurrence(figureOf(figure), spins, sorvik1::ZeroRule::Breaks)
        .chanceWithin;
}

// A request made while another is worked out replaces it: what ends up shown
// belongs to the last request, never to the one that happened to finish.
TEST(FirstOccurrenceJob, EndsWithTheLatestRequest) {
    FirstOccurrenceJob job;
    job.request(figureOf("rr"), 10);
    job.request(figureOf("r.s"), 20);
    EXPECT_EQ(job.forFigure(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return job.current(); }));
    EXPECT_EQ(job.forFigure()->chanceWithin, chanceFor("r.s", 20));
}

// The wait belongs to the figure alone, so it stays known while the chance
// for more spins is worked out.
TEST(FirstOccurrenceJob, KeepsTheWaitWhileTheChanceForMoreSpinsIsWorkedOut) {
    FirstOccurrenceJob job;
    QSignalSpy ready(&job, &FirstOccurrenceJob::ready);
    job.request(figureOf("rsr"), 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return job.current(); }));
    const auto wait = job.forFigure()->expectedWait;

    job.request(figureOf("rsr"), 30);
    ASSERT_NE(job.forFigure(), nullptr);
    EXPECT_FALSE(job.current());
    EXPECT_EQ(job.forFigure()->expectedWait, wait);
    ASSERT_TRUE(QTest::qWaitFor([&] { return job.current(); }));
    EXPECT_EQ(job.forFigure()->chanceWithin, chanceFor("rsr", 30));

    // Asking again for what is at hand starts nothing.
    const auto readyBefore = ready.count();
    job.request(figureOf("rsr"), 30);
    EXPECT_TRUE(job.current());
    QCoreApplication::processEvents();
    EXPECT_EQ(ready.count(), readyBefore);
}

} // namespace
