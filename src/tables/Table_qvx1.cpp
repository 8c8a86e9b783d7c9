// The program's table widget.
#include "tables/Table_qvx1.h"

#include <FX88591Codec.h>
#include <FXUTF16Codec.h>

#include <algorithm>

#include "tables/NumberText.h"

namespace {
class Cell : public FXTableItem {
public:
    Cell(const FXString &text, FXIcon *icon, void *ptr) : FXTableItem(text, icon, ptr) {}
    const FXString &text() const { return label; }
};

// The item of a cell (every item of the table is made by createItem), or null outside the table or when empty.
const Cell *cellAt(const FXTable &table, FXint row, FXint column) {
    if (row < 0 || column < 0 || row >= table.getNumRows() || column >= table.getNumColumns())
        return nullptr;
    return dynamic_cast<const Cell *>(table.getItem(row, column));
}
} // namespace

FXDEFMAP(Table_qvx1)
Table_qvx1Map[] = {
    FXMAPFUNC(SEL_COMMAND, FXTable::ID_PASTE_SEL, Table_qvx1::onCmdPasteSel),
    FXMAPFUNC(SEL_QUERY_TIP, 0, Table_qvx1::onQueryTip),
};
FXIMPLEMENT(Table_qvx1, FXTable, Table_qvx1Map, ARRAYNUMBER(Table_qvx1Map))

Table_qvx1::Table_qvx1(FXComposite *p, FXObject *tgt, FXSelector sel, FXuint opts, FXint x, FXint y, FXint w,
                       FXint h, FXint pl, FXint pr, FXint pt, FXint pb)
    : FXTable(p, tgt, sel, opts, x, y, w, h, pl, pr, pt, pb) {
    setBackColor(p->getBackColor());
}

FXTableItem *Table_qvx1::createItem(const FXString &text, FXIcon *icon, void *ptr) {
    return new Cell(text, icon, ptr);
}

void Table_qvx1::setCellText(FXint row, FXint column, const FXString &text, FXbool notify) {
    const FXString stored = text.find(',') < 0 ? text : FXString(commasToPeriods(text.text()).c_str());
    // A refit rewrites thousands of cells, mostly with the text they hold: those are left alone, unrepainted.
    const Cell *cell = cellAt(*this, row, column);
    if (!notify && cell && cell->text() == stored)
        return;
    setItemText(row, column, stored, notify);
}

// Fits read every cell of tables of many thousand rows, so the text is taken from the item itself.
std::string Table_qvx1::cellString(FXint row, FXint column) const {
    const Cell *cell = cellAt(*this, row, column);
    return cell ? std::string(cell->text().text()) : std::string();
}

double Table_qvx1::getCellDouble(FXint row, FXint column) const {
    return parseNumber(cellString(row, column));
}

long Table_qvx1::getCellInt(FXint row, FXint column) const {
    return parseInteger(commasToPeriods(cellString(row, column)));
}

bool Table_qvx1::isCellEmpty(FXint row, FXint column) const {
    return isBlankText(cellString(row, column));
}

bool Table_qvx1::isCellNumeric(FXint row, FXint column) const {
    return isNumericText(cellString(row, column));
}

void Table_qvx1::setCellTip(FXint row, FXint column, const FXString &tip) {
    if (tip.empty())
        cellTips.erase({row, column});
    else
        cellTips[{row, column}] = tip;
}

FXString Table_qvx1::getCellTip(FXint row, FXint column) const {
    auto found = cellTips.find({row, column});
    return found == cellTips.end() ? FXString() : found->second;
}

long Table_qvx1::onQueryTip(FXObject *sender, FXSelector sel, void *ptr) {
    FXint x, y;
    FXuint buttons;
    getCursorPosition(x, y, buttons);
    FXint row = rowAtY(y), column = colAtX(x);
    FXString tip = row >= 0 && column >= 0 ? getCellTip(row, column) : FXString();
    if (!tip.empty() && (flags & FLAG_TIP)) {
        sender->handle(this, FXSEL(SEL_COMMAND, ID_SETSTRINGVALUE), &tip);
        return 1;
    }
    return FXTable::onQueryTip(sender, sel, ptr);
}

long Table_qvx1::onCmdPasteSel(FXObject *, FXSelector, void *) {
    if (!isEditable()) {
        getApp()->beep();
        return 1;
    }
    if (!isAnythingSelected())
        return 1;
    FXString text;
    // Types the clipboard may offer, best first; UTF-16 and Latin-1 bytes are converted to UTF-8 here.
    FXDragType types[] = {utf8Type, utf16Type, stringType, textType};
    for (FXDragType type : types) {
        if (getDNDData(FROM_CLIPBOARD, type, text)) {
            if (type == utf16Type)
                text = FXUTF16LECodec().mb2utf(text);
            if (type == stringType)
                text = FX88591Codec().mb2utf(text);
            break;
        }
    }
    pasteText(text.text());
    return 1;
}

void Table_qvx1::pasteText(const std::string &text) {
    if (!isAnythingSelected())
        return;
    FXint startRow = getSelStartRow(), startColumn = getSelStartColumn();
    PasteBlock block = splitPasteText(text, getNumRows());
    // Like the rows, the columns are cut to the table's count: a line of a million tabs must not make the
    // table a million columns wide.
    const int columns = std::min(block.columnCount, getNumColumns());
    if (block.rowCount == 0 || columns == 0)
        return;
    FXint endRow = startRow + block.rowCount - 1, endColumn = startColumn + columns - 1;
    if (endRow >= getNumRows())
        insertRows(getNumRows(), endRow - getNumRows() + 1, TRUE);
    if (endColumn >= getNumColumns())
        insertColumns(getNumColumns(), endColumn - getNumColumns() + 1, TRUE);
    for (int r = 0; r < block.rowCount; r++)
        for (int c = 0; c < columns; c++)
            setItemText(startRow + r, startColumn + c, block.cell(r, c).c_str());
    FXTableRange range;
    range.fm.row = startRow;
    range.fm.col = startColumn;
    range.to.row = endRow;
    range.to.col = endColumn;
    if (target)
        target->tryHandle(this, FXSEL(SEL_REPLACED, message), &range);
    selectRange(startRow, endRow, startColumn, endColumn, TRUE);
}
