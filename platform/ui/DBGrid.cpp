#include "platform/ui/DBGrid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QProxyStyle>
#include <QTableView>
#include <algorithm>

#include "platform/ui/DBControlConsts.h"
#include "platform/ui/Dialogs.h"

namespace {

QTableView* View(QWidget* w) { return static_cast<QTableView*>(w); }

Qt::Alignment QtAlignment(TAlignment a) {
    switch (a) {
        case taRightJustify:
            return Qt::AlignRight | Qt::AlignVCenter;
        case taCenter:
            return Qt::AlignCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Titles and cells keep two pixels from their edges, as the grids the forms were laid out for
// do; the toolkit's wider margins cut off titles that just fit their columns.
class TGridStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_HeaderMargin) return 2;
        if (metric == PM_FocusFrameHMargin) return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QColor QtColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// Lets a field read another row of its dataset for as long as it lives.
class TDisplayRecordScope {
public:
    TDisplayRecordScope(TDataSet& dataSet, int position) : FDataSet(dataSet) {
        FDataSet.SetDisplayRecord(position);
    }
    ~TDisplayRecordScope() { FDataSet.SetDisplayRecord(-1); }
    TDisplayRecordScope(const TDisplayRecordScope&) = delete;
    TDisplayRecordScope& operator=(const TDisplayRecordScope&) = delete;

private:
    TDataSet& FDataSet;
};
}  // namespace

class TDBGrid::TGridLink : public TDataLink {
public:
    explicit TGridLink(TDBGrid& grid) : FGrid(grid) {}

protected:
    void ActiveChanged() override { FGrid.LayoutChanged(); }
    void LayoutChanged() override { FGrid.LayoutChanged(); }
    void DataSetChanged() override { FGrid.DataChanged(); }
    void RecordChanged(TField*) override { FGrid.RowChanged(); }
    void EditingChanged() override { FGrid.RowChanged(); }
    void UpdateData() override { FGrid.CommitEditor(); }

private:
    TDBGrid& FGrid;
};

// The view's model: it asks the grid for everything, reading the dataset as the view paints.
class TDBGrid::TGridModel : public QAbstractTableModel {
public:
    explicit TGridModel(TDBGrid* grid, QObject* parent)
        : QAbstractTableModel(parent), FGrid(grid) {}
    void Detach() { FGrid = nullptr; }
    void Reset() {
        beginResetModel();
        endResetModel();
    }
    void RowChanged(int row) {
        if (!FGrid || row < 0 || row >= FGrid->RowCount()) return;
        Q_EMIT dataChanged(index(row, 0), index(row, std::max(columnCount() - 1, 0)));
        Q_EMIT headerDataChanged(Qt::Vertical, row, row);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return FGrid && !parent.isValid() ? FGrid->RowCount() : 0;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return FGrid && !parent.isValid() ? FGrid->VisibleColumnCount() : 0;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!FGrid || !index.isValid()) return {};
        TColumn* column = FGrid->VisibleColumn(index.column());
        switch (role) {
            case Qt::DisplayRole:
                return QString::fromStdString(FGrid->CellText(index.row(), index.column()));
            case Qt::TextAlignmentRole:
                return int(QtAlignment(column->Alignment()));
            case Qt::BackgroundRole:
                return QtColor(column->Color());
            default:
                return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (!FGrid) return {};
        if (orientation == Qt::Horizontal) {
            if (section < 0 || section >= FGrid->VisibleColumnCount()) return {};
            const TColumnTitle* title = FGrid->VisibleColumn(section)->Title();
            if (role == Qt::DisplayRole) return QString::fromStdString(title->Caption());
            if (role == Qt::TextAlignmentRole) return int(QtAlignment(title->Alignment()));
            return {};
        }
        if (role != Qt::DisplayRole || section != FGrid->CurrentRow()) return {};
        // The row indicator: the current record, and whether it is being edited or inserted.
        switch (FGrid->DataSource()->State()) {
            case dsInsert:
                return QStringLiteral("*");
            case dsEdit:
                return QStringLiteral("I");
            default:
                return QString::fromUtf8("\xE2\x96\xB6");
        }
    }

private:
    TDBGrid* FGrid;
};

TDBGrid::TDBGrid(TComponent* owner)
    : TWinControl(owner, new QTableView),
      FLink(std::make_unique<TGridLink>(*this)),
      FColumns(std::make_unique<TDBGridColumns>([this] { LayoutChanged(); })) {
    QTableView* view = View(Widget());
    FModel = new TGridModel(this, view);
    view->setModel(FModel);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    auto* style = new TGridStyle;
    style->setParent(view);
    view->setStyle(style);
    view->horizontalHeader()->setStyle(style);
    view->verticalHeader()->setStyle(style);
    view->verticalHeader()->setDefaultSectionSize(18);
    view->verticalHeader()->setMinimumWidth(12);
    FViewEvents = new QObject(view);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, FViewEvents,
                     [this](const QModelIndex& current, const QModelIndex&) {
                         if (current.isValid()) CellChosen(current.row(), current.column());
                     });
    SetColor(clWindow);
    SetBounds(0, 0, 320, 120);
}

TDBGrid::~TDBGrid() {
    delete FViewEvents;
    FModel->Detach();
    FLink->SetDataSource(nullptr);
}

TDataSource* TDBGrid::DataSource() const { return FLink->DataSource(); }

void TDBGrid::SetDataSource(TDataSource* v) {
    CloseEditor();
    FLink->SetDataSource(v);
    LayoutChanged();
}

TColumn* TDBGrid::VisibleColumn(int index) const {
    return FColumns->Items(FVisibleColumns.at(size_t(index)));
}

TField* TDBGrid::SelectedField() const {
    if (FSelected < 0 || FSelected >= FColumns->Count()) return nullptr;
    return FColumns->Items(FSelected)->Field();
}

void TDBGrid::SetSelectedIndex(int index) {
    if (index < 0 || index >= FColumns->Count() || !FColumns->Items(index)->Visible()) return;
    if (index == FSelected) return;
    CommitEditor();
    CloseEditor();
    FSelected = index;
    ShowCurrentCell();
}

int TDBGrid::CurrentRow() const {
    if (!FLink->Active()) return -1;
    TDataSet* dataSet = FLink->DataSet();
    return dataSet->State() == dsInsert ? dataSet->InsertPosition() : dataSet->RecNo() - 1;
}

std::string TDBGrid::CellText(int row, int visibleColumn) const {
    if (!FLink->Active() || visibleColumn < 0 || visibleColumn >= VisibleColumnCount()) return {};
    TField* field = VisibleColumn(visibleColumn)->Field();
    if (!field) return {};
    if (row == CurrentRow()) {
        if (FEditorMode && FVisibleColumns[size_t(visibleColumn)] == FSelected) return FEditText;
        return field->DisplayText();
    }
    TDataSet& dataSet = *FLink->DataSet();
    const int inserted = dataSet.InsertPosition();
    const int position = inserted >= 0 && row > inserted ? row - 1 : row;
    // The view may paint while the controls are disabled and the records are changing.
    if (position < 0 || position >= dataSet.RecordCount()) return {};
    TDisplayRecordScope scope(dataSet, position);
    return field->DisplayText();
}

void TDBGrid::LayoutChanged() {
    std::vector<TField*> fields;
    if (FLink->Active())
        for (int i = 0; i < FLink->DataSet()->FieldCount(); ++i)
            fields.push_back(FLink->DataSet()->Fields(i));
    FColumns->Bind(fields);
    FVisibleColumns.clear();
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->Visible()) FVisibleColumns.push_back(i);
    if (std::find(FVisibleColumns.begin(), FVisibleColumns.end(), FSelected) ==
        FVisibleColumns.end()) {
        CloseEditor();
        FSelected = FVisibleColumns.empty() ? 0 : FVisibleColumns.front();
    }
    ShowRows();  // the editor stays: a new width or caption is no reason to drop typed text
    QTableView* view = View(Widget());
    for (int i = 0; i < VisibleColumnCount(); ++i)
        view->setColumnWidth(i, VisibleColumn(i)->Width());
}

void TDBGrid::DataChanged() {
    if (FSyncing == 0) CloseEditor();
    ShowRows();
}

void TDBGrid::ShowRows() {
    TDataSet* dataSet = FLink->Active() ? FLink->DataSet() : nullptr;
    FRowCount = !dataSet ? 0 : dataSet->RecordCount() + (dataSet->State() == dsInsert ? 1 : 0);
    ++FSyncing;
    FModel->Reset();
    --FSyncing;
    ShowCurrentCell();
}

void TDBGrid::RowChanged() { FModel->RowChanged(CurrentRow()); }

void TDBGrid::ShowCurrentCell() {
    const int row = CurrentRow();
    auto at = std::find(FVisibleColumns.begin(), FVisibleColumns.end(), FSelected);
    if (row < 0 || at == FVisibleColumns.end()) return;
    QTableView* view = View(Widget());
    const QModelIndex index = FModel->index(row, int(at - FVisibleColumns.begin()));
    ++FSyncing;
    view->setCurrentIndex(index);
    view->scrollTo(index);
    --FSyncing;
}

void TDBGrid::CellChosen(int row, int visibleColumn) {
    if (FSyncing > 0 || !FLink->Active()) return;
    Fire([&] {
        CommitEditor();
        CloseEditor();
        FSelected = FVisibleColumns.at(size_t(visibleColumn));
        TDataSet* dataSet = FLink->DataSet();
        const int current = CurrentRow();
        if (row == current) return;
        if (dataSet->State() == dsInsert) {
            // Leaving the new record posts it (or drops it untouched); its row goes away.
            const int target = row > current ? row - 1 : row;
            dataSet->CheckBrowseMode();
            if (dataSet->State() != dsInsert) dataSet->SetRecNo(target + 1);
        } else {
            dataSet->MoveBy(row - current);
        }
    });
    ShowCurrentCell();
}

bool TDBGrid::CanInsert() const {
    return !FReadOnly && FLink->Active() && !FLink->ReadOnly() && DataSource()->AutoEdit();
}

bool TDBGrid::CanEditCell() const {
    if (FReadOnly || !FLink->Active() || FLink->ReadOnly()) return false;
    if (FSelected < 0 || FSelected >= FColumns->Count()) return false;
    const TColumn* column = FColumns->Items(FSelected);
    if (column->ReadOnly() || !column->Field() || column->Field()->ReadOnly()) return false;
    return FLink->Editing() || DataSource()->AutoEdit();
}

bool TDBGrid::StartEdit() {
    if (!CanEditCell()) return false;
    if (FLink->Editing()) return true;
    ++FSyncing;  // starting the edit must not close the editor being opened
    struct TLeave {
        int& count;
        ~TLeave() { --count; }
    } leave{FSyncing};
    return FLink->Edit();
}

void TDBGrid::SetEditorMode(bool v) {
    if (v == FEditorMode) return;
    if (!v) {
        CommitEditor();
        CloseEditor();
        return;
    }
    if (!StartEdit()) return;
    FEditorMode = true;
    FEditModified = false;
    FEditText = SelectedField()->Text();
    RowChanged();
}

void TDBGrid::CommitEditor() {
    if (!FEditorMode || !FEditModified) return;
    TField* field = SelectedField();
    if (!field || !StartEdit()) {
        CloseEditor();
        return;
    }
    field->SetText(FEditText);  // the field's validation may refuse it: the editor stays
    FEditModified = false;
}

void TDBGrid::CloseEditor() {
    if (!FEditorMode) return;
    FEditorMode = false;
    FEditModified = false;
    FEditText.clear();
    RowChanged();
}

void TDBGrid::TypeChar(char c) {
    if (c == '\b') {
        if (FEditorMode && !FEditText.empty()) {
            FEditText.pop_back();
            FEditModified = true;
            RowChanged();
        }
        return;
    }
    if (!FEditorMode) {
        if (!StartEdit()) return;
        // Typing replaces the cell's text.
        FEditorMode = true;
        FEditText.clear();
    }
    FEditText += c;
    FEditModified = true;
    RowChanged();
}

void TDBGrid::MoveColumn(int step) {
    CommitEditor();
    CloseEditor();
    auto at = std::find(FVisibleColumns.begin(), FVisibleColumns.end(), FSelected);
    if (at == FVisibleColumns.end()) return;
    const int next = int(at - FVisibleColumns.begin()) + step;
    if (next >= 0 && next < VisibleColumnCount()) {
        FSelected = FVisibleColumns[size_t(next)];
        ShowCurrentCell();
    }
}

void TDBGrid::GoDown() {
    CommitEditor();
    CloseEditor();
    TDataSet* dataSet = FLink->DataSet();
    if (dataSet->State() == dsInsert && !dataSet->Modified()) return;  // one new row at a time
    dataSet->Next();
    if (dataSet->Eof() && CanInsert()) dataSet->Append();
}

void TDBGrid::GoUp() {
    CommitEditor();
    CloseEditor();
    TDataSet* dataSet = FLink->DataSet();
    if (dataSet->State() == dsInsert && !dataSet->Modified())
        dataSet->Cancel();
    else
        dataSet->Prior();
}

void TDBGrid::Escape() {
    if (FEditorMode && FEditModified) {
        CloseEditor();  // the first Esc drops the typed text only
        return;
    }
    CloseEditor();
    TDataSet* dataSet = FLink->DataSet();
    if (dataSet->State() == dsEdit || dataSet->State() == dsInsert) dataSet->Cancel();
}

void TDBGrid::DeleteRecord() {
    // Deleting is no edit of a cell: a source that does not start editing still allows it.
    TDataSet* dataSet = FLink->DataSet();
    if (FReadOnly || FLink->ReadOnly() || dataSet->IsEmpty()) return;
    if (MessageDlg(SDeleteRecordQuestion, mtConfirmation, {mbOK, mbCancel}) != mrOk) return;
    CloseEditor();
    dataSet->Delete();
}

void TDBGrid::KeyDown(int& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);  // OnKeyDown sees the key first and may take it
    if (key == 0 || !FLink->Active()) return;
    const bool back = shift.Contains(ssShift);
    switch (key) {
        case VK_DOWN:
            Fire([this] { GoDown(); });
            break;
        case VK_UP:
            Fire([this] { GoUp(); });
            break;
        case VK_LEFT:
            Fire([this] { MoveColumn(-1); });
            break;
        case VK_RIGHT:
            Fire([this] { MoveColumn(1); });
            break;
        case VK_TAB:
            Fire([this, back] {
                // At either end of the row Tab goes on to the next (or prior) record.
                auto at = std::find(FVisibleColumns.begin(), FVisibleColumns.end(), FSelected);
                const bool atEnd =
                    at == FVisibleColumns.end() ||
                    (back ? at == FVisibleColumns.begin() : at + 1 == FVisibleColumns.end());
                if (!atEnd) return MoveColumn(back ? -1 : 1);
                if (back) {
                    GoUp();
                    FSelected = FVisibleColumns.back();
                } else {
                    GoDown();
                    FSelected = FVisibleColumns.front();
                }
                ShowCurrentCell();
            });
            break;
        case VK_INSERT:
            if (!CanInsert()) return;
            Fire([this] {
                CommitEditor();
                CloseEditor();
                FLink->DataSet()->Insert();
            });
            break;
        case VK_RETURN:
        case VK_F2:
            // Keys with nothing to do here go on to the form (its default and cancel buttons).
            if (!FEditorMode && !CanEditCell()) return;
            Fire([this, key] {
                if (FEditorMode && key == VK_RETURN)
                    SetEditorMode(false);
                else
                    SetEditorMode(true);
            });
            break;
        case VK_ESCAPE:
            if (!FEditorMode && FLink->DataSet()->State() != dsEdit &&
                FLink->DataSet()->State() != dsInsert)
                return;
            Fire([this] { Escape(); });
            break;
        case VK_DELETE:
            if (!shift.Contains(ssCtrl)) return;
            Fire([this] { DeleteRecord(); });
            break;
        default:
            return;  // the view's own keys (pages, home, end) move through CellChosen
    }
    key = 0;
}

void TDBGrid::KeyPress(char& key) {
    TWinControl::KeyPress(key);
    if (key == 0 || !FLink->Active()) return;
    if (static_cast<unsigned char>(key) < 32 && key != '\b') return;
    Fire([this, c = key] { TypeChar(c); });
    key = 0;
}

void TDBGrid::ColorChanged() {
    TWinControl::ColorChanged();
    FColumns->FGridColor = Color();  // columns without a colour of their own take the grid's
    if (FModel) ShowRows();
}

void TDBGrid::DoExit() {
    Fire([this] {
        CommitEditor();
        CloseEditor();
    });
    TWinControl::DoExit();
}
