// The walls, 3-D, paging and general pages, on their own and in the chart editor: what showing them
// leaves in the chart, and what each control writes.
#include <gtest/gtest.h>

#include <QTabBar>
#include <functional>
#include <string>
#include <vector>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditorTypes.h"
#include "chart/editors/GeneralPage.h"
#include "chart/editors/PageNavigator.h"
#include "chart/editors/PagingPage.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/View3DPage.h"
#include "chart/editors/WallsPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartPage.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PieSeries.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ScratchSettings.h"

namespace {

void ClickTab(TTabControl* tabs, int index) {
    QTabBar* bar = tabs->Widget()->findChild<QTabBar*>();
    TUserInput().Click(tabs, bar->mapTo(tabs->Widget(), bar->tabRect(index).center()));
}

struct PageTest : ChartPageFixture<> {
    TLineSeries* line = AddParabola("Series1");

    PageTest() : ChartPageFixture(700) { window.Show(); }
    template <class Page>
    Page* Show(Page* page) {
        return ShowBeside(page, 400, 320);
    }
    TFormTeeWall* WallPage() { return Show(new TFormTeeWall(&window, chart->Walls()->Left())); }
    TFormTee3D* Page3D() { return Show(new TFormTee3D(&window, chart)); }
};

// --- Walls.

TEST_F(PageTest, ShowingTheWallsPageOnEveryTabChangesNothing) {
    chart->Walls()->Right()->SetSize(300);  // beyond the edit's range
    chart->Walls()->Back()->SetTransparency(250);
    chart->Walls()->Bottom()->SetStartPosition(-20);
    const std::string before = Bytes(chart);
    TFormTeeWall* page = WallPage();
    for (int tab : {1, 2, 3, 0}) {
        ClickTab(page->TabSubWalls, tab);
        EXPECT_EQ(page->TabSubWalls->TabIndex(), tab);
        page->Reload();
    }
    EXPECT_EQ(Bytes(chart), before);
}

TEST_F(PageTest, EachWallTabEditsItsWallAndShowsItsOwnControls) {
    TFormTeeWall* page = WallPage();
    TChartWalls& walls = *chart->Walls();
    const struct {
        TChartWall* wall;
        bool autoHide;
        bool shadow;
    } tabs[] = {{walls.Left(), true, false},
                {walls.Right(), true, false},
                {walls.Bottom(), false, false},
                {walls.Back(), true, true}};
    for (int i = 0; i < 4; ++i) {
        ClickTab(page->TabSubWalls, i);
        EXPECT_EQ(page->Wall(), tabs[i].wall) << i;
        EXPECT_EQ(page->CBAutoHide->Visible(), tabs[i].autoHide) << i;
        EXPECT_EQ(page->BShadow->Visible(), tabs[i].shadow) << i;
    }
    // Set from code, the page selects the wall's tab.
    page->SetWall(walls.Bottom());
    EXPECT_EQ(page->TabSubWalls->TabIndex(), 2);
}

TEST_F(PageTest, WallControlsWriteTheirProperties) {
    TFormTeeWall* page = WallPage();
    ClickTab(page->TabSubWalls, 1);
    TChartWall* w = chart->Walls()->Right();
    ASSERT_EQ(page->Wall(), w);

    const struct {
        TEdit* edit;
        const char* text;
        std::function<int()> value;
        int expected;
    } edits[] = {
        {page->SEWallSize, "12", [w] { return w->Size(); }, 12},
        {page->Edit1, "40", [w] { return w->Transparency(); }, 40},
        {page->Edit2, "10", [w] { return w->StartPosition(); }, 10},
        {page->Edit3, "90", [w] { return w->EndPosition(); }, 90},
        {page->Edit3, "101", [w] { return w->EndPosition(); }, 90},  // beyond the range
        {page->Edit2, "", [w] { return w->StartPosition(); }, 10},   // not a number
    };
    for (const auto& e : edits) {
        e.edit->SetText(e.text);
        EXPECT_EQ(e.value(), e.expected) << e.text;
    }

    const struct {
        TCheckBox* box;
        std::function<bool()> value;
    } boxes[] = {
        {page->CBDark3D, [w] { return w->Dark3D(); }},
        {page->CBTransp, [w] { return w->Transparent(); }},
        {page->CBVisible, [w] { return w->Visible(); }},
        {page->CBAutoHide, [w] { return w->AutoHide(); }},
        {page->CBView3dWalls, [this] { return chart->View3DWalls(); }},
    };
    for (const auto& b : boxes) {
        const bool was = b.value();
        Click(b.box);
        EXPECT_EQ(b.box->Checked(), !was) << b.box->Caption();
        EXPECT_EQ(b.value(), !was) << b.box->Caption();
    }
    // Only this wall changed.
    EXPECT_EQ(chart->Walls()->Left()->Size(), 0);
    EXPECT_TRUE(chart->Walls()->Left()->Visible());
}

TEST_F(PageTest, WallSizeEnablesDark3DAndTheCommonSizeReachesAllWalls) {
    TFormTeeWall* page = WallPage();
    EXPECT_FALSE(page->CBDark3D->Enabled());
    page->SEWallSize->SetText("1");
    EXPECT_TRUE(page->CBDark3D->Enabled());
    page->SEWallSize->SetText("0");
    EXPECT_FALSE(page->CBDark3D->Enabled());

    Click(page->UDAllSize);  // one step up from 0
    EXPECT_EQ(page->UDAllSize->Position(), 1);
    page->EAllSize->SetText("10");
    TChartWalls& walls = *chart->Walls();
    for (TChartWall* w :
         {static_cast<TChartWall*>(walls.Left()), static_cast<TChartWall*>(walls.Right()),
          static_cast<TChartWall*>(walls.Bottom()), static_cast<TChartWall*>(walls.Back())})
        EXPECT_EQ(w->Size(), 10);
    // The page shows the new size of its wall.
    EXPECT_EQ(page->SEWallSize->Text(), "10");
    EXPECT_TRUE(page->CBDark3D->Enabled());
}

// --- 3-D.

TEST_F(PageTest, Showing3DPageChangesNothingEvenBeyondTheBars) {
    TView3DOptions& view = *chart->View3DOptions();
    view.SetZoom(900);  // beyond the zoom bar
    view.SetPerspective(0);
    view.SetRotationExact(12.5);  // shown rounded
    view.SetElevation(100);       // below the elevation bar
    view.SetHorizOffset(2000);
    view.SetVertOffset(-1700);
    const std::string before = Bytes(chart);
    TFormTee3D* page = Page3D();
    page->Reload();
    EXPECT_EQ(Bytes(chart), before);
    EXPECT_EQ(view.Zoom(), 900);
    EXPECT_EQ(page->SBZoom->Position(), 500);
    EXPECT_EQ(page->LZoom->Caption(), "500%");
    // The offset bars grow to hold the offsets.
    EXPECT_EQ(page->SBHOffset->Min(), -3000);
    EXPECT_EQ(page->SBHOffset->Max(), 3000);
    EXPECT_EQ(page->SBHOffset->Position(), 2000);
    EXPECT_EQ(page->SBVOffset->Max(), 2550);
    EXPECT_EQ(page->LVOffset->Caption(), "-1700");
    EXPECT_EQ(page->SBElevation->Min(), 270);
}

TEST_F(PageTest, Page3DControlsWriteTheirProperties) {
    TFormTee3D* page = Page3D();
    TView3DOptions& view = *chart->View3DOptions();
    view.SetOrthogonal(false);
    page->Reload();

    const struct {
        TEdit* edit;
        const char* text;
        std::function<int()> value;
        int expected;
    } edits[] = {
        {page->SE3d, "40", [this] { return chart->Chart3DPercent(); }, 40},
        {page->SE3d, "0", [this] { return chart->Chart3DPercent(); }, 40},
        {page->EOrthoAngle, "135", [&view] { return view.OrthoAngle(); }, 135},
        {page->ETextSize, "250", [&view] { return view.FontZoom(); }, 250},
    };
    for (const auto& e : edits) {
        e.edit->SetText(e.text);
        EXPECT_EQ(e.value(), e.expected) << e.text;
    }

    // The bars, moved with the keyboard.
    const struct {
        TTrackBar* bar;
        TLabel* label;
        std::function<int()> value;
        const char* shown;
    } bars[] = {
        {page->SBZoom, page->LZoom, [&view] { return view.Zoom(); }, "%"},
        {page->SBRotation, page->LRotation, [&view] { return view.Rotation(); }, ""},
        {page->SBElevation, page->LElevation, [&view] { return view.Elevation(); }, ""},
        {page->SBHOffset, page->LHOffset, [&view] { return view.HorizOffset(); }, ""},
        {page->SBVOffset, page->LVOffset, [&view] { return view.VertOffset(); }, ""},
        {page->SBPerspec, page->LPerspec, [&view] { return view.Perspective(); }, ""},
    };
    for (const auto& b : bars) {
        ASSERT_TRUE(b.bar->Enabled());
        b.bar->SetFocus();
        const int was = b.bar->Position();
        TUserInput::Key(b.bar, was < b.bar->Max() ? Qt::Key_Right : Qt::Key_Left);
        EXPECT_NE(b.bar->Position(), was);
        EXPECT_EQ(b.value(), b.bar->Position()) << b.label->Caption();
        EXPECT_EQ(b.label->Caption(), std::to_string(b.bar->Position()) + b.shown);
    }

    const struct {
        TCheckBox* box;
        std::function<bool()> value;
    } boxes[] = {
        {page->CBZoomText, [&view] { return view.ZoomText(); }},
        {page->CBClipPoints, [this] { return chart->ClipPoints(); }},
        {page->CBOrthogonal, [&view] { return view.Orthogonal(); }},
        {page->CBView3d, [this] { return chart->View3D(); }},
    };
    for (const auto& b : boxes) {
        const bool was = b.value();
        Click(b.box);
        EXPECT_EQ(b.value(), !was) << b.box->Caption();
    }
}

TEST_F(PageTest, Page3DEnablesWhatTheProjectionAllows) {
    TFormTee3D* page = Page3D();
    TView3DOptions& view = *chart->View3DOptions();
    auto* pie = new TPieSeries(&window);
    pie->SetName("Series2");
    // The drawing surface here has no free rotation.
    const struct {
        bool pieFirst;
        bool view3D;
        bool orthogonal;
        bool ortho, elevation, rotation;
    } cases[] = {
        {false, true, true, true, false, false},    {false, true, false, true, true, true},
        {false, false, false, false, false, false}, {true, true, true, false, false, false},
        {true, true, false, false, true, false},
    };
    for (const auto& c : cases) {
        if (c.pieFirst) {
            chart->AddSeries(pie);
            line->SetActive(false);
        }
        chart->SetView3D(c.view3D);
        view.SetOrthogonal(c.orthogonal);
        page->EnableControls();
        EXPECT_EQ(page->RotationAllowed(), !c.pieFirst);
        EXPECT_EQ(page->CBOrthogonal->Enabled(), c.ortho);
        EXPECT_EQ(page->EOrthoAngle->Enabled(), c.ortho);
        EXPECT_EQ(page->UDOrthoAngle->Enabled(), c.ortho);
        EXPECT_EQ(page->SBElevation->Enabled(), c.elevation);
        EXPECT_EQ(page->SBRotation->Enabled(), c.rotation);
    }
    // Unchecking "3 Dimensions" by hand disables the projection.
    chart->RemoveSeries(pie);
    line->SetActive(true);
    chart->SetView3D(true);
    view.SetOrthogonal(false);
    page->Reload();
    EXPECT_TRUE(page->SBRotation->Enabled());
    Click(page->CBView3d);
    EXPECT_FALSE(chart->View3D());
    EXPECT_FALSE(page->CBOrthogonal->Enabled());
    EXPECT_FALSE(page->SBRotation->Enabled());
    EXPECT_FALSE(page->SBElevation->Enabled());
}

// --- General.

TEST_F(PageTest, GeneralPageWritesZoomAndScrollSettings) {
    const std::string before = Bytes(chart);
    TFormTeeGeneral* page = Show(new TFormTeeGeneral(&window, chart));
    page->Reload();
    EXPECT_EQ(Bytes(chart), before);
    TTeeZoom& z = *chart->Zoom();
    EXPECT_EQ(page->BZoomPen->Pen(), z.Pen());

    page->SEAniZoomSteps->SetText("20");
    page->EMinPix->SetText("30");
    page->EMinPix->SetText("300");  // beyond the range
    page->CBDir->SetItemIndex(1);
    page->CBDir->OnChange(page->CBDir);
    page->CBZoomMouse->SetItemIndex(2);
    page->CBZoomMouse->OnChange(page->CBZoomMouse);
    Click(page->CBAnimatedZoom);
    Click(page->CBUpLeft);
    EXPECT_EQ(z.AnimatedSteps(), 20);
    EXPECT_EQ(z.MinimumPixels(), 30);
    EXPECT_EQ(z.Direction(), tzdVertical);
    EXPECT_EQ(z.MouseButton(), mbMiddle);
    EXPECT_TRUE(z.Animated());
    EXPECT_EQ(z.UpLeftZooms(), !TTeeZoom().UpLeftZooms());

    const std::vector<TControl*> zoomControls = {
        page->CBAnimatedZoom, page->SEAniZoomSteps, page->UDAniZoomSteps, page->BZoomPen,
        page->BZoomColor,     page->EMinPix,        page->UDMinPix,       page->CBDir,
        page->CBZoomMouse,    page->CBUpLeft};
    Click(page->CBAllowZoom);
    EXPECT_FALSE(z.Allow());
    for (TControl* c : zoomControls) EXPECT_FALSE(c->Enabled()) << c->Name();
    Click(page->CBAllowZoom);
    EXPECT_TRUE(z.Allow());
    EXPECT_TRUE(page->CBUpLeft->Enabled());

    page->PageControl1->SetActivePage(page->TabScroll);
    const struct {
        int item;
        TPanningMode mode;
        bool mouse;
    } panning[] = {
        {0, pmNone, false}, {1, pmHorizontal, true}, {2, pmVertical, true}, {3, pmBoth, true}};
    for (const auto& p : panning) {
        page->RGPanning->SetItemIndex(p.item);
        EXPECT_EQ(chart->AllowPanning(), p.mode);
        EXPECT_EQ(page->CBScrollMouse->Enabled(), p.mouse);
    }
    page->CBScrollMouse->SetItemIndex(1);
    page->CBScrollMouse->OnChange(page->CBScrollMouse);
    EXPECT_EQ(chart->ScrollMouseButton(), mbRight);
}

// --- Paging.

TEST_F(PageTest, PagingPageWritesThePagesAndStepsThroughThem) {
    chart->Legend()->SetCurrentPage(false);
    chart->Pages()->SetMaxPointsPerPage(2);  // 5 points: 3 pages
    const std::string before = Bytes(chart);
    TFormTeePage* page = Show(new TFormTeePage(&window, chart));
    page->Reload();
    EXPECT_EQ(Bytes(chart), before);
    EXPECT_EQ(page->LabelPages->Caption(), "Page 1 of 3");
    EXPECT_FALSE(page->CBNoPages->Checked());
    EXPECT_TRUE(page->CBNoPages->Enabled());
    EXPECT_FALSE(page->CBPageNum->Visible());

    TChartPageNavigator* nav = page->ChartPageNavigator1;
    auto enabled = [nav] {
        std::string on;
        for (TTeeNavigateBtn b : {nbFirst, nbPrior, nbNext, nbLast})
            on += nav->Button(b)->Enabled() ? '1' : '0';
        return on;
    };
    EXPECT_EQ(enabled(), "0011");
    Click(nav->Button(nbLast));
    EXPECT_EQ(chart->CurrentPage(), 3);
    EXPECT_EQ(page->LabelPages->Caption(), "Page 3 of 3");
    EXPECT_EQ(enabled(), "1100");
    Click(nav->Button(nbPrior));
    EXPECT_EQ(page->LabelPages->Caption(), "Page 2 of 3");
    EXPECT_EQ(enabled(), "1111");
    // A change of the chart's page from elsewhere reaches the buttons.
    chart->Pages()->SetCurrent(1);
    EXPECT_EQ(enabled(), "0011");

    const struct {
        TCheckBox* box;
        std::function<bool()> value;
    } boxes[] = {
        {page->CBScaleLast, [this] { return chart->Pages()->ScaleLastPage(); }},
        {page->CBAutoScale, [this] { return chart->Pages()->AutoScale(); }},
        {page->CBPageLegend, [this] { return chart->Legend()->CurrentPage(); }},
    };
    for (const auto& b : boxes) {
        const bool was = b.value();
        Click(b.box);
        EXPECT_EQ(b.value(), !was) << b.box->Caption();
    }

    page->SEPointsPerPage->SetText("3");
    EXPECT_EQ(chart->Pages()->MaxPointsPerPage(), 3);
    EXPECT_EQ(page->LabelPages->Caption(), "Page 1 of 2");
    page->SEPointsPerPage->SetText("");
    EXPECT_EQ(chart->Pages()->MaxPointsPerPage(), 0);
    EXPECT_TRUE(page->CBNoPages->Checked());
    EXPECT_FALSE(page->CBNoPages->Enabled());
    EXPECT_EQ(page->LabelPages->Caption(), "Page 1 of 1");
    page->SEPointsPerPage->SetText("4");
    EXPECT_TRUE(page->CBNoPages->Enabled());
    Click(page->CBNoPages);
    EXPECT_EQ(chart->Pages()->MaxPointsPerPage(), 0);
    EXPECT_EQ(page->SEPointsPerPage->Text(), "0");
    EXPECT_FALSE(page->CBNoPages->Enabled());
}

TEST_F(PageTest, PageNavigatorLetsGoOfAFreedChart) {
    TChartPageNavigator nav(&window);
    nav.SetPanel(chart);
    EXPECT_EQ(nav.Chart(), chart);
    auto* panel = new TChart(&window);
    nav.SetPanel(panel);
    EXPECT_EQ(nav.Panel(), panel);
    delete panel;  // the navigator lets go of a freed chart
    EXPECT_EQ(nav.Panel(), nullptr);
    EXPECT_EQ(nav.PageCount(), 1);
}

// --- Hosted in the editor's Chart page.

TEST_F(PageTest, TheEditorHostsBothPagesAndShowingThemChangesNothing) {
    chart->View3DOptions()->SetZoom(800);
    const std::string before = Bytes(chart);
    TScratchSettings settings;
    auto* form = new TChartEditForm(&window);
    form->TreeVisible = false;  // the page tabs, not the tree
    form->AssignChart(chart);
    form->SetBounds(0, 0, 760, 480);  // wide enough for every sub-page's tab
    form->Show();
    form->MainPage->SetActivePage(form->TabChart);
    // The sub-pages' own tab bar, not one of a page inside them.
    QTabBar* tabs = nullptr;
    for (QTabBar* bar : form->SubPage->Widget()->findChildren<QTabBar*>())
        if (bar->count() == form->SubPage->PageCount()) tabs = bar;
    ASSERT_NE(tabs, nullptr);
    auto show = [&](TTabSheet* sheet) {
        const QRect r = tabs->tabRect(sheet->PageIndex());
        TUserInput().Click(form->SubPage, tabs->mapTo(form->SubPage->Widget(), r.center()));
        EXPECT_EQ(form->SubPage->ActivePage(), sheet);
    };
    for (TTabSheet* sheet :
         {form->TabWalls, form->Tab3D, form->TabPanel, form->TabWalls, form->Tab3D})
        show(sheet);
    auto* walls = dynamic_cast<TFormTeeWall*>(form->SubPageForm(cetWalls));
    ASSERT_NE(walls, nullptr);
    EXPECT_EQ(walls->Wall(), chart->Walls()->Left());
    auto* page3D = dynamic_cast<TFormTee3D*>(form->SubPageForm(cet3D));
    ASSERT_NE(page3D, nullptr);
    EXPECT_EQ(Bytes(chart), before);

    Click(page3D->CBClipPoints);
    EXPECT_FALSE(chart->ClipPoints());
    show(form->TabWalls);
    ClickTab(walls->TabSubWalls, 3);
    walls->Edit1->SetText("30");
    EXPECT_EQ(chart->Walls()->Back()->Transparency(), 30);
}

}  // namespace
