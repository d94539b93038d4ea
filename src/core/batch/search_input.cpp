#include "core/batch/search_input.h"

#include "core/batch/figure_search.h"
#include "core/intake/permanence_intake.h"
#include "core/intake/permanence_refusal.h"
#include "core/scan/spin_word.h"

namespace sorvik1 {

SearchFile readSearchFile(const std::string& path, std::span<const Chance> chances) {
    SearchFile file;
    // The same intake as the trainer's import: regular files only, bounded,
    // refused when changed while read, the reasons in the same words.
    const PermanenceIntake intake = intakePermanence(path);
    if (intake.failure.refusal != IntakeRefusal::None) {
        file.error = intakeRefusalText(intake.failure);
        return file;
    }
    file.error = permanenceRefusal(intake.permanence);
    if (file.error.empty()) {
        const auto& spins = intake.permanence.spins;
        for (const Chance chance : chances) {
            const auto source = SpinSource::imported(sideTable(chance), spins);
            file.sides.push_back(packSpins(source, 0, static_cast<std::int64_t>(spins.size())));
        }
    }
    return file;
}

} // namespace sorvik1
