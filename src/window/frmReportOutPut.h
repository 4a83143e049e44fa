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

private:
    Component& c_;
};

}  // namespace tabulon
