// tabulon-host: stands in for the station software that loads the component.
#include "PrintToPdfOption.h"
#include "window/Component.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Automation: print chosen pages of the loaded report to PDF files.
    const tabulon::PrintToPdfRequest print = tabulon::ParsePrintToPdfOptions(app.arguments());
    if (print.requested || !print.error.isEmpty())
        return tabulon::RunPrintToPdf(tabulon::Component::instance(), print);
    return 0;
}
