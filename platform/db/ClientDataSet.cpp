#include "platform/db/ClientDataSet.h"

#include <algorithm>

#include "platform/db/DateTimeField.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/StrUtils.h"

TClientDataSet::TClientDataSet(TComponent* owner) : TDataSet(owner) {}

TClientDataSet::~TClientDataSet() {
    // Details first, while this dataset is whole; then close without the record keeper's help
    // being needed by the base destructor.
    for (TDataSet* detail : std::vector<TDataSet*>(FDetails))
        static_cast<TClientDataSet*>(detail)->SetDataSetField(nullptr);
    SetDataSetField(nullptr);
    BeforeClose = AfterClose = nullptr;
    if (Active()) Close();
}

void TClientDataSet::Publish(TPublisher<TClientDataSet>& p) {
    p.String("FileName", &TClientDataSet::FileName, &TClientDataSet::SetFileName).Default("");
    p.String("IndexName", &TClientDataSet::IndexName, &TClientDataSet::SetIndexName).Default("");
    p.Boolean("LogChanges", &TClientDataSet::LogChanges, &TClientDataSet::SetLogChanges)
        .Default(true);
}

// --- Structure ---

void TClientDataSet::CreateFieldsFromDefs() {
    if (FieldDefs().Count() == 0) throw EDatabaseError(SNoFieldDefs);
    for (int i = 0; i < FieldDefs().Count(); ++i) {
        const TFieldDef& def = FieldDefs().Items(i);
        TField* field = nullptr;
        switch (def.DataType()) {
            case ftString:
                field = AddField<TStringField>(def.Name(), def.Size());
                break;
            case ftSmallint:
                field = AddField<TSmallintField>(def.Name());
                break;
            case ftInteger:
                field = AddField<TIntegerField>(def.Name());
                break;
            case ftFloat:
                field = AddField<TFloatField>(def.Name());
                break;
            case ftDateTime:
                field = AddField<TDateTimeField>(def.Name());
                break;
            case ftMemo:
                field = AddField<TMemoField>(def.Name());
                break;
            case ftDataSet:
                field = AddField<TDataSetField>(def.Name());
                break;
            default:
                throw EDatabaseError("Field '" + def.Name() + "' is of an unknown type");
        }
        field->SetRequired(def.Required());
    }
}

std::shared_ptr<const TTableLayout> TClientDataSet::BuildLayout() {
    if (Active()) throw EDatabaseError(SDataSetOpen);
    if (FieldCount() == 0) CreateFieldsFromDefs();
    auto layout = std::make_shared<TTableLayout>();
    FieldDefs().Clear();
    for (int i = 0; i < FieldCount(); ++i) {
        TField* field = Fields(i);
        SetFieldNo(field, i);
        TColumnLayout column{field->FieldName(), field->DataType(), field->Size(),
                             field->Required(), nullptr};
        if (field->DataType() == ftDataSet) {
            TClientDataSet* nested = static_cast<TDataSetField*>(field)->NestedDataSet();
            column.Child = nested ? nested->BuildLayout() : std::make_shared<TTableLayout>();
        }
        FieldDefs().Add(column.Name, column.DataType, column.Size, column.Required);
        layout->Columns.push_back(std::move(column));
    }
    for (int i = 0; i < FIndexDefs.Count(); ++i) {
        const TIndexDef& def = FIndexDefs.Items(i);
        TIndexLayout index;
        index.Name = def.Name();
        for (const std::string& name : SplitFieldNames(def.Fields()))
            index.Columns.push_back(FieldByName(name)->FieldNo());
        index.Unique = (def.Options() & (ixUnique | ixPrimary)) != 0;
        index.CaseInsensitive = (def.Options() & ixCaseInsensitive) != 0;
        index.Descending = (def.Options() & ixDescending) != 0;
        layout->Indexes.push_back(std::move(index));
    }
    FLayout = layout;
    return layout;
}

int TClientDataSet::ResolveOrder(const std::string& indexName) const {
    if (indexName.empty()) return 0;
    if (FLayout)
        for (size_t i = 0; i < FLayout->Indexes.size(); ++i)
            if (AnsiSameText(FLayout->Indexes[i].Name, indexName)) return static_cast<int>(i) + 1;
    throw EDatabaseError(IndexNotFoundMessage(indexName));
}

void TClientDataSet::SetIndexName(const std::string& name) {
    if (!Active()) {
        FIndexName = name;
        return;
    }
    CheckBrowseMode();
    FOrder = ResolveOrder(name);
    FIndexName = name;
    // The same record stays current; only its position changes.
    DataEvent(deDataSetChange, 0);
}

void TClientDataSet::CreateDataSet() {
    CreateDataSet([](TRecordStore&) {});
}

void TClientDataSet::CreateDataSet(const std::function<void(TRecordStore&)>& fill) {
    if (Active()) throw EDatabaseError(SDataSetOpen);
    if (FDataSetField) throw EDatabaseError("A nested table is created with its master");
    auto store = std::make_unique<TRecordStore>(BuildLayout());
    fill(*store);
    FOwnStore = std::move(store);
    Open();
}

void TClientDataSet::InternalOpen() {
    if (FDataSetField) {
        TClientDataSet* master = Master();
        if (!master || !master->Active()) throw EDatabaseError(SDataSetClosed);
    } else if (!FOwnStore) {
        throw EDatabaseError(SNoFieldDefs);
    }
    FOrder = ResolveOrder(FIndexName);
    FSnapshots.clear();
}

void TClientDataSet::InternalClose() {
    FOwnStore.reset();
    FSnapshots.clear();
    FOrder = 0;
}

// --- The cursor's questions ---

TRecordStore* TClientDataSet::Store() const {
    if (!Active()) return nullptr;
    if (!FDataSetField) return FOwnStore.get();
    const TClientDataSet* master = Master();
    if (!master || master->State() == dsInsert || master->CurrentId() == NoRecord) return nullptr;
    TRecordStore* table = master->Store();
    return table ? &table->Child(master->CurrentId(), FDataSetField->FieldNo()) : nullptr;
}

int TClientDataSet::InternalRecordCount() const {
    const TRecordStore* store = Store();
    return store ? store->RecordCount() : 0;
}

TRecordId TClientDataSet::InternalRecordAt(int position) const {
    const TRecordStore* store = Store();
    return store ? store->RecordAt(FOrder, position) : NoRecord;
}

int TClientDataSet::InternalPositionOf(TRecordId id) const {
    return Store()->PositionOf(FOrder, id);
}

bool TClientDataSet::InternalRecordExists(TRecordId id) const {
    const TRecordStore* store = Store();
    return store && store->IsLive(id);
}

TFieldValue TClientDataSet::InternalValue(TRecordId id, int column) const {
    return Store()->Value(id, column);
}

void TClientDataSet::InternalReadValues(TRecordId id, std::vector<TFieldValue>& values) const {
    Store()->ReadValues(id, values);
}

TRecordId TClientDataSet::InternalPost(const std::vector<TFieldValue>& buffer, TRecordId editing) {
    TRecordStore* store = Store();
    if (!store) throw EDatabaseError(SNoMasterRecord);
    if (editing == NoRecord) return store->Add(buffer.data());
    store->Update(editing, buffer.data());
    FSnapshots.clear();  // the children are committed with the record
    return editing;
}

void TClientDataSet::InternalDelete(TRecordId id) {
    Store()->Remove(id);
    FSnapshots.clear();
}

// --- Nested tables ---

TClientDataSet* TClientDataSet::Master() const {
    return FDataSetField ? dynamic_cast<TClientDataSet*>(FDataSetField->DataSet()) : nullptr;
}

TClientDataSet* TClientDataSet::Root() {
    TClientDataSet* root = this;
    while (TClientDataSet* master = root->Master()) root = master;
    return root;
}

void TClientDataSet::SetDataSetField(TDataSetField* field) {
    if (field == FDataSetField) return;
    if (Active()) Close();
    if (TClientDataSet* master = Master()) {
        auto& list = master->FDetails;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    if (FDataSetField) FDataSetField->FNestedDataSet = nullptr;
    FDataSetField = field;
    if (field) {
        if (field->FNestedDataSet) field->FNestedDataSet->SetDataSetField(nullptr);
        field->FNestedDataSet = this;
        if (TClientDataSet* master = Master()) master->FDetails.push_back(this);
    }
}

void TClientDataSet::InternalEdit() { FSnapshots.clear(); }

void TClientDataSet::InternalCancel() {
    // Put back every child table a detail changed since the edit began.
    if (State() == dsEdit && CurrentId() != NoRecord)
        for (TChildSnapshot& snapshot : FSnapshots)
            Store()->ReplaceChild(CurrentId(), snapshot.Column, std::move(snapshot.Table));
    FSnapshots.clear();
}

void TClientDataSet::CheckParentState() {
    TClientDataSet* master = Master();
    if (!master) return;
    master->CheckParentState();
    // Children of a record being inserted are added once it is stored.
    if (master->State() == dsInsert) master->Post();
    if (master->CurrentId() == NoRecord || master->IsEmpty()) throw EDatabaseError(SNoMasterRecord);
    if (master->State() == dsBrowse) master->Edit();
    master->PrepareChildChange(FDataSetField->FieldNo());
}

void TClientDataSet::PrepareChildChange(int column) {
    MarkModified();
    if (State() != dsEdit) return;
    for (const TChildSnapshot& snapshot : FSnapshots)
        if (snapshot.Column == column) return;
    FSnapshots.push_back(
        {column, std::make_unique<TRecordStore>(Store()->Child(CurrentId(), column))});
}

void TClientDataSet::CurrentRecordChanged() {
    for (TDataSet* detail : std::vector<TDataSet*>(FDetails))
        static_cast<TClientDataSet*>(detail)->FollowMaster();
}

void TClientDataSet::FollowMaster() {
    const TClientDataSet* master = Master();
    if (!master || !master->Active()) {
        if (Active()) Close();
        return;
    }
    if (!Active()) {
        Open();
        return;
    }
    // The master posts or cancels its details before it moves; an edit still open here has
    // lost its record.
    if (State() == dsEdit || State() == dsInsert) Cancel();
    ResetCursor();
}

// --- Searching on the active index ---

std::vector<TFieldValue> TClientDataSet::KeyOf(const std::vector<TFieldValue>& keyValues) const {
    if (FOrder == 0) throw EDatabaseError("No index currently active");
    const TIndexLayout& index = FLayout->Indexes[FOrder - 1];
    if (keyValues.empty() || keyValues.size() > index.Columns.size())
        throw EDatabaseError("Wrong number of key values");
    // Each value in the kind of its column, so that the comparisons of the index apply.
    std::vector<TFieldValue> key;
    for (size_t k = 0; k < keyValues.size(); ++k) {
        const TFieldValue& v = keyValues[k];
        if (IsNullValue(v)) {
            key.emplace_back();
            continue;
        }
        const auto* i = std::get_if<int32_t>(&v);
        const auto* d = std::get_if<double>(&v);
        const auto* s = std::get_if<std::string>(&v);
        switch (FLayout->Columns[index.Columns[k]].DataType) {
            case ftString:
            case ftMemo:
                key.emplace_back(s ? *s : i ? IntToStr(*i) : FloatToStr(*d));
                break;
            case ftSmallint:
            case ftInteger:
                key.emplace_back(i   ? *i
                                 : d ? static_cast<int32_t>(Round(*d))
                                     : static_cast<int32_t>(StrToInt(*s)));
                break;
            default:
                key.emplace_back(d   ? *d
                                 : i ? static_cast<double>(*i)
                                     : static_cast<double>(StrToFloat(*s)));
                break;
        }
    }
    return key;
}

bool TClientDataSet::FindKey(const std::vector<TFieldValue>& keyValues) {
    CheckBrowseMode();
    const std::vector<TFieldValue> key = KeyOf(keyValues);
    const TRecordStore* store = Store();
    if (!store) return false;
    const int keyCount = static_cast<int>(key.size());
    const TRecordId id = store->RecordAt(FOrder, store->LowerBound(FOrder, key.data(), keyCount));
    if (id == NoRecord || store->CompareKey(FOrder, key.data(), keyCount, id) != 0) return false;
    GotoRecord(id);
    return true;
}

void TClientDataSet::FindNearest(const std::vector<TFieldValue>& keyValues) {
    CheckBrowseMode();
    const std::vector<TFieldValue> key = KeyOf(keyValues);
    const TRecordStore* store = Store();
    if (!store || store->RecordCount() == 0) return;
    const int position = store->LowerBound(FOrder, key.data(), static_cast<int>(key.size()));
    GotoRecord(store->RecordAt(FOrder, std::min(position, store->RecordCount() - 1)));
}

// --- Emptying and the change log ---

void TClientDataSet::EmptyDataSet() {
    CheckActive();
    Cancel();
    CheckParentState();
    TRecordStore* store = Store();
    if (!store) return;
    const int removed = store->RecordCount();
    store->Clear();
    for (int i = 0; i < removed; ++i) LogChange();
    ResetCursor();
}

void TClientDataSet::LogChange() {
    TClientDataSet* root = Root();
    if (root->FLogChanges) root->FChangeCount++;
}

int TClientDataSet::ChangeCount() const {
    const TClientDataSet* root = this;
    while (const TClientDataSet* master = root->Master()) root = master;
    return root->FChangeCount;
}

void TClientDataSet::MergeChangeLog() { Root()->FChangeCount = 0; }
