#pragma once
// The data source joins a dataset to data-aware controls: it passes the dataset's events on to
// its data links and to its own handlers. A data link is the observer one control (or the
// dataset-bound chart) holds: it hears when the dataset opens or closes, when the record or the
// records change, when the layout changes, when editing starts or ends, and when the dataset
// wants pending edits written.
#include <functional>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/Publisher.h"
#include "platform/db/DataSet.h"

class TDataLink;
class TDataSource;

// Calls f for each item of an observer list that handlers may change while it runs (an item
// that leaves is not called afterwards; one that joins is called too). Nothing is copied, so
// telling observers allocates nothing.
template <class T, class F>
void NotifyEach(std::vector<T*>& list, F f) {
    for (size_t i = 0; i < list.size(); ++i) {
        T* item = list[i];
        f(item);
        if (i < list.size() && list[i] == item) continue;
        // The list moved under us: carry on after `item`, or at its old place when it left.
        size_t at = 0;
        while (at < list.size() && list[at] != item) ++at;
        i = at < list.size() ? at : i - 1;  // unsigned wrap before ++i is intended at 0
    }
}

using TDataChangeEvent = std::function<void(TDataSource* sender, TField* field)>;

class TDataSource : public TComponent {
    KV_DECLARE_CLASS(TDataSource, TComponent)
public:
    explicit TDataSource(TComponent* owner = nullptr);
    ~TDataSource() override;
    TDataSource(const TDataSource&) = delete;
    TDataSource& operator=(const TDataSource&) = delete;

    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* dataSet);
    // A disabled source tells nothing and shows its links an inactive dataset.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    // Whether a control may put the dataset into edit when the user types.
    bool AutoEdit() const { return FAutoEdit; }
    void SetAutoEdit(bool v) { FAutoEdit = v; }
    // The dataset's state as the links see it (inactive without an enabled dataset).
    TDataSetState State() const { return FState; }
    // Puts a browsing dataset into edit when AutoEdit allows.
    void Edit();

    static void Publish(TPublisher<TDataSource>& p);

    // Data changed: the field that changed, or none when the record or the records did.
    TDataChangeEvent OnDataChange;
    TNotifyEvent OnStateChange;
    // The dataset is about to post: write pending edits.
    TNotifyEvent OnUpdateData;

private:
    friend class TDataSet;
    friend class TDataLink;
    void DataEvent(TDataEvent event, intptr_t info);
    void NotifyLinks(TDataEvent event, intptr_t info);
    void UpdateState();

    TDataSet* FDataSet = nullptr;
    bool FEnabled = true;
    bool FAutoEdit = true;
    TDataSetState FState = dsInactive;
    std::vector<TDataLink*> FLinks;
};

class TDataLink {
public:
    TDataLink();
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource* source);
    TDataSet* DataSet() const;
    // The source is enabled and its dataset open.
    bool Active() const { return FActive; }
    // The dataset is editing and the link is not read-only.
    bool Editing() const { return FEditing; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    // Starts editing through the source (when AutoEdit allows); true when editing afterwards.
    bool Edit();

protected:
    virtual void ActiveChanged() {}
    virtual void RecordChanged(TField* /*field*/) {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int /*distance*/) { DataSetChanged(); }
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void UpdateData() {}
    virtual void EditingChanged() {}
    virtual void CheckBrowseMode() {}

private:
    friend class TDataSource;
    void DataEvent(TDataEvent event, intptr_t info);
    void UpdateActive();
    void UpdateEditing();

    TDataSource* FDataSource = nullptr;
    bool FActive = false;
    bool FEditing = false;
    bool FReadOnly = false;
};
