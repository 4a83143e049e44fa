#include "window/frmReportOutPut.h"

#include "window/Component.h"

namespace tabulon {

frmReportOutPut::frmReportOutPut(Component& component) : c_(component) {}

frmReportOutPut::~frmReportOutPut()
{
    c_.windowDestroyed(this);
}

void frmReportOutPut::intbuttonmanu() {}
void frmReportOutPut::clearpicture() {}
void frmReportOutPut::InitiativeControl(std::int16_t) {}
void frmReportOutPut::mnuNextPage_Click() {}

}  // namespace tabulon
