#include "platform/RunInterruption.h"

#include <csignal>
#include <gtest/gtest.h>

namespace tabulon {
namespace {

volatile std::sig_atomic_t handledByTheProcess = 0;
extern "C" void countSignal(int) { handledByTheProcess = handledByTheProcess + 1; }

// A signal during a run is the run's to tell; one it did not take (arrived after its last
// look) reaches the handler the process had, once the run is over.
TEST(RunInterruption, ASignalTheRunDidNotTakeReachesTheProcessHandlerAfterIt)
{
    struct Case {
        bool taken;
        int reachesProcess;
    };
    struct sigaction counting {}, before {};
    counting.sa_handler = countSignal;
    ::sigaction(SIGTERM, &counting, &before);
    for (const Case& k : {Case{true, 0}, Case{false, 1}}) {
        SCOPED_TRACE(k.taken);
        handledByTheProcess = 0;
        {
            InterruptibleRun run;
            EXPECT_EQ(InterruptingSignal(), 0);
            std::raise(SIGTERM);
            EXPECT_EQ(handledByTheProcess, 0);
            EXPECT_EQ(InterruptingSignal(), SIGTERM);
            EXPECT_THROW(StopIfInterrupted(), RunInterrupted);
            if (k.taken)
                EXPECT_EQ(run.stopSignal(), SIGTERM);
        }
        EXPECT_EQ(handledByTheProcess, k.reachesProcess);
        EXPECT_EQ(InterruptingSignal(), 0);
    }
    ::sigaction(SIGTERM, &before, nullptr);
}

}  // namespace
}  // namespace tabulon
