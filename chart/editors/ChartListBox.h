#pragma once
// The series of a chart as a list, one row per series, each drawn in four sections: the series
// type's gallery picture, an Active check box (or radio button), a box in the series' colour
// and the title. The user switches series on and off, recolours them, changes their type,
// reorders them by dragging, renames them and adds, deletes and clones them. The list follows
// the chart's series events.
//
// Each row's object is its series. Under MultiSelect (on at creation) the commands work on the
// selected rows; otherwise on the item index.
#include <array>
#include <functional>
#include <string>

#include "chart/engine/ChartLegend.h"
#include "chart/foundation/TeePanel.h"
#include "platform/ui/ListBox.h"

class TChartListBox;
class TCanvas;
class TChartSeries;
struct TRect;
class TCustomChartSeries;
class TCustomAxisPanel;
class TEdit;
class TSeriesGroup;

using TNotifySeriesEvent = std::function<void(TChartListBox* sender, TCustomChartSeries* series)>;
using TChangeOrderEvent = std::function<void(TChartListBox* sender, TCustomChartSeries* series1,
                                             TCustomChartSeries* series2)>;
using TDblClickSeriesEvent = std::function<void(TChartListBox* sender, int index)>;

// The series gallery's two entries, set while the gallery is there: a new series of the user's
// choice (or none), and a new type for a series (the series is replaced; the chosen class comes
// back, none when the user cancelled).
using TAddSeriesHook =
    std::function<TChartSeries*(TComponent* owner, TCustomAxisPanel* chart, TChartSeries* current)>;
using TChangeTypeHook = std::function<TClass(TComponent* owner, TChartSeries*& series)>;
extern TAddSeriesHook TeeAddGalleryProc;
extern TChangeTypeHook TeeChangeGalleryProc;

enum TChartListSection { clsIcon, clsActive, clsColor, clsTitle };

class TChartListBox : public TListBox, public IPanelListener {
    KV_DECLARE_CLASS(TChartListBox, TListBox)
public:
    explicit TChartListBox(TComponent* owner);
    ~TChartListBox() override;

    TCustomAxisPanel* Chart() const { return FChart; }
    void SetChart(TCustomAxisPanel* chart);
    bool AllowAddSeries = true;
    bool AllowDeleteSeries = true;
    bool AskDelete = true;
    TCheckBoxesStyle CheckStyle() const { return FCheckStyle; }
    void SetCheckStyle(TCheckBoxesStyle value);
    bool EnableChangeColor = true;
    bool EnableDragSeries = true;
    bool EnableChangeType = true;
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool value);
    bool ShowSection(TChartListSection s) const { return FSections[size_t(s)].Visible; }
    void SetShowSection(TChartListSection s, bool value);
    // The section's left edge: the widths of the visible sections before it.
    int SectionLeft(TChartListSection s) const;
    int SectionWidth(TChartListSection s) const { return FSections[size_t(s)].Width; }
    // The visible section strictly inside which x lies; -1 for none.
    int SectionAt(int x) const;

    // A second list kept equal to the items (a combo box's, for example); not owned.
    TStrings* LinkedItems = nullptr;
    bool ShowNames() const { return FShowNames; }
    void SetShowNames(bool value);
    TSeriesGroup* SeriesGroup() const { return FSeriesGroup; }
    void SetSeriesGroup(TSeriesGroup* value);

    // --- Commands.
    void FillSeries(TCustomChartSeries* keep);
    void RefreshList();
    TChartSeries* AddSeries();
    bool DeleteSelected();
    void ChangeTypeOfSelected();
    TChartSeries* CloneSelected();
    bool RenameSelected();
    void MoveUp();
    void MoveDown();
    void SelectSeries(int index);
    TChartSeries* SelectedSeriesObject() const;
    TChartSeries* SeriesAt(int index) const;
    void ClearItems();
    void SelectAll();
    // Exchanges rows a and b, and their series in the chart.
    void ExchangeRows(int a, int b);
    // Opens the in-place title editor over the selected row's title section.
    void StartTitleEdit();
    // The in-place title editor; none before its first use.
    TEdit* TitleEditor() const { return FTitleEditor; }

    void HandleTeeEvent(TTeeEvent* event) override;
    static void Publish(TPublisher<TChartListBox>& p);

    TNotifySeriesEvent OnChangeActive;
    TNotifySeriesEvent OnChangeColor;
    TNotifySeriesEvent OnRemovedSeries;
    TChangeOrderEvent OnChangeOrder;
    TDblClickSeriesEvent OnDblClickSeries;
    TNotifyEvent OnOtherItemsChange;
    TNotifyEvent OnRefresh;

protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DblClick() override;
    void KeyUp(int& key, TShiftState shift) override;
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TObject* source, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void PaintColorSymbol(TCanvas& canvas, TChartSeries& series, const TRect& box);
    struct TSection {
        int Width;
        bool Visible;
    };
    bool HasSelection();
    void Refreshed();
    void TakeLegendCheckStyle();
    std::string DisplayTitle(TChartSeries* series) const;
    // Closes the title editor, giving its text to the series unless cancelled.
    void CloseTitleEdit(bool accept);
    void ForgetTitleSeries();

    TCustomAxisPanel* FChart = nullptr;
    TSeriesGroup* FSeriesGroup = nullptr;
    TCheckBoxesStyle FCheckStyle = cbsCheck;
    bool FFontSeriesColor = false;
    bool FShowNames = false;
    bool FDblClicked = false;
    TPoint FMouse{-1, -1};
    TEdit* FTitleEditor = nullptr;
    // The series whose title the editor holds; its free notification clears it.
    TChartSeries* FTitleSeries = nullptr;
    std::array<TSection, 4> FSections{{{26, true}, {16, true}, {26, true}, {216, true}}};
};
