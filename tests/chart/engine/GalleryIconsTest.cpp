// Every series class the galleries offer has a gallery bitmap of its own, of the size and form
// of the others: found under its own class name, not only through its parent's.
#include <gtest/gtest.h>

#include <set>

#include "chart/engine/SeriesTypes.h"
#include "chart/engine/StandardSeries.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ResourceBitmap.h"

namespace {

TEST(GalleryIcons, EveryRegisteredSeriesClassHasItsOwnIcon) {
    // Registering again adds nothing; classes other tests register on pages of their own are
    // left out.
    RegisterStandardSeriesTypes();
    GridSeriesUnitStartup();
    Point3DSeriesUnitStartup();
    const TTeeSeriesTypes& types = SeriesTypeList();
    std::set<std::string> classes;
    std::set<std::vector<TColor>> icons;
    for (int i = 0; i < types.Count(); ++i) {
        const TClass seriesClass = types[i]->SeriesClassRef;
        if (types[i]->PageText != &TxtStandard && types[i]->PageText != &TxtExt3D) continue;
        if (!seriesClass || !classes.insert(seriesClass->ClassName()).second) continue;
        SCOPED_TRACE(seriesClass->ClassName());
        TBitmap icon;
        ASSERT_TRUE(LoadResourceBitmap(icon, seriesClass->ClassName()));
        ASSERT_EQ(icon.Width(), 16);
        ASSERT_EQ(icon.Height(), 16);
        std::vector<TColor> pixels;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) pixels.push_back(icon.Canvas()->Pixel(x, y));
        icons.insert(pixels);
    }
    EXPECT_EQ(classes.size(), 18u);
    EXPECT_EQ(icons.size(), classes.size());  // no two classes share a drawing
}

}  // namespace
