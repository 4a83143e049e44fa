#include "platform/RecordingSurface.h"

#include "platform/ReportError.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace tabulon {

namespace {
double snapLike96Dpi(double points)
{
    const double px = std::max(1.0, std::floor(points * 96.0 / 72.0 + 0.5));
    return px * 72.0 / 96.0;
}

// The records that pass the test, in order.
template <typename Record, typename Keep>
std::vector<Record> select(const std::vector<Record>& records, Keep keep)
{
    std::vector<Record> out;
    std::copy_if(records.begin(), records.end(), std::back_inserter(out), keep);
    return out;
}
}  // namespace

RecordingSurface::RecordingSurface() : fontName_(QStringLiteral("宋体")), fontSize_(9) {}

bool RecordingSurface::isNarrow(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x0250 || (u >= 0xFF61 && u <= 0xFFDC);
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2)
{
    lines_.push_back({x1, y1, x2, y2});
}

void RecordingSurface::Print(const QString& text)
{
    const double w = TextWidth(text);
    texts_.push_back({text, fontName_, fontSize_, CurrentX, CurrentY, w, TextHeight(text)});
    CurrentX += w;
}

double RecordingSurface::TextWidth(const QString& text)
{
    // The widest line of the text, as a form measures it.
    double widest = 0, current = 0;
    for (QChar c : text) {
        if (c == u'\n') {
            widest = std::max(widest, current);
            current = 0;
        } else if (c != u'\r') {
            current += isNarrow(c) ? em() / 2 : em();
        }
    }
    return std::max(widest, current);
}

double RecordingSurface::TextHeight(const QString& text)
{
    return em() * (1 + text.count(u'\n'));
}

void RecordingSurface::SetFontName(const QString& family)
{
    const bool refused = family.isEmpty() || missing_.contains(family);
    fontRequests_.push_back({FontRequest::Name, family, 0, refused});
    if (refused)
        throw ReportError::invalidPropertyValue();
    fontName_ = family;
}

void RecordingSurface::SetFontSize(double points)
{
    const bool refused = !(points > 0) || points > 2048;
    fontRequests_.push_back({FontRequest::Size, {}, points, refused});
    if (refused)
        throw ReportError::invalidPropertyValue();
    fontSize_ = snap_ ? snapLike96Dpi(points) : points;
}

void RecordingSurface::clear()
{
    lines_.clear();
    texts_.clear();
    fontRequests_.clear();
    endDocCount_ = 0;
}

std::vector<RecordedText> RecordingSurface::textsEqualTo(const QString& text) const
{
    return select(texts_, [&](const RecordedText& t) {
        return t.text == text;
    });
}

const RecordedText* RecordingSurface::findText(const QString& text) const
{
    for (const RecordedText& t : texts_)
        if (t.text == text)
            return &t;
    return nullptr;
}

std::vector<RecordedText> RecordingSurface::textsContaining(const QString& fragment) const
{
    return select(texts_, [&](const RecordedText& t) {
        return t.text.contains(fragment);
    });
}

std::vector<RecordedText> RecordingSurface::textsInBox(double x, double y, double w, double h) const
{
    return select(texts_, [&](const RecordedText& t) {
        return t.x >= x && t.x < x + w && t.y >= y && t.y < y + h;
    });
}

QString RecordingSurface::joinedTexts(const QString& separator) const
{
    QStringList parts;
    for (const RecordedText& t : texts_)
        parts << t.text;
    return parts.join(separator);
}

std::vector<RecordedLine> RecordingSurface::horizontalLinesAt(double y, double tolerance) const
{
    return select(lines_, [&](const RecordedLine& l) {
        return l.isHorizontal() && std::fabs(l.y1 - y) <= tolerance;
    });
}

std::vector<RecordedLine> RecordingSurface::verticalLinesAt(double x, double tolerance) const
{
    return select(lines_, [&](const RecordedLine& l) {
        return l.isVertical() && std::fabs(l.x1 - x) <= tolerance;
    });
}

std::vector<RecordedLine> RecordingSurface::horizontalLinesCrossing(double x, double y1, double y2) const
{
    return select(lines_, [&](const RecordedLine& l) {
        return l.isHorizontal() && l.y1 >= y1 && l.y1 <= y2 && x >= std::min(l.x1, l.x2)
               && x <= std::max(l.x1, l.x2);
    });
}

std::vector<RecordedLine> RecordingSurface::verticalLinesCrossing(double y, double x1, double x2) const
{
    return select(lines_, [&](const RecordedLine& l) {
        return l.isVertical() && l.x1 >= x1 && l.x1 <= x2 && y >= std::min(l.y1, l.y2)
               && y <= std::max(l.y1, l.y2);
    });
}

}  // namespace tabulon
