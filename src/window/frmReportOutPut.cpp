// The report window's frame: how it opens, lays itself out, enables its controls,
// builds the page menus, clears its panes and what it writes when it closes.

#include "window/frmReportOutPut.h"

#include "ui_frmReportOutPut.h"

#include "outside/SettingsWriter.h"
#include "platform/ObjectFactory.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/ErrorReporter.h"
#include "platform/ReportError.h"
#include "report/Component.h"
#include "window/LineSample.h"
#include "window/PageTitles.h"
#include "window/PictureButton.h"
#include "window/PreviewPane.h"
#include "window/ReportWindowTexts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>
#include <QtDebug>

namespace tabulon {

namespace {

constexpr QRgb HeadingBackground = 0xE0E0E0;
constexpr QRgb BodyBackground = 0xFFFFFF;

// Widths of the toolbar placeholders the view controls stand over, in twips.
constexpr int DisRatioWidth = 800;
constexpr int DisPaperWidth = 1200;
constexpr int LineWidth = 1500;
constexpr int ShowLineWidth = 1600;

int pixels(int twips)
{
    return static_cast<int>(twips / TwipsPerPixel);
}

// The buttons that only act once a report is loaded.
const QStringList ViewButtons = {QStringLiteral("Magnify"), QStringLiteral("Desize"), QStringLiteral("Normal"),
                                 QStringLiteral("Print"),   QStringLiteral("PrevPage"), QStringLiteral("NextPage"),
                                 QStringLiteral("Save")};

}  // namespace

frmReportOutPut::frmReportOutPut(Component& component)
    : c_(component), ui_(std::make_unique<Ui::frmReportOutPut>())
{
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    menuBar()->hide();   // mnuMain is only a pop-up menu
    centralWidget()->setAttribute(Qt::WA_TransparentForMouseEvents);

    static const QRgb backgrounds[4] = {HeadingBackground, HeadingBackground, HeadingBackground, BodyBackground};
    for (int i = 0; i < 4; ++i)
        panes_[i] = new PreviewPane(i, backgrounds[i], this);

    fraPic_ = new QFrame(this);
    fraPic_->setAutoFillBackground(true);
    fraPic_->setPalette(QPalette(Qt::white));
    fraPic_->hide();
    static const char* const sampleTips[3] = {"细线", "默认线", "粗线"};
    static const int sampleLines[3] = {20, 28, 45};
    for (int n = 0; n < 3; ++n) {
        samples_[n] = new LineSample(sampleLines[n], this);
        samples_[n]->setToolTip(QString::fromUtf8(sampleTips[n]));
        samples_[n]->hide();
    }

    placeToolbarControls();
    connectCommands();
    ui_->tlbReport->installEventFilter(this);
    // Renderers draw into this window's panes, unless a test gave the component its own.
    if (!c_.panes())
        c_.setPanes(this);
    // The dispatcher moves past failing pages on its own; the window rebuilds its menus.
    c_.pageMenusChanged = [this] { intbuttonmanu(); };

    // The process-wide component outlives QApplication: leave with it, not after it.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        if (!unloaded_)
            close();
        delete this;
    });

    Form_Load();
}

frmReportOutPut::~frmReportOutPut()
{
    if (c_.panes() == this)
        c_.setPanes(nullptr);
    c_.pageMenusChanged = nullptr;
    c_.windowDestroyed(this);
}

void frmReportOutPut::placeToolbarControls()
{
    QToolBar* bar = ui_->tlbReport;
    bar->insertWidget(ui_->tlbPrevPage, ui_->cboDisRatio);
    bar->insertWidget(ui_->tlbPrevPage, ui_->cboPaper);
    bar->insertWidget(ui_->tlbPrevPage, ui_->picline);
    bar->insertWidget(ui_->tlbPrevPage, ui_->ckshowline);
    ui_->cboDisRatio->setFixedWidth(pixels(DisRatioWidth));
    ui_->cboPaper->setFixedWidth(pixels(DisPaperWidth));
    ui_->picline->setFixedWidth(pixels(LineWidth - 10));
    ui_->ckshowline->setFixedWidth(pixels(ShowLineWidth));

    prevPageMenu_ = new QMenu(this);
    nextPageMenu_ = new QMenu(this);
    ui_->tlbPrevPage->setMenu(prevPageMenu_);
    ui_->tlbNextPage->setMenu(nextPageMenu_);
    for (QAction* a : {ui_->tlbPrevPage, ui_->tlbNextPage}) {
        if (auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            b->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void frmReportOutPut::Form_Load()
{
    bLoading = true;
    QComboBox* ratio = ui_->cboDisRatio;
    for (int percent = 50; percent <= 150; percent += 10)
        ratio->addItem(QString::number(percent));
    ratio->setCurrentText(QStringLiteral("100"));
    {
        // Filling the list chooses nothing: the paper kind stays as it is.
        const QSignalBlocker quiet(ui_->cboPaper);
        ui_->cboPaper->addItems({QStringLiteral("A4纸"), QStringLiteral("B4纸"), QStringLiteral("A3纸"),
                                 QStringLiteral("宽行纸")});
        ui_->cboPaper->setCurrentIndex(-1);
    }

    const ReportWindowTitle title = ReportWindowTitleFor(c_.state.ReportKind);
    setWindowTitle(title.caption);
    HelpContextID = title.helpContext;

    clearpicture();
    c_.canvas.PrintMode = 0;
    InitiativeControl(0);
}

bool frmReportOutPut::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(event);
}

void frmReportOutPut::Form_Activate()
{
    bLoading = false;
}

void frmReportOutPut::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmReportOutPut::Form_Resize()
{
    // The toolbar keeps the view controls over their places; the panes are stacked
    // corner, column headings, row headings, body, front to back, under the toolbar.
    panes_[0]->raise();
    for (int i = 1; i < 4; ++i)
        panes_[i]->lower();
    centralWidget()->lower();
    fraPic_->raise();
    for (LineSample* s : samples_)
        s->raise();

    PaneTop = RoundToInt16(ui_->tlbReport->height() * TwipsPerPixel);
    PaneLeft = 15;

    Canvas& cv = c_.canvas;
    cv.PageScale = Decimal4::fromInt(1);
    cv.PrintMode = 0;
    cv.ShowGridLines = -1;
    cv.LineWeight = 4;

    clearpicture();
    // Draws only once the window is up and showing a report it loaded of the current kind.
    if (!bLoading && loadedReportKind_ != 0 && loadedReportKind_ == c_.state.ReportKind)
        PrintReportPage(c_);
}

void frmReportOutPut::closeEvent(QCloseEvent* event)
{
    if (!unloaded_)
        Form_Unload();
    event->accept();
}

void frmReportOutPut::Form_Unload()
{
    unloaded_ = true;
    // Nothing in the system reads this key; the window closes either way.
    std::unique_ptr<SettingsWriter> settings;
    try {
        settings = c_.objects().Create<SettingsWriter>(ProgId::Settings);
    } catch (const ReportError& e) {
        // Without the component the settings file is not touched.
        qWarning() << "ReportOutPutStatus not written:" << e.number() << e.description();
        return;
    }
    try {
        settings->WriteINI(QStringLiteral("Open_File"), QStringLiteral("ReportOutPutStatus"), QStringLiteral("0"),
                           c_.state.SystemPath + QStringLiteral("SysConfig\\UserOpt.ini"));
    } catch (const ReportError& e) {
        // A write that failed is told: the settings the user has are not the ones meant.
        ShowError(c_, QStringLiteral("关闭窗口"), e);
    }
}

PreviewPane& frmReportOutPut::checkedPane(int index) const
{
    if (index < 0 || index > 3)
        throw ReportError::subscriptOutOfRange();
    return *panes_[index];
}

Surface& frmReportOutPut::Picqb(int index)
{
    return checkedPane(index).surface();
}

void frmReportOutPut::SizePane(int index, double width, double height)
{
    checkedPane(index).setSizeTwips(width, height);
}

double frmReportOutPut::PaneWidth(int index) const
{
    return checkedPane(index).widthTwips();
}

double frmReportOutPut::PaneHeight(int index) const
{
    return checkedPane(index).heightTwips();
}

void frmReportOutPut::ClearPane(int index)
{
    checkedPane(index).clearDrawing();
}

void frmReportOutPut::clearpicture()
{
    for (PreviewPane* p : panes_) {
        p->clearDrawing();
        p->moveToTwips(PaneLeft, PaneTop);
        p->setSizeTwips(0, 0);
    }
}

void frmReportOutPut::intbuttonmanu()
{
    const PageMenus menus =
        BuildPageMenus(PageMenuTitles(c_.state.ReportKind, c_.state.StationKind), c_.state.CurrentPage);
    nextPageMenu_->clear();
    prevPageMenu_->clear();
    const auto fill = [this](QMenu* menu, const std::vector<PageMenuItem>& items) {
        for (const PageMenuItem& item : items) {
            QAction* a = menu->addAction(item.text);
            a->setData(item.key);
            connect(a, &QAction::triggered, this, [this, key = item.key] { tlbReport_ButtonMenuClick(key); });
        }
    };
    fill(prevPageMenu_, menus.prev);
    fill(nextPageMenu_, menus.next);
}

void frmReportOutPut::InitiativeControl(std::int16_t flag)
{
    if (flag != 0 && flag != 1)
        return;
    const bool on = flag == 1;
    ui_->cboDisRatio->setEnabled(on);
    if (on)
        ui_->cboDisRatio->setCurrentText(QStringLiteral("100"));
    for (const QString& key : ViewButtons)
        toolbarButton(key)->setEnabled(on);

    if (on) {
        // The default sample (28 lines) on a white ground.
        QPixmap pictemp(ui_->picline->size().expandedTo(QSize(pixels(LineWidth - 10), 22)));
        pictemp.fill(Qt::white);
        QPainter painter(&pictemp);
        LineSample::paintLines(painter, 28);
        painter.end();
        ui_->picline->setPicture(pictemp);
    }
    ui_->picline->setEnabled(on);
    ui_->ckshowline->setEnabled(on);
    if (on) {
        ui_->ckshowline->setChecked(true);
        c_.canvas.ShowGridLines = -1;
    }
    ui_->cboPaper->setEnabled(on);
    if (on) {
        ui_->cboPaper->setCurrentIndex(PaperWide);
        c_.canvas.PaperKind = PaperWide;
        loadedReportKind_ = c_.state.ReportKind;
    }
    ui_->tlbLoad->setChecked(false);
}

QComboBox* frmReportOutPut::cboDisRatio() const { return ui_->cboDisRatio; }
QComboBox* frmReportOutPut::cboPaper() const { return ui_->cboPaper; }
QCheckBox* frmReportOutPut::ckshowline() const { return ui_->ckshowline; }
PictureButton* frmReportOutPut::picline() const { return ui_->picline; }
QMenu* frmReportOutPut::mnuMain() const { return ui_->mnuMain; }

LineSample* frmReportOutPut::Picline(int n) const
{
    return n >= 1 && n <= 3 ? samples_[n - 1] : nullptr;
}

QAction* frmReportOutPut::toolbarButton(const QString& key) const
{
    for (QAction* a : ui_->tlbReport->actions()) {
        if (a->property("key").toString() == key)
            return a;
    }
    return nullptr;
}

QMenu* frmReportOutPut::pageMenu(const QString& key) const
{
    if (key == QStringLiteral("PrevPage"))
        return prevPageMenu_;
    if (key == QStringLiteral("NextPage"))
        return nextPageMenu_;
    return nullptr;
}

PreviewPane* frmReportOutPut::pane(int index) const
{
    return index >= 0 && index <= 3 ? panes_[index] : nullptr;
}

}  // namespace tabulon
