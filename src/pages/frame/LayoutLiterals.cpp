#include "pages/frame/LayoutLiterals.h"

#include "toolkit/Numeric.h"
#include "platform/ReportError.h"

namespace tabulon {

QString FixedWidthPiece(const QString& literal, int index, int width)
{
    if (index < 0 || width <= 0)
        return {};
    const qsizetype start = static_cast<qsizetype>(index) * width;
    if (start >= literal.size())
        return {};
    return literal.mid(start, width).trimmed();
}

QStringList CutPieces(const QString& literal, int pieceLength, int count)
{
    QStringList pieces;
    if (pieceLength <= 0)
        return pieces;
    for (qsizetype i = 0; i < literal.size() && (count < 0 || pieces.size() < count); i += pieceLength)
        pieces << literal.mid(i, pieceLength).trimmed();
    return pieces;
}

QStringList CommaList(const QString& literal)
{
    return literal.split(u',');
}

QString CommaItem(const QString& literal, int k)
{
    const QStringList items = CommaList(literal);
    if (k < 1 || k > items.size())
        throw ReportError::subscriptOutOfRange();
    return items.at(k - 1);
}

std::vector<int> CommaNumbers(const QString& literal)
{
    std::vector<int> numbers;
    for (const QString& field : CommaList(literal))
        numbers.push_back(static_cast<int>(Val(field)));
    return numbers;
}

std::vector<int> NumberFields(const QString& literal, int width)
{
    std::vector<int> numbers;
    for (const QString& field : CutPieces(literal, width))
        numbers.push_back(static_cast<int>(Val(field)));
    return numbers;
}

std::vector<int> RunningX(int x0, const std::vector<int>& widths)
{
    std::vector<int> xs{x0};
    for (int w : widths)
        xs.push_back(xs.back() + w);
    return xs;
}

}  // namespace tabulon
