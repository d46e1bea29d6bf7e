#pragma once
// A grid of the records of a data source's dataset, one row per record and one column per
// visible column (see DBGridColumns.h). The current row follows the dataset's cursor, and
// moving the grid's current row moves the cursor (which posts an edited record first).
//
// Cells are edited in place through the field's edit text: typing starts the editor (putting
// the dataset into edit when the source allows), Enter or F2 opens it with the field's text,
// and the text is written through the field (with its validation) when the editor closes, the
// grid leaves the cell or the dataset posts. Keys reach OnKeyDown before the grid acts:
// Insert inserts a record before the current one; Down on the last row, and Tab at the end of
// it, append one; Up leaves an untouched new record; Esc drops the editor's text, and a second
// Esc cancels the record; Ctrl+Delete deletes the record after "Delete record?".
#include <memory>
#include <string>
#include <vector>

#include "platform/db/DataSource.h"
#include "platform/ui/Control.h"
#include "platform/ui/DBGridColumns.h"

class QObject;

class TDBGrid : public TWinControl {
    KV_DECLARE_CLASS(TDBGrid, TWinControl)
public:
    explicit TDBGrid(TComponent* owner);
    ~TDBGrid() override;

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    TDBGridColumns* Columns() const { return FColumns.get(); }
    // No cell can be edited and no record inserted or deleted.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v) { FReadOnly = v; }

    // The current column (an index into Columns) and its field.
    int SelectedIndex() const { return FSelected; }
    void SetSelectedIndex(int index);
    TField* SelectedField() const;

    // The in-place editor: open or not, and the text it holds.
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool v);
    const std::string& EditText() const { return FEditText; }

    // What the grid shows: rows (the stored records, plus the one being inserted), the visible
    // columns, the row of the cursor, and the text of a cell (column among the visible ones).
    int RowCount() const { return FRowCount; }
    int VisibleColumnCount() const { return int(FVisibleColumns.size()); }
    TColumn* VisibleColumn(int index) const;
    int CurrentRow() const;
    std::string CellText(int row, int visibleColumn) const;

protected:
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;
    void ColorChanged() override;

private:
    class TGridLink;
    class TGridModel;
    friend class TGridModel;

    void LayoutChanged();
    void DataChanged();
    void ShowRows();
    void RowChanged();
    void ShowCurrentCell();
    void CellChosen(int row, int visibleColumn);

    bool CanEditCell() const;
    bool CanInsert() const;
    bool StartEdit();
    // Writes the editor's text to the field; raises what the field raises.
    void CommitEditor();
    void CloseEditor();
    void MoveColumn(int step);
    void GoDown();
    void GoUp();
    void Escape();
    void DeleteRecord();
    void TypeChar(char c);

    std::unique_ptr<TGridLink> FLink;
    std::unique_ptr<TDBGridColumns> FColumns;
    TGridModel* FModel = nullptr;  // owned by the widget
    QObject* FViewEvents;          // the view's signals reach the grid while this lives
    std::vector<int> FVisibleColumns;
    int FRowCount = 0;
    int FSelected = 0;
    bool FReadOnly = false;
    bool FEditorMode = false;
    bool FEditModified = false;
    std::string FEditText;
    int FSyncing = 0;  // the grid is moving the dataset or the view itself
};
