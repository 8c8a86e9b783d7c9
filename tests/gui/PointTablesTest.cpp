// The point tables through the window: copying to the clipboard, the xy values page, ordering, deleting
// with the keys and the popup, backup and restore.
#include <fxkeys.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "CalibratedPicture.h"

using namespace CommandId;

namespace {
std::string text(Table_qvx1 *table, int row, int column) {
    return table->getItemText(row, column).text();
}

std::string clipboardText(Ordinax *win) {
    FXString clip;
    if (!win->getDNDData(FROM_CLIPBOARD, FXWindow::utf8Type, clip))
        return "<nothing>";
    return clip.text();
}

// Three points with X 1, 2, 3 and Y 10, 20, 30 on the calibrated picture.
void addThreePoints(Ordinax *win) {
    for (int k = 1; k <= 3; k++)
        addPoint(win, 20 + 16 * k, 130 - 12 * k);
}

void fillPointRows(Ordinax *win, const std::vector<std::vector<const char *>> &rows) {
    for (size_t r = 0; r < rows.size(); r++)
        for (size_t c = 0; c < rows[r].size(); c++)
            win->curvePointsTable->setCellText(int(r), int(c), rows[r][c]);
}

long pressKey(Table_qvx1 *table, FXuint code, FXuint state = 0) {
    FXEvent event;
    event.type = SEL_KEYPRESS;
    event.code = code;
    event.state = state;
    return table->handle(table, FXSEL(SEL_KEYPRESS, 0), &event);
}
} // namespace

TEST_F(GuiTest, CopyingPointsPutsTabSeparatedLinesOnTheClipboard) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    addThreePoints(win);
    ASSERT_EQ(text(win->curvePointsTable, 0, 0), "1.00000");
    struct Case {
        FXSelector id;
        const char *diff; // "% diff" of row 1, or nullptr
        std::string clip;
    } cases[] = {
        {ID_COPY_TABLE, nullptr, "1.00000\t10.0000\n2.0000\t20.000\n3.0000\t30.000\n"},
        {ID_COPY_X, nullptr, "1.00000\n2.0000\n3.0000\n"},
        {ID_COPY_Y, nullptr, "10.0000\n20.000\n30.000\n"},
        {ID_COPY_TABLE, "0.5", "1.00000\t10.0000\t\n2.0000\t20.000\t0.5\n3.0000\t30.000\t\n"},
    };
    for (const Case &c : cases) {
        if (c.diff)
            win->curvePointsTable->setCellText(1, 2, c.diff);
        win->handle(win->copyTableButtons[0], FXSEL(SEL_COMMAND, c.id), nullptr);
        EXPECT_EQ(clipboardText(win), c.clip) << c.id;
    }

    // Another program reads the same text from the X clipboard, in each offered text type.
    for (const char *type : {"UTF8_STRING", "STRING", "text/plain"})
        EXPECT_EQ(clipboardReadByOtherProgram(type), cases[3].clip) << type;

    win->moveToBackup();
    command(ID_COPY_TABLE);
    EXPECT_EQ(clipboardText(win), " ") << "an empty copy leaves a single space";
}

TEST_F(GuiTest, CopyingImagePointsIntoAFullXyTableKeepsWhatFitsAndWarns) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    win->numRowsInXYTable_LB->setCurrentItem(0);
    command(ID_XY_ROW_COUNT);
    ASSERT_EQ(win->xyValuesTable->getNumRows(), 100);
    struct Case {
        FXSelector id;
        int filledRows, points, firstCopied;
    } cases[] = {{ID_APPEND_IMAGE_XY, 95, 10, 95}, {ID_COPY_IMAGE_XY, 95, 105, 0}};
    for (const Case &c : cases) {
        win->clearXyTable();
        win->moveToBackup();
        for (int r = 0; r < c.filledRows; r++) {
            win->xyValuesTable->setCellText(r, 0, "7");
            win->xyValuesTable->setCellText(r, 1, "8");
        }
        for (int k = 0; k < c.points; k++)
            addPoint(win, 21 + k, 100);
        modals->seen.clear();
        modals->expect("OK");
        command(c.id);
        ASSERT_EQ(modals->seen.size(), 1u);
        EXPECT_EQ(modals->seen[0].caption, "Error Copying Data");
        EXPECT_EQ(modals->seen[0].text, "Too many points were selected, some were not copied.");
        EXPECT_EQ(win->xyValuesTable->getNumRows(), 100);
        for (int r = c.firstCopied; r < 100; r++) {
            EXPECT_EQ(text(win->xyValuesTable, r, 0), text(win->curvePointsTable, r - c.firstCopied, 0)) << r;
            EXPECT_EQ(text(win->xyValuesTable, r, 1), text(win->curvePointsTable, r - c.firstCopied, 1)) << r;
        }
        if (c.firstCopied > 0) {
            EXPECT_EQ(text(win->xyValuesTable, 0, 0), "7");
        }
    }
}

TEST_F(GuiTest, RowCountListResizesBothXyTables) {
    Ordinax *win = window();
    const struct { int entry, rows; } cases[] = {{11, 10000}, {0, 100}, {2, 1000}};
    for (const auto &c : cases) {
        win->numRowsInXYTable_LB->setCurrentItem(c.entry);
        command(ID_XY_ROW_COUNT);
        EXPECT_EQ(win->xyValuesTable->getNumRows(), c.rows);
        EXPECT_EQ(win->fitResultsTable->getNumRows(), c.rows);
    }
}

TEST_F(GuiTest, DeleteKeyAfterAnArrowSelectsTheNeighbouringRow) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    const struct {
        int startRow;
        FXuint arrow;
        int selectedAfterDelete;
    } cases[] = {{1, KEY_Down, 2}, {3, KEY_Up, 1}};
    for (const auto &c : cases) {
        win->moveToBackup();
        for (int k = 1; k <= 5; k++)
            addPoint(win, 20 + 16 * k, 100);
        Table_qvx1 *table = win->curvePointsTable;
        const int rows = table->getNumRows();
        const std::string movingUp = text(table, 3, 0);
        table->setCurrentItem(c.startRow, 0);
        EXPECT_EQ(pressKey(table, c.arrow), 1);
        EXPECT_EQ(table->getCurrentRow(), 2);
        EXPECT_TRUE(win->highlightShown);
        EXPECT_EQ(pressKey(table, KEY_Delete), 1);
        EXPECT_EQ(table->getNumRows(), rows - 1);
        EXPECT_EQ(text(table, 2, 0), movingUp) << "the row below moved up";
        EXPECT_TRUE(table->isRowSelected(c.selectedAfterDelete));
        EXPECT_EQ(win->lastPointRow(), 3);
    }
    Table_qvx1 *table = win->curvePointsTable;
    const int rows = table->getNumRows();
    table->setCurrentItem(10, 0);
    pressKey(table, KEY_Delete);
    EXPECT_EQ(table->getNumRows(), rows) << "Delete in an empty row does nothing";
    EXPECT_TRUE(modals->seen.empty());
}

TEST_F(GuiTest, DeletingWithoutASelectionShowsRowError) {
    Ordinax *win = window();
    for (FXSelector id : {ID_DELETE_POINT_ROWS, ID_DELETE_XY_ROWS}) {
        win->curvePointsTable->killSelection();
        win->xyValuesTable->killSelection();
        modals->seen.clear();
        modals->expect("OK");
        command(id);
        ASSERT_EQ(modals->seen.size(), 1u);
        EXPECT_EQ(modals->seen[0].caption, "Row Error");
        EXPECT_EQ(modals->seen[0].text, "Select 1 or more rows and try again.");
    }
    const int rows = win->xyValuesTable->getNumRows();
    win->xyValuesTable->selectRange(2, 4, 0, 1);
    command(ID_DELETE_XY_ROWS);
    EXPECT_EQ(win->xyValuesTable->getNumRows(), rows - 3);
}

TEST_F(GuiTest, OrderingMovesWholeRows) {
    Ordinax *win = window();
    fillPointRows(win, {{"3", "30", "", "103", "10.5000"},
                        {"1", "10", "", "101", "11.0000"},
                        {"2", "20", "", "102", "12.0000"}});
    win->orderPointsButton->enable();
    command(ID_ORDER_POINTS_X);
    Table_qvx1 *table = win->curvePointsTable;
    for (int r = 0; r < 3; r++) {
        EXPECT_EQ(text(table, r, 0), std::to_string(r + 1));
        EXPECT_EQ(text(table, r, 1), std::to_string(10 * (r + 1)));
        EXPECT_EQ(text(table, r, 3), std::to_string(101 + r));
    }
    EXPECT_EQ(text(table, 0, 4), "11.0000");
    EXPECT_EQ(std::string(table->getColumnText(0).text()), "X-value \xE2\x86\x93");
    EXPECT_EQ(std::string(win->orderPointsButton->getText().text()), "Order Points (x)");
    EXPECT_FALSE(win->orderPointsButton->isEnabled());

    fillPointRows(win, {{"1", "1", "-5"}, {"2", "2", "2"}, {"3", "3", "4"}});
    command(ID_ORDER_POINTS_BY_DIFF);
    EXPECT_EQ(text(table, 0, 2), "-5");
    EXPECT_EQ(text(table, 1, 2), "4");
    EXPECT_EQ(text(table, 2, 2), "2");
    EXPECT_EQ(text(table, 1, 0), "3");

    win->xyValuesTable->setCellText(0, 0, "2");
    win->xyValuesTable->setCellText(0, 1, "b");
    win->xyValuesTable->setCellText(1, 0, "1");
    win->xyValuesTable->setCellText(1, 1, "a");
    command(ID_ORDER_XY_BY_X);
    EXPECT_EQ(text(win->xyValuesTable, 0, 1), "a");
}

TEST_F(GuiTest, PasteOnTheXyPageReplacesTheTable) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    addThreePoints(win);
    command(ID_COPY_TABLE);
    win->mainTabs->setCurrent(1, TRUE);
    win->xyValuesTable->setCellText(5, 0, "9");
    win->xyValuesTable->setCellText(5, 1, "9");
    command(ID_PASTE);
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 2; c++)
            EXPECT_EQ(text(win->xyValuesTable, r, c), text(win->curvePointsTable, r, c));
    EXPECT_EQ(text(win->xyValuesTable, 5, 0), "") << "the table was cleared first";
}

TEST_F(GuiTest, ClearDataKeepsABackupThatRestoreBringsBack) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    EXPECT_EQ(win->curvePointsTable->getItemStipple(0, 0), STIPPLE_CROSSDIAG) << "hatched before data points";
    addThreePoints(win);
    ASSERT_TRUE(win->clearDataButton->isEnabled());
    ASSERT_TRUE(win->copyXButton->isEnabled());
    command(ID_CLEAR_DATA);
    EXPECT_EQ(win->lastPointRow(), -1);
    EXPECT_TRUE(win->restoreDataButton->isEnabled());
    EXPECT_FALSE(win->clearDataButton->isEnabled());
    EXPECT_FALSE(win->copyXButton->isEnabled());
    EXPECT_FALSE(win->copyImageXyButton->isEnabled());
    EXPECT_EQ(screenPixels(win), cleanWithReferenceMarkers(win)) << "the data markers are gone";

    command(ID_RESTORE_DATA);
    EXPECT_EQ(win->lastPointRow(), 2);
    EXPECT_EQ(text(win->curvePointsTable, 2, 0), "3.0000");
    EXPECT_FALSE(win->restoreDataButton->isEnabled());
    EXPECT_TRUE(win->clearDataButton->isEnabled());
    EXPECT_TRUE(win->copyTableButtons[1]->isEnabled());
    EXPECT_EQ(pixelAt(screenPixels(win), win, 36, 118), win->dataPointColor) << "the markers are back";
}

TEST_F(GuiTest, OrderWhenCopyingRelabelsTheCopyButtonsAndOrders) {
    Ordinax *win = window();
    win->autoOrderIncreasingWhenCopying_Chk->setCheck(TRUE);
    command(ID_ORDER_WHEN_COPYING);
    for (FXButton *b : {win->copyTableButtons[0], win->copyTableButtons[1], win->copyXyTableButton})
        EXPECT_EQ(std::string(b->getText().text()), "Copy table (O)");
    EXPECT_EQ(std::string(win->copyTableButtons[1]->getTipText().text()),
              "Copy the table x/y values.\nOrder the data in the table by the x-value before copying.");
    fillPointRows(win, {{"3", "30"}, {"1", "10"}, {"2", "20"}});
    command(ID_COPY_TABLE);
    EXPECT_EQ(clipboardText(win), "1\t10\n2\t20\n3\t30\n");
    win->autoOrderIncreasingWhenCopying_Chk->setCheck(FALSE);
    command(ID_ORDER_WHEN_COPYING);
    EXPECT_EQ(std::string(win->copyXyTableButton->getText().text()), "Copy table");
}

TEST_F(GuiTest, PercentDifferenceColumnOfTheXyTableTakesNoTyping) {
    Ordinax *win = window();
    const struct {
        int column;
        FXuint code, state;
        long swallowed;
    } cases[] = {{3, KEY_a, 0, 1},           {3, KEY_1, 0, 1},    {3, KEY_c, 0, 0},
                 {3, KEY_v, CONTROLMASK, 0}, {3, KEY_Left, 0, 0}, {0, KEY_a, 0, 0}};
    for (const auto &c : cases) {
        win->xyValuesTable->setCurrentItem(0, c.column);
        FXEvent event;
        event.type = SEL_KEYPRESS;
        event.code = c.code;
        event.state = c.state;
        EXPECT_EQ(win->handle(win->xyValuesTable, FXSEL(SEL_KEYPRESS, ID_XY_VALUES), &event), c.swallowed)
            << c.column << " " << c.code;
    }
}
