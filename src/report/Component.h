#pragma once
// The component's one instance of everything: report state, report tables, the drawing
// canvas, the platform services and the report window. ClsTabulon is a thin facade over
// the process-wide instance; tests build their own.
//
// Pages and the toolkit see the window only as the preview panes and the page-menu
// callback; the window's own members are defined in the window layer (ComponentWindow.cpp).

#include "platform/MessageBox.h"
#include "platform/ObjectFactory.h"
#include "platform/Printer.h"
#include "toolkit/Canvas.h"
#include "report/ReportState.h"
#include "report/ReportTables.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace tabulon {

class PreviewPanes;
class frmReportOutPut;

struct Services {
    std::unique_ptr<MessageBox> messages;       // a Qt box, or a scripted one in tests
    std::unique_ptr<ObjectFactory> objects;     // ProgID -> outside object
    std::unique_ptr<PrinterCollection> printers;   // installed printers; the system's when null
};

class Component {
public:
    explicit Component(Services services);
    ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    // The process-wide instance behind ClsTabulon (created on first use, with Qt services).
    static Component& instance();

    ReportState state;
    ReportTables tables;
    Canvas canvas;
    // Per reporting printer, the number of the last error it reported (reported once each).
    std::array<std::int16_t, 6> LastErrorNumbers{};
    // The number of the last error yearly page two reported (it reports each number once).
    std::int16_t YearPage2LastError = 0;
    // Errors caught while drawing, by the dispatcher or a page's own trap, shown or not. The
    // print run and the save compare it around a page to tell a page drawn whole from one
    // an error stopped, so that no run that cut a page short passes for a success.
    int DrawingErrors = 0;

    MessageBox& messages() { return *services_.messages; }
    ObjectFactory& objects() { return *services_.objects; }
    // The installed printers (asked of the system on first use) and the current one.
    PrinterCollection& printers();
    void setPrinters(std::unique_ptr<PrinterCollection> printers) { services_.printers = std::move(printers); }

    // The preview panes renderers draw into: the report window's, or a test's own.
    PreviewPanes* panes() const { return panes_; }
    void setPanes(PreviewPanes* panes) { panes_ = panes; }

    // Called after the current page moved on its own (the dispatcher skipping a failing
    // page): the report window rebuilds its page menus. Empty without a window.
    std::function<void()> pageMenusChanged;

    // The report window; created on first request (frmReportOutPut is a Qt window).
    frmReportOutPut& window();
    frmReportOutPut* existingWindow() const;
    void windowDestroyed(frmReportOutPut* w);

private:
    Services services_;
    PreviewPanes* panes_ = nullptr;
    QWidget* window_ = nullptr;   // the frmReportOutPut, once created
};

}  // namespace tabulon
