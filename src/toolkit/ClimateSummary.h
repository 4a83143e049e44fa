#pragma once
// The weather and climate summary as running text, shared by every page that prints it
// (the monthly back cover, the monthly brief table and the yearly back page).

#include "report/Table.h"

#include <QString>

namespace tabulon {

class Canvas;

// From element 1 on, each line's second "/"-separated field followed by a line feed
// (character 10). A line whose second field is empty or missing (no "/", an empty line)
// adds nothing; element 0 is never read; a list never filled gives an empty text.
QString ClimateSummaryText(const TextList& lines);

// The indent of each summary paragraph: twice the width of "中" as a whole number, measured
// on OutputTarget in its current font (the surface being drawn, whether a preview pane, the
// printer or the picture being saved).
double ClimateSummaryIndent(Canvas& cv);

}  // namespace tabulon
