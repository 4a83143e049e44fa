#include "PrintToPdfOption.h"

#include "window/Component.h"
#include "window/PrintRun.h"

#include <QTextStream>
#include <algorithm>

namespace tabulon {

namespace {

// "1,3,5-7" -> 1, 3, 5, 6, 7; false on anything else.
bool ParsePageList(const QString& text, std::vector<int>& pages)
{
    for (const QString& part : text.split(u',')) {
        const QStringList bounds = part.trimmed().split(u'-');
        bool okFirst = false;
        bool okLast = false;
        const int first = bounds.value(0).toInt(&okFirst);
        const int last = bounds.size() == 2 ? bounds[1].toInt(&okLast) : first;
        if (!okFirst || (bounds.size() == 2 && !okLast) || bounds.size() > 2 || first < 1 || last < first
            || last > 1000)
            return false;
        for (int p = first; p <= last; ++p)
            pages.push_back(p);
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return true;
}

}  // namespace

PrintToPdfRequest ParsePrintToPdfOptions(const QStringList& arguments)
{
    PrintToPdfRequest request;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QStringLiteral("--print-pdf") || a == QStringLiteral("--pages")) {
            if (i + 1 >= arguments.size()) {
                request.error = a + QStringLiteral(" needs a value");
                return request;
            }
            const QString value = arguments[++i];
            if (a == QStringLiteral("--print-pdf")) {
                request.requested = true;
                request.pdfPath = value;
            } else if (!ParsePageList(value, request.pages)) {
                request.error = QStringLiteral("--pages: not a page list: ") + value;
                return request;
            }
        }
    }
    if (!request.requested && !request.pages.empty())
        request.error = QStringLiteral("--pages needs --print-pdf FILE");
    return request;
}

int RunPrintToPdf(Component& c, const PrintToPdfRequest& request)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!request.error.isEmpty()) {
        err << "tabulon-host: " << request.error << Qt::endl;
        return 2;
    }
    std::vector<int> pages = request.pages;
    if (pages.empty())
        for (int p = 1; p <= c.state.PageCount; ++p)
            pages.push_back(p);
    QString error;
    const QStringList files = PrintPagesToPdf(c, request.pdfPath, pages, error);
    if (!error.isEmpty()) {
        err << "tabulon-host: " << error << Qt::endl;
        return 2;
    }
    for (const QString& f : files)
        out << "printed " << f << Qt::endl;
    return 0;
}

}  // namespace tabulon
