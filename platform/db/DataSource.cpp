#include "platform/db/DataSource.h"

#include <algorithm>

// --- TDataSource ---

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
    for (TDataLink* link : std::vector<TDataLink*>(FLinks)) link->SetDataSource(nullptr);
    SetDataSet(nullptr);
}

void TDataSource::Publish(TPublisher<TDataSource>& p) {
    p.Boolean("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit).Default(true);
    p.Boolean("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled).Default(true);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == FDataSet) return;
    if (FDataSet) {
        auto& list = FDataSet->FDataSources;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    FDataSet = dataSet;
    if (FDataSet) FDataSet->FDataSources.push_back(this);
    UpdateState();
}

void TDataSource::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    UpdateState();
}

void TDataSource::UpdateState() {
    const TDataSetState state = FEnabled && FDataSet ? FDataSet->State() : dsInactive;
    const bool changed = state != FState;
    FState = state;
    if (changed && OnStateChange) OnStateChange(this);
    for (TDataLink* link : std::vector<TDataLink*>(FLinks)) {
        link->UpdateActive();
        link->UpdateEditing();
    }
}

void TDataSource::Edit() {
    if (FAutoEdit && FDataSet && FDataSet->State() == dsBrowse) FDataSet->Edit();
}

void TDataSource::NotifyLinks(TDataEvent event, intptr_t info) {
    NotifyEach(FLinks, [&](TDataLink* link) { link->DataEvent(event, info); });
}

void TDataSource::DataEvent(TDataEvent event, intptr_t info) {
    if (!FEnabled) return;
    if (event == deUpdateState) {
        UpdateState();
        return;
    }
    NotifyLinks(event, info);
    switch (event) {
        case deFieldChange:
            if (OnDataChange) OnDataChange(this, reinterpret_cast<TField*>(info));
            break;
        case deRecordChange:
        case deDataSetChange:
        case deDataSetScroll:
        case deLayoutChange:
            if (OnDataChange) OnDataChange(this, nullptr);
            break;
        case deUpdateRecord:
            if (OnUpdateData) OnUpdateData(this);
            break;
        default:
            break;
    }
}

// --- TDataLink ---

TDataLink::TDataLink() = default;

TDataLink::~TDataLink() { SetDataSource(nullptr); }

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == FDataSource) return;
    if (FDataSource) {
        auto& list = FDataSource->FLinks;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    FDataSource = source;
    if (FDataSource) FDataSource->FLinks.push_back(this);
    UpdateActive();
    UpdateEditing();
}

TDataSet* TDataLink::DataSet() const { return FDataSource ? FDataSource->DataSet() : nullptr; }

void TDataLink::SetReadOnly(bool v) {
    if (v == FReadOnly) return;
    FReadOnly = v;
    UpdateEditing();
}

bool TDataLink::Edit() {
    if (!FReadOnly && FDataSource) FDataSource->Edit();
    return FEditing;
}

void TDataLink::UpdateActive() {
    const bool active = FDataSource && FDataSource->State() != dsInactive;
    if (active == FActive) return;
    FActive = active;
    ActiveChanged();
}

void TDataLink::UpdateEditing() {
    const TDataSetState state = FDataSource ? FDataSource->State() : dsInactive;
    const bool editing = (state == dsEdit || state == dsInsert) && !FReadOnly;
    if (editing == FEditing) return;
    FEditing = editing;
    EditingChanged();
}

void TDataLink::DataEvent(TDataEvent event, intptr_t info) {
    if (!FActive) return;
    switch (event) {
        case deFieldChange:
        case deRecordChange:
            RecordChanged(reinterpret_cast<TField*>(info));
            break;
        case deDataSetChange:
            DataSetChanged();
            break;
        case deDataSetScroll:
            DataSetScrolled(static_cast<int>(info));
            break;
        case deLayoutChange:
            LayoutChanged();
            break;
        case deUpdateRecord:
            UpdateData();
            break;
        case deCheckBrowseMode:
            CheckBrowseMode();
            break;
        default:
            break;
    }
}
