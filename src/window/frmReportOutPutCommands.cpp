// The report window's commands: toolbar and pop-up menu, paging, zoom, paper kind, grid
// lines, the line-weight pop-up and dragging the page.

#include "window/frmReportOutPut.h"

#include "ui_frmReportOutPut.h"

#include "platform/RunInterruption.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/ErrorReporter.h"
#include "report/Component.h"
#include "window/LineSample.h"
#include "window/Navigation.h"
#include "window/PageExport.h"
#include "window/PaneDrag.h"
#include "window/PictureButton.h"
#include "window/PreviewPane.h"
#include "window/frmLoadFile.h"
#include "window/frmPrint.h"
#include "window/ViewSettings.h"

#include <QCursor>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>

namespace tabulon {

void frmReportOutPut::connectCommands()
{
    for (QAction* a : ui_->tlbReport->actions()) {
        const QString key = a->property("key").toString();
        if (!key.isEmpty())
            connect(a, &QAction::triggered, this, [this, key] { tlbReport_ButtonClick(key); });
    }
    connect(ui_->mnuLoad, &QAction::triggered, this, &frmReportOutPut::mnuLoad_Click);
    connect(ui_->mnuMagnify, &QAction::triggered, this, &frmReportOutPut::mnuMagnify_Click);
    connect(ui_->mnuDesize, &QAction::triggered, this, &frmReportOutPut::mnuDesize_Click);
    connect(ui_->mnuNormal, &QAction::triggered, this, &frmReportOutPut::mnuNormal_Click);
    connect(ui_->mnuPrevPage, &QAction::triggered, this, &frmReportOutPut::mnuPrevPage_Click);
    connect(ui_->mnuNextPage, &QAction::triggered, this, &frmReportOutPut::mnuNextPage_Click);
    connect(ui_->mnuPrint, &QAction::triggered, this, &frmReportOutPut::mnuPrint_Click);
    connect(ui_->mnuSave, &QAction::triggered, this, &frmReportOutPut::mnuSave_Click);
    connect(ui_->mnuClose, &QAction::triggered, this, &frmReportOutPut::mnuClose_Click);

    connect(ui_->cboDisRatio, &QComboBox::activated, this, &frmReportOutPut::cboDisRatio_Click);
    // A choice made from code runs the handler too, as the loader's defaults rely on.
    connect(ui_->cboPaper, &QComboBox::currentIndexChanged, this, &frmReportOutPut::cboPaper_Click);
    connect(ui_->ckshowline, &QCheckBox::toggled, this, &frmReportOutPut::ckshowline_Click);

    connect(ui_->picline, &PictureButton::clicked, this, &frmReportOutPut::picline_Click);
    ui_->picline->installEventFilter(this);
    for (int n = 1; n <= 3; ++n) {
        connect(samples_[n - 1], &LineSample::clicked, this, [this, n] { Picline_Click(n); });
        connect(samples_[n - 1], &LineSample::hovered, this, [this, n] { Picline_MouseMove(n); });
    }

    for (PreviewPane* p : panes_) {
        connect(p, &PreviewPane::mouseDown, this, &frmReportOutPut::Picqb_MouseDown);
        connect(p, &PreviewPane::mouseMoved, this, &frmReportOutPut::Picqb_MouseMove);
        connect(p, &PreviewPane::mouseUp, this, &frmReportOutPut::Picqb_MouseUp);
        connect(p, &PreviewPane::clicked, this, &frmReportOutPut::Picqb_Click);
        connect(p, &PreviewPane::doubleClicked, this, &frmReportOutPut::Picqb_DblClick);
    }
}

bool frmReportOutPut::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::HoverMove || event->type() == QEvent::Enter) {
        if (watched == ui_->picline)
            picline_MouseMove();
        else if (watched == ui_->tlbReport)
            tlbReport_MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmReportOutPut::redraw()
{
    clearpicture();
    PrintReportPage(c_);
}

void frmReportOutPut::tlbReport_ButtonClick(const QString& key)
{
    if (key == u"Load")
        mnuLoad_Click();
    else if (key == u"Magnify")
        mnuMagnify_Click();
    else if (key == u"Desize")
        mnuDesize_Click();
    else if (key == u"Normal")
        mnuNormal_Click();
    else if (key == u"PrevPage")
        mnuPrevPage_Click();
    else if (key == u"NextPage")
        mnuNextPage_Click();
    else if (key == u"Print")
        mnuPrint_Click();
    else if (key == u"Save")
        mnuSave_Click();
    else if (key == u"Close")
        mnuClose_Click();
}

void frmReportOutPut::tlbReport_ButtonMenuClick(const QString& key)
{
    GoToMenuPage(c_, key);
}

void frmReportOutPut::mnuNextPage_Click()
{
    GoToNextPage(c_);
}

void frmReportOutPut::mnuPrevPage_Click()
{
    GoToPrevPage(c_);
}

void frmReportOutPut::showRatio()
{
    ui_->cboDisRatio->setCurrentText(RatioText(c_.canvas.PageScale));
    ui_->cboDisRatio->update();
    redraw();
}

void frmReportOutPut::mnuMagnify_Click()
{
    c_.canvas.PageScale = MagnifiedScale(c_.canvas.PageScale);
    showRatio();
}

void frmReportOutPut::mnuDesize_Click()
{
    c_.canvas.PageScale = DesizedScale(c_.canvas.PageScale);
    showRatio();
}

void frmReportOutPut::mnuNormal_Click()
{
    c_.canvas.PageScale = Decimal4::fromInt(1);
    showRatio();
}

void frmReportOutPut::cboDisRatio_Click()
{
    c_.canvas.PageScale = ScaleFromRatioText(ui_->cboDisRatio->currentText());
    redraw();
}

void frmReportOutPut::cboPaper_Click()
{
    const int index = ui_->cboPaper->currentIndex();
    if (index < PaperA4 || index > PaperWide) {
        ShowError(c_, QStringLiteral("打印设置"), ReportError::invalidPropertyValue());
        return;
    }
    // Recorded for printing only: nothing is redrawn.
    c_.canvas.PaperKind = static_cast<std::int16_t>(index);
}

void frmReportOutPut::ckshowline_Click()
{
    c_.canvas.ShowGridLines = ui_->ckshowline->isChecked() ? -1 : 0;
    redraw();
}

void frmReportOutPut::mnuLoad_Click()
{
    ShowLoadFileDialog(c_, this);
}

void frmReportOutPut::mnuPrint_Click()
{
    ShowPrintDialog(c_);
}

void frmReportOutPut::mnuSave_Click()
{
    const ExportResult result = SaveReportPages(c_);
    EndProcessIfInterrupted(result.interruptedBy, QStringLiteral("Saved %1 page image(s)").arg(result.saved));
}

void frmReportOutPut::mnuClose_Click()
{
    close();
}

// The line-weight pop-up.

void frmReportOutPut::picline_MouseMove()
{
    if (!bLineListOpen && ui_->picline->isEnabled())
        openpiclinewidth();
}

void frmReportOutPut::picline_Click()
{
    if (bLineListOpen)
        closeprintlinewidth();
    else
        openpiclinewidth();
}

void frmReportOutPut::openpiclinewidth()
{
    fraPic_->raise();
    for (LineSample* s : samples_)
        s->raise();
    piclineitem();
    bLineListOpen = true;
}

void frmReportOutPut::piclineitem()
{
    // W, H, L, T of picline in window twips.
    const QPoint at = ui_->picline->mapTo(this, QPoint(0, 0));
    const int w = ui_->picline->width(), h = ui_->picline->height();
    const auto tw = [](int px) { return static_cast<int>(px * TwipsPerPixel); };
    const int W = tw(w), H = tw(h), L = tw(at.x()), T = tw(at.y());
    const auto place = [](QWidget* wgt, int left, int top, int width, int height) {
        wgt->setGeometry(static_cast<int>(left / TwipsPerPixel), static_cast<int>(top / TwipsPerPixel),
                         static_cast<int>(width / TwipsPerPixel), static_cast<int>(height / TwipsPerPixel));
        wgt->show();
    };
    place(fraPic_, L, T + H, W + 30, 3 * H + 80);
    int top = T + H;
    for (LineSample* s : samples_) {
        place(s, L + 30, top, W - 50, H);
        s->update();
        top += H;
    }
}

void frmReportOutPut::Picline_MouseMove(int n)
{
    if (n < 1 || n > 3)
        return;
    samples_[n - 1]->setBackground(0xE0E0E0);
    for (int i = 1; i <= 3; ++i) {
        if (i != n)
            samples_[i - 1]->setBackground(0xFFFFFF);
    }
    piclineitem();
}

void frmReportOutPut::Picline_Click(int n)
{
    if (n < 1 || n > 3)
        return;
    const QPixmap picture = samples_[n - 1]->picture();
    ui_->picline->setPicture(picture);
    linewidthprint(static_cast<std::int16_t>(samples_[n - 1]->lines()));
}

void frmReportOutPut::linewidthprint(std::int16_t l_w)
{
    closelineitem();
    ui_->picline->setChecked(true);
    c_.canvas.LineWeight = LineWeightForSample(l_w, c_.canvas.LineWeight);
    redraw();
    bLineListOpen = false;
}

void frmReportOutPut::closelineitem()
{
    fraPic_->hide();
    for (LineSample* s : samples_)
        s->hide();
}

void frmReportOutPut::closeprintlinewidth()
{
    closelineitem();
    bLineListOpen = false;
}

void frmReportOutPut::tlbReport_MouseMove()
{
    closeprintlinewidth();
}

// Mouse on the panes.

void frmReportOutPut::Picqb_MouseDown(int index, Qt::MouseButton button, double x, double y)
{
    if (button == Qt::LeftButton)
        checkedPane(index).setCursor(Qt::ClosedHandCursor);
    oldx = RoundToInt16(x);
    oldy = RoundToInt16(y);
    lright = button == Qt::LeftButton ? 0 : 1;
}

void frmReportOutPut::Picqb_MouseUp(int index)
{
    checkedPane(index).unsetCursor();
}

void frmReportOutPut::Picqb_Click(int)
{
    if (lright == 1)
        ui_->mnuMain->popup(QCursor::pos());
}

void frmReportOutPut::Picqb_DblClick(int)
{
    if (lright == 0)
        c_.canvas.PageScale = MagnifiedScale(c_.canvas.PageScale);
    else
        c_.canvas.PageScale = DesizedScale(c_.canvas.PageScale);
    showRatio();
}

void frmReportOutPut::Picqb_MouseMove(int index, Qt::MouseButtons buttons, double x, double y)
{
    const bool left = buttons.testFlag(Qt::LeftButton);
    checkedPane(index).setCursor(left ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
    closeprintlinewidth();
    if (!left || index < 1 || index > 3)
        return;
    newx = RoundToInt16(x);
    newy = RoundToInt16(y);

    std::array<PanePlace, 4> places;
    for (int i = 0; i < 4; ++i)
        places[i] = {panes_[i]->leftTwips(), panes_[i]->topTwips(), panes_[i]->widthTwips(), panes_[i]->heightTwips()};
    const QScreen* s = screen();
    const QSize screenSize = s ? s->geometry().size() : QSize(0, 0);
    DragLimits limits;
    limits.screenWidth = static_cast<int>(screenSize.width() * TwipsPerPixel);
    limits.screenHeight = static_cast<int>(screenSize.height() * TwipsPerPixel);
    limits.toolbarHeight = PaneTop;
    limits.paneLeft = PaneLeft;
    if (!DragPanes(places, index, oldx, oldy, newx, newy, limits))
        return;
    for (int i = 0; i < 4; ++i)
        panes_[i]->moveToTwips(places[i].left, places[i].top);
}

}  // namespace tabulon
