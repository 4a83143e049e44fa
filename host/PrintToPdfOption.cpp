#include "PrintToPdfOption.h"

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

int PrintLoadedReportToPdf(tabulon::Component& c, const QString& pdfPath, const std::vector<int>& pages)
{
    std::vector<int> chosen = pages;
    if (chosen.empty())
        for (int p = 1; p <= c.state.PageCount; ++p)
            chosen.push_back(p);
    QString error;
    const QStringList files = tabulon::PrintPagesToPdf(c, pdfPath, chosen, error);
    QTextStream out(stdout);
    if (!files.isEmpty() || error.isEmpty()) {
        out << "Printed " << files.size() << " of " << chosen.size() << " page(s) as PDF files:\n";
        for (const QString& f : files)
            out << "  " << f << "\n";
    }
    out.flush();
    // A page that failed to draw has been reported already and is skipped, as when saving.
    if (!error.isEmpty()) {
        QTextStream(stderr) << "tabulon-host: " << error << "\n";
        return 1;
    }
    return 0;
}
