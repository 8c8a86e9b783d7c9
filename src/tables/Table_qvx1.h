// The program's table widget: period-only decimals, strict number test, numeric read-back, bounded paste,
// and a tip text per cell.
#pragma once
#include <fx.h>

#include <map>
#include <string>

class Table_qvx1 : public FXTable {
    FXDECLARE(Table_qvx1)
protected:
    Table_qvx1() {}

public:
    Table_qvx1(FXComposite* p, FXObject* tgt = nullptr, FXSelector sel = 0, FXuint opts = 0, FXint x = 0, FXint y = 0,
               FXint w = 0, FXint h = 0, FXint pl = DEFAULT_MARGIN, FXint pr = DEFAULT_MARGIN,
               FXint pt = DEFAULT_MARGIN, FXint pb = DEFAULT_MARGIN);

    // Stores the text with every "," turned into "."; all program code writes cells through this.
    void setCellText(FXint row, FXint column, const FXString& text, FXbool notify = FALSE);
    double getCellDouble(FXint row, FXint column) const;
    long getCellInt(FXint row, FXint column) const;
    bool isCellEmpty(FXint row, FXint column) const;
    bool isCellNumeric(FXint row, FXint column) const;
    std::string cellString(FXint row, FXint column) const;

    // Tip text of one cell, shown when the pointer rests on it (empty removes it).
    void setCellTip(FXint row, FXint column, const FXString& tip);
    FXString getCellTip(FXint row, FXint column) const;

    // Items of this table let their text be read without the copy that getItemText makes.
    FXTableItem* createItem(const FXString& text, FXIcon* icon, void* ptr) override;

    long onCmdPasteSel(FXObject*, FXSelector, void*);
    long onQueryTip(FXObject*, FXSelector, void*);
    // Pastes text at the top-left cell of the selection, as the paste command does with the clipboard's text.
    void pasteText(const std::string& text);

private:
    std::map<std::pair<FXint, FXint>, FXString> cellTips;
};
