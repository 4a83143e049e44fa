#pragma once
// Page layouts are written as literals: comma lists of positions, widths or labels, runs of
// fixed-width numbers for rule positions and column widths, and runs of fixed-width labels.
// These cut them the way the pages read them. Pieces are counted in characters, so a
// two-character piece may be two CJK characters or two ASCII ones.

#include <QString>
#include <QStringList>
#include <vector>

namespace tabulon {

// The piece of `width` characters starting at character index * width + 1, trimmed; "" past the end.
QString FixedWidthPiece(const QString& literal, int index, int width);

// The first `count` pieces of `pieceLength` characters, trimmed (count < 0: as many as the
// literal holds, a short last piece included).
QStringList CutPieces(const QString& literal, int pieceLength, int count = -1);

// The fields of a comma list, as they stand.
QStringList CommaList(const QString& literal);

// Item k (1-based) of a comma list; a k outside the list raises error 9.
QString CommaItem(const QString& literal, int k);

// The numbers of a comma list ("1110,4630,8150").
std::vector<int> CommaNumbers(const QString& literal);

// The numbers of a run of fixed-width fields ("2710 4310 ... 1167011990" in fields of 5).
std::vector<int> NumberFields(const QString& literal, int width);

// Left edges of consecutive columns: x0, x0 + w1, x0 + w1 + w2, ... (one more than widths,
// the last being the right edge of the last column).
std::vector<int> RunningX(int x0, const std::vector<int>& widths);

}  // namespace tabulon
