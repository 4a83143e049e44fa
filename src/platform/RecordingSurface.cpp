#include "platform/RecordingSurface.h"

#include "platform/ReportError.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>

namespace tabulon {

namespace {
double snapLike96Dpi(double points)
{
    const double px = std::max(1.0, std::floor(points * 96.0 / 72.0 + 0.5));
    return px * 72.0 / 96.0;
}

// Numbers as drawing() writes them: up to 15 significant digits, whole numbers without a point.
QString numbers(std::initializer_list<double> values)
{
    QStringList out;
    for (double v : values)
        out << QString::number(v, 'g', 15);
    return out.join(u' ');
}

// Text on one line: line breaks, tabs, other controls and the symbol face's private-use
// characters written as escapes, so every call stays one readable line.
QString oneLine(const QString& text)
{
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += QStringLiteral("\\\\");
        else if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u < 0x20 || (u >= 0xE000 && u <= 0xF8FF))
            out += QStringLiteral("\\u") + QString::number(u, 16).toUpper().rightJustified(4, u'0');
        else
            out += c;
    }
    return out;
}

QString quoted(const QString& text) { return QLatin1Char('"') + oneLine(text) + QLatin1Char('"'); }

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
    order_.emplace_back(Call::Line, lines_.size());
    lines_.push_back({x1, y1, x2, y2});
}

void RecordingSurface::Print(const QString& text)
{
    const double w = TextWidth(text);
    order_.emplace_back(Call::Print, texts_.size());
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
    order_.emplace_back(Call::Font, fontRequests_.size());
    fontRequests_.push_back({FontRequest::Name, family, 0, refused});
    if (refused)
        throw ReportError::invalidPropertyValue();
    fontName_ = family;
}

void RecordingSurface::SetFontSize(double points)
{
    const bool refused = !(points > 0) || points > 2048;
    order_.emplace_back(Call::Font, fontRequests_.size());
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
    order_.clear();
    notes_.clear();
}

void RecordingSurface::EndDoc()
{
    order_.emplace_back(Call::EndDoc, 0);
    ++endDocCount_;
}

void RecordingSurface::note(const QString& line)
{
    order_.emplace_back(Call::Note, notes_.size());
    notes_.push_back(line);
}

QStringList RecordingSurface::drawing() const
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(order_.size()));
    for (const auto& [call, k] : order_) {
        switch (call) {
        case Call::Line: {
            const RecordedLine& l = lines_[k];
            out << QStringLiteral("Line ") + numbers({l.x1, l.y1, l.x2, l.y2});
            break;
        }
        case Call::Print: {
            const RecordedText& t = texts_[k];
            out << QStringLiteral("Print %1 %2 %3 at %4 size %5")
                       .arg(quoted(t.text), t.fontName, numbers({t.fontSize}), numbers({t.x, t.y}),
                            numbers({t.width, t.height}));
            break;
        }
        case Call::Font: {
            const FontRequest& f = fontRequests_[k];
            out << (f.kind == FontRequest::Name ? QStringLiteral("FontName ") + quoted(f.name)
                                                : QStringLiteral("FontSize ") + numbers({f.size}))
                       + (f.failed ? QStringLiteral(" refused") : QString());
            break;
        }
        case Call::EndDoc: out << QStringLiteral("EndDoc"); break;
        case Call::Note: out << oneLine(notes_[k]); break;
        }
    }
    return out;
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
