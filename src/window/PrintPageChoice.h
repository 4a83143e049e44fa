#pragma once
// What the print dialog shows and chooses, apart from its widgets: the caption, the page
// list, the odd/even/all choice, the default orientation and the brief-table pages.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace tabulon {

class Component;

// "打印：" station "站" year "年" month "月月报表" (monthly reports), "打印：" station "站"
// year "年年报表" (yearly); an empty text for any other report kind (the caption stays).
QString PrintDialogCaption(const Component& c);

// The rows of the page list, row i being page i + 1. The monthly surface report lists its
// pages without the three brief tables (they have their own boxes); the radiation report
// lists the pages its station's class offers, as the preview does.
QStringList PrintPageTitles(const Component& c);

enum PageChoice { OddPages = 0, EvenPages = 1, AllPages = 2 };

struct PageChoiceRows {
    std::vector<int> rows;   // rows to select
    int currentRow = -1;     // row to make current; -1 when the list has no such row
};

// The rows an odd/even/all choice selects from a list of these titles. The cover (row 0)
// carries no number and takes part only in "all"; the last row is left out of odd and even
// only when it is a back cover, which carries no number either.
PageChoiceRows ChoosePages(int choice, const QStringList& titles);

// The orientation the dialog starts with for a paper kind: landscape for A4, B4 and A3,
// portrait for wide paper, none (keep the printer's) for any other.
std::optional<std::int16_t> DefaultOrientation(std::int16_t paperKind);

// The printer note: the paper's name, ":" and "竖打" (portrait) or "横打".
QString PrinterNote(const QString& paperText, std::int16_t orientation);

// The name of a paper kind as the report window lists it ("" outside 0..3).
QString PaperKindText(std::int16_t paperKind);

// Only the monthly surface report has brief tables.
bool HasBriefTables(std::int16_t reportKind);

// The page of brief table `box` (0..2): the last three pages of the report.
std::int16_t BriefTablePage(std::int16_t pageCount, int box);

}  // namespace tabulon
