#pragma once
// Yearly page four ("-4-"): ground (0 cm), soil and grass temperatures by month over the
// frozen-soil depth, the wind speeds and the sunshine, with the year's rows under each block.

#include <QString>

namespace tabulon {

class Component;

// Draws the page on the preview panes or on OutputTarget and ends it. No trap of its own:
// an error ends the page and goes to the dispatcher. The table is read, never changed.
void PrintYearPage4(Component& c);

// A frozen-soil depth as the page prints it: a depth above 500 cm (its leading number; empty
// reads as 0) as ">" and the depth less 500 ("520" -> ">20"), any other as stored.
QString FrozenDepthText(const QString& stored);

}  // namespace tabulon
