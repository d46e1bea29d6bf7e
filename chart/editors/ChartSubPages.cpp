#include "chart/editors/ChartSubPages.h"

#include "chart/editors/AxisPage.h"
#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditorTypes.h"
#include "chart/editors/GeneralPage.h"
#include "chart/editors/LegendPage.h"
#include "chart/editors/PagingPage.h"
#include "chart/editors/PanelPage.h"
#include "chart/editors/TitlesPage.h"
#include "chart/editors/View3DPage.h"
#include "chart/editors/WallsPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartWalls.h"

TForm* CreateChartSubPage(TChartEditForm* dialog, TCustomChart& chart, int index) {
    switch (index) {
        case cetGeneral:
            return new TFormTeeGeneral(dialog, &chart);
        case cetAxis:
            return new TFormTeeAxis(dialog, chart.LeftAxis());
        case cetTitles:
            return TFormTeeTitle::CreateForTitle(dialog, chart.Title(), &chart);
        case cetLegend:
            return TFormTeeLegend::CreateForLegend(dialog, chart.Legend());
        case cetPanel:
            return new TFormTeePanel(dialog, &chart);
        case cetPaging:
            return new TFormTeePage(dialog, &chart);
        case cetWalls:
            return new TFormTeeWall(dialog, chart.Walls()->Left());
        case cet3D:
            return new TFormTee3D(dialog, &chart);
        default:
            return nullptr;
    }
}

void ReloadChartSubPage(TForm& page) {
    if (auto* chartPage = dynamic_cast<TChartPageForm*>(&page)) chartPage->Reload();
}
