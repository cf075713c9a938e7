#pragma once

// Lets SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) end
// the program cleanly: its work folders are removed and its event loops end
// without a question, unsaved changes being lost; the exit status is 128 +
// the signal's number. The signal only wakes the event loop, which does the
// work. A signal ignored when the program started stays ignored. Call once,
// after the application object is made; does nothing where these signals do
// not exist.
void EndOnTerminationSignals();
