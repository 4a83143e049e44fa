#include "pages/frame/OncePerNumberTrap.h"

#include "support/PageTestSupport.h"
#include "report/ReportError.h"

using namespace tabulon;
using namespace tabulon::testing;

using OncePerNumberTrap = DailyPageTest;

TEST_F(OncePerNumberTrap, ReportsEachNumberOnceAndGoesOn)
{
    const QString page = QStringLiteral("天气现象");
    std::int16_t& slot = c.LastErrorNumbers[3];
    auto fail = [](int number) { return [number] { throw ReportError(number, QStringLiteral("x")); }; };

    int drawn = 0;
    EXPECT_FALSE(ResumeReportingEachNumberOnce(c, slot, page, fail(380)));
    printer.SetFontName(SymbolFontName);
    EXPECT_FALSE(ResumeReportingEachNumberOnce(c, slot, page, fail(380)));
    // The repeat is not reported; the text after it is drawn in SimSun.
    EXPECT_EQ(printer.FontName(), TextFontName);
    EXPECT_TRUE(ResumeReportingEachNumberOnce(c, slot, page, [&] { ++drawn; }));
    EXPECT_FALSE(ResumeReportingEachNumberOnce(c, slot, page, fail(9)));
    EXPECT_FALSE(ResumeReportingEachNumberOnce(c, slot, page, fail(380)));

    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(messages().titles(), (QStringList{QStringLiteral("天气日数"), page, QStringLiteral("天气日数")}));
    EXPECT_EQ(slot, 380);
    // The slot is never reset: the next drawing of the page stays quiet for the same error.
    EXPECT_FALSE(ResumeReportingEachNumberOnce(c, slot, page, fail(380)));
    EXPECT_EQ(messages().shown.size(), 3u);
    EXPECT_EQ(c.LastErrorNumbers[4], 0);
}
