#include "core/intake/permanence_sides.h"

#include "core/intake/permanence_intake.h"
#include "core/intake/permanence_refusal.h"
#include "core/wheel/roulette_number.h"

namespace sorvik1 {

PermanenceSides readPermanenceSides(const std::string& path, Chance chance) {
    PermanenceSides file;
    const PermanenceIntake intake = intakePermanence(path);
    file.error = intake.failure.refusal != IntakeRefusal::None
                     ? intakeRefusalText(intake.failure)
                     : permanenceRefusal(intake.permanence);
    if (file.error.empty()) {
        const ColourTable& table = sideTable(chance);
        file.sides.reserve(intake.permanence.spins.size());
        for (const double spin : intake.permanence.spins) {
            file.sides.push_back(table[static_cast<std::size_t>(rouletteNumber(spin).value_or(0))]);
        }
    }
    return file;
}

} // namespace sorvik1
