#pragma once
// Paging through the loaded report: next and previous with wrap-around, and the jumps
// of the page menus. Each redraws the current page and rebuilds the page menus.

#include "report/ReportState.h"   // NextPageNumber, StepToNextPage, PrevPageNumber

#include <QString>
#include <cstdint>

namespace tabulon {

class Component;

// The page of a page-menu key: "n:12" -> 12 (the text after the first two characters,
// read as a number and rounded).
std::int16_t MenuKeyPage(const QString& key);

// Clears the panes and draws CurrentPage.
void RedrawCurrentPage(Component& c);

// Moves to the next page (also the dispatcher's way on after a page that failed).
void GoToNextPage(Component& c);
void GoToPrevPage(Component& c);
void GoToMenuPage(Component& c, const QString& key);

}  // namespace tabulon
