#pragma once
// The page-title lists of the three reports, and the page menus built from them.

#include <QString>
#include <QStringList>
#include <vector>

namespace tabulon {

// Comma-separated titles, title n belonging to page n.
extern const QString PageTitlesKind1;
extern const QString PageTitlesKind2;
extern const QString PageTitlesKind3;
extern const QString PageTitlesKind4;
extern const QString PageTitlesKind5;
extern const QString PageTitlesRadiation;
extern const QString PageTitlesYear;
// The radiation report of a class 2 or class 3 station shows fewer pages.
extern const QString PageTitlesRadiationClass2;
extern const QString PageTitlesRadiationClass3;
// The three monthly brief tables close every monthly surface report.
extern const QString MonthlyBriefTitles;

// The titles of every page of the loaded report, page 1 first; empty for a report or
// station kind outside the known values.
QStringList PageMenuTitles(int reportKind, int stationKind);

struct PageMenuItem {
    QString key;    // "p:n" in the PrevPage menu, "n:n" in the NextPage menu
    QString text;
};

struct PageMenus {
    std::vector<PageMenuItem> prev;   // pages before the current one, first page first
    std::vector<PageMenuItem> next;   // pages after the current one, up to the last title
};

// Both drop-down menus for the current page. Pages past the end of the title list are
// never listed, whatever the current page.
PageMenus BuildPageMenus(const QStringList& titles, int currentPage);

}  // namespace tabulon
