#pragma once

struct PickResult;

namespace Corvane {

// Runs the picker window modally over the host's window until it closes; returns the
// dialog's result (non-zero when the user picked).
int runPickDialog(PickResult &result);

// Shows the about box modally over the host's window.
void runAboutDialog();

} // namespace Corvane
