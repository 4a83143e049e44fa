#pragma once
// The report window: toolbar, four preview panes and the page menus.

#include <QMainWindow>
#include <cstdint>

namespace tabulon {

class Component;

class frmReportOutPut : public QMainWindow {
    Q_OBJECT
public:
    explicit frmReportOutPut(Component& component);
    ~frmReportOutPut() override;

    void intbuttonmanu();
    void clearpicture();
    void InitiativeControl(std::int16_t flag);
    void mnuNextPage_Click();

    // Printer orientation chosen in the print dialog: 1 portrait, 2 landscape.
    std::int16_t pOrientation = 0;

private:
    Component& c_;
};

}  // namespace tabulon
