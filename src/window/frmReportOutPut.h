#pragma once
// The report window: toolbar, four preview panes and the page menus. It is also the
// PreviewPanes the renderers draw into while it is open.

#include "platform/PreviewPanes.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QMenu;

namespace Ui {
class frmReportOutPut;
}

namespace tabulon {

class Component;
class LineSample;
class PictureButton;
class PreviewPane;

class frmReportOutPut : public QMainWindow, public PreviewPanes {
    Q_OBJECT
public:
    explicit frmReportOutPut(Component& component);
    ~frmReportOutPut() override;

    // Public methods other parts of the component call.
    void intbuttonmanu();
    void clearpicture() override;
    void piclineitem();
    void linewidthprint(std::int16_t l_w);
    void openpiclinewidth();
    void closelineitem();
    void InitiativeControl(std::int16_t flag);
    void mnuNextPage_Click();
    void closeprintlinewidth();

    // PreviewPanes: Picqb(0)..Picqb(3), sizes in device twips.
    Surface& Picqb(int index) override;
    void SizePane(int index, double width, double height) override;
    double PaneWidth(int index) const override;
    double PaneHeight(int index) const override;
    void ClearPane(int index) override;

    // Public fields.
    std::int16_t oldx = 0, oldy = 0;   // pane twips of the last mouse-down
    std::int16_t newx = 0, newy = 0;   // pane twips of the current drag position
    std::int16_t lright = 0;           // 0 left button at the last mouse-down, 1 any other
    bool bYearStatistic = false;

    // Where every pane sits after clearing: below the toolbar, 15 twips from the left.
    std::int16_t PaneTop = 0;
    std::int16_t PaneLeft = 15;
    int HelpContextID = 0;

    // The controls, for the parts of the component that read them.
    QComboBox* cboDisRatio() const;
    QComboBox* cboPaper() const;
    QCheckBox* ckshowline() const;
    PictureButton* picline() const;
    QFrame* fraPic() const { return fraPic_; }
    LineSample* Picline(int n) const;   // 1..3
    QAction* toolbarButton(const QString& key) const;
    QMenu* pageMenu(const QString& key) const;   // "PrevPage" or "NextPage"
    QMenu* mnuMain() const;
    PreviewPane* pane(int index) const;
    bool lineListOpen() const { return bLineListOpen; }

public Q_SLOTS:
    // Window events.
    void Form_Activate();
    void Form_Resize();
    void Form_Unload();

    // Commands.
    void tlbReport_ButtonClick(const QString& key);
    void tlbReport_ButtonMenuClick(const QString& key);
    void mnuLoad_Click();
    void mnuMagnify_Click();
    void mnuDesize_Click();
    void mnuNormal_Click();
    void mnuPrevPage_Click();
    void mnuPrint_Click();
    void mnuSave_Click();
    void mnuClose_Click();
    void cboDisRatio_Click();
    void cboPaper_Click();
    void ckshowline_Click();

    // The line-weight pop-up.
    void picline_Click();
    void picline_MouseMove();
    void Picline_Click(int n);
    void Picline_MouseMove(int n);
    void tlbReport_MouseMove();

    // Mouse on the panes (pane twips).
    void Picqb_MouseDown(int index, Qt::MouseButton button, double x, double y);
    void Picqb_MouseMove(int index, Qt::MouseButtons buttons, double x, double y);
    void Picqb_MouseUp(int index);
    void Picqb_Click(int index);
    void Picqb_DblClick(int index);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void placeToolbarControls();
    void connectCommands();
    void redraw();
    void showRatio();
    PreviewPane& checkedPane(int index) const;

    Component& c_;
    std::unique_ptr<Ui::frmReportOutPut> ui_;
    std::array<PreviewPane*, 4> panes_{};
    std::array<LineSample*, 3> samples_{};
    QFrame* fraPic_ = nullptr;
    QMenu* prevPageMenu_ = nullptr;
    QMenu* nextPageMenu_ = nullptr;
    bool bLineListOpen = false;
    bool bLoading = true;
    bool unloaded_ = false;
    // The report kind this window loaded a report of; 0 until the loader enables it.
    std::int16_t loadedReportKind_ = 0;
};

}  // namespace tabulon
