#include "HostAutomation.h"

#include "PrintToPdfOption.h"

#include "platform/Paths.h"
#include "platform/RunInterruption.h"
#include "report/Component.h"
#include "window/DataLoader.h"
#include "window/PageExport.h"
#include "window/frmReportOutPut.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

class PrintingMessageBox : public tabulon::MessageBox {
public:
    int show(const QString& text, const QString& title, int style) override
    {
        ++shown;
        QTextStream(stderr) << "[" << title << "] " << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" / "))
                            << "\n";
        return tabulon::ScriptedMessageBox::defaultAnswerFor(style);
    }
    int shown = 0;
};

int boxesShown(tabulon::Component& c)
{
    const auto* box = dynamic_cast<PrintingMessageBox*>(&c.messages());
    return box ? box->shown : 0;
}

// Why a file the loader was given shows no report. `taken`: the loader took the file over.
QString notLoadedReason(const tabulon::Component& c, bool taken)
{
    if (!taken)
        return QStringLiteral("the file was refused (see the message above)");
    const tabulon::ReportTables& t = c.tables;
    switch (c.state.ReportKind) {
    case tabulon::MonthlySurfaceReport:
        return QStringLiteral("its header names no known station kind (station type \"%1\", "
                              "observations a day \"%2\", observation \"%3\")")
            .arg(t.AfilePara(15).toString(), t.AfilePara(16).toString(), t.AfilePara(17).toString());
    case tabulon::MonthlyRadiationReport:
        return QStringLiteral("its header names no known radiation class (\"%1\"; 1, 2 or 3 are known)")
            .arg(t.RfilePara(11).toString());
    default:
        return QStringLiteral("the report kind has no pages");
    }
}

// Loads the file as the chooser hands it over: its folder with a trailing "\" and the
// upper-case file name.
bool loadFile(tabulon::Component& c, const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        QTextStream(stderr) << "tabulon-host: no data file " << path << "\n";
        return false;
    }
    const bool taken = tabulon::LoadReportFile(c, info.absolutePath() + u'\\', info.fileName().toUpper());
    if (c.state.PageCount <= 0) {
        QTextStream(stderr) << "tabulon-host: " << path << " was not loaded: " << notLoadedReason(c, taken) << "\n";
        return false;
    }
    return true;
}

bool saveAll(tabulon::Component& c)
{
    const tabulon::ExportResult r = tabulon::SaveReportPages(c);
    const QString folder = tabulon::NativePath(c.state.SystemPath + QStringLiteral("ReportFile\\Rpic\\"));
    // Pages that failed were reported page by page, as the window reports them; the
    // summary names them.
    QTextStream out(stdout);
    out << "Saved " << r.saved << " page image(s) in " << folder;
    if (!r.skipped.empty())
        out << "; " << PageListText(r.skipped) << " could not be drawn and " << (r.skipped.size() == 1 ? "was" : "were")
            << " skipped";
    out << RunLossesText(r.stopped, r.interruptedBy) << "\n";
    out.flush();
    if (r.interruptedBy != 0)
        tabulon::EndProcessForSignal(r.interruptedBy);
    return r.complete();
}

}  // namespace

std::unique_ptr<tabulon::MessageBox> MakeHostMessageBox()
{
    return std::make_unique<PrintingMessageBox>();
}

int RunHostAutomation(tabulon::Component& c, const HostOptions& options)
{
    int status = 0;
    const bool loaded = options.loadFile.isEmpty() || loadFile(c, options.loadFile);
    if (!loaded)
        status = 1;
    if (loaded && options.saveAll && !saveAll(c))
        status = 1;
    if (loaded && !options.printPdf.isEmpty() && PrintLoadedReportToPdf(c, options.printPdf, options.printPages) != 0)
        status = 1;
    if (options.quit) {
        if (tabulon::frmReportOutPut* w = c.existingWindow()) {
            // Closing writes the settings; a box shown meanwhile tells that the write failed.
            const int before = boxesShown(c);
            w->close();
            if (boxesShown(c) != before)
                status = 1;
        }
    }
    // The pages of a file read only in part were output as far as its data went: never a
    // success. Said last, so the run's final line tells why it ends with 1.
    if (loaded && c.state.ReadInPart) {
        QTextStream(stderr) << "tabulon-host: exit status 1: the data file " << QFileInfo(options.loadFile).fileName()
                            << " was read only in part (the reader refused it), so its report is not complete\n";
        status = 1;
    }
    return status;
}
