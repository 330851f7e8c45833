#pragma once
// The nine keyboard shortcuts of a grid's commands. Setters only store; the grid
// copies a whole mappings object on assignment.

#include "Keys.h"


class TGridKeyMappings {
public:
    // Loads the default shortcuts.
    TGridKeyMappings();

    TShortCut ColumnDelete() const { return columnDelete_; }
    void SetColumnDelete(TShortCut v) { columnDelete_ = v; }
    TShortCut ColumnInsert() const { return columnInsert_; }
    void SetColumnInsert(TShortCut v) { columnInsert_ = v; }
    TShortCut RowInsert() const { return rowInsert_; }
    void SetRowInsert(TShortCut v) { rowInsert_ = v; }
    TShortCut RowDelete() const { return rowDelete_; }
    void SetRowDelete(TShortCut v) { rowDelete_ = v; }
    TShortCut QueryDialog() const { return queryDialog_; }
    void SetQueryDialog(TShortCut v) { queryDialog_ = v; }
    TShortCut PrintPreview() const { return printPreview_; }
    void SetPrintPreview(TShortCut v) { printPreview_ = v; }
    TShortCut FormuleDialog() const { return formuleDialog_; }
    void SetFormuleDialog(TShortCut v) { formuleDialog_ = v; }
    TShortCut CellNamesDialog() const { return cellNamesDialog_; }
    void SetCellNamesDialog(TShortCut v) { cellNamesDialog_ = v; }
    TShortCut SetHeader() const { return setHeader_; }
    void SetSetHeader(TShortCut v) { setHeader_ = v; }

    friend bool operator==(const TGridKeyMappings&, const TGridKeyMappings&) = default;

private:
    TShortCut columnDelete_;
    TShortCut columnInsert_;
    TShortCut rowInsert_;
    TShortCut rowDelete_;
    TShortCut queryDialog_;
    TShortCut printPreview_;
    TShortCut formuleDialog_;
    TShortCut cellNamesDialog_;
    TShortCut setHeader_;
};
