#pragma once
// The base of the components that fill a series from outside the chart (files, addresses,
// spreadsheets; the source kinds are written elsewhere). A source is linked to one series: it
// becomes the series' DataSource, loads its points when active, and clears them when
// deactivated (unless a source kind keeps them).
#include <string>
#include <vector>

#include "platform/classes/Component.h"

class TChartSeries;
class TCustomAxisPanel;

// Class-level facts of a source kind, answered without an instance.
class TSeriesSourceClass : public TClassInfo {
public:
    using TClassInfo::TClassInfo;
    virtual bool IsAvailableFor(const TCustomAxisPanel* chart) const = 0;
    virtual std::string KindCaption() const = 0;
    virtual std::string EditorFormClass() const = 0;
    virtual bool OffersNewSeries() const = 0;
    // The series' first data source is of this kind (compared by class name).
    bool IsSourceOf(const TChartSeries* series) const;
};

template <class T>
class TSeriesSourceClassOf : public TClassInfoOf<T, TSeriesSourceClass> {
public:
    using TClassInfoOf<T, TSeriesSourceClass>::TClassInfoOf;
    bool IsAvailableFor(const TCustomAxisPanel* chart) const override {
        return T::IsAvailableFor(chart);
    }
    std::string KindCaption() const override { return T::KindCaption(); }
    std::string EditorFormClass() const override { return T::EditorFormClass(); }
    bool OffersNewSeries() const override { return T::OffersNewSeries(); }
};

class TTeeSeriesSource : public TComponent {
public:
    template <class T>
    using TMetaOf = TSeriesSourceClassOf<T>;
    KV_DECLARE_CLASS(TTeeSeriesSource, TComponent)
public:
    explicit TTeeSeriesSource(TComponent* owner);
    ~TTeeSeriesSource() override;

    bool Active() const { return FActive; }
    // Activating loads the points (not while loading); deactivating clears the series unless
    // either is being destroyed or KeepPoints is set.
    virtual void SetActive(bool value);
    TChartSeries* Series() const { return FSeries; }
    // Links the source to the series through the series' DataSource (which validates).
    void SetSeries(TChartSeries* value);
    // Set by source kinds whose points outlive deactivation.
    bool KeepPoints = false;

    void Activate() { SetActive(true); }
    void Deactivate();
    // Loads again when active and not loading.
    void Reload();

    static bool IsAvailableFor(const TCustomAxisPanel*) { return true; }
    static std::string KindCaption() { return {}; }
    static std::string EditorFormClass() { return {}; }
    static bool OffersNewSeries() { return false; }

protected:
    // Fills the series; nothing in the base.
    virtual void LoadData() {}
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    friend class TChartSeries;
    bool FActive = false;
    TChartSeries* FSeries = nullptr;
};

// The source kinds the editors offer, in registration order.
std::vector<TClass>& RegisteredSourceClasses();
