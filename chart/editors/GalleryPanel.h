#pragma once
// The gallery grid: one small live sample chart per registered series type (or function) of a
// gallery page, laid out in NumRows x NumCols cells. The focused sample is lit (gradient, bold
// title, turned a little in 3-D); the user moves the focus with the mouse or the arrow keys and
// chooses with a double click or Enter. The focused sample offers a pop-up sub-gallery with the
// variants its series class lists. Under the compatibility check, types whose sample cannot take
// the reference series' data are greyed and never take the focus.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/TeePanel.h"

class TChartGalleryPanel;
class TBitmap;
class TCanvas;
class TChartSeries;
class TSubGalleryForm;

// A sample chart of the gallery; its Tag is the variant it shows.
class TGalleryChart : public TCustomChart {
    KV_DECLARE_CLASS(TGalleryChart, TCustomChart)
public:
    explicit TGalleryChart(TComponent* owner);
    ~TGalleryChart() override;

    // The panel's Smooth setting as the sample received it.
    bool SmoothDraw = false;
    // The type cannot take the reference series' data.
    bool Disabled() const { return FDisabled; }
    void SetDisabled();
    // The focus looks are on it.
    bool Lit() const;
    TChartGalleryPanel* GalleryPanel() const;
    // With SmoothDraw the sample is drawn at twice its size and shrunk, its title drawn over
    // it at its own size.
    void Draw(TCanvas* TargetCanvas, const TRect& Rect) override;
    // A smoothed drawing pass is under way.
    bool Smoothing() const { return FSmoothing; }

protected:
    void KeyDown(int& key, TShiftState shift) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void AfterDraw();
    void DrawSubArrow(TCanvas& canvas);
    void DrawHoverFrame(TCanvas& canvas);
    void DrawSmooth(TCanvas& target, const TRect& rect);
    void DrawTitleLines(TCanvas& target, const TRect& rect);

    bool FDisabled = false;
    bool FSmoothing = false;
    // The double-size drawing and its shrunk copy, kept between passes.
    std::unique_ptr<TBitmap> FLarge;
    std::unique_ptr<TBitmap> FShrunk;
    // The mouse is over the enabled sample.
    bool FHover = false;
};

// The panel's sample charts; Clear frees them.
class TChartList {
public:
    TChartList() = default;
    TChartList(const TChartList&) = delete;
    TChartList& operator=(const TChartList&) = delete;
    ~TChartList() { Clear(); }

    int Count() const { return int(FItems.size()); }
    TGalleryChart* operator[](int index) const { return FItems.at(size_t(index)); }
    int IndexOf(const TGalleryChart* chart) const;
    void Add(TGalleryChart* chart) { FItems.push_back(chart); }
    void Clear();

private:
    std::vector<TGalleryChart*> FItems;
};

using TGalleryKeyHandler = std::function<void(int& key, TShiftState shift)>;

class TChartGalleryPanel : public TCustomPanelNoCaption {
    KV_DECLARE_CLASS(TChartGalleryPanel, TCustomPanelNoCaption)
public:
    explicit TChartGalleryPanel(TComponent* owner);
    ~TChartGalleryPanel() override;

    // --- Settings.
    bool DisplaySub = true;
    bool FocusRotation = true;
    int NumRows() const { return FNumRows; }
    void SetNumRows(int value);
    int NumCols() const { return FNumCols; }
    void SetNumCols(int value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    bool View3D() const { return FView3D; }
    void SetView3D(bool value);
    // Shows only registrations with a function class, else only those without.
    bool FunctionsMode = false;
    // Greys the types whose sample cannot take SelectedSeries' data.
    bool CheckSeries = false;
    // The reference series: its type is focused first; none for no reference.
    TChartSeries* SelectedSeries = nullptr;
    // Set on the panel of a sub-gallery pop-up.
    bool IsSubPanel = false;
    // Off, the panel may have no sample focused: a gallery of presets that the edited object
    // may match none of.
    bool FocusFirst = true;

    // --- State.
    TChartList& Charts() { return FCharts; }
    TGalleryChart* SelectedChart() const { return FSelectedChart; }
    int CellWidth() const { return FCellWidth; }
    int CellHeight() const { return FCellHeight; }
    // The sub-gallery pop-up while it is open.
    TSubGalleryForm* SubGallery() const { return FSubGallery; }

    // --- Operations.
    void CreateGalleryPage(const std::string& page);
    // False when no chart is focused; else the focused sample's series and function classes and
    // its variant.
    bool GetSelected(TClass& seriesClass, TClass& functionClass, int& subIndex) const;
    virtual void SelectChart(TGalleryChart* chart);
    TGalleryChart* CreateGalleryChart(const TTeeSeriesType& entry);
    // Fills the panel with the variants of the series class (each a sample chart).
    void ShowVariantsOf(TClass seriesClass, int sampleSeriesCount);
    // One sample of the variant being listed, titled with its name.
    void AddVariantChart(const std::string& name);
    // Frees every sample; none is focused.
    void ClearCharts();
    // Focuses the first enabled sample when none is (with FocusFirst), and lights the focused one.
    void ShowSelectedLooks();
    // Lays the samples out in their cells again.
    void LayoutCharts();
    // Opens the pop-up with the variants of the focused sample's series class.
    void ShowSubGallery();
    // The keys of the panel and of its samples.
    void HandleKey(int& key, TShiftState shift);

    TNotifyEvent OnSelectedChart;
    TNotifyEvent OnChangeChart;
    TNotifyEvent OnSubSelected;

protected:
    void Resize() override;
    void KeyDown(int& key, TShiftState shift) override;

private:
    friend class TSubGalleryForm;
    int Border() const;
    void ComputeCells();
    void PlaceChart(TGalleryChart* chart, int index);
    void LightChart(TGalleryChart* chart);
    void DimChart(TGalleryChart* chart);
    void FocusCell(int column, int row);
    void ChartChosen(TGalleryChart* chart);
    // The sub-gallery's choice applied to the focused sample.
    void ApplySubChoice(TChartGalleryPanel& subPanel);

    TChartList FCharts;
    TGalleryChart* FSelectedChart = nullptr;
    int FNumRows = 3;
    int FNumCols = 4;
    int FCellWidth = 0;
    int FCellHeight = 0;
    bool FSmooth = false;
    bool FSmoothAtStart = false;
    bool FView3D = true;
    TSubGalleryForm* FSubGallery = nullptr;
    // The variant being listed by AddVariantChart.
    TTeeSeriesType FVariantEntry;
    std::string FVariantName;
};

// Puts the series' own look for a sample chart, grey when disabled.
void PrepareGallerySeries(TChartSeries& series, bool view3D, bool enabled);
