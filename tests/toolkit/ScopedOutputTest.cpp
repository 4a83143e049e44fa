#include "platform/RecordingSurface.h"
#include "toolkit/ScopedOutput.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tabulon {
namespace {

struct ScopedOutputTest : ::testing::Test {
    ScopedOutputTest()
    {
        state.PageScale = Decimal4::fromRaw(15000);
        state.LeftMargin = 12;
        state.TopMargin = 34;
        state.LineWeight = 2;
    }
    DrawingState state;
    RecordingSurface image;
    const OutputSettings before = OutputSettings::preview(Decimal4::fromRaw(15000), 12, 34);
};

TEST_F(ScopedOutputTest, SetsTheOutputAndPutsItBackOnEveryWayOut)
{
    const OutputSettings saving = OutputSettings::drawingOn(image, Decimal4::fromInt(1), 750, 750);
    {
        const ScopedOutput output(state, saving);
        EXPECT_EQ(OutputSettings::of(state), saving);
        EXPECT_EQ(state.PrintMode, -1);
        EXPECT_EQ(state.OutputTarget, &image);
    }
    EXPECT_EQ(OutputSettings::of(state), before);

    EXPECT_THROW(
        {
            const ScopedOutput output(state, saving);
            state.LeftMargin = 99;   // a page set-up inside the run
            throw std::runtime_error("page failed");
        },
        std::runtime_error);
    EXPECT_EQ(OutputSettings::of(state), before);
    EXPECT_EQ(state.LineWeight, 2);   // the view's own settings are not output settings
}

TEST_F(ScopedOutputTest, RestoresOnceToWhatTheCallerChose)
{
    ScopedOutput output(state, OutputSettings::drawingOn(image, Decimal4::fromRaw(7000), 1595, 1200));
    output.restoreTo(OutputSettings::preview());
    output.restore();
    EXPECT_EQ(OutputSettings::of(state), OutputSettings::preview());
    state.PageScale = Decimal4::fromRaw(20000);   // later changes are the caller's
    output.restore();
    EXPECT_EQ(state.PageScale, Decimal4::fromRaw(20000));
}

}  // namespace
}  // namespace tabulon
