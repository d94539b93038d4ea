#include "strategie/strategy_trial.h"

#include "core/batch/evaluation_folder.h"
#include "core/intake/permanence_sides.h"

#include <algorithm>

namespace sorvik1 {

namespace {

using Source = StrategyTrialRequest::Source;

// Plays the random sessions the request asks for, and as many more as
// chance needs where no exact law is at hand.
void playRandom(const StrategyTrialRequest& request, StrategyTrialResult& result,
                std::stop_token stop, StrategyTrialProgress& progress) {
    if (request.length.inBets) {
        result.exact = exactLaw(request.settings, request.length.count);
    }
    const std::int64_t played =
        result.exact ? request.sessions : std::max(request.sessions, lawSessions);
    progress.total = played;
    const SessionLength lengths[] = {request.length};
    result.sessions = playRandomSessions(request.figure, request.settings, request.seed, played,
                                         lengths, request.threads, stop, &progress.done);
    if (!result.exact) {
        result.simulated = sessionsLaw(result.sessions);
    }
    result.sessions.resize(static_cast<std::size_t>(request.sessions));
    result.names.resize(result.sessions.size());
}

// Plays the run or the files, each a session of its own or all together one.
void playKnown(const StrategyTrialRequest& request, StrategyTrialResult& result,
               std::stop_token stop, StrategyTrialProgress& progress) {
    std::vector<SessionLength> lengths;
    const auto play = [&](const std::vector<Farbcode>& colours, const std::string& name) {
        lengths.push_back({static_cast<std::int64_t>(colours.size())});
        result.names.push_back(name);
        result.sessions.push_back(playColours(request.figure, request.settings, colours, true));
    };
    if (request.source == Source::Permanence) {
        progress.total = 1 + lawSessions;
        play(request.permanence, {});
        progress.done = 1;
    } else {
        std::vector<std::string> files = request.files;
        for (const std::string& folder : request.folders) {
            FolderListing listing = permanenceFilesIn(folder, stop);
            files.insert(files.end(), listing.files.begin(), listing.files.end());
            for (const FileRefusal& refusal : listing.refused) {
                result.refused.push_back(refusal.path + ": " + refusal.reason);
            }
        }
        progress.total = static_cast<std::int64_t>(files.size()) + lawSessions;
        std::vector<Farbcode> together;
        for (const std::string& path : files) {
            if (stop.stop_requested()) {
                return;
            }
            const PermanenceSides file = readPermanenceSides(path, request.chance);
            if (!file.error.empty()) {
                result.refused.push_back(path + ": " + file.error);
            } else if (request.filesAsOne) {
                together.insert(together.end(), file.sides.begin(), file.sides.end());
            } else {
                play(file.sides, path);
            }
            ++progress.done;
        }
        if (request.filesAsOne && !together.empty()) {
            play(together, {});
        }
    }
    // The sessions stand beside random sessions as long as they are.
    if (!lengths.empty()) {
        std::atomic<std::int64_t>& done = progress.done;
        result.simulated =
            sessionsLaw(playRandomSessions(request.figure, request.settings, request.seed,
                                           lawSessions, lengths, request.threads, stop, &done));
    }
}

} // namespace

StrategyTrialResult runStrategyTrial(const StrategyTrialRequest& request, std::stop_token stop,
                                     StrategyTrialProgress& progress) {
    StrategyTrialResult result;
    if (request.source == Source::Random) {
        playRandom(request, result, stop, progress);
    } else {
        playKnown(request, result, stop, progress);
    }
    result.cancelled = stop.stop_requested();
    if (result.cancelled) {
        // What was not played is no result, and chance's side is incomplete.
        std::erase_if(result.sessions, [](const SessionResult& s) {
            return s.end == SessionEnd::Cancelled && s.spins == 0;
        });
        result.names.resize(result.sessions.size());
        result.exact.reset();
        result.simulated.reset();
    }
    result.observed = sessionsLaw(result.sessions);
    return result;
}

} // namespace sorvik1
