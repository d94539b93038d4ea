#pragma once

#include "core/wheel/figure_text.h"
#include "ui/clock.h"
#include "ui/trainer_view.h"

#include <QWidget>

#include <memory>

#include <string>
#include <vector>

// A trainer as the side windows see it, its state set by the test.
class FakeTrainerView final : public QWidget, public TrainerView {
  public:
    void activate(const std::string& text) { figure = sorvik1::parseFigure(text).figure; }

    void loadPermanence(const std::vector<int>& permanence) {
        source = HeldSpins::Source::Permanence;
        numbers.assign(1, 0);
        numbers.insert(numbers.end(), permanence.begin(), permanence.end());
    }

    QWidget& trainerWindow() override { return *this; }
    sorvik1::Figure activeFigure() const override { return figure; }
    sorvik1::ZeroRule zeroRule() const override { return sorvik1::ZeroRule::Breaks; }
    RunSnapshot runSnapshot() const override { return {figure, {}}; }
    ChartInput chartInput() const override {
        ChartInput input;
        input.figure = figure;
        input.colours = colours;
        input.numbers = numbers;
        return input;
    }
    HeldSpins heldSpins() const override { return {source, colours, numbers}; }
    bool figureGridOpen() const override { return figure.empty(); }
    bool drawFigure(const sorvik1::Figure& drawn) override {
        if (!figureGridOpen()) {
            return false;
        }
        figure = drawn;
        return true;
    }
    const sorvik1::Clock& clock() const override { return *clockSeam; }
    std::optional<std::uint64_t> seed() const override { return 42; }

    sorvik1::Figure figure;
    sorvik1::ColourTable colours = sorvik1::wheelColours();
    HeldSpins::Source source = HeldSpins::Source::RandomRun;
    std::vector<std::int16_t> numbers;
    std::unique_ptr<sorvik1::Clock> clockSeam = std::make_unique<sorvik1::SystemClock>();
};
