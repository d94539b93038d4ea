#include "invariants.h"

QStringList brokenInvariants(Session& session) {
    Findings findings;
    checkState(session, findings);
    checkControls(session, findings);
    checkFigureGrid(session, findings);
    checkRun(session, findings);
    return findings.broken;
}
