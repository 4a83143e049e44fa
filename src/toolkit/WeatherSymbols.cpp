// The weather-phenomenon cells: the code lookup, the daily summary and the full record.
#include "toolkit/WeatherSymbols.h"

#include "platform/Surface.h"
#include "toolkit/Numeric.h"
#include "toolkit/SymbolGlyphs.h"
#include "toolkit/SymbolSteps.h"

#include <QStringList>

namespace tabulon {

namespace {
constexpr int SummarySlot = 0;
constexpr int RecordSlot = 1;
const QString SummaryContext = QStringLiteral("打印天气现象记要");
const QString RecordContext = QStringLiteral("打印天气现象字串");

constexpr int RecordFontSize = 9;
constexpr int SmallestFontSize = 1;   // a record too wide for its cell is printed at 1 point
constexpr double NightPartWidth = 2000;
constexpr double MinutesLift = 40;
// Symbols and times are centred on a full-height character.
const QString CentringSample = QStringLiteral("中");

const QStringList& weatherCodes()
{
    static const QStringList codes = WeatherCodeList.split(u',');
    return codes;
}

// The clock and note of a time entry: a note begins at ";" (not printed) or at the first "["
// (printed). An entry cut into three or more parts keeps its clock only.
struct TimeEntry {
    QString clock;
    QString note;
};

TimeEntry splitTimeEntry(QString entry)
{
    const qsizetype open = entry.indexOf(u'[');
    if (open >= 0)
        entry.insert(open, u';');
    const QStringList parts = entry.split(u';');
    return {parts.first(), parts.size() == 2 ? parts[1] : QString()};
}

// "(group)rest": the group body and the rest, the rest ending at the next ")". A group that is
// never closed takes the whole text after "(" and leaves no rest.
struct RecordParts {
    QString group;
    QString rest;
};

RecordParts splitGroup(const QString& text)
{
    if (!text.startsWith(u'('))
        return {QString(), text};
    const qsizetype close = text.indexOf(u')');
    if (close < 0)
        return {text.mid(1), QString()};
    const qsizetype next = text.indexOf(u')', close + 1);
    return {text.mid(1, close - 1), text.mid(close + 1, next < 0 ? -1 : next - close - 1)};
}

// Prints a record in a cell, keeping what the steps share.
class RecordPrinter {
public:
    RecordPrinter(Component& c, double h, double y)
        : c_(c), steps_(c, RecordSlot, RecordContext), h_(h), y_(y) {}

    SymbolSteps& steps() { return steps_; }

    void printGroup(const QString& group)
    {
        steps_.face(SymbolFontName);
        for (const QString& item : group.split(u',', Qt::SkipEmptyParts)) {
            const qsizetype open = item.indexOf(u'[');
            steps_.print(WeatherSymbol(open < 0 ? item : item.left(open)));
            if (open >= 0) {
                steps_.face(TextFontName);
                steps_.print(item.mid(open));
                steps_.face(SymbolFontName);
            }
        }
    }

    // Shrinks from 9 points until the whole raw rest is no wider than the cell.
    void fit(const QString& rest, double w)
    {
        steps_([&] {
            Canvas& cv = c_.canvas;
            int size = RecordFontSize;
            while (size > SmallestFontSize && cv.target().TextWidth(rest) > cv.scaled(w))
                cv.SetFont(--size, Face::Text);
        });
    }

    // Returns false at the "." that ends the record.
    bool printItem(const QString& item)
    {
        if (item == QStringLiteral("."))
            return false;
        if (item.trimmed().isEmpty())
            return true;   // ",,": nothing to print
        const QStringList fields = item.split(u' ');
        const QString& codeField = fields[0];
        const qsizetype open = codeField.indexOf(u'[');
        steps_.face(SymbolFontName);
        steps_.print(WeatherSymbol((open < 0 ? codeField : codeField.left(open)).trimmed()));
        steps_.face(TextFontName);
        if (fields.size() < 2) {
            if (open >= 0) {
                const qsizetype next = codeField.indexOf(u'[', open + 1);
                steps_.print(QStringLiteral("[") + codeField.mid(open + 1, next < 0 ? -1 : next - open - 1));
            }
            return true;
        }
        for (const QString& entry : fields[1].split(u'\''))
            printTimeEntry(splitTimeEntry(entry));
        return true;
    }

private:
    void centre() { steps_.centreInCell(y_, h_, CentringSample); }
    void raise() { steps_.centreInCell(y_, h_, CentringSample, MinutesLift); }

    void printTimeEntry(const TimeEntry& entry)
    {
        centre();
        if (entry.clock.size() == 4)
            printClock(entry.clock);
        else if (entry.clock.size() > 4)
            printSpan(entry.clock);
        centre();
        if (!entry.note.isEmpty())
            steps_.print(IsNumeric(entry.note) ? QStringLiteral("[") + entry.note + QStringLiteral("]") : entry.note);
        steps_.print(QStringLiteral(" "));
    }

    // "0930": the hour without its leading zero ("xx" as it stands), the minutes raised
    // unless they are "00".
    void printClock(const QString& clock)
    {
        const QString hour = clock.left(2);
        steps_.print(IsNumeric(hour) ? QString::number(RoundHalfEven(Val(hour))) : hour);
        const QString minutes = clock.right(2);
        if (minutes != QStringLiteral("00")) {
            raise();
            steps_.print(minutes);
        }
    }

    // "0930-1045": walks the characters; the leading zero of each hour and "00" minutes are
    // left out, the minutes (positions 3, 4 and the last two) are raised. The characters are
    // printed in runs: start hour, start minutes, the middle, end hour, end minutes.
    void printSpan(const QString& clock)
    {
        const qsizetype last = clock.size();
        auto raised = [last](qsizetype p) { return p == 3 || p == 4 || p == last - 1 || p == last; };
        auto part = [last](qsizetype p) { return p <= 2 ? 0 : p <= 4 ? 1 : p < last - 3 ? 2 : p <= last - 2 ? 3 : 4; };
        QString run;
        bool runRaised = false;
        int runPart = -1;
        auto flush = [&] {
            if (run.isEmpty())
                return;
            runRaised ? raise() : centre();
            steps_.print(run);
            run.clear();
        };
        for (qsizetype p = 1; p <= last; ++p) {
            const QChar ch = clock[p - 1];
            if (ch == u'0' && (p == 1 || p == last - 3))
                continue;
            if ((p == 3 || p == last - 1) && clock.mid(p - 1, 2) == QStringLiteral("00")) {
                ++p;
                continue;
            }
            if (!run.isEmpty() && (raised(p) != runRaised || part(p) != runPart))
                flush();
            run += ch;
            runRaised = raised(p);
            runPart = part(p);
        }
        flush();
    }

    Component& c_;
    SymbolSteps steps_;
    double h_, y_;
};
}  // namespace

int WeatherCodePosition(const QString& code)
{
    return static_cast<int>(weatherCodes().indexOf(code)) + 1;
}

QString WeatherSymbol(const QString& code)
{
    return SymbolGlyph(WeatherCodePosition(code));
}

void PrintWeatherSummary(Component& c, const QString& codes, double w, double h, double x, double y)
{
    Canvas& cv = c.canvas;
    SymbolSteps steps(c, SummarySlot, SummaryContext);
    steps([&] { cv.PrintCell(cv.ShowGridLines, QString(), w, h, x, y, 0); });
    if (codes.isEmpty())
        return;
    steps([&] { cv.SetFont(RecordFontSize, Face::Text); });
    steps.penAtCellLeft(x);
    steps.centreInCell(y, h, CentringSample);
    steps.face(SymbolFontName);
    for (const QString& code : codes.split(u' ', Qt::SkipEmptyParts))
        steps.print(WeatherSymbol(code));
}

void PrintWeatherString(Component& c, QString text, double w, double h, double x, double y,
                        bool dayNightSplit)
{
    Canvas& cv = c.canvas;
    RecordPrinter printer(c, h, y);
    SymbolSteps& steps = printer.steps();
    steps([&] { cv.PrintCell(cv.ShowGridLines, QString(), w, h, x, y, 0); });
    if (text.isEmpty() || text == QStringLiteral("."))
        return;
    steps([&] { cv.SetFont(RecordFontSize, Face::Text); });
    steps.penAtCellLeft(x);
    steps.centreInCell(y, h, CentringSample);

    const RecordParts parts = splitGroup(text);
    if (text.startsWith(u'('))
        printer.printGroup(parts.group);
    if (dayNightSplit) {
        steps.face(TextFontName);
        steps.penAtCellLeft(x + NightPartWidth);
        w -= NightPartWidth;
    }
    printer.fit(parts.rest, w);
    for (const QString& item : parts.rest.split(u','))
        if (!printer.printItem(item))
            return;
}

}  // namespace tabulon
