#include "pages/yearly/YearBackPage.h"

#include "pages/frame/LayoutLiterals.h"
#include "platform/Surface.h"
#include "toolkit/BackCover.h"
#include "toolkit/BackCoverText.h"
#include "toolkit/Canvas.h"
#include "toolkit/ClimateSummary.h"
#include "toolkit/Numeric.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

#include <algorithm>
#include <array>

namespace tabulon {

namespace {

const QString ErrorContext = QStringLiteral("打印年报表封底");
const QString ManualStation = QStringLiteral("人工");

constexpr double HeadingTop = 310;
constexpr double BodyTop = 1110;
constexpr double FrameBottom = 13650;
constexpr double BoxHeight = FrameBottom - BodyTop;
constexpr double RowHeight = 330;

constexpr double SummaryWidth = 6000;
constexpr double NotesX = 6000;
constexpr double NotesWidth = 6200;
constexpr double NotesDateWidth = 800;
constexpr double NotesTextX = NotesX + NotesDateWidth;
constexpr double NotesTextWidth = 5400;
constexpr double AutomaticStationRow = BodyTop + RowHeight;
constexpr double FirstNoteRow = AutomaticStationRow + RowHeight;
constexpr double InstrumentsX = 12200;
constexpr double InstrumentNameWidth = 3000;

constexpr int InstrumentLineCount = 38;
constexpr int InstrumentFields = 4;   // model, number, maker, calibration date
constexpr std::array<double, InstrumentFields> InstrumentFieldX{15200, 16700, 17600, 18600};
constexpr std::array<double, InstrumentFields> InstrumentFieldWidth{1500, 900, 1000, 900};

const QStringList& InstrumentNames()
{
    static const QStringList names = CommaList(QStringLiteral(
        "测云仪,水银气压表(传感器),气压计,百叶箱,干球温度表(传感器),湿球温度表(传感器),最高温度表,最低温度表,"
        "毛发湿度表,温度计,湿度计(传感器),风向风速计(传感器),雨量器,雨量计(翻斗、虹吸或容栅传感器),"
        "雨量计(称重传感器),量雪尺,量(称)雪器,日照计(传感器),小型蒸发器,E601B型蒸发器(传感器),"
        "地面温度表(传感器),地面最高温度表,地面最低温度表,草面(雪面)温度传感器,5CM曲管地温表(传感器),"
        "10CM曲管地温表(传感器),15CM曲管地温表(传感器),20CM曲管地温表(传感器),40CM直管地温表(传感器),"
        "80CM直管地温表(传感器),160CM直管地温表(传感器),320CM直管地温表(传感器),冻土器,电线积冰架(导线),"
        "电线积冰架(电缆),自动气象站,观测用微机,观测用钟(表)"));
    return names;
}

// A long text goes down a size: 9 points past 600 characters, 8 past 1000.
void SetFontForLength(Canvas& cv, qsizetype length)
{
    if (length > 600)
        cv.SetFont(9, 1);
    if (length > 1000)
        cv.SetFont(8, 1);
}

qsizetype TotalLength(const TextList& list)
{
    qsizetype n = 0;
    if (list.allocated())
        for (int k = std::max(1, list.lbound()); k <= list.ubound(); ++k)
            n += list(k).size();
    return n;
}

void DrawFrameAndHeadings(Component& c)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    for (double y : {HeadingTop, BodyTop, FrameBottom})
        cv.DrawHorizontalLine(0, y, LogicalPageWidth, lw);
    for (double x : {0.0, NotesX, 12190.0, LogicalPageWidth})
        cv.DrawVerticalLine(x, HeadingTop, FrameBottom, lw);
    cv.SetFont(11, 1);
    PrintPageHeading(c);
    cv.SetFont(11, 1);
    cv.PrintCell(-1, QStringLiteral("现  用  仪  器"), 7300, 400, InstrumentsX, HeadingTop);
    // Texts of eight characters and widths of four read side by side; the cells follow one
    // another from x 0, the first two over the whole band, the instrument columns below.
    const QString texts =
        QStringLiteral("本年天气气候概况备    注  仪器名称    规格型号    号码      厂名      检定日期    ");
    const std::vector<int> widths = NumberFields(QStringLiteral("6000620030001500900 1000900 "), 4);
    double x = 0;
    for (int k = 0; k < static_cast<int>(widths.size()); ++k) {
        const bool fullBand = k < 2;
        cv.PrintCell(-1, FixedWidthPiece(texts, k, 8), widths[static_cast<std::size_t>(k)], fullBand ? 800 : 400, x,
                     fullBand ? HeadingTop : 710);
        x += widths[static_cast<std::size_t>(k)];
    }
}

void PrintSummary(Component& c)
{
    Canvas& cv = c.canvas;
    const QString summary = ClimateSummaryText(c.tables.YClimateSummary);
    SetFontForLength(cv, summary.size());
    // The first-line indent: two blanks of the font in force, measured on the surface being
    // drawn, so preview, print and the saved picture break alike.
    const double indent = RoundHalfEven(cv.target().TextWidth(QStringLiteral("  "))) * 1.8;
    cv.PrintParagraph(cv.ShowGridLines, indent, summary, SummaryWidth, BoxHeight, 0, BodyTop);
    cv.PrintParagraph(cv.ShowGridLines, 0, QString(), NotesWidth, BoxHeight, NotesX, BodyTop);
}

void PrintNotes(Component& c)
{
    Canvas& cv = c.canvas;
    const ReportTables& t = c.tables;
    cv.SetFont(11, 1);
    cv.DrawVerticalLine(NotesTextX, BodyTop, FrameBottom, 1);
    cv.PrintCell(-1, QStringLiteral("日期"), NotesDateWidth, RowHeight, NotesX, BodyTop);
    SetFontForLength(cv, TotalLength(t.YNotes));
    double y = FirstNoteRow;
    QString schedule;
    PrintStationChangeNotes(c, t.YNotes, NotesDateWidth, NotesTextWidth, NotesX, y, schedule);
    cv.TextAlign = 1;
    cv.PrintCell(cv.ShowGridLines, schedule, NotesTextWidth, RowHeight, NotesTextX, BodyTop);
    cv.PrintCell(cv.ShowGridLines, AutomaticStationRemark(t.YfilePara(14).toString() == ManualStation),
                 NotesTextWidth, RowHeight, NotesTextX, AutomaticStationRow);
}

// The first record of each line, in table order; later records of a line, empty ones and
// those whose code fits no line are passed over.
std::array<QString, InstrumentLineCount> FirstRecordOfEachLine(const TextList& records)
{
    std::array<QString, InstrumentLineCount> first;
    if (!records.allocated())
        return first;
    for (int k = std::max(1, records.lbound()); k <= records.ubound(); ++k) {
        const QString& record = records(k);
        if (record.isEmpty())
            continue;
        const std::optional<int> line = InstrumentLine(record);
        if (line && first[static_cast<std::size_t>(*line)].isEmpty())
            first[static_cast<std::size_t>(*line)] = record;
    }
    return first;
}

void PrintInstruments(Component& c)
{
    Canvas& cv = c.canvas;
    cv.SetFont(11, 1);
    const QStringList& names = InstrumentNames();
    for (int k = 0; k < InstrumentLineCount; ++k)
        cv.PrintCell(cv.ShowGridLines, names.at(k), InstrumentNameWidth, RowHeight, InstrumentsX, BodyTop + RowHeight * k);
    const std::array<QString, InstrumentLineCount> records = FirstRecordOfEachLine(c.tables.YInstruments);
    for (int k = 0; k < InstrumentLineCount; ++k) {
        const double y = BodyTop + RowHeight * k;
        for (std::size_t f = 0; f < InstrumentFields; ++f)
            cv.PrintCell(cv.ShowGridLines, QString(), InstrumentFieldWidth[f], RowHeight, InstrumentFieldX[f], y);
        const QString& record = records[static_cast<std::size_t>(k)];
        if (record.isEmpty())
            continue;
        // A record short of fields prints the ones it has.
        const QStringList fields = record.split(u'/');
        for (std::size_t f = 0; f < InstrumentFields; ++f)
            cv.PrintCell(cv.ShowGridLines, fields.value(static_cast<qsizetype>(f) + 1), InstrumentFieldWidth[f],
                         RowHeight, InstrumentFieldX[f], y);
    }
}

[[maybe_unused]] const bool registered =
    RegisterRenderer(RendererId::PrintYearBackCover, [](Component& c, const RendererArgs&) { PrintYearBackCover(c); });

}  // namespace

std::optional<int> InstrumentLine(const QString& record)
{
    const double code = Val(record.section(u'/', 0, 0));
    const auto line = [](double shifted) { return static_cast<int>(RoundHalfEven(shifted)); };
    if (code >= 1 && code <= 13)
        return line(code - 1);
    if (code == 14)
        return record.contains(QStringLiteral("称重")) ? 14 : 13;
    if (code >= 15 && code <= 32)
        return line(code);
    if (code == 33)
        return record.contains(QStringLiteral("电缆")) ? 34 : 33;
    if (code >= 34 && code <= 36)
        return line(code + 1);
    return std::nullopt;
}

void PrintYearBackCover(Component& c)
{
    TrapAndReport(c, ErrorContext, [&] {
        DrawInPasses(c, PaneLayout::bodyOnly({LogicalPageWidth, 16000, PaneMargin, PaneMargin}), [&](Pass pass) {
            if (pass != Pass::Body)
                return;
            DrawFrameAndHeadings(c);
            PrintSummary(c);
            PrintNotes(c);
            PrintInstruments(c);
        });
        c.canvas.TextAlign = 0;
        EndPrintedPage(c);
    });
}

}  // namespace tabulon
