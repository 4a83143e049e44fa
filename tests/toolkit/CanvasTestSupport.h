#pragma once
// A canvas drawing on a recording surface, for the primitive tests.

#include "platform/RecordingSurface.h"
#include "toolkit/Canvas.h"
#include "platform/ReportError.h"

#include <gtest/gtest.h>

namespace tabulon::testing {

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas.OutputTarget = &surface;
        canvas.PageScale = Decimal4::fromInt(1);
    }
    void setScale(const char* scale) { ASSERT_TRUE(Decimal4::parse(QString::fromLatin1(scale), canvas.PageScale)); }
    // Exact sizes: em = size x 20 twips, no pixel snapping.
    void useExactSizes(double points)
    {
        surface.setSnapToPixels(false);
        surface.SetFontSize(points);
        surface.clear();
    }

    RecordingSurface surface;
    Canvas canvas;
};

}  // namespace tabulon::testing
