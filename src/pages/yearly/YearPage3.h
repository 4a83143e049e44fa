#pragma once
// Yearly page three ("-3-"): the wind statistics of the year by month, for the 16
// directions (sum of speeds, occurrences, mean speed, frequency, maximum speed), calm and
// the most frequent direction, with the year's rows under each block.

namespace tabulon {

class Component;

// Draws the page on the preview panes or on OutputTarget and ends it. The month of each
// direction's yearly maximum speed, YWindYearRow(d, 6), is stored back with "月" after it
// when it holds a value not already ending so. No trap of its own.
void PrintYearPage3(Component& c);

}  // namespace tabulon
