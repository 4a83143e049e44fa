#include "pages/frame/DecadePage.h"

#include "pages/frame/FramedPage.h"
#include "toolkit/Canvas.h"
#include "report/Component.h"

namespace tabulon {

DecadePage::DecadePage(const DecadeFrame& f)
    : frame(f), layout(DecadeLayout::fromLiterals(f.blockTops, f.statisticRows, f.rowHeight)),
      rules(RowRules::decadeRules(f.ruleRows)), panes(PaneLayout::fixedHeadings(f.cornerWidth, f.bodyTop, f.tableBottom))
{
}

DecadePageRenderer::DecadePageRenderer(Component& c, const DecadeFrame& frame)
    : c_(c), cv_(c.canvas), t_(c.tables), page_(frame), layout_(page_.layout), cells_(cv_, frame.rowHeight),
      days_(DaysInMonth(c))
{
}

int DecadePageRenderer::lw() const
{
    return cv_.LineWeight;
}

void DrawDecadePage(Component& c, const DecadePage& page)
{
    const DecadeFrame& f = page.frame;
    Canvas& cv = c.canvas;
    const auto run = [&](const std::function<void()>& statement) {
        if (page.statement)
            page.statement(statement);
        else
            statement();
    };
    DrawFramedPage(c, page.panes,
                   {[&] {
                        if (page.corner)
                            page.corner();
                        else
                            run([&] { DrawCornerPane(c, f.cornerWidth, f.bodyTop, page.cornerRuleBottom); });
                    },
                    [&] {
                        if (page.columnHeadings)
                            page.columnHeadings();
                    },
                    [&] {
                        run([&] {
                            DrawDecadeRowRules(cv, page.rules, f.cornerWidth, f.tableBottom, f.outerRuleBottom);
                        });
                        run([&] { cv.SetFont(f.rowLabelFont, Face::Text); });
                        run([&] {
                            PrintRowLabels(cv, f.rowLabels, f.rowLabelWidth, f.rowLabelCount, 0, f.cornerWidth,
                                           f.bodyTop, f.rowHeight, cv.ShowGridLines);
                        });
                    },
                    [&] {
                        if (page.body)
                            page.body();
                        run([&] { PrintPageNumber(c, page.pageNumber, page.pageNumberY); });
                    }});
}

}  // namespace tabulon
