// The report window's place in the component: created on first request, forgotten when
// it is destroyed. Lives in the window layer so the report model needs no window headers.

#include "report/Component.h"
#include "window/frmReportOutPut.h"

namespace tabulon {

frmReportOutPut& Component::window()
{
    if (!window_)
        window_ = new frmReportOutPut(*this);
    return *static_cast<frmReportOutPut*>(window_);
}

frmReportOutPut* Component::existingWindow() const
{
    return static_cast<frmReportOutPut*>(window_);
}

void Component::windowDestroyed(frmReportOutPut* w)
{
    if (existingWindow() == w)
        window_ = nullptr;
}

}  // namespace tabulon
