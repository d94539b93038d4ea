#pragma once

#include "invariants.h"

class Session;
struct Action;
struct Before;

class Form1;

// Expects that the action changed no part of the snapshot but `ignored`.
void expectUnchanged(const Form1& form, const Before& before, Findings& out,
                     const QStringList& ignored = {});

// The effects of the actions, by group: each states what the action must
// have done, given the window before it.
void checkFigureEffect(const Session& session, const Action& action, const Before& before,
                       Findings& out);
void checkStartEffect(const Session& session, const Before& before, Findings& out);
// Abbruch and Ende answered with Yes.
void checkConfirmedEffect(const Session& session, const Action& action, Findings& out);
void checkImportEffect(const Session& session, const Action& action, const Before& before,
                       Findings& out);
// Where a press of Start or a click on an entry of Liste leaves the
// permanence grid's first visible row.
void checkScroll(Session& session, const Action& action, const Before& before, Findings& out);
void checkPrintEffect(const Session& session, const Action& action, const Before& before,
                      Findings& out);
