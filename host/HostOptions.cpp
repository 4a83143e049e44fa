#include "HostOptions.h"

#include "PrintToPdfOption.h"

#include <QFileInfo>

std::optional<HostOptions> ParseHostOptions(const QStringList& args, QString& error)
{
    HostOptions o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size()) {
                error = a + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            return args[++i];
        };
        // A file option given an empty name would otherwise be skipped without a word.
        const auto fileName = [&]() -> std::optional<QString> {
            std::optional<QString> v = value();
            if (v && v->isEmpty()) {
                error = a + QStringLiteral(" needs a file name");
                return std::nullopt;
            }
            return v;
        };
        if (a == u"--report") {
            auto v = value();
            if (!v)
                return std::nullopt;
            if (*v != u"month" && *v != u"radiation" && *v != u"year") {
                error = QStringLiteral("--report takes month, radiation or year");
                return std::nullopt;
            }
            o.report = *v;
        } else if (a == u"--sys") {
            auto v = value();
            if (!v)
                return std::nullopt;
            o.systemFolder = *v;
        } else if (a == u"--data") {
            auto v = value();
            if (!v)
                return std::nullopt;
            o.dataFolder = *v;
        } else if (a == u"--load") {
            auto v = fileName();
            if (!v)
                return std::nullopt;
            o.loadFile = *v;
        } else if (a == u"--save-all") {
            o.saveAll = true;
        } else if (a == u"--quit") {
            o.quit = true;
        } else if (a == u"--print-pdf") {
            auto v = fileName();
            if (!v)
                return std::nullopt;
            // The job files are named after it ("out.pdf" -> "out-1.pdf"): a folder would
            // give "-1.pdf" files inside it.
            if (v->endsWith(u'/') || v->endsWith(u'\\') || QFileInfo(*v).isDir()) {
                error = QStringLiteral("--print-pdf needs a file name, not a folder: ") + *v;
                return std::nullopt;
            }
            o.printPdf = *v;
        } else if (a == u"--pages") {
            auto v = value();
            if (!v)
                return std::nullopt;
            if (!ParsePageList(*v, o.printPages)) {
                error = QStringLiteral("--pages takes page numbers and ranges such as 1,3,5-7");
                return std::nullopt;
            }
        } else {
            error = QStringLiteral("unknown option ") + a;
            return std::nullopt;
        }
    }
    if (!o.printPages.empty() && o.printPdf.isEmpty()) {
        error = QStringLiteral("--pages needs --print-pdf");
        return std::nullopt;
    }
    if (o.systemFolder.isEmpty()) {
        error = QStringLiteral("--sys is required");
        return std::nullopt;
    }
    // The host software passes its system folder with a trailing separator.
    if (!o.systemFolder.endsWith(u'/') && !o.systemFolder.endsWith(u'\\'))
        o.systemFolder += u'/';
    return o;
}

QString HostUsage()
{
    return QStringLiteral(
        "usage: tabulon-host --sys SYSTEM_FOLDER [--data DATA_FOLDER] [--report month|radiation|year]\n"
        "                    [--load DATA_FILE] [--save-all] [--print-pdf FILE [--pages LIST]] [--quit]\n"
        "  --load FILE   load this data file as the file chooser would\n"
        "  --save-all    save every page as an image, answering the confirmation Yes\n"
        "  --print-pdf FILE  print pages as the print dialog does, each page a job written to\n"
        "                its own PDF file (FILE out.pdf -> out-1.pdf, out-2.pdf, ...)\n"
        "  --pages LIST  the pages to print, e.g. 1,3,5-7 (default: every page)\n"
        "  --quit        close the report window when the steps above are done\n");
}
