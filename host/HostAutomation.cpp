#include "HostAutomation.h"

#include "window/Component.h"
#include "window/frmReportOutPut.h"

#include <QTextStream>

namespace {

class PrintingMessageBox : public tabulon::MessageBox {
public:
    int show(const QString& text, const QString& title, int style) override
    {
        QTextStream(stderr) << "[" << title << "] " << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" / "))
                            << "\n";
        ++shown;
        return tabulon::ScriptedMessageBox::defaultAnswerFor(style);
    }
    int shown = 0;
};

}  // namespace

std::unique_ptr<tabulon::MessageBox> MakeHostMessageBox()
{
    return std::make_unique<PrintingMessageBox>();
}

int RunHostAutomation(tabulon::Component& c, const HostOptions& options)
{
    int status = 0;
    if (options.quit) {
        if (tabulon::frmReportOutPut* w = c.existingWindow())
            w->close();
    }
    return status;
}
