#include <gtest/gtest.h>

#include <string>

#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFilters.h"
#include "platform/classes/ClassErrors.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/foundation/TeeFilterFixture.h"

namespace {

// A filter class that is never registered for streaming.
class TUnlistedFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TUnlistedFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
};

std::string Written(const TTeePicture& picture, TMemoryStream& stream) {
    {
        TWriter writer(stream);
        writer.WriteProperties(&picture);
        writer.WriteListEnd();
    }
    return std::string(stream.Memory(), size_t(stream.Size()));
}

void ReadBack(TTeePicture& picture, TMemoryStream& stream) {
    stream.Seek(0, soBeginning);
    TReader reader(stream);
    while (!reader.EndOfList()) reader.ReadProperty(&picture);
}

TEST(TeeFilterPictureTest, FilterItemsStreamOnlyWhenThereAreFilters) {
    RegisterClasses({&TBlurFilter::StaticClass(), &TInvertFilter::StaticClass()});
    TTeePicture picture;
    TMemoryStream empty;
    EXPECT_EQ(Written(picture, empty).find("FilterItems"), std::string::npos);

    auto* blur =
        static_cast<TBlurFilter*>(picture.Filters()->AddFilterOfClass(&TBlurFilter::StaticClass()));
    blur->SetAmount(3);
    TTeeFilter* invert = picture.Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    invert->SetEnabled(false);
    invert->Region()->SetLeft(2);
    TMemoryStream stream;
    const std::string bytes = Written(picture, stream);
    EXPECT_NE(bytes.find(std::string("FilterItems") + char(vaCollection)), std::string::npos);
    EXPECT_NE(bytes.find("ItemClass"), std::string::npos);

    TTeePicture loaded;
    loaded.Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());  // replaced on reading
    ReadBack(loaded, stream);
    ASSERT_EQ(loaded.Filters()->Count(), 2);
    EXPECT_EQ(loaded.Filters()->GetFilter(0)->ClassName(), "TBlurFilter");
    EXPECT_EQ(static_cast<TBlurFilter*>(loaded.Filters()->GetFilter(0))->Amount(), 3);
    EXPECT_FALSE(loaded.Filters()->GetFilter(1)->Enabled());
    EXPECT_EQ(loaded.Filters()->GetFilter(1)->Region()->Left(), 2);
    EXPECT_EQ(loaded.Filters()->UpdateCount(), 0);
}

TEST(TeeFilterPictureTest, ReadingAnUnregisteredFilterClassFails) {
    TTeePicture picture;
    picture.Filters()->AddFilterOfClass(&TUnlistedFilter::StaticClass());
    TMemoryStream stream;
    Written(picture, stream);
    TTeePicture loaded;
    EXPECT_THROW(ReadBack(loaded, stream), EClassNotFound);
    EXPECT_EQ(loaded.Filters()->UpdateCount(), 0);
}

TEST(TeeFilterPictureTest, FilteredGraphicIsAFreshFilteredCopy) {
    TTeePicture picture;
    EXPECT_EQ(picture.FilteredGraphic(), nullptr);
    TBitmap bitmap;
    Fill(bitmap, 3, 2, Pattern);
    picture.SetGraphic(&bitmap);
    EXPECT_EQ(picture.FilteredGraphic(), picture.Graphic());  // no filters

    picture.Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    for (int call = 0; call < 2; ++call) {  // made again each time, not inverted twice
        auto* filtered = dynamic_cast<TBitmap*>(picture.FilteredGraphic());
        ASSERT_NE(filtered, nullptr);
        ASSERT_NE(filtered, picture.Graphic());
        EXPECT_EQ(Px(*filtered, 2, 1).G, 255 - Pattern(2, 1).G);
    }
    EXPECT_EQ(Px(*static_cast<TBitmap*>(picture.Graphic()), 2, 1), Pattern(2, 1));

    TTeePicture copy;
    copy.Assign(&picture);
    EXPECT_EQ(copy.Filters()->Count(), 1);
    TTeePicture plain;
    copy.Assign(&plain);
    EXPECT_FALSE(copy.HasFilters());
}

}  // namespace
