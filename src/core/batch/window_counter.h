#pragma once

#include "core/laws/statistics.h"
#include "core/scan/occurrence_scan.h"

#include <cstdint>
#include <vector>

namespace sorvik1 {

// The longest span a figure search covers: 3^10 windows fit in the cache.
inline constexpr int maxSearchSpan = 10;

// Counts, for every start position, the colours of the next `span` counted
// positions as one window: each position is red, black or "none" (a zero
// under ZeroRule::Breaks, or past the end of its sequence). A figure of
// span m <= span then starts at exactly the positions whose window begins
// with its colours, so one pass over the spins serves every figure. Each
// sequence (a file, a part) is padded with "none" at its end, so a short
// figure still counts at its last positions and no window reaches into the
// next sequence.
//
// Window digits: red 0, black 1, none 2; the digit of offset j has the
// weight 3^(span - 1 - j).
class WindowCounter {
  public:
    // `span` is clamped to 1 .. maxSearchSpan.
    WindowCounter(int span, ZeroRule rule);

    // The next spins of the current sequence.
    void add(const SpinWord& word);
    // Ends the current sequence; an empty one leaves no trace.
    void endSequence();

    // For a counter that takes a sequence from its middle on: the spins just
    // before its part (at least span - 1 counted positions, or all from the
    // start), so that the windows ending in the part are whole. Their own
    // windows are left to the counter of the earlier part.
    void carryIn(const SpinWord& word);
    // For a counter whose part ends inside a sequence that the counter of
    // the next part takes on from there: that part's first spins, so that
    // the windows starting here and ending there are counted here. True
    // while more are needed; when the sequence ends first, padAhead()
    // ends them as the sequence's end does.
    bool lookAhead(const SpinWord& word);
    void padAhead();
    // For a counter that takes a sequence from its middle on, when the
    // counter before it looked ahead.
    void continueSequence() { continues_ = true; }
    // Adds what the counter of the following part counted. When that part
    // continues this counter's open sequence, its first ended sequence ends
    // it, or the open sequence runs on through the whole part.
    void merge(const WindowCounter& later);

    int span() const { return span_; }
    ZeroRule rule() const { return rule_; }
    // Number of windows per window index (3^span entries).
    const std::vector<std::uint64_t>& windows() const { return windows_; }
    // Counted positions of each ended non-empty sequence, in order.
    const std::vector<std::int64_t>& sequencePositions() const { return sequences_; }
    std::int64_t spins() const { return spins_; }
    std::int64_t colouredSpins() const { return coloured_; }

  private:
    // The word's positions as the rule counts them: colour bits and count.
    SpinWord positionsOf(const SpinWord& word) const;
    void append(std::uint64_t reds, std::uint64_t blacks, int count);
    void pushSlowly(std::uint64_t isRed, std::uint64_t isBlack);
    void pushAhead(std::uint64_t isRed, std::uint64_t isBlack);

    int span_;
    ZeroRule rule_;
    std::uint64_t mask_;
    std::uint64_t offset_; // index of the all-"none" digits above the span
    std::vector<std::uint64_t> windows_;
    std::vector<std::int64_t> sequences_;
    std::uint64_t redWindow_ = 0;
    std::uint64_t blackWindow_ = 0;
    std::int64_t positions_ = 0; // of the current sequence
    std::int64_t carried_ = 0;   // positions before this part of it
    std::int64_t ahead_ = 0;     // positions after this part of it
    bool continues_ = false;     // the first sequence began before this part
    std::int64_t spins_ = 0;
    std::int64_t coloured_ = 0;
};

} // namespace sorvik1
