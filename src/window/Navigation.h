#pragma once
// Moving the report window from page to page.

#include "window/ReportState.h"

namespace tabulon {

class Component;

// CurrentPage + 1, wrapping to 1 after PageCount.
void StepToNextPage(ReportState& state);

// The next-page command: step on, clear the panes, draw the page, rebuild the page menus.
void GoToNextPage(Component& c);

}  // namespace tabulon
