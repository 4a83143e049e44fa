#include "toolkit/PageSetup.h"

namespace tabulon {

// Placeholder until the printer set-up is in place.
void ReportPageSetup(Component&) {}

}  // namespace tabulon
