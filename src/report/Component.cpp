#include "report/Component.h"

#include "platform/QtMessageBox.h"
#include "platform/QtPrinters.h"

#include <QCoreApplication>
#include <QWidget>

namespace tabulon {

Component::Component(Services services) : services_(std::move(services))
{
    if (!services_.messages)
        services_.messages = std::make_unique<QtMessageBox>();
    if (!services_.objects)
        services_.objects = MakeStandardObjectFactory();
}

Component::~Component()
{
    // Widgets may only be deleted while the application object exists; the process-wide
    // instance's window is deleted when the application quits.
    if (window_ && QCoreApplication::instance())
        delete window_;
}

Component& Component::instance()
{
    static Component component{Services{}};
    return component;
}

PrinterCollection& Component::printers()
{
    if (!services_.printers)
        services_.printers = std::make_unique<QtPrinterCollection>();
    return *services_.printers;
}

}  // namespace tabulon
