// tabulon-host: stands in for the station software that loads the component. It creates
// ClsTabulon, calls one method with a system folder and a data folder, and runs the event
// loop until the report window closes. Automation options drive the window without a user.

#include "HostOptions.h"
#include "HostAutomation.h"

#include "window/ClsTabulon.h"
#include "report/Component.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

#include <csignal>

int main(int argc, char** argv)
{
    // Under a file-size limit an oversized write then fails and is reported, and the file
    // it was meant to replace is kept, instead of the signal ending the run half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QString error;
    const std::optional<HostOptions> options = ParseHostOptions(app.arguments(), error);
    if (!options) {
        QTextStream(stderr) << error << "\n" << HostUsage();
        return 2;
    }

    // Automated runs answer every message box themselves and print it.
    std::unique_ptr<tabulon::Component> own;
    if (options->automated())
        own = std::make_unique<tabulon::Component>(tabulon::Services{MakeHostMessageBox(), nullptr});
    tabulon::Component& component = own ? *own : tabulon::Component::instance();

    tabulon::ClsTabulon report(component);
    if (options->report == u"radiation")
        report.MonthFSTabulon(options->systemFolder, options->dataFolder);
    else if (options->report == u"year")
        report.YearTabluon(options->systemFolder, options->dataFolder);
    else
        report.MonthTabulon(options->systemFolder, options->dataFolder);

    int status = 0;
    if (options->automated())
        QTimer::singleShot(0, &app, [&] { status = RunHostAutomation(component, *options); });
    const int loop = app.exec();
    own.reset();
    return status != 0 ? status : loop;
}
