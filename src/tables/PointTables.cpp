// The point tables: the "Curve points" table of the Image page, its hidden backup, the xy values table and the
// fit results table. The tables are the data model; every cell is text.
#include "app/Ordinax.h"

using namespace CommandId;

namespace {
struct ColumnSpec {
    const char* title;
    int width;
};

void setColumns(Table_qvx1* table, std::initializer_list<ColumnSpec> columns) {
    int c = 0;
    for (const ColumnSpec& column : columns) {
        table->setColumnText(c, column.title);
        table->setColumnWidth(c, column.width);
        c++;
    }
    table->setRowHeaderWidth(40);
    table->setColumnHeaderHeight(24);
}

Table_qvx1* makeTable(FXComposite* parent, FXObject* target, FXSelector id, FXuint options, int rows, int columns,
                      int width = 0, int height = 0) {
    Table_qvx1* table = new Table_qvx1(parent, target, id, options, 0, 0, width, height);
    table->setTableSize(rows, columns);
    return table;
}
} // namespace

void Ordinax::buildCurvePointsTables(FXComposite* parent) {
    FXGroupBox* group = new FXGroupBox(parent, "Curve points", GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_Y);
    curvePointsTable = makeTable(group, this, ID_CURVE_POINTS,
                                 TABLE_READONLY | LAYOUT_FIX_WIDTH | LAYOUT_FILL_Y | TABLE_COL_SIZABLE, 1002, 5,
                                 40 + 80 + 80 + 40 + 20);
    setColumns(curvePointsTable, {{"X-value", 80}, {"Y-value", 80}, {"% diff", 40}, {"x px", 0}, {"y px", 0}});
    curvePointsBackup = makeTable(group, nullptr, 0, 0, 1002, 5);
    curvePointsBackup->hide();
}

void Ordinax::buildXyValuesTables(FXComposite* parent) {
    xyValuesTable = makeTable(parent, this, ID_XY_VALUES, LAYOUT_FIX_WIDTH | LAYOUT_FILL_Y, 1000, 4,
                              40 + 4 * 80 + 20);
    setColumns(xyValuesTable, {{"x", 80}, {"y", 80}, {"Fit y", 80}, {"% difference", 80}});
    xyValuesTable->setCurrentItem(0, 0);
    fitResultsTable = makeTable(parent, this, ID_FIT_RESULTS_TABLE, TABLE_READONLY | LAYOUT_FIX_WIDTH | LAYOUT_FILL_Y,
                                1000, 4, 40 + 4 * 80 + 20);
    setColumns(fitResultsTable, {{"x", 80}, {"y", 80}, {"Fit y", 80}, {"% diff", 80}});
}
