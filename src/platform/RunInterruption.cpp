#include "platform/RunInterruption.h"

#include <QTextStream>

#include <array>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace tabulon {

namespace {

constexpr std::array<int, 3> StopSignals{SIGINT, SIGTERM, SIGHUP};

// Set by the handler, read by the run's threads (the page writer's too).
std::atomic<int> pendingSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free flag");

// Runs are started and ended on the user-interface thread only.
int runDepth = 0;
bool signalTaken = false;   // a caller took the signal to end the process itself
std::array<struct sigaction, StopSignals.size()> previousActions{};
std::array<bool, StopSignals.size()> installed{};

// Async-signal-safe: a flag, or for a second signal _exit.
extern "C" void noteStopSignal(int signal)
{
    if (pendingSignal.exchange(signal) != 0)
        ::_exit(128 + signal);
}

}  // namespace

InterruptibleRun::InterruptibleRun()
{
    if (runDepth++ > 0)
        return;
    pendingSignal = 0;
    signalTaken = false;
    for (size_t i = 0; i < StopSignals.size(); ++i) {
        installed[i] = false;
        if (::sigaction(StopSignals[i], nullptr, &previousActions[i]) != 0 ||
            previousActions[i].sa_handler == SIG_IGN)
            continue;
        struct sigaction note {};
        note.sa_handler = noteStopSignal;
        sigemptyset(&note.sa_mask);
        note.sa_flags = SA_RESTART;   // a write under way goes on; the run stops after it
        installed[i] = ::sigaction(StopSignals[i], &note, nullptr) == 0;
    }
}

InterruptibleRun::~InterruptibleRun()
{
    if (--runDepth > 0)
        return;
    for (size_t i = 0; i < StopSignals.size(); ++i)
        if (installed[i])
            ::sigaction(StopSignals[i], &previousActions[i], nullptr);
    // Arrived after the run's last look: it does now what it would have done without the run.
    if (const int signal = pendingSignal.exchange(0); signal != 0 && !signalTaken)
        std::raise(signal);
}

int InterruptibleRun::stopSignal()
{
    const int signal = pendingSignal.load();
    signalTaken = signalTaken || signal != 0;
    return signal;
}

int InterruptingSignal()
{
    return pendingSignal;
}

void StopIfInterrupted()
{
    if (const int signal = pendingSignal.load(); signal != 0)
        throw RunInterrupted{signal};
}

QString InterruptedText(int signal)
{
    const char* name = signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "SIGHUP";
    return QStringLiteral("interrupted by ") + QLatin1String(name);
}

void EndProcessForSignal(int signal)
{
    std::fflush(nullptr);
    std::_Exit(128 + signal);
}

void EndProcessIfInterrupted(int signal, const QString& done)
{
    if (signal == 0)
        return;
    QTextStream(stderr) << done << "; " << InterruptedText(signal) << "\n";
    EndProcessForSignal(signal);
}

}  // namespace tabulon
