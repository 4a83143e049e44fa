#pragma once
// The one entry point that draws a page: CurrentPage of the loaded report, on the output
// the drawing state points at.

namespace tabulon {

class Component;

void PrintReportPage(Component& c);

}  // namespace tabulon
