#include "toolkit/Dispatcher.h"

namespace tabulon {

// Placeholder until the dispatch table is in place.
void PrintReportPage(Component&) {}

}  // namespace tabulon
