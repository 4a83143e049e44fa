#include "toolkit/PageFrame.h"

#include "platform/PreviewPanes.h"
#include "platform/Surface.h"
#include "toolkit/ErrorReporter.h"
#include "report/Component.h"

namespace tabulon {

PaneLayout PaneLayout::standard(double cornerWidth, double bandHeight, double tableHeight, double margin)
{
    PaneLayout l;
    l.panes[0] = {cornerWidth, bandHeight, margin, margin};
    l.panes[1] = {LogicalPageWidth, bandHeight, margin, margin};
    l.panes[2] = {cornerWidth, tableHeight, margin, margin};
    l.panes[3] = {LogicalPageWidth, 16200, margin, 0};
    return l;
}

PaneLayout PaneLayout::fixedHeadings(double cornerWidth, double bodyTop, double tableBottom)
{
    return of({cornerWidth, bodyTop, PaneMargin, PaneMargin}, {19550, bodyTop, 0, PaneMargin},
              {cornerWidth, tableBottom, PaneMargin, PaneMargin}, {19550, 16200, 0, 0});
}

PaneLayout PaneLayout::bodyOnly()
{
    PaneLayout l;
    for (int i = 0; i < 3; ++i)
        l.panes[i].widthOnly = true;
    l.panes[3] = {LogicalPageWidth, 16200, 0, 0};
    return l;
}

PaneLayout PaneLayout::of(PaneExtent corner, PaneExtent columnHeadings, PaneExtent rowHeadings, PaneExtent body)
{
    return PaneLayout{{corner, columnHeadings, rowHeadings, body}};
}

PaneLayout PaneLayout::bodyOnly(PaneExtent body)
{
    PaneLayout l = bodyOnly();
    l.panes[3] = body;
    return l;
}

PaneLayout PaneLayout::rowHeadingsAndBody(PaneExtent rowHeadings, PaneExtent body)
{
    PaneLayout l = bodyOnly(body);
    l.panes[2] = rowHeadings;
    return l;
}

void DrawInPasses(Component& c, const PaneLayout& layout, const std::function<void(Pass)>& drawPass)
{
    Canvas& cv = c.canvas;
    cv.TextAlign = Align::Centre;
    for (int i = 0; i < 4; ++i) {
        if (cv.PrintMode == OutputMode::Preview) {
            PreviewPanes* panes = c.panes();
            if (!panes)
                throw ReportError(91, QStringLiteral("对象变量或 With 块变量未设置"));
            const PaneExtent& e = layout.panes[static_cast<std::size_t>(i)];
            const double width = cv.scaled(e.width) + e.extraWidth;
            const double height = e.widthOnly ? panes->PaneHeight(i) : cv.scaled(e.height) + e.extraHeight;
            panes->SizePane(i, width, height);
            if (e.clearedAfterSizing)
                panes->ClearPane(i);
            cv.OutputTarget = &panes->Picqb(i);
        }
        drawPass(static_cast<Pass>(i + 1));
    }
}

void DrawCornerPane(Component& c, double cornerWidth, double bodyTop, double rightRuleBottom,
                    const QString& text)
{
    constexpr double bandTop = 310;
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    cv.SetFont(11, 1);
    cv.PrintCell(Border::Framed, text, cornerWidth, bodyTop - bandTop, 0, bandTop);
    cv.DrawHorizontalLine(0, bandTop, cornerWidth, lw);
    cv.DrawHorizontalLine(0, bodyTop, cornerWidth, lw);
    cv.DrawVerticalLine(0, bandTop, bodyTop, lw);
    cv.DrawVerticalLine(cornerWidth, bandTop, rightRuleBottom, lw);
}

QString PageNumberText(int number)
{
    return u'-' + QString::number(number) + u'-';
}

void PrintPageNumber(Component& c, int number, double y)
{
    PrintPageNumber(c, PageNumberText(number), y);
}

void PrintPageNumber(Component& c, const QString& text, double y, double width, double height)
{
    Canvas& cv = c.canvas;
    cv.SetFont(11, 1);
    cv.TextAlign = Align::Centre;
    cv.PrintCell(Border::None, text, width, height, 0, y);
}

void EndPrintedPage(Component& c)
{
    Canvas& cv = c.canvas;
    if (cv.PrintMode != OutputMode::OnTarget || !cv.OutputTarget)
        return;
    try {
        cv.OutputTarget->EndDoc();
    } catch (...) {
        // Ending the job is best effort; the page is drawn either way.
    }
}

}  // namespace tabulon
