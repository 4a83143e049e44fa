#include "PrintToPdfOption.h"

#include "platform/RunInterruption.h"
#include "report/Component.h"
#include "window/PrintRun.h"

#include <QStringList>
#include <QTextStream>
#include <algorithm>

bool ParsePageList(const QString& text, std::vector<int>& pages)
{
    constexpr int MostPages = 1000;
    std::vector<int> parsed;
    for (const QString& part : text.split(u',')) {
        const QStringList bounds = part.trimmed().split(u'-');
        if (bounds.size() > 2)
            return false;
        bool okFirst = false;
        bool okLast = true;
        const int first = bounds[0].toInt(&okFirst);
        const int last = bounds.size() == 2 ? bounds[1].toInt(&okLast) : first;
        if (!okFirst || !okLast || first < 1 || last < first || last > MostPages)
            return false;
        for (int p = first; p <= last; ++p)
            parsed.push_back(p);
    }
    std::sort(parsed.begin(), parsed.end());
    parsed.erase(std::unique(parsed.begin(), parsed.end()), parsed.end());
    pages = std::move(parsed);
    return true;
}

QString PageListText(const std::vector<int>& pages)
{
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page);
    return (pages.size() == 1 ? QStringLiteral("page ") : QStringLiteral("pages ")) + numbers.join(QStringLiteral(", "));
}

QString RunLossesText(const std::vector<int>& stopped, int interruptedBy)
{
    QString text;
    if (!stopped.empty())
        text += QStringLiteral("; ") + PageListText(stopped) + QStringLiteral(" stopped on an error");
    if (interruptedBy != 0)
        text += QStringLiteral("; ") + tabulon::InterruptedText(interruptedBy);
    return text;
}

int PrintLoadedReportToPdf(tabulon::Component& c, const QString& pdfPath, const std::vector<int>& pages)
{
    std::vector<int> chosen = pages;
    if (chosen.empty())
        for (int p = 1; p <= c.state.PageCount; ++p)
            chosen.push_back(p);
    const tabulon::PdfPrintRun run = tabulon::PrintPagesToPdf(c, pdfPath, chosen);
    if (!run.refused.isEmpty()) {
        QTextStream(stderr) << "tabulon-host: " << run.refused << "\n";
        return 1;
    }
    // Every loss has been told in the component's error box already; the summary names them.
    QTextStream out(stdout);
    out << "Printed " << run.files.size() << " of " << chosen.size() << " page(s)"
        << RunLossesText(run.stoppedPages, run.interruptedBy) << "\n";
    for (const QString& f : run.files)
        out << "  " << f << "\n";
    out.flush();
    if (!run.lostJobs.isEmpty())
        QTextStream(stderr) << "tabulon-host: " << run.lostJobs.join(u'\n') << "\n";
    if (run.interruptedBy != 0)
        tabulon::EndProcessForSignal(run.interruptedBy);
    return run.any() ? 1 : 0;
}
