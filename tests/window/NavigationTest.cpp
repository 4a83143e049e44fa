#include "window/Navigation.h"

#include <gtest/gtest.h>

using namespace tabulon;

TEST(Navigation, NextPageWrapsAfterTheLast)
{
    ReportState s;
    s.PageCount = 13;
    s.CurrentPage = 12;
    StepToNextPage(s);
    EXPECT_EQ(s.CurrentPage, 13);
    StepToNextPage(s);
    EXPECT_EQ(s.CurrentPage, 1);
    s.CurrentPage = 32767;
    StepToNextPage(s);
    EXPECT_EQ(s.CurrentPage, 1);
    s.PageCount = 0;
    s.CurrentPage = 0;
    StepToNextPage(s);
    EXPECT_EQ(s.CurrentPage, 1);
}
