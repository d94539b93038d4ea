#include "ui/background_job.h"

#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Work that waits until it is asked to stop, then names itself.
BackgroundJob::Work waitingWork(QStringList& delivered, const QString& name) {
    return [&delivered, name](const BackgroundJob::Worker& worker) {
        while (!worker.stopRequested()) {
            QThread::msleep(1);
        }
        return [&delivered, name] { delivered << name; };
    };
}

// Of requests that follow each other, only the newest reaches the window;
// a cancel lets nothing through.
TEST(BackgroundJob, OnlyTheNewestRequestDelivers) {
    BackgroundJob job;
    QStringList delivered;
    job.request(waitingWork(delivered, QStringLiteral("first")));
    job.request(waitingWork(delivered, QStringLiteral("second")));
    job.request([&delivered](const BackgroundJob::Worker&) {
        return [&delivered] { delivered << QStringLiteral("third"); };
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !job.busy(); }));
    EXPECT_EQ(delivered, QStringList{QStringLiteral("third")});

    job.request(waitingWork(delivered, QStringLiteral("cancelled")));
    job.cancel();
    EXPECT_FALSE(job.busy());
    QTest::qWait(20);
    EXPECT_EQ(delivered, QStringList{QStringLiteral("third")});
}

TEST(BackgroundJob, AFailureOnTheWorkerComesHome) {
    BackgroundJob job;
    bool failed = false;
    QObject::connect(&job, &BackgroundJob::failed,
                     [&failed](std::exception_ptr) { failed = true; });
    job.request([](const BackgroundJob::Worker&) -> BackgroundJob::Delivery {
        throw std::runtime_error("kaputt");
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return failed; }));
    EXPECT_FALSE(job.busy());
}

} // namespace
