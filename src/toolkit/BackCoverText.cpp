#include "toolkit/BackCoverText.h"

#include "platform/Surface.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/PageFrame.h"
#include "toolkit/StationChangeSentences.h"
#include "report/Component.h"

namespace tabulon {

namespace {

constexpr double RowHeight = 330;
constexpr double TextIndent = 150;    // device twips between the date cell and the text
constexpr double RightSlack = 100;    // device twips kept free at the column's right edge

const QString EntryErrorContext = QStringLiteral("打印封底文字部分");

// The pen at the start of a text row, the line centred in its row.
void PlacePen(Canvas& cv, double textLeft, double y)
{
    Surface& s = cv.target();
    s.CurrentX = cv.deviceX(textLeft) + TextIndent;
    s.CurrentY = cv.deviceY(y) + (cv.scaled(RowHeight) - s.TextHeight(QStringLiteral("上"))) / 2;
}

void PrintEntry(Component& c, const QStringList& items, double labelW, double textW, double x, double& y)
{
    Canvas& cv = c.canvas;
    if (items.size() < 2)
        throw ReportError::subscriptOutOfRange();
    cv.TextAlign = 0;
    cv.PrintCell(cv.ShowGridLines, items[1], labelW, RowHeight, x, y);
    cv.TextAlign = 1;

    const QString text = items.value(2);
    Surface& s = cv.target();
    const double charW = RoundHalfEven(s.TextWidth(QStringLiteral("中")));
    const double right = cv.deviceX(x + labelW + textW);
    PlacePen(cv, x + labelW, y);
    for (qsizetype k = 0; k < text.size();) {
        // One character at a time (a surrogate pair is one character).
        const qsizetype n = text[k].isHighSurrogate() && k + 1 < text.size() ? 2 : 1;
        s.Print(text.mid(k, n));
        k += n;
        // Break as soon as one more character might pass the right edge.
        if (k < text.size() && s.CurrentX + charW + RightSlack > right) {
            y += RowHeight;
            if (y >= LastEntryRow)
                return;
            cv.PrintCell(cv.ShowGridLines, QString(), labelW, RowHeight, x, y);
            PlacePen(cv, x + labelW, y);
        }
    }
    y += RowHeight;
}

}  // namespace

void PrintBackCoverText(Component& c, const QStringList& items, double labelW, double textW, double x, double& y)
{
    if (y >= LastEntryRow)
        return;
    try {
        PrintEntry(c, items, labelW, textW, x, y);
    } catch (...) {
        ++c.DrawingErrors;
        ShowError(c, EntryErrorContext, CaughtError());
    }
}

void PrintStationChangeNotes(Component& c, const TextList& records, double labelW, double textW, double x,
                             double& y, QString& remarksLine)
{
    const StationChangeNotes notes = StationChangeSentences(records);
    for (const DatedEntry& e : notes.entries)
        PrintBackCoverText(c, {QString(), e.date, e.text}, labelW, textW, x, y);
    remarksLine += notes.remarks;
}

}  // namespace tabulon
