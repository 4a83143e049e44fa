#pragma once
// Stopping a run that writes files cleanly on SIGINT, SIGTERM or SIGHUP (Ctrl-C, a hang-up,
// a shutdown). While a run is under way these signals only note themselves: the handler sets
// a flag and does nothing else. A save or print run looks at the flag between pages and in
// its page writers, removes what it had half-made, says how far it got and ends the process
// with status 128 + the signal's number; a shorter write (the settings file) just finishes,
// and the signal then acts as it would have. A second signal meanwhile ends the process at
// once. Outside a run the signals act as they did before it; a signal the process ignores
// (started under nohup) stays ignored.

#include <QString>

namespace tabulon {

// Notes the stop signals while it lives; the handlers the process had come back after it.
// Runs may nest: the outermost one installs and restores. A signal that arrived but was
// not taken with stopSignal() is raised again once the old handlers are back, so it is
// never lost.
class InterruptibleRun {
public:
    InterruptibleRun();
    ~InterruptibleRun();
    InterruptibleRun(const InterruptibleRun&) = delete;
    InterruptibleRun& operator=(const InterruptibleRun&) = delete;

    // The signal that asked the run to stop, 0 while none has. A signal returned here is
    // the caller's: it says how far the run got and ends the process (EndProcessForSignal).
    int stopSignal();
};

// The signal that asked the current run to stop, 0 while none has; for the checks inside
// a run (between pages, in the page writers).
int InterruptingSignal();

// Raised where a run stops for a signal.
struct RunInterrupted {
    int signal;
};

// Raises RunInterrupted once a signal has asked the run to stop.
void StopIfInterrupted();

// "interrupted by SIGTERM", for the run's last line.
QString InterruptedText(int signal);

// Ends the process for the signal that stopped a run: the standard streams are flushed and
// the status is 128 + the signal's number. Nothing else runs on the way out: no window
// closes and no settings are written, as if the signal had ended the process itself.
[[noreturn]] void EndProcessForSignal(int signal);

// For a run that a signal stopped (`signal` not 0): tells on standard error what it did
// ("Saved 5 page image(s); interrupted by SIGTERM") and ends the process for the signal.
void EndProcessIfInterrupted(int signal, const QString& done);

}  // namespace tabulon
