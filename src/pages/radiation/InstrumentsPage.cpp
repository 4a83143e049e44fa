// Radiation report page "-1-": the instruments in use with their calibration certificates and
// dates, the description of the site's surroundings below them, and the notes by day on the
// right. A text page, drawn whole on the body pane.
#include "pages/radiation/RadiationRenderers.h"

#include "pages/frame/LayoutLiterals.h"
#include "platform/Surface.h"
#include "toolkit/Numeric.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageHeading.h"
#include "toolkit/PenText.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

#include <algorithm>

namespace tabulon {

namespace {

constexpr double LeftWidth = 10300;
constexpr double FrameTop = 310;
constexpr double FrameBottom = 11860;
constexpr double RowHeight = 350;
constexpr double HeaderTop = 660;
constexpr double InstrumentTop = 1360;
constexpr int InstrumentRows = 12;
constexpr double SiteTop = 5560;
constexpr double SiteHeight = 6300;
constexpr double NotesX = 10500;
constexpr double NotesTop = 660;
constexpr int NoteRows = 31;

const QString InstrumentHeadings = QStringLiteral("仪器名称,型号,号码,,最近检定时间,开始工作时间");
const QString InstrumentWidths = QStringLiteral("2500,900,900,3000,1500,1500");
const QString NoteHeadings = QStringLiteral("日期,作用层编码,备     注     栏");
const QString NoteWidths = QStringLiteral("650,900,7450");

// The six instrument columns: name, model, number, certificate, last calibration, start of work.
std::vector<int> InstrumentColumnX() { return RunningX(0, CommaNumbers(InstrumentWidths)); }

// A cell of a table the reader may have left short or never filled: "" outside its bounds.
QString CellOrEmpty(const TextTable& t, int i, int j)
{
    return t.contains(i, j) ? t(i, j) : QString();
}

// Rows 1..upper bound of a dimension, 0 for a table never filled.
int RowsOf(const TextTable& t, int dimension)
{
    return t.allocated() ? std::max(0, t.ubound(dimension)) : 0;
}

void PrintCertificateHeading(Canvas& cv)
{
    cv.PrintCell(Border::Framed, QStringLiteral("检定证"), 3000, RowHeight, 4300, HeaderTop);
    cv.SetFont(11, 1);
    cv.PlaceSymbolText(Border::Framed, QStringLiteral("K(μV·W·m)  t(s)  R(Ω)"), 3000, RowHeight, 4300, HeaderTop + RowHeight);
    PrintTextAtPen(cv, QStringLiteral("K(μV·"));
    PrintGlyphAtPen(cv, PerWattGlyph);
    PrintTextAtPen(cv, QStringLiteral("·㎡) t(s) R(Ω)"));
}

void PrintInstrumentHeader(Canvas& cv)
{
    cv.PrintCell(Border::Framed, QStringLiteral("现用仪器表(备份、待修仪器不填)"), LeftWidth, RowHeight, 0, FrameTop);
    const QStringList headings = CommaList(InstrumentHeadings);
    const std::vector<int> widths = CommaNumbers(InstrumentWidths);
    const std::vector<int> x = InstrumentColumnX();
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (!headings[qsizetype(i)].isEmpty())
            cv.PrintCell(Border::Framed, headings[qsizetype(i)], widths[i], 2 * RowHeight, x[i], HeaderTop);
    }
    PrintCertificateHeading(cv);
}

void PrintInstrumentRows(Component& c)
{
    Canvas& cv = c.canvas;
    const TextTable& t = c.tables.RInstruments;
    const std::vector<int> widths = CommaNumbers(InstrumentWidths);
    const std::vector<int> x = InstrumentColumnX();
    cv.SetFont(11, 1);
    for (int b = 0; b < InstrumentRows; ++b)
        cv.PrintCell(Border::Framed, QString(), widths[0], RowHeight, 0, InstrumentTop + RowHeight * b);

    // Room for twelve: more would run over the site description.
    const int count = std::min(RowsOf(t, 2), InstrumentRows);
    for (int i = 1; i <= count; ++i) {
        const auto field = [&](int f) { return CellOrEmpty(t, f, i); };
        const QStringList cells{field(1), field(2), field(3),
                                field(4) + QStringLiteral("  ") + field(5) + QStringLiteral("  ") + field(6),
                                CalibrationDate(field(7)), CalibrationDate(field(8))};
        for (std::size_t k = 0; k < widths.size(); ++k)
            cv.PrintCell(Border::Framed, cells[qsizetype(k)], widths[k], RowHeight, x[k], InstrumentTop + RowHeight * (i - 1));
    }
    for (int i = count + 1; i <= InstrumentRows; ++i) {
        for (std::size_t k = 0; k < widths.size(); ++k)
            cv.PrintCell(Border::Framed, QString(), widths[k], RowHeight, x[k], InstrumentTop + RowHeight * (i - 1));
    }
}

// The description's stored lines, each on a paragraph line of its own, below the label's line.
QString SiteDescriptionText(const RTables& t)
{
    QString text(QChar(10));
    for (const TextList* lines : {&t.RSiteDescription, &t.RSiteDescription2}) {
        if (!lines->allocated())
            continue;
        for (int i = 1; i <= lines->ubound(); ++i) {
            if (lines->contains(i) && !(*lines)(i).isEmpty())
                text += (*lines)(i) + QChar(10);
        }
    }
    return text;
}

void PrintSiteDescription(Component& c)
{
    Canvas& cv = c.canvas;
    cv.SetFont(10, 1);
    cv.TextAlign = Align::Left;
    cv.PrintCell(Border::None, QStringLiteral("场地周围环境描述:"), LeftWidth, RowHeight, 0, SiteTop);
    cv.TextAlign = Align::Centre;
    // The character width of the paragraph, measured where the page is drawn (pane, printer
    // or picture) in the font just set.
    const double charWidth = RoundToInt16(2 * cv.target().TextWidth(QStringLiteral("中")));
    cv.PrintParagraph(Border::None, charWidth, SiteDescriptionText(c.tables), LeftWidth, SiteHeight, 0, SiteTop);
}

void DrawLeftFrame(Canvas& cv)
{
    const int lw = cv.LineWeight;
    cv.DrawHorizontalLine(0, FrameTop, LeftWidth, lw);
    cv.DrawHorizontalLine(0, FrameBottom, LeftWidth, lw);
    cv.DrawHorizontalLine(0, SiteTop, LeftWidth, lw);
    cv.DrawVerticalLine(0, FrameTop, FrameBottom, lw);
    cv.DrawVerticalLine(LeftWidth, FrameTop, FrameBottom, lw);
}

void PrintNotes(Component& c)
{
    Canvas& cv = c.canvas;
    const TextTable& notes = c.tables.RNotes;
    cv.SetFont(11, 1);
    const QStringList headings = CommaList(NoteHeadings);
    const std::vector<int> widths = CommaNumbers(NoteWidths);
    const std::vector<int> x = RunningX(int(NotesX), widths);
    for (std::size_t i = 0; i < widths.size(); ++i)
        cv.PrintCell(Border::Framed, headings[qsizetype(i)], widths[i], RowHeight, x[i], FrameTop);

    const int days = RowsOf(notes, 1);
    for (int d = 1; d <= NoteRows; ++d) {
        const double y = NotesTop + RowHeight * (d - 1);
        cv.TextAlign = Align::Centre;
        if (d > days) {
            cv.PrintCell(Border::Framed, QString(), widths[0], RowHeight, x[0], y);
            cv.PrintCell(Border::Framed, QString(), widths[1], RowHeight, x[1], y);
            cv.TextAlign = Align::Left;
            cv.PrintCell(Border::Framed, QString(), widths[2], RowHeight, x[2], y);
        } else {
            cv.PrintCell(Border::Framed, QString::number(d), widths[0], RowHeight, x[0], y);
            cv.PrintCell(Border::Framed, CellOrEmpty(notes, d, 1), widths[1], RowHeight, x[1], y);
            cv.TextAlign = Align::Left;
            cv.PrintCellTwoLines(Border::Framed, CellOrEmpty(notes, d, 2), widths[2], RowHeight, x[2], y);
        }
    }
}

void DrawRightFrame(Canvas& cv)
{
    const int lw = cv.LineWeight;
    cv.DrawHorizontalLine(NotesX, FrameTop, LogicalPageWidth, lw);
    cv.DrawHorizontalLine(NotesX, FrameBottom, LogicalPageWidth, lw);
    cv.DrawVerticalLine(NotesX, FrameTop, FrameBottom, lw);
    cv.DrawVerticalLine(11150, FrameTop, FrameBottom, 1);
    cv.DrawVerticalLine(12050, FrameTop, FrameBottom, 1);
    cv.DrawVerticalLine(LogicalPageWidth, FrameTop, FrameBottom, lw);
}

void DrawInstrumentsPage(Component& c)
{
    Canvas& cv = c.canvas;
    DrawInPasses(c, PaneLayout::bodyOnly({LogicalPageWidth, LogicalPageHeight, PaneMargin, 0}), [&](Pass pass) {
        if (pass != Pass::Body)
            return;
        cv.SetFont(11, 1);
        PrintPageHeading(c);
        PrintInstrumentHeader(cv);
        PrintInstrumentRows(c);
        PrintSiteDescription(c);
        DrawLeftFrame(cv);
        PrintNotes(c);
        DrawRightFrame(cv);
        PrintPageNumber(c, QStringLiteral("-1-"));
    });
    EndPrintedPage(c);
}

const bool registered = RegisterRenderer(RendererId::PrintRadiationInstrumentsPage,
                                         [](Component& c, const RendererArgs&) { PrintRadiationInstrumentsPage(c); });

}  // namespace

QString CalibrationDate(const QString& date)
{
    if (date.size() == 8)
        return date.left(4) + u'年' + date.mid(4, 2) + u'月' + date.right(2) + u'日';
    return date.left(4);
}

void PrintRadiationInstrumentsPage(Component& c)
{
    TrapAndReport(c, QStringLiteral("打印辐射报表：现用仪器及备注"), [&] { DrawInstrumentsPage(c); });
}

}  // namespace tabulon
