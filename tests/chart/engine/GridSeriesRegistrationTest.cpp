// The 3-D grid series on the gallery's "3D" page, in gallery order, and off it again; the colour
// grid, vector and tower settings through the component stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/engine/grid3d/TowerSeries.h"
#include "chart/engine/grid3d/Vector3DSeries.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"

namespace {

TEST(GridSeriesRegistrationTest, GridSeriesOnThe3DPageInGalleryOrder) {
    RegisterTestChartClasses();
    LoadExtendedTexts();
    GridSeriesUnitStartup();
    std::vector<std::string> names;
    for (int i = 0; i < SeriesTypeList().Count(); ++i) {
        const TTeeSeriesType* t = SeriesTypeList()[i];
        if (*t->PageText != "3D") continue;
        names.push_back(*t->DescriptionText);
        EXPECT_EQ(t->SampleSeriesCount, 1) << names.back();
    }
    // Other units' series on the page (point 3-D, bubble) may be listed too: only the grid
    // series' order counts.
    std::vector<std::string> grid;
    for (const std::string& n : names)
        if (n != "Point 3D" && n != "Bubble 3D") grid.push_back(n);
    EXPECT_EQ(grid, (std::vector<std::string>{"Surface", "Contour", "Water Fall", "Color Grid",
                                              "Vector 3D", "Tower", "Iso-Surface"}));
    // The stream finds the classes by name.
    EXPECT_EQ(FindClass("TTowerSeries"), &TTowerSeries::StaticClass());
    GridSeriesUnitShutdown();
    for (TClass c : std::initializer_list<TClass>{&TColorGridSeries::StaticClass(),
                                                  &TVector3DSeries::StaticClass(),
                                                  &TTowerSeries::StaticClass()})
        EXPECT_EQ(SeriesTypeList().FindBySeriesClass(c), nullptr);
}

// Written as text, for readable failures, and read back into a fresh series.
template <class S>
std::string RoundTrip(S& written, S& read) {
    TMemoryStream binary;
    WriteComponentToStream(binary, &written);
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(binary, text);
    binary.SetPosition(0);
    ReadComponentFromStream(binary, &read);
    return std::string(static_cast<const char*>(text.Memory()), size_t(text.Size()));
}

TEST(GridSeriesRegistrationTest, SettingsGoThroughTheStream) {
    RegisterTestChartClasses();
    TVector3DSeries vector(nullptr), vectorRead(nullptr);
    vector.SetArrowWidth(7);
    vector.StartArrow()->SetVisible(true);
    vector.SetPaletteStyle(psStrong);
    std::string text = RoundTrip(vector, vectorRead);
    EXPECT_EQ(vectorRead.ArrowWidth(), 7) << text;
    EXPECT_TRUE(vectorRead.StartArrow()->Visible()) << text;
    EXPECT_EQ(vectorRead.PaletteStyle(), psStrong) << text;
    EXPECT_EQ(text.find("ArrowHeight"), std::string::npos) << text;

    TTowerSeries tower(nullptr), towerRead(nullptr);
    tower.SetTowerStyle(tsCone);
    tower.SetOrigin(2.5);
    tower.SetPercentWidth(60);
    text = RoundTrip(tower, towerRead);
    EXPECT_EQ(towerRead.TowerStyle(), tsCone) << text;
    EXPECT_EQ(towerRead.Origin(), 2.5) << text;
    EXPECT_EQ(towerRead.PercentWidth(), 60) << text;

    TColorGridSeries grid(nullptr), gridRead(nullptr);
    grid.SetCenteredPoints(true);
    grid.SetDrawPlane3D(cpY);
    grid.SetXGridEvery(3);
    grid.Frame()->SetVisible(true);
    text = RoundTrip(grid, gridRead);
    EXPECT_TRUE(gridRead.CenteredPoints()) << text;
    EXPECT_EQ(gridRead.DrawPlane3D(), cpY) << text;
    EXPECT_EQ(gridRead.XGridEvery(), 3) << text;
    EXPECT_TRUE(gridRead.Frame()->Visible()) << text;
}

}  // namespace
