// Tells a screenshot script when the gallery has painted what it was asked to show.
#pragma once

// When the environment names a file in SKINGUI_READY_FILE: waits on a thread of
// its own until the program's windows show and have no part left to paint (and,
// when WaitForPopup, a popup window such as an opened menu shows too), stays so
// for a moment, and then writes the file. Nothing happens without the variable.
// Run it on the GUI thread: that thread's windows are the ones watched.
void SignalReadyWhenPainted(bool WaitForPopup);
