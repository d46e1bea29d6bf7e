#include <gtest/gtest.h>

#include "chart/foundation/ImageFiltered.h"
#include "chart/foundation/TeeFilters.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Streams.h"

namespace {

TEST(ImageFiltered, PaintsTheStretchedPictureThroughItsFilters) {
    TImageFiltered image(nullptr);
    image.SetBounds(0, 0, 8, 6);
    image.SetStretch(true);
    TBitmap red;
    red.SetSize(2, 2);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(TRect{0, 0, 2, 2});
    image.Picture()->SetGraphic(&red);
    for (bool inverted : {false, true}) {
        if (inverted) image.Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
        TBitmap shown;
        shown.SetSize(8, 6);
        image.PaintTo(shown, 0, 0);
        const TColor expected = inverted ? clAqua : clRed;
        EXPECT_EQ(shown.Canvas()->Pixel(0, 0), expected) << inverted;
        EXPECT_EQ(shown.Canvas()->Pixel(7, 5), expected) << inverted;
    }
    // The picture itself is not filtered.
    EXPECT_EQ(static_cast<TBitmap*>(image.Picture()->Graphic())->Canvas()->Pixel(1, 1), clRed);
}

TEST(ImageFiltered, FilterItemsStreamOnlyWithFilters) {
    RegisterClasses({&TInvertFilter::StaticClass()});
    TImageFiltered image(nullptr);
    TMemoryStream empty;
    WriteComponentToStream(empty, &image);
    EXPECT_EQ(std::string(empty.Memory(), size_t(empty.Size())).find("FilterItems"),
              std::string::npos);

    image.Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    TMemoryStream stream;
    WriteComponentToStream(stream, &image);
    stream.SetPosition(0);
    TImageFiltered loaded(nullptr);
    ReadComponentFromStream(stream, &loaded);
    ASSERT_EQ(loaded.Filters()->Count(), 1);
    EXPECT_EQ(loaded.Filters()->GetFilter(0)->ClassName(), "TInvertFilter");
}

}  // namespace
