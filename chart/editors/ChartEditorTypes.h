#pragma once
// The chart editor's settings and the rules of its dialog that need no window: which series
// commands are enabled, which page opens first and where a remembered window goes.
#include <array>
#include <optional>

#include "platform/classes/Set.h"

// The commands and features the dialog offers.
enum TChartEditorOption {
    ceAdd,
    ceDelete,
    ceChange,
    ceClone,
    ceDataSource,
    ceTitle,
    ceHelp,
    ceGroups,
    ceGroupAll,
    ceOrderSeries,
    ceAskDelete
};
using TChartEditorOptions = TSet<TChartEditorOption>;

// The dialog's pages; cetMain to cet3D are also the indexes of the Chart page's sub-pages.
enum TChartEditorTab {
    cetMain,
    cetGeneral,
    cetAxis,
    cetTitles,
    cetLegend,
    cetPanel,
    cetPaging,
    cetWalls,
    cet3D,
    cetSeriesGeneral,
    cetSeriesMarks,
    cetAllSeries,
    cetSeriesData,
    cetExport,
    cetExportNative,
    cetTools,
    cetPrintPreview
};
using TChartEditorHiddenTabs = TSet<TChartEditorTab>;

inline constexpr int ChartSubPageCount = 9;

// Every option but ceGroups (1919).
inline constexpr TChartEditorOptions DefaultChartEditorOptions =
    TChartEditorOptions::FromMask(0x7FF & ~(1u << ceGroups));

// The sub-page DefaultTab (cetMain..cet3D) opens: the first visible one from it on, else the
// nearest visible one before it; -1 when no sub-page tab is visible.
int FindDefaultSubPage(int requested, const std::array<bool, ChartSubPageCount>& tabVisible);

// What the series list's buttons may do.
struct TSeriesButtonsState {
    bool Add = false, Delete = false, Rename = false, ChangeType = false, Clone = false;
    bool MoveUp = false, MoveDown = false;
    bool MoveVisible = false;
};
// The selected series' Style flags that forbid commands (none of the program's series has any).
enum TSeriesStyleFlag { tssIsTemplate, tssDenyChangeType, tssDenyDelete, tssDenyClone };
using TSeriesStyleFlags = TSet<TSeriesStyleFlag>;
// selected: the chart has series, the list may take the focus and has a selected item; index is
// the selected item among count items, selCount how many are selected.
TSeriesButtonsState SeriesButtonsFor(TChartEditorOptions options, bool selected, int selCount,
                                     int index, int count, TSeriesStyleFlags style = {});

// The dialog's window as remembered in the settings store; missing values are left alone.
struct TStoredEditorPlacement {
    std::optional<int> Left, Top, Width, Height, TreeWidth;
};
struct TEditorBounds {
    int Left = 0, Top = 0, Width = 0, Height = 0, TreeWidth = 0;
    bool Designed = false;  // the position came from the store
};
// Applies what is remembered (position with rememberPosition, size with rememberSize), clamped
// (Left, Top >= 0; Width, Height >= 100; TreeWidth >= 10), then pulls a window whose left or top
// lies beyond the screen back onto it, never to a negative position.
TEditorBounds PlaceStoredEditor(TEditorBounds bounds, const TStoredEditorPlacement& stored,
                                bool rememberPosition, bool rememberSize, int screenWidth,
                                int screenHeight);
