#pragma once
// The row navigator bound to a chart grid: First, Prior, Next and Last move the grid's current
// row; Insert, Delete, Edit, Post and Cancel run the grid's row and editing commands (an editor
// that wants them makes them visible). Its buttons follow the grid's state.
#include <array>

#include "chart/editors/TeeNavigator.h"

class TCustomChartGrid;

// What the buttons' enabling depends on.
struct TChartGridNavigatorState {
    int FirstDataRow = 2;
    int Row = 2;
    int RowCount = 3;
    bool ReadOnly = false;
    bool Editing = false;
    bool HasChart = false;
    bool ChartHasSeries = false;
    bool HasSeries = false;
    bool HasPoints = false;
};
std::array<bool, TeeNavButtonCount> ChartGridNavigatorEnabled(const TChartGridNavigatorState& s);

class TChartGridNavigator : public TCustomTeeNavigator {
    KV_DECLARE_CLASS(TChartGridNavigator, TCustomTeeNavigator)
public:
    explicit TChartGridNavigator(TComponent* owner);
    ~TChartGridNavigator() override;

    TCustomChartGrid* Grid() const { return FGrid; }
    void SetGrid(TCustomChartGrid* grid);
    // Enables the buttons for the grid's current row.
    void EnableButtons() override;
    // ... for a row about to become current.
    void EnableButtonsForRow(int row);
    static void Publish(TPublisher<TChartGridNavigator>& p);

protected:
    void BtnClick(TTeeNavigateBtn index) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomChartGrid* FGrid = nullptr;
};
