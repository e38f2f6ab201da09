#pragma once
// The ends the desktop asks for: SIGTERM and SIGHUP at logout or shutdown, SIGINT from a
// terminal. The handler only writes the signal's number into a pipe; the event loop reads it
// and quits, so the program ends along its normal road (the window's destructor writes what is
// still waiting). A second signal of the same kind ends the program at once.

namespace nabrilo {

// Installs the handlers; call once, after the application object exists.
void QuitOnTerminationSignals();

// True once such a signal has come: a question still open then was not answered by the user.
bool QuitRequested();

}  // namespace nabrilo
