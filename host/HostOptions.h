#pragma once
// The stand-in host's command line.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct HostOptions {
    QString report = QStringLiteral("month");   // month | radiation | year
    QString systemFolder;                       // passed with a trailing separator
    QString dataFolder;
    QString loadFile;          // automation: load this data file
    bool saveAll = false;      // automation: save every page as an image, answering Yes
    bool quit = false;         // automation: close the window when done
    QString printPdf;          // automation: print pages to PDF files named after this one
    std::vector<int> printPages;   // the pages to print; empty: every page
    bool automated() const { return !loadFile.isEmpty() || saveAll || quit || !printPdf.isEmpty(); }
};

// Returns nothing and fills `error` on a bad command line.
std::optional<HostOptions> ParseHostOptions(const QStringList& args, QString& error);

QString HostUsage();
