#include "zelGrid.h"
#include "zelGridQuery.h"

#include "Canvas.h"
#include "Dialogs.h"
#include "GridRowFilter.h"
#include "Memo.h"

#include "../support/MemoPaste.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Plates and codes; rows are hidden by the filter, never removed.
struct TQueryFixture {
    TQueryFixture()
    {
        grid.SetColCount(3);
        grid.SetFixedCols(0);
        grid.SetDefaultRowHeight(20);
        const QStringList rows[] = {{"Plate", "Code", "Note"}, {"AB12", "99", "x"},   {"xab3", "100.5", "y"},
                                    {"CD4", "100", "x"},      {"ab", "abc", "z"},     {"EF", "7", "x"}};
        grid.SetRowCount(int(std::size(rows)));
        for (int r = 0; r < grid.RowCount(); ++r)
            grid.Rows(r).Assign(rows[r]);
    }
    // The data rows left visible, by their plate.
    QStringList Visible()
    {
        QStringList plates;
        for (int r = 1; r < grid.RowCount(); ++r)
            if (grid.RowHeights(r) > 0)
                plates << grid.Cells(0, r);
        return plates;
    }
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
};

} // namespace

TEST(QueryFilter, ConditionsHideTheRowsThatFailThem)
{
    TQueryFixture f;
    f.grid.QueryFilter(R"([Plate] contains "AB")", false);
    EXPECT_EQ(f.Visible(), QStringList({"AB12"}));
    f.grid.QueryFilter(R"([Plate] contains "AB")", true);
    EXPECT_EQ(f.Visible(), QStringList({"AB12", "xab3", "ab"}));
    EXPECT_EQ(f.grid.RowHeights(1), 20); // shown again at its measured height

    // Numbers compare as numbers; a text on either side compares by bytes.
    f.grid.QueryFilter(R"([Code] > "100")", false);
    EXPECT_EQ(f.Visible(), QStringList({"xab3", "ab"}));
    f.grid.QueryFilter(R"([Code] <= "100")", false);
    EXPECT_EQ(f.Visible(), QStringList({"AB12", "CD4", "EF"}));

    // Conditions joined by any words must all hold; operators in capitals read.
    f.grid.QueryFilter(R"(  [Note] = "x" and also [Code] NOT CONTAINS "9"  )", false);
    EXPECT_EQ(f.Visible(), QStringList({"CD4", "EF"}));
    f.grid.QueryFilter(R"([Note] <> "x")", false);
    EXPECT_EQ(f.Visible(), QStringList({"xab3", "ab"}));
    f.grid.QueryFilter("[Plate] >= \"CD4\" [Plate] < \"ab\"", false);
    EXPECT_EQ(f.Visible(), QStringList({"CD4", "EF"}));
    EXPECT_EQ(f.grid.RowHeights(0), 20);
    EXPECT_TRUE(f.dialogs.messages.isEmpty());
}

TEST(QueryFilter, MalformedQueriesApplyNothing)
{
    TQueryFixture f;
    f.grid.QueryFilter(R"([Note] = "x")", false);
    const QStringList before = f.Visible();
    for (const char* query :
         {"", "   ", R"([Note] = "x" and more)", R"([note] = "x")", R"([Note] = "x)", R"([Note] = x)",
          R"([Note] not  contains "x")", R"([] = "x")", R"([Note = "x")", R"([Note] like "x")"}) {
        EXPECT_FALSE(f.grid.ParseFilter(QString::fromUtf8(query), false)) << query;
        f.grid.QueryFilter(QString::fromUtf8(query), false);
        EXPECT_EQ(f.Visible(), before) << query;
    }

    // Nine conditions are applied; a tenth is too complex and applies nothing.
    QString nine;
    for (int i = 0; i < 9; ++i)
        nine += R"([Plate] <> "EF" )";
    f.grid.QueryFilter(nine, false);
    EXPECT_EQ(f.Visible(), QStringList({"AB12", "xab3", "CD4", "ab"}));
    f.grid.QueryFilter(nine + R"([Plate] = "EF")", false);
    EXPECT_EQ(f.Visible(), QStringList({"AB12", "xab3", "CD4", "ab"}));
    EXPECT_EQ(f.dialogs.messages, QStringList({"Filter too complex"}));
    EXPECT_EQ(GridRowFilter().Count, 0);

    f.grid.ShowAllRows();
    EXPECT_EQ(f.Visible().size(), 5);
}

TEST(QueryFilter, IgnoringCaseFoldsNonAsciiLetters)
{
    TQueryFixture f;
    f.grid.SetCells(0, 2, QStringLiteral("ÄÖ1"));
    f.grid.QueryFilter(QStringLiteral("[Plate] contains \"äö\""), true);
    EXPECT_EQ(f.Visible(), QStringList({QStringLiteral("ÄÖ1")}));
}

// Shown rows take the height of their visible texts word-wrapped in their
// columns, whether a text is vouched for as one line or laid out; hidden
// columns do not count.
TEST(QueryFilter, ShownRowsGetTheHeightOfTheirVisibleTexts)
{
    TQueryFixture f;
    f.grid.SetColWidths(0, 30);
    f.grid.SetColWidths(2, -1);
    f.grid.SetCells(2, 1, "a hidden note long enough to wrap in any column of this grid");
    const QString texts[] = {"", "AB12", "0x3019E2A", "0x3019E2A 1234ABCD 9F00", "0x3 12",
                             "a very long text that wraps in a narrow column", "two\nlines",
                             QStringLiteral("ÄÖÜ wide wide wide"), "=1+2", "9,5.1e-3", "x-y-z-w-v"};
    auto measured = [&](bool showValues) {
        TCanvas canvas;
        canvas.SetFont(f.grid.Font());
        int height = f.grid.DefaultRowHeight();
        for (int c : {0, 1}) {
            const QString text = f.grid.Cells(c, 1);
            QRect rect(0, 0, f.grid.ColWidths(c), f.grid.DefaultRowHeight());
            canvas.DrawText(showValues && text == "=1+2" ? "3" : text, rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            height = std::max(height, rect.height() + 1);
        }
        return height;
    };
    for (bool showValues : {false, true}) {
        f.grid.SetShowValues(showValues);
        for (const QString& text : texts) {
            for (int c : {0, 1}) {
                f.grid.SetCells(c, 1, text);
                f.grid.HideRow(1);
                f.grid.ShowAllRows();
                EXPECT_EQ(f.grid.RowHeights(1), measured(showValues)) << c << ": " << text.toStdString();
                f.grid.SetCells(c, 1, "x");
            }
        }
    }
}

TEST(QueryDialog, BuildsTheQueryByClicksAndFiltersTheGrid)
{
    TQueryFixture f;
    f.grid.show();
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TzelGridQueryF*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Query Builder");
        EXPECT_EQ(dialog->ListFields->count(), 3);
        EXPECT_EQ(dialog->ListOps->count(), 8);
        checked = dialog->chkIgnoreCase->isChecked();
        auto click = [](QListWidget* list, int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                              list->visualItemRect(list->item(row)).center());
        };
        click(dialog->ListFields, 0);
        click(dialog->ListOps, 6);
        QTest::keyClicks(dialog->QMemo, "ab"); // replaces the selected blank
        EXPECT_EQ(dialog->QMemo->toPlainText(), R"([Plate] contains "ab")");
        QTest::keyClick(dialog->QMemo, Qt::Key_End);
        QTest::keyClick(dialog->QMemo, Qt::Key_Return); // lines join with a blank
        QTest::keyClicks(dialog->QMemo, "and ");
        click(dialog->ListFields, 2);
        click(dialog->ListOps, 0);
        QTest::keyClicks(dialog->QMemo, "x");
        QTest::mouseClick(dialog->btnApply, Qt::LeftButton);
        EXPECT_EQ(f.Visible(), QStringList({"AB12"}));
        EXPECT_TRUE(dialog->isVisible()); // Apply keeps the dialog open
        dialog->grab().save("/tmp/zelgrid-query.png");
        QTest::mouseClick(dialog->btnShowAll, Qt::LeftButton);
        EXPECT_EQ(f.Visible().size(), 5);
        QTest::keyClick(dialog->QMemo, Qt::Key_Escape);
    });
    f.grid.ShowQueryDialog();
    EXPECT_TRUE(checked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QueryDialog, QueryBoxPastesEveryKindOfClipboardEveryWay)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    TQueryFixture f;
    f.grid.show();
    f.grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.grid));
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TzelGridQueryF*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        opened = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        QTest::mouseClick(dialog->QMemo->viewport(), Qt::LeftButton);
        ExpectPastesOfEveryClipboard(dialog->QMemo);
        QTest::keyClick(dialog->QMemo, Qt::Key_Escape);
    });
    QTest::keyClick(&f.grid, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(opened);
}
