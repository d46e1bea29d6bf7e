// The series' data sources: validating, linking and unlinking them, following the changes of a
// source series, the function that computes the points, and storing several sources by name.
#include <algorithm>
#include <unordered_set>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesSource.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ValueGuard.h"

// --- The list.

int TDataSourcesList::IndexOf(const TComponent* component) const {
    const auto it = std::find(FItems.begin(), FItems.end(), component);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

int TDataSourcesList::AddSource(TComponent* component) {
    return FSeries->ValidateAndAddSource(component, false);
}

void TDataSourcesList::Remove(TComponent* component) {
    if (IndexOf(component) >= 0) FSeries->UnlinkDataSource(component);
}

void TDataSourcesList::Delete(int index) { FSeries->UnlinkDataSource(FItems.at(size_t(index))); }

void TDataSourcesList::Erase(const TComponent* component) {
    const auto it = std::find(FItems.begin(), FItems.end(), component);
    if (it != FItems.end()) FItems.erase(it);
}

void TDataSourcesList::LetGo(TComponent* component) {
    FSeries->RemoveFreeNotification(component);
    if (auto* series = dynamic_cast<TChartSeries*>(component))
        series->FDependentSeries->Remove(FSeries);
    if (TCustomAxisPanel* chart = FSeries->ParentChart())
        chart->DataSourceRemoved(FSeries, component);
    // A source component that still feeds the series drops it (with or without a chart), so it
    // never keeps a series that may be freed without telling it.
    if (auto* source = dynamic_cast<TTeeSeriesSource*>(component);
        source && source->Series() == FSeries)
        source->SetSeries(nullptr);
}

void TDataSourcesList::Clear() {
    if (FClearing) return;
    {
        const TValueGuard<bool> clearing(FClearing, true);
        // All out at once, then each let go of: letting go may reach back into the list.
        const std::vector<TComponent*> items = std::move(FItems);
        FItems.clear();
        for (TComponent* c : items) LetGo(c);
    }
    if (!FSeries->DataEnteredByHand) FSeries->Clear();
}

// --- Linking.

TComponent* TChartSeries::DataSource() const { return FDataSources->First(); }

void TChartSeries::SetDataSource(TComponent* value) {
    if (value)
        ValidateAndAddSource(value, true);
    else if (TComponent* first = DataSource())
        UnlinkDataSource(first);
}

bool TChartSeries::FunctionAcceptsSource(TComponent* component) const {
    return !FFunction || FFunction->AcceptsSource(component);
}

bool TChartSeries::AcceptsAsSource(TComponent* component) const {
    return component != this && dynamic_cast<TChartSeries*>(component) &&
           FunctionAcceptsSource(component);
}

int TChartSeries::ValidateAndAddSource(TComponent* component, bool clearOthers) {
    if (FParentChart) {
        if (!FParentChart->AcceptsDataSource(this, component)) {
            const std::string name =
                component->Name().empty() ? component->ClassName() : component->Name();
            throw ChartException(Format(TxtNoValidDataSource, {name}));
        }
    } else if (!AcceptsAsSource(component)) {
        throw ChartException(TxtNoParentChartToValidateDataSource);
    }
    if (FDataSources->IndexOf(component) >= 0) return -1;
    if (auto* series = dynamic_cast<TChartSeries*>(component)) CheckSourceNotCircular(series);
    if (clearOthers && !ComponentState().Contains(csLoading)) FDataSources->Clear();
    const int index = LinkDataSource(component);
    RefreshFromSource();
    return index;
}

// Every series reachable through the sources of source, each once: a cycle already in the data
// (which validation never lets in) still ends the walk.
void TChartSeries::CheckSourceNotCircular(const TChartSeries* source) const {
    std::vector<const TChartSeries*> pending{source};
    std::unordered_set<const TChartSeries*> seen;
    while (!pending.empty()) {
        const TChartSeries* s = pending.back();
        pending.pop_back();
        if (!seen.insert(s).second) continue;
        for (TComponent* c : *s->FDataSources) {
            if (c == this) throw ChartException(TxtCircularSeriesDependencesAreNotAllowed);
            if (auto* next = dynamic_cast<const TChartSeries*>(c)) pending.push_back(next);
        }
    }
}

int TChartSeries::LinkDataSource(TComponent* component) {
    if (!component) return -1;
    FDataSources->Append(component);
    DataEnteredByHand = false;
    // Each side hears of the other's end, so no list keeps a freed series or source.
    FreeNotification(component);
    if (auto* series = dynamic_cast<TChartSeries*>(component)) {
        if (series->FDependentSeries->IndexOf(this) < 0) series->FDependentSeries->Add(this);
    } else if (auto* source = dynamic_cast<TTeeSeriesSource*>(component)) {
        TChartSeries* other = source->FSeries;
        if (other && other != this) {
            const bool wasActive = source->Active();
            source->Deactivate();
            if (source->Owner() == other) {
                other->RemoveComponent(source);
                InsertComponent(source);
            }
            other->FDataSources->Erase(source);
            other->RemoveFreeNotification(source);
            if (wasActive) {
                source->FSeries = this;
                source->Activate();
            }
        }
        source->FSeries = this;
    }
    return FDataSources->Count() - 1;
}

void TChartSeries::UnlinkDataSource(TComponent* component) {
    if (FDataSources->IndexOf(component) < 0) return;
    // A series on its way out only drops the entry, so that nothing it still does meets a
    // freed source.
    if (ComponentState().Contains(csDestroying)) {
        FDataSources->Erase(component);
        RemoveFreeNotification(component);
        return;
    }
    // The first source goes with all the others.
    if (component == DataSource()) {
        FDataSources->Clear();
    } else {
        FDataSources->Erase(component);
        FDataSources->LetGo(component);
    }
    RefreshFromSource();
}

void TChartSeries::LinkToSourceSeries(bool join) {
    for (TComponent* c : *FDataSources)
        if (auto* series = dynamic_cast<TChartSeries*>(c)) {
            TCustomSeriesList& dependents = *series->FDependentSeries;
            if (!join)
                dependents.Remove(this);
            else if (dependents.IndexOf(this) < 0)
                dependents.Add(this);
        }
}

// --- Following a source series.

void TChartSeries::NotifyDependents(TLinkedSeriesChange kind, int index) {
    // A dependent may leave the list while it follows (its refill can unlink it).
    const std::vector<TChartSeries*> dependents(FDependentSeries->begin(), FDependentSeries->end());
    for (TChartSeries* d : dependents) {
        if (FDependentSeries->IndexOf(d) < 0) continue;
        const int follows = d->FSourceFollowOptions;
        switch (kind) {
            case lscCleared:
                if (follows & sfoClear) d->Clear();
                break;
            case lscAdded:
                if ((follows & sfoInsertions) && !d->FFunction) d->AddPointFrom(*this, index);
                break;
            case lscDeleted:
                if ((follows & sfoDeletions) && !d->FFunction) d->SourceValueDeleted(*this, index);
                break;
            case lscModified:
                if (follows & sfoModifications) d->LoadFromSeries(*this);
                break;
            case lscFull:
                d->LoadFromSeries(*this);
                break;
        }
    }
}

void TChartSeries::SourceValueDeleted(const TChartSeries& source, int valueIndex) {
    // A deleted range names no point: the whole source is read again. A point this series
    // never took (it does not follow insertions) is no reason to fail the source's deletion.
    if (valueIndex < 0)
        LoadFromSeries(source);
    else if (valueIndex < Count())
        Delete(valueIndex);
}

void TChartSeries::RefreshFromSource() {
    if (FUpdateCount == 0 && FParentChart) FParentChart->LoadSeriesFromSource(this);
}

// --- The function.

void TChartSeries::SetFunction(TTeeFunction* value) {
    if (value == FFunction) return;
    if (TTeeFunction* old = FFunction) {
        FFunction = nullptr;
        old->FParent = nullptr;
        TObject::Free(old);
    }
    FFunction = value;
    if (value) {
        if (value->FParent && value->FParent != this) value->FParent->FFunction = nullptr;
        value->FParent = this;
        DataEnteredByHand = false;
        FreeNotification(value);
    }
    RefreshFromSource();
}

// --- Lifetime.

void TChartSeries::ReleaseSourcesAndFunction() {
    if (TTeeFunction* f = FFunction) {
        FFunction = nullptr;
        f->FParent = nullptr;
        TObject::Free(f);
    }
    LinkToSourceSeries(false);
    // Sources this series owns go with it now, while it is whole; the others only forget it.
    const std::vector<TComponent*> sources = std::move(FDataSources->FItems);
    FDataSources->FItems.clear();
    for (TComponent* c : sources) {
        RemoveFreeNotification(c);
        if (auto* source = dynamic_cast<TTeeSeriesSource*>(c)) {
            if (source->FSeries == this) source->FSeries = nullptr;
            if (source->Owner() == this) TObject::Free(source);
        }
    }
    const std::vector<TChartSeries*> dependents(FDependentSeries->begin(), FDependentSeries->end());
    FDependentSeries->Clear();
    for (TChartSeries* d : dependents) d->FDataSources->Remove(this);
}

void TChartSeries::Notification(TComponent* component, TOperation operation) {
    // A freed dependent has left the dependents itself, while it was whole.
    if (operation == opRemove) {
        if (component == FFunction)
            FFunction = nullptr;
        else
            UnlinkDataSource(component);
    }
    TCustomChartSeries::Notification(component, operation);
}

void TChartSeries::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    TCustomChartSeries::GetChildren(proc, root);
    if (FFunction) proc(FFunction);
}

// --- Storing several sources by name.

void TChartSeries::DefineSourceProperties(TFiler& filer) {
    filer.DefineProperty(
        "DataSources",
        [this](TReader& r) {
            FPendingSourceNames.clear();
            r.ReadListBegin();
            while (!r.EndOfList()) FPendingSourceNames.push_back(r.ReadString());
            r.ReadListEnd();
        },
        [this](TWriter& w) {
            w.WriteListBegin();
            for (TComponent* c : *FDataSources) w.WriteString(c->Name());
            w.WriteListEnd();
        },
        FDataSources->Count() > 1);
}

void TChartSeries::Loaded() {
    TCustomChartSeries::Loaded();
    if (!FPendingSourceNames.empty()) {
        const std::vector<std::string> names = std::move(FPendingSourceNames);
        FPendingSourceNames.clear();
        FDataSources->Clear();
        for (const std::string& name : names)
            if (TComponent* c = Owner() ? Owner()->FindComponent(name) : nullptr)
                FDataSources->AddSource(c);
    }
    RefreshFromSource();
}
