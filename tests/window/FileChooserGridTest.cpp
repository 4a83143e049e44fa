#include "window/FileChooserGrid.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tabulon;

namespace {

using Grid = FileChooserGrid;

// A folder holding the given files; folder() is its system-style text as typed (no "\").
struct Folder {
    explicit Folder(const QStringList& names)
    {
        for (const QString& name : names) {
            QFile f(dir.path() + u'/' + name);
            f.open(QIODevice::WriteOnly);
        }
    }
    QString folder() const { return dir.path(); }
    QTemporaryDir dir;
};

QStringList Column(const Grid& g, int col, int rows)
{
    QStringList out;
    for (int r = 1; r <= rows; ++r)
        out << g.cell(r, col);
    return out;
}

const QStringList ThreeFiles{"A54511-200303.TXT", "A50001-200301.TXT", "A53000-200302.TXT"};

}  // namespace

TEST(FileChooserGrid, ListsTheFilesOfTheFolder)
{
    Folder f(ThreeFiles);
    Grid g(1);
    EXPECT_EQ(g.heading(3), "年月");
    g.RefreshFileList(f.folder());

    EXPECT_EQ(g.folder(), f.folder() + u'\\');
    EXPECT_EQ(g.rowCount(), 21);
    EXPECT_EQ(g.status(), "当前目录下共3个A文件");
    EXPECT_EQ(Column(g, Grid::NumberColumn, 4), (QStringList{"1", "2", "3", ""}));
    EXPECT_EQ(Column(g, Grid::NameColumn, 3),
              (QStringList{"A50001-200301.TXT", "A53000-200302.TXT", "A54511-200303.TXT"}));
    EXPECT_EQ(g.cell(3, Grid::StationColumn), "54511");
    EXPECT_EQ(g.cell(3, Grid::DateColumn), "2003年03月");
    EXPECT_EQ(g.cell(3, Grid::MarkColumn), "");
    EXPECT_EQ(g.cell(20, Grid::NameColumn), "");
    EXPECT_FALSE(g.okEnabled());
}

TEST(FileChooserGrid, RowCountFollowsTheNumberOfFiles)
{
    QStringList many;
    for (int i = 1; i <= 21; ++i)
        many << QStringLiteral("A%1-200303.TXT").arg(50000 + i);
    Folder f(many);
    Grid g(1);
    g.RefreshFileList(f.folder());
    EXPECT_EQ(g.rowCount(), 22);
    EXPECT_EQ(g.cell(21, Grid::NumberColumn), "21");

    Folder empty({});
    g.RefreshFileList(empty.folder());
    EXPECT_EQ(g.rowCount(), 21);
    EXPECT_EQ(g.status(), "当前目录下没有A文件");
    EXPECT_EQ(g.cell(1, Grid::NameColumn), "");

    g.RefreshFileList(empty.folder() + QStringLiteral("/missing"));
    EXPECT_EQ(g.status(), "当前目录下没有A文件");
}

TEST(FileChooserGrid, YearlyFilesShowTheYear)
{
    Folder f({"Y54511-2003.TXT", "Y54511-2004-1.TXT", "Y54511-2005-9.TXT"});
    Grid g(3);
    EXPECT_EQ(g.heading(3), "年份");
    g.RefreshFileList(f.folder());
    EXPECT_EQ(g.status(), "当前目录下共2个Y文件");
    EXPECT_EQ(g.cell(1, Grid::DateColumn), "2003年");
    EXPECT_EQ(g.cell(2, Grid::StationColumn), "54511");
}

TEST(FileChooserGrid, ChoosingByNameAndTogglingByMark)
{
    Folder f(ThreeFiles);
    Grid g(1);
    g.RefreshFileList(f.folder() + u'\\');

    g.ClickCell(2, Grid::NameColumn);
    EXPECT_EQ(g.cell(2, Grid::MarkColumn), "√");
    EXPECT_EQ(g.chosenName(), "A53000-200302.TXT");
    EXPECT_EQ(g.status(), "您选取了" + f.folder() + "\\A53000-200302.TXT文件");
    EXPECT_TRUE(g.okEnabled());
    EXPECT_EQ(g.highlightedRow(), 2);

    // A name click always chooses; the old mark goes.
    g.ClickCell(1, Grid::NameColumn);
    EXPECT_EQ(Column(g, Grid::MarkColumn, 3), (QStringList{"√", "", ""}));
    g.ClickCell(1, Grid::NameColumn);
    EXPECT_EQ(g.cell(1, Grid::MarkColumn), "√");
    EXPECT_TRUE(g.okEnabled());

    // The mark column toggles.
    g.ClickCell(1, Grid::MarkColumn);
    EXPECT_EQ(g.cell(1, Grid::MarkColumn), "");
    EXPECT_FALSE(g.okEnabled());
    g.ClickCell(3, Grid::MarkColumn);
    EXPECT_EQ(Column(g, Grid::MarkColumn, 3), (QStringList{"", "", "√"}));
    EXPECT_EQ(g.chosenName(), "A54511-200303.TXT");
    EXPECT_TRUE(g.okEnabled());

    // Number, station and date cells only disable OK; the mark stays.
    for (int col : {Grid::NumberColumn, Grid::StationColumn, Grid::DateColumn}) {
        g.ClickCell(3, Grid::MarkColumn);
        g.ClickCell(3, Grid::MarkColumn);
        ASSERT_TRUE(g.okEnabled());
        g.ClickCell(3, col);
        EXPECT_FALSE(g.okEnabled()) << col;
        EXPECT_EQ(g.cell(3, Grid::MarkColumn), "√");
    }

    // Empty rows choose nothing.
    g.ClickCell(10, Grid::NameColumn);
    EXPECT_FALSE(g.okEnabled());
    EXPECT_EQ(g.chosenName(), "A54511-200303.TXT");
}

TEST(FileChooserGrid, AFolderChangeClearsTheChoice)
{
    Folder first(ThreeFiles);
    Folder second({"A59999-200303.TXT"});
    Grid g(1);
    g.RefreshFileList(first.folder());
    g.ClickCell(1, Grid::NameColumn);
    ASSERT_TRUE(g.okEnabled());

    g.RefreshFileList(second.folder());
    EXPECT_FALSE(g.okEnabled());
    EXPECT_EQ(g.chosenName(), "");
    EXPECT_EQ(g.cell(1, Grid::MarkColumn), "");
    EXPECT_EQ(g.status(), "当前目录下共1个A文件");
}

TEST(FileChooserGrid, DoubleClickLoadsOnlyAListedName)
{
    Folder f(ThreeFiles);
    Grid g(1);
    g.RefreshFileList(f.folder());
    EXPECT_FALSE(g.DoubleClickCell(5, Grid::NameColumn));
    EXPECT_FALSE(g.okEnabled());
    EXPECT_FALSE(g.DoubleClickCell(2, Grid::StationColumn));
    EXPECT_EQ(g.cell(2, Grid::MarkColumn), "");

    g.ClickCell(2, Grid::NameColumn);   // the click that precedes every double click
    EXPECT_TRUE(g.DoubleClickCell(2, Grid::NameColumn));
    EXPECT_EQ(g.chosenName(), "A53000-200302.TXT");
    EXPECT_EQ(g.cell(2, Grid::MarkColumn), "√");
}

TEST(FileChooserGrid, MouseMoveHighlightsDataRowsOnly)
{
    Folder f(ThreeFiles);
    Grid g(1);
    g.RefreshFileList(f.folder());
    g.MouseMove(3, Grid::DateColumn);
    EXPECT_EQ(g.highlightedRow(), 3);
    EXPECT_EQ(g.currentRow(), 3);
    g.MouseMove(0, Grid::StationColumn);   // over the headings
    EXPECT_EQ(g.highlightedRow(), 3);
    EXPECT_EQ(g.currentCol(), Grid::StationColumn);
}

TEST(FileChooserGrid, HeadingClickSortsAscendingThenDescending)
{
    Folder f({"A54511-200303.TXT", "A50001-200305.TXT", "A53000-200301.TXT"});
    Grid g(1);
    g.RefreshFileList(f.folder());
    g.ClickCell(1, Grid::NameColumn);   // A50001-200305, number 1

    g.ClickHeading(Grid::DateColumn);
    EXPECT_EQ(Column(g, Grid::DateColumn, 3), (QStringList{"2003年01月", "2003年03月", "2003年05月"}));
    EXPECT_EQ(Column(g, Grid::NumberColumn, 3), (QStringList{"2", "3", "1"}));
    EXPECT_EQ(Column(g, Grid::MarkColumn, 3), (QStringList{"", "", "√"}));
    EXPECT_EQ(g.cell(4, Grid::NameColumn), "");

    g.ClickHeading(Grid::StationColumn);
    EXPECT_EQ(Column(g, Grid::StationColumn, 3), (QStringList{"54511", "53000", "50001"}));
    EXPECT_EQ(g.chosenName(), "A50001-200305.TXT");
    EXPECT_EQ(g.cell(3, Grid::MarkColumn), "√");

    // Number and mark headings do nothing.
    g.ClickHeading(Grid::NumberColumn);
    g.ClickHeading(Grid::MarkColumn);
    EXPECT_EQ(Column(g, Grid::StationColumn, 3), (QStringList{"54511", "53000", "50001"}));
}

TEST(FileChooserGrid, HeadingClickWithOneOrNoFileSortsNothing)
{
    Folder one({"A54511-200303.TXT"});
    Grid g(1);
    g.RefreshFileList(one.folder());
    g.ClickHeading(Grid::NameColumn);
    EXPECT_EQ(g.cell(1, Grid::NameColumn), "A54511-200303.TXT");
    EXPECT_EQ(g.heading(Grid::NameColumn), "文件名");

    Folder none({});
    g.RefreshFileList(none.folder());
    g.ClickHeading(Grid::NameColumn);
    EXPECT_EQ(g.heading(Grid::NameColumn), "文件名");
    EXPECT_EQ(g.heading(Grid::NumberColumn), "序号");
    EXPECT_EQ(g.cell(1, Grid::NameColumn), "");
}

TEST(FileChooserGrid, AFullGridSortsEveryRow)
{
    QStringList twenty;
    for (int i = 1; i <= 20; ++i)
        twenty << QStringLiteral("A%1-200303.TXT").arg(50000 + i);
    Folder f(twenty);
    Grid g(1);
    g.RefreshFileList(f.folder());
    g.ClickHeading(Grid::NameColumn);   // ascending: already in order
    g.ClickHeading(Grid::NameColumn);   // descending
    EXPECT_EQ(g.cell(1, Grid::StationColumn), "50020");
    EXPECT_EQ(g.cell(20, Grid::StationColumn), "50001");
    EXPECT_EQ(g.heading(Grid::NameColumn), "文件名");
}
