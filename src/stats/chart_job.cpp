#include "stats/chart_job.h"

namespace {

ChartObserved observe(const ChartInput& input) {
    ChartObserved observed;
    observed.figure = input.figure;
    if (input.figure.empty()) {
        return observed;
    }
    observed.stretch = sorvik1::shownStretch(input.figure.span(), input.shown, input.runSpins);
    // The copied numbers, indexed by spin from 1 as the run keeps them.
    const auto source = sorvik1::SpinSource::drawn(input.colours, input.numbers);
    sorvik1::SourceWords spins(source, 1, static_cast<std::int64_t>(input.numbers.size()) - 1);
    auto scan =
        sorvik1::OccurrenceScan<sorvik1::SourceWords>(input.figure, sorvik1::ZeroRule::Breaks, true)
            .run(spins, observed.stretch.positions, 1);
    observed.longest = scan.longestAbsence();
    observed.course = sorvik1::courseOf(input.figure, scan.starts, input.shown, input.runSpins);
    observed.starts = std::make_shared<const std::vector<std::int64_t>>(std::move(scan.starts));
    return observed;
}

ChartExpected expect(const ChartObserved& observed, std::shared_ptr<const sorvik1::StartLaw> law,
                     std::stop_token stop) {
    ChartExpected expected;
    if (observed.figure.empty()) {
        return expected;
    }
    if (!law) {
        law = std::make_shared<const sorvik1::StartLaw>(
            sorvik1::StartLaw::of(observed.figure, sorvik1::ZeroRule::Breaks, stop));
    }
    expected.figure = observed.figure;
    expected.law = law;
    expected.stopped = stop.stop_requested();
    expected.settled = law->settled();
    expected.gaps = sorvik1::gapHistogram(*law, *observed.starts, observed.stretch.startable);
    expected.expectedLongest = sorvik1::expectedLongest(*law, observed.stretch);
    expected.longestChance =
        sorvik1::longestAtLeast(*law, observed.stretch, observed.longest.length);
    expected.distribution =
        sorvik1::absenceDistribution(*law, observed.stretch, observed.longest.length);
    return expected;
}

} // namespace

ChartJob::ChartJob(QObject* parent) : QObject(parent) {}

// A law still being worked out for an earlier figure is of no use now.
ChartJob::~ChartJob() {
    figureStop_.request_stop();
}

void ChartJob::request(ChartInput input) {
    const std::uint64_t request = ++wanted_;
    observedJob_.request(
        [this, request, input = std::make_shared<const ChartInput>(std::move(input))](
            const BackgroundJob::Worker&) {
            return BackgroundJob::Delivery(
                [this, request, observed = observe(*input)] { showObserved(request, observed); });
        });
}

const ChartObserved* ChartJob::observed() const {
    return observedFor_ == wanted_ && wanted_ != 0 ? &observed_ : nullptr;
}

const ChartExpected* ChartJob::expected() const {
    return expectedFor_ == wanted_ && wanted_ != 0 ? &expected_ : nullptr;
}

void ChartJob::showObserved(std::uint64_t request, ChartObserved observed) {
    if (!(observed_.figure == observed.figure)) {
        figureStop_.request_stop();
        figureStop_ = {};
    }
    observed_ = std::move(observed);
    observedFor_ = request;
    emit observedReady();
    requestExpected();
}

// The law listens to the figure's stop alone: a request for more spins of
// the same figure waits for it instead of starting it again.
void ChartJob::requestExpected() {
    expectedJob_.request([this, request = observedFor_, observed = observed_, kept = kept_,
                          stop = figureStop_.get_token()](const BackgroundJob::Worker&) {
        std::shared_ptr<const sorvik1::StartLaw> law;
        {
            const std::lock_guard guard(kept->lock);
            if (kept->law && kept->figure == observed.figure) {
                law = kept->law;
            }
        }
        auto expected = std::make_shared<ChartExpected>(expect(observed, law, stop));
        if (!expected->stopped && expected->law) {
            const std::lock_guard guard(kept->lock);
            kept->figure = observed.figure;
            kept->law = expected->law;
        }
        return BackgroundJob::Delivery([this, request, expected] {
            expected_ = std::move(*expected);
            expectedFor_ = request;
            if (request == wanted_) {
                emit expectedReady();
            }
        });
    });
}
