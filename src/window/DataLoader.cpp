#include "window/DataLoader.h"

namespace tabulon {

// Placeholder until the loader is built: nothing is loaded and the chooser stays open.
bool LoadReportFile(Component&, const QString&, const QString&)
{
    return false;
}

}  // namespace tabulon
