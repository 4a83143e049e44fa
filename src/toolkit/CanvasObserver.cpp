#include "toolkit/CanvasObserver.h"

#include "toolkit/Canvas.h"

#include <cmath>

namespace tabulon {

namespace {
QString formatNumber(double v)
{
    if (std::floor(v) == v && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    return QString::number(v, 'g', 15);
}
}  // namespace

QString CanvasCall::kindName(Kind kind)
{
    switch (kind) {
    case Kind::DrawVerticalLine: return QStringLiteral("DrawVerticalLine");
    case Kind::DrawHorizontalLine: return QStringLiteral("DrawHorizontalLine");
    case Kind::SetFont: return QStringLiteral("SetFont");
    case Kind::SetFontUnscaled: return QStringLiteral("SetFontUnscaled");
    case Kind::PrintCell: return QStringLiteral("PrintCell");
    case Kind::PrintWrappedText: return QStringLiteral("PrintWrappedText");
    case Kind::PlaceSymbolText: return QStringLiteral("PlaceSymbolText");
    case Kind::PrintCellTwoLines: return QStringLiteral("PrintCellTwoLines");
    case Kind::PrintParagraph: return QStringLiteral("PrintParagraph");
    }
    return {};
}

QString CanvasCall::toString() const
{
    QStringList args;
    for (double v : numbers)
        args << formatNumber(v);
    if (kind == Kind::PrintCell && !args.isEmpty() && numbers.back() == 0)
        args.removeLast();
    if (textIndex >= 0)
        args.insert(std::min<qsizetype>(textIndex, args.size()), u'"' + text + u'"');
    return kindName(kind) + u'(' + args.join(QStringLiteral(", ")) + u')';
}

CanvasCallRecorder::CanvasCallRecorder(Canvas& canvas) : canvas_(canvas), previous_(canvas.Observer)
{
    canvas_.Observer = this;
}

CanvasCallRecorder::~CanvasCallRecorder()
{
    canvas_.Observer = previous_;
}

QStringList CanvasCallRecorder::strings() const
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(calls_.size()));
    for (const CanvasCall& c : calls_)
        out << c.toString();
    return out;
}

std::vector<CanvasCall> CanvasCallRecorder::ofKind(CanvasCall::Kind kind) const
{
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls_)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

std::vector<CanvasCall> CanvasCallRecorder::withText(const QString& text) const
{
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls_)
        if (c.textIndex >= 0 && c.text == text)
            out.push_back(c);
    return out;
}

}  // namespace tabulon
