#pragma once
// Printer set-up for one page: orientation and paper by PaperKind, and the scale and
// offsets that map the logical page onto that paper.

namespace tabulon {

class Component;

void ReportPageSetup(Component& c);

}  // namespace tabulon
