#include "pages/yearly/YearlyPage.h"

#include "pages/frame/LayoutLiterals.h"
#include "toolkit/Canvas.h"
#include "report/Component.h"

namespace tabulon {

namespace {
// The body pane of every yearly page: the logical page, with no margin added to its height.
constexpr double BodyPaneHeight = 16000;
}  // namespace

void MonthLabelColumn::Draw(Component& c, const YearStatement& run) const
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    auto rule = [&](double x1, double y1, double x2, double y2) {
        RunStatement(run, [&] {
            if (y1 == y2)
                cv.DrawHorizontalLine(x1, y1, x2, lw);
            else
                cv.DrawVerticalLine(x1, y1, y2, lw);
        });
    };
    for (int y : leadingRules)
        rule(0, y, width, y);
    rule(0, Top, 0, bottom);
    rule(width, Top, width, bottom);
    RunStatement(run, [&] { cv.SetFont(11, 1); });
    cv.TextAlign = 0;
    for (const MonthLabelBlock& b : blocks) {
        RunStatement(run, [&] { cv.PrintCell(-1, QStringLiteral("月 份"), width, b.headingHeight, 0, b.headingY); });
        for (int m = 1; m <= 12; ++m)
            RunStatement(run, [&] {
                cv.PrintCell(cv.ShowGridLines, QString::number(m), width, b.rowHeight, 0, b.firstMonthY + b.rowHeight * (m - 1));
            });
        for (const YearRowLabel& r : b.yearRows)
            PrintHeadingCells(c, {{r.text, 0, r.y, width, r.height, r.perLine, r.lineHeight}}, run);
    }
    for (int y : trailingRules)
        rule(0, y, width, y);
}

void PrintHeadingCells(Component& c, const std::vector<HeadingCell>& cells, const YearStatement& run)
{
    Canvas& cv = c.canvas;
    for (const HeadingCell& h : cells)
        RunStatement(run, [&] {
            if (h.perLine > 0)
                cv.PrintWrappedText(h.border, h.width, h.height, h.x, h.y, h.text, h.lineHeight, h.perLine);
            else
                cv.PrintCell(h.border, h.text, h.width, h.height, h.x, h.y);
        });
}

void PrintHeadingPieces(Component& c, const QString& literal, int pieceLength, int count, const PieceCells& at,
                        const YearStatement& run)
{
    Canvas& cv = c.canvas;
    for (int k = 0; k < count; ++k)
        RunStatement(run, [&] {
            const QString piece = FixedWidthPiece(literal, k, pieceLength);
            if (!piece.isEmpty())
                cv.PrintCell(-1, piece, at.width, at.height, at.x0 + at.dx * k, at.y0 + at.dy * k);
        });
}

PaneLayout YearlyPage::panes() const
{
    const double rowHeadingHeight = rowHeadingPaneHeight > 0 ? rowHeadingPaneHeight : labels.bottom;
    return PaneLayout::rowHeadingsAndBody({labels.width, rowHeadingHeight, PaneMargin, PaneMargin},
                                          {LogicalPageWidth, BodyPaneHeight, PaneMargin, 0});
}

void DrawYearlyPage(Component& c, const YearlyPage& page)
{
    DrawInPasses(c, page.panes(), [&](Pass pass) {
        if (pass == Pass::RowHeadings)
            page.labels.Draw(c, page.run);
        else if (pass == Pass::Body)
            page.body(c);
    });
    RunStatement(page.run, [&] { PrintPageNumber(c, page.pageNumber, page.pageNumberY); });
    EndPrintedPage(c);
}

}  // namespace tabulon
