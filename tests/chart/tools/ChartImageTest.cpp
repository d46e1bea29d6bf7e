// The chart picture: empty until its chart is asked for, kept as a "tee" file that the picture
// registry opens by its extension, drawn to the same pixels after the round trip, refused whole
// when damaged, copied apart, and made transparent and opaque again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/TeeHtml.h"
#include "chart/tools/sources/ChartImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/support/TempDir.h"

namespace {

struct ChartImageTest : ::testing::Test {
    TToolsLibrary Library;
    TTempDir Dir;

    // A chart of 200 x 150 with one point series of four labelled points, in the panel's default
    // view (the chart stream keeps what the chart publishes).
    static void Fill(TChartImage& image) {
        TChart* chart = image.Chart();
        image.SetWidth(200);
        image.SetHeight(150);
        chart->SetColor(clYellow);
        auto* series = new TPointSeries(chart);
        series->SetName("Series1");
        chart->AddSeries(series);
        const double ys[] = {3, 7, 2, 9};
        for (double y : ys) series->AddY(y, "p" + std::to_string(int(y)));
    }
    static std::vector<uint8_t> Pixels(TGraphic& graphic) {
        TBitmap target(200, 150);
        target.SetPixelFormat(pf24bit);
        target.Canvas()->StretchDraw(TRect{0, 0, 200, 150}, &graphic);
        std::vector<uint8_t> pixels;
        for (int y = 0; y < 150; ++y)
            pixels.insert(pixels.end(), target.ScanLine(y), target.ScanLine(y) + 3 * 200);
        return pixels;
    }
    std::string Bytes(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
};

TEST_F(ChartImageTest, TheStartUpRegistersTheFormatAndTheImageLoader) {
    EXPECT_EQ(GraphicClassOfExtension(".TEE"), &TChartImage::StaticClass());
    EXPECT_TRUE(UrlReadHook());
    const auto formats = FileFormats();
    const auto tee = std::find_if(formats.begin(), formats.end(),
                                  [](const TFileFormat& f) { return f.Extension == "tee"; });
    ASSERT_NE(tee, formats.end());
    EXPECT_EQ(tee->Description, "DarEzaro");
}

TEST_F(ChartImageTest, AFreshPictureIsEmptyUntilItsChartIsNeeded) {
    TChartImage image;
    EXPECT_TRUE(image.Empty());
    image.Width();
    EXPECT_FALSE(image.Empty());
}

TEST_F(ChartImageTest, ASavedPictureOpensByItsExtensionAndDrawsTheSamePixels) {
    TChartImage image;
    Fill(image);
    image.SaveToFile(Dir.File("chart"));
    const std::string file = Dir.File("chart.tee");
    ASSERT_TRUE(std::filesystem::exists(file));

    TPicture picture;
    picture.LoadFromFile(file);
    auto* loaded = dynamic_cast<TChartImage*>(picture.Graphic());
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->Chart()->SeriesCount(), 1);
    TChartSeries* series = loaded->Chart()->GetSeries(0);
    ASSERT_EQ(series->Count(), 4);
    EXPECT_EQ(series->YValues().Value(3), 9);
    EXPECT_EQ(series->Labels().Label(1), "p7");
    EXPECT_EQ(loaded->Width(), 200);

    const std::vector<uint8_t> drawn = Pixels(image);
    EXPECT_EQ(Pixels(*loaded), drawn);
    // Something besides the white ground was drawn.
    EXPECT_GT(std::count_if(drawn.begin(), drawn.end(), [](uint8_t b) { return b != 255; }), 300);
}

TEST_F(ChartImageTest, ADamagedFileIsRefusedAndNothingChanges) {
    TChartImage image;
    Fill(image);
    image.SaveToFile(Dir.File("good.tee"));
    const std::string good = Bytes(Dir.File("good.tee"));
    TPicture picture;
    picture.LoadFromFile(Dir.File("good.tee"));
    TGraphic* before = picture.Graphic();

    const std::string damaged[] = {"", good.substr(0, good.size() / 2), good.substr(0, 6),
                                   "no chart at all", std::string(good).replace(8, 4, "XXXX")};
    for (const std::string& bytes : damaged) {
        Write(Dir.File("bad.tee"), bytes);
        EXPECT_THROW(picture.LoadFromFile(Dir.File("bad.tee")), Exception) << bytes.size();
        EXPECT_EQ(picture.Graphic(), before);

        // Read into a picture that holds a chart: the chart stays as it was.
        TMemoryStream stream;
        stream.Write(bytes.data(), int64_t(bytes.size()));
        stream.SetPosition(0);
        EXPECT_THROW(image.LoadFromStream(stream), Exception);
        ASSERT_EQ(image.Chart()->SeriesCount(), 1);
        EXPECT_EQ(image.Chart()->GetSeries(0)->Count(), 4);
    }
}

TEST_F(ChartImageTest, AssignCopiesTheChartApartAndABorrowedChartStaysItsGivers) {
    TChartImage source;
    Fill(source);
    TChartImage copy;
    copy.Assign(&source);
    ASSERT_NE(copy.Chart(), source.Chart());
    ASSERT_EQ(copy.Chart()->SeriesCount(), 1);
    EXPECT_EQ(copy.Chart()->GetSeries(0)->Count(), 4);
    EXPECT_EQ(Pixels(copy), Pixels(source));
    source.Chart()->GetSeries(0)->Clear();
    EXPECT_EQ(copy.Chart()->GetSeries(0)->Count(), 4);

    // A picture without chart copies nothing.
    TChartImage empty;
    copy.Assign(&empty);
    EXPECT_EQ(copy.Chart()->SeriesCount(), 1);

    TChart borrowed(nullptr);
    {
        TChartImage holder;
        holder.SetChart(&borrowed);
        EXPECT_EQ(holder.Chart(), &borrowed);
    }
    borrowed.SetWidth(10);  // still alive
    EXPECT_EQ(borrowed.Width(), 10);
}

TEST_F(ChartImageTest, TransparentClearsTheBackColourAndOpaqueBringsItBack) {
    TChartImage image;
    image.Chart()->SetColor(clYellow);
    image.SetTransparent(true);
    EXPECT_EQ(image.Chart()->Color(), clNone);
    EXPECT_TRUE(image.Transparent());
    image.SetTransparent(false);
    EXPECT_EQ(image.Chart()->Color(), clYellow);
    EXPECT_FALSE(image.Transparent());

    // A chart that came transparent becomes white.
    TChartImage other;
    other.Chart()->SetColor(clNone);
    other.SetTransparent(false);
    EXPECT_EQ(other.Chart()->Color(), clWhite);
}

}  // namespace
