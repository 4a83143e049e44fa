#include "window/Navigation.h"

#include "toolkit/Dispatcher.h"
#include "window/Component.h"
#include "window/frmReportOutPut.h"

namespace tabulon {

void StepToNextPage(ReportState& state)
{
    const int next = state.CurrentPage + 1;
    state.CurrentPage = next > state.PageCount ? 1 : static_cast<std::int16_t>(next);
}

void GoToNextPage(Component& c)
{
    StepToNextPage(c.state);
    c.window().clearpicture();
    PrintReportPage(c);
    c.window().intbuttonmanu();
}

}  // namespace tabulon
