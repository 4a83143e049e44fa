// The weather-phenomenon page of the stations that print hourly element pages: the day's
// weather record and its summary symbols for every day on a day grid, and the table of
// weather-phenomenon days below. PrintVisibilityAndWeather adds the visibility at the four
// fixed hours and the visibility-class table; PrintWeatherPhenomena has the weather columns
// alone. One page description per renderer; both are drawn to the end whatever fails, each
// failing statement reported once per error number on the page's own slot.

#include "pages/frame/LayoutLiterals.h"
#include "pages/frame/FramedPage.h"
#include "toolkit/ErrorPatterns.h"
#include "pages/frame/RowLayouts.h"
#include "pages/monthly_daily/WeatherPageParts.h"
#include "report/Component.h"
#include "toolkit/Numeric.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "toolkit/WeatherSymbols.h"

namespace tabulon {

namespace {

constexpr double CornerWidth = 800;
constexpr double HeadingTop = 310;
constexpr double BodyTop = 1110;
constexpr double SummaryX = 16500;
constexpr double SummaryWidth = 3000;
constexpr double NightWidth = 2000;

struct WeatherPageDescription {
    bool withVisibility;
    int errorSlot;
    QString errorContext;
    int pageNumber;

    double rowHeight;           // of the day grid
    double gridBottom;          // the day grid ends (and the bottom blocks start) here
    double tableBottom;         // the bottom of the page's table
    double rowHeadingBottom;    // the row-heading column's rules run down to here
    double rowHeadingPaneHeight;
    double rowHeadingPaneExtra;

    double weatherX;
    QString weatherHeading;
    double weatherHeadingSplitHeight;   // the heading's height when the column splits
    QString summaryHeading;
    double halfHeadingY;
    double halfHeadingHeight;
    double splitRuleTop;

    WeatherDaysGrid weatherDays;
};

const WeatherPageDescription VisibilityAndWeather{
    true, 4, QStringLiteral("能见度、天气现象"), 8,
    310, 10720, 12890, 10720, 10720, 0,
    3600, QStringLiteral("天     气     现     象"), 500, QStringLiteral("摘     要"), 810, 300, 810,
    {3600, 11030, 1223, 310, 13, 26, QStringLiteral("  ")},
};

const WeatherPageDescription WeatherPhenomena{
    false, 3, QStringLiteral("天气现象"), 15,
    350, 11960, 13010, 13010, 13010, PaneMargin,
    800, QStringLiteral("天  气  现  象"), 400, QStringLiteral("摘   要"), 710, 400, 310,
    {800, 11960, 748, 350, 25, 25, QString()},
};

class WeatherPhenomenaPage {
public:
    WeatherPhenomenaPage(Component& c, const WeatherPageDescription& page)
        : c_(c), cv_(c.canvas), t_(c.tables), page_(page), grid_{BodyTop, page.rowHeight, true},
          days_(DaysInMonth(c))
    {
    }

    void draw()
    {
        DrawFramedPage(c_, panes(),
                       {[&] { step([&] { DrawCornerPane(c_, CornerWidth, BodyTop, 1160); }); },
                        [&] { drawColumnHeadings(); }, [&] { drawRowHeadings(); },
                        [&] {
                            drawBody();
                            step([&] {
                                cv_.SetFont(11, Face::Text);
                                PrintPageNumber(c_, page_.pageNumber);
                            });
                        }});
    }

private:
    PaneLayout panes() const
    {
        return PaneLayout::of({CornerWidth, BodyTop, PaneMargin, PaneMargin}, {19550, BodyTop, 0, PaneMargin},
                              {CornerWidth, page_.rowHeadingPaneHeight, PaneMargin, page_.rowHeadingPaneExtra},
                              {19550, 16200, 0, 0});
    }

    void step(const std::function<void()>& statement)
    {
        ResumeReportingOnce(c_, page_.errorSlot, page_.errorContext, statement);
    }
    PageStep stepper()
    {
        return [this](const std::function<void()>& statement) { step(statement); };
    }
    int lw() const { return cv_.LineWeight; }
    double weatherWidth() const { return SummaryX - page_.weatherX; }

    // The automatic station splits by its records; the reference station only when it
    // observes eight times a day. A failure while deciding leaves the split on.
    void decideSplit()
    {
        split_ = true;
        step([&] {
            split_ = page_.withVisibility ? SplitWeatherColumn(c_) : Val(t_.AfilePara(16).toString()) == 8;
        });
    }

    void drawColumnHeadings()
    {
        step([&] {
            cv_.DrawHorizontalLine(0, HeadingTop, LogicalPageWidth, lw());
            cv_.DrawHorizontalLine(0, BodyTop, LogicalPageWidth, lw());
            if (page_.withVisibility)
                cv_.DrawVerticalLine(page_.weatherX, HeadingTop, 1200, lw());
            cv_.DrawVerticalLine(LogicalPageWidth, HeadingTop, 1200, lw());
        });
        step([&] { cv_.SetFont(11, Face::Text); });
        step([&] { PrintPageHeading(c_); });
        decideSplit();
        step([&] {
            if (page_.withVisibility) {
                cv_.PrintCell(-1, QStringLiteral("能见度(0.1km)"), 2800, 400, CornerWidth, HeadingTop);
                for (int i = 0; i < 4; ++i)
                    cv_.PrintCell(-1, u' ' + QString::number(2 + 6 * i), 700, 400, CornerWidth + 700 * i, 710);
            }
            const double band = BodyTop - HeadingTop;
            cv_.PrintCell(-1, page_.weatherHeading, weatherWidth(), split_ ? page_.weatherHeadingSplitHeight : band,
                          page_.weatherX, HeadingTop);
            cv_.PrintCell(-1, page_.summaryHeading, SummaryWidth, band, SummaryX, HeadingTop);
            if (split_) {
                cv_.PrintCell(-1, QStringLiteral("夜间(20-8时)"), NightWidth, page_.halfHeadingHeight, page_.weatherX,
                              page_.halfHeadingY);
                cv_.PrintCell(-1, QStringLiteral("白天(8-20时)"), weatherWidth() - NightWidth, page_.halfHeadingHeight,
                              page_.weatherX + NightWidth, page_.halfHeadingY);
            }
        });
    }

    void drawRowHeadings()
    {
        step([&] {
            cv_.DrawVerticalLine(0, HeadingTop, page_.rowHeadingBottom, lw());
            cv_.DrawVerticalLine(CornerWidth, HeadingTop, page_.rowHeadingBottom, lw());
            grid_.dayRules().draw(cv_, 0, CornerWidth);
            cv_.DrawHorizontalLine(0, page_.gridBottom, 1030, lw());
            if (!page_.withVisibility)
                cv_.DrawHorizontalLine(0, page_.tableBottom, 1030, lw());
        });
        step([&] { cv_.SetFont(11, Face::Text); });
        step([&] { grid_.printDayLabels(cv_, 0, CornerWidth, cv_.ShowGridLines); });
    }

    void drawBody()
    {
        step([&] { cv_.SetFont(9, Face::Text); });
        if (page_.withVisibility) {
            cv_.TextAlign = 2;
            grid_.forEachDay(days_, [&](int d, double y) {
                step([&] {
                    for (int h = 1; h <= 4; ++h)
                        cv_.PrintCell(cv_.ShowGridLines, FormattedTwoDigits(t_.AVisibility(d, h)), 700,
                                      page_.rowHeight, CornerWidth + 700 * (h - 1), y);
                });
            });
        }
        cv_.TextAlign = 1;
        grid_.forEachDay(days_, [&](int d, double y) {
            if (!page_.withVisibility)
                step([&] { cv_.SetFont(9, Face::Text); });
            step([&] {
                PrintWeatherString(c_, t_.AWeather(d, 1), weatherWidth(), page_.rowHeight, page_.weatherX, y, split_);
            });
            step([&] { PrintWeatherSummary(c_, t_.ADailyStat(d, 13), SummaryWidth, page_.rowHeight, SummaryX, y); });
        });
        if (split_)
            step([&] { cv_.DrawVerticalLine(page_.weatherX + NightWidth, page_.splitRuleTop, page_.gridBottom, 1); });
        cv_.TextAlign = 0;
        step([&] {
            if (page_.withVisibility)
                PrintBlankDayRows(c_, page_.gridBottom, CornerWidth, 700, page_.rowHeight, 4);
            PrintBlankDayRows(c_, page_.gridBottom, page_.weatherX, weatherWidth(), page_.rowHeight, 1);
            PrintBlankDayRows(c_, page_.gridBottom, SummaryX, SummaryWidth, page_.rowHeight, 1);
        });
        if (page_.withVisibility)
            drawVisibilityBlocks();
        else
            drawWeatherDaysRow();
        drawBodyRules();
    }

    void drawVisibilityBlocks()
    {
        step([&] { cv_.SetFont(11, Face::Text); });
        PrintVisibilityClassTable(c_, {page_.weatherX, 620, page_.gridBottom, 11340, 600, 600, 310,
                                       QStringLiteral("时 间    0.0-0.91.0-1.92.0-3.94.0-9.9≥10.0  ")},
                                  stepper());
        step([&] {
            cv_.PrintCell(-1, QStringLiteral("天  气  日  数"), LogicalPageWidth - page_.weatherX, 310, page_.weatherX,
                          page_.gridBottom);
        });
        PrintWeatherDaysTable(c_, page_.weatherDays, stepper());
    }

    void drawWeatherDaysRow()
    {
        step([&] {
            cv_.SetFont(11, Face::Text);
            cv_.PrintWrappedText(-1, CornerWidth, page_.tableBottom - page_.gridBottom, 0, page_.gridBottom,
                                 QStringLiteral("天气日数"), 525, 2);
        });
        PrintWeatherDaysTable(c_, page_.weatherDays, stepper());
    }

    void drawBodyRules()
    {
        step([&] {
            if (page_.withVisibility) {
                grid_.dayRules().draw(cv_, 0, LogicalPageWidth);
                for (double x : {0.0, page_.weatherX, LogicalPageWidth})
                    cv_.DrawVerticalLine(x, HeadingTop, page_.tableBottom, lw());
                cv_.DrawVerticalLine(SummaryX, HeadingTop, page_.gridBottom, 1);
            } else {
                grid_.dayRules().draw(cv_, CornerWidth, LogicalPageWidth);
                cv_.DrawVerticalLine(LogicalPageWidth, HeadingTop, page_.tableBottom, lw());
            }
            cv_.DrawHorizontalLine(0, page_.gridBottom, LogicalPageWidth, lw());
            cv_.DrawHorizontalLine(0, page_.tableBottom, LogicalPageWidth, lw());
        });
    }

    Component& c_;
    Canvas& cv_;
    ReportTables& t_;
    const WeatherPageDescription& page_;
    DayGrid grid_;
    int days_;
    bool split_ = true;
};

const bool registeredWithVisibility = RegisterRenderer(
    RendererId::PrintVisibilityAndWeather,
    [](Component& c, const RendererArgs&) { WeatherPhenomenaPage(c, VisibilityAndWeather).draw(); });
const bool registeredWeatherOnly = RegisterRenderer(
    RendererId::PrintWeatherPhenomena,
    [](Component& c, const RendererArgs&) { WeatherPhenomenaPage(c, WeatherPhenomena).draw(); });

}  // namespace

}  // namespace tabulon
