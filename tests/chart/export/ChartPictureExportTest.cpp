// Picture export formats: their registration, filter positions, extensions and the picture
// object made for an extension; and files of every format written from a chart, which an
// independent decoder reads back (data/check-pictures-with-pil.py runs the last test).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/LineSeries.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "gif/GIFFormat.h"
#include "gif/GIFImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"

namespace {

class ChartPictureExportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterStandardGraphicFormats();
        RegisterGIFImageFormat();
        LoadCoreTexts();
        LoadExtendedTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        PictureExportUnitStartup();
    }

    // A small chart of flat colours: a yellow panel, a white plot, a thick red line.
    void SetUp() override {
        Chart.SetBounds(0, 0, 160, 100);
        Chart.SetView3D(false);
        Chart.SetColor(clYellow);
        Chart.SetBevelOuter(bvNone);
        Chart.Legend()->SetVisible(false);
        Chart.SetAxisVisible(false);
        auto* line = new TLineSeries(&Chart);
        Chart.AddSeries(line);
        line->SetSeriesColor(clRed);
        line->LinePen()->SetWidth(5);
        for (double v : {1.0, 3.0, 2.0, 4.0}) line->AddY(v);
    }

    TChart Chart{nullptr};
};

TEST_F(ChartPictureExportTest, FormatsTakeTheirFilterPositionsInOrder) {
    ASSERT_EQ(ExportFormats().size(), 4u);
    int counter = 0;
    const struct {
        const char* description;
        const char* extension;
        int position;
    } expected[] = {{"as &Metafile", "emf", 1},
                    {"as &Bitmap", "bmp", 3},
                    {"as &JPEG", "jpg", 4},
                    {"as &GIF", "gif", 5}};
    for (size_t i = 0; i < 4; ++i) {
        auto format = ExportFormats()[i]();
        format->TakeFilterIndex(counter);
        EXPECT_EQ(format->Description(), expected[i].description);
        EXPECT_EQ(format->FileExtension(), expected[i].extension);
        EXPECT_EQ(format->FilterIndex(), expected[i].position);
    }
    EXPECT_EQ(counter, 5);

    TEMFExportFormat emf;
    int c = 0;
    emf.TakeFilterIndex(c);
    EXPECT_FALSE(emf.OwnsFilterIndex(3));
    EXPECT_TRUE(emf.OwnsFilterIndex(1));
    EXPECT_TRUE(emf.Enhanced());
    EXPECT_TRUE(emf.OwnsFilterIndex(2));  // the plain metafile's position
    EXPECT_FALSE(emf.Enhanced());
    EXPECT_EQ(emf.FileExtension(), "wmf");
    EXPECT_EQ(emf.FilterIndex(), 2);
}

TEST_F(ChartPictureExportTest, PictureObjectsForExtensions) {
    EXPECT_NE(dynamic_cast<TBitmap*>(CreateGraphicForExtension(".BMP").get()), nullptr);
    EXPECT_NE(dynamic_cast<TMetafile*>(CreateGraphicForExtension(".EMF").get()), nullptr);
    EXPECT_NE(dynamic_cast<TJPEGImage*>(CreateGraphicForExtension(".JPG").get()), nullptr);
    EXPECT_NE(dynamic_cast<TGIFImage*>(CreateGraphicForExtension(".GIF").get()), nullptr);
    // A fresh metafile format says "emf"; nothing else matches.
    for (const char* none : {".WMF", ".PNG", ".bmp", "BMP"})
        EXPECT_EQ(CreateGraphicForExtension(none), nullptr) << none;
}

TEST_F(ChartPictureExportTest, NoPanelIsRefused) {
    TBMPExportFormat bmp;
    TTempDir dir;
    try {
        bmp.SaveToFile(dir.File("x.bmp"));
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Panel property is not set in Export format");
    }
    EXPECT_THROW(bmp.CopyToClipboard(), Exception);
    EXPECT_FALSE(std::ifstream(dir.File("x.bmp")).good());
}

TEST_F(ChartPictureExportTest, SizeAndColoursOfTheBitmap) {
    TBMPExportFormat bmp;
    bmp.Panel = &Chart;
    auto picture = bmp.Bitmap();
    EXPECT_EQ(picture->Width(), 160);
    EXPECT_EQ(picture->Height(), 100);
    EXPECT_EQ(picture->Canvas()->Pixel(1, 1), clYellow);

    // Monochrome wins over the colour choice.
    bmp.ColorsIndex = 3;
    bmp.Monochrome = true;
    bmp.Width = 40;
    bmp.Height = 30;
    picture = bmp.Bitmap();
    EXPECT_EQ(picture->PixelFormat(), pf1bit);
    EXPECT_EQ(picture->Width(), 40);
    bmp.Monochrome = false;
    EXPECT_EQ(bmp.Bitmap()->PixelFormat(), pf8bit);
}

// Writes a file of every format and the panel's true pixels as a PPM for the decoder to compare
// with, into KV_PICTURE_SAMPLE_DIR (skipped without it).
TEST_F(ChartPictureExportTest, WritesFilesForAnIndependentDecoder) {
    const char* folder = std::getenv("KV_PICTURE_SAMPLE_DIR");
    if (!folder) GTEST_SKIP() << "KV_PICTURE_SAMPLE_DIR not set";
    const std::string dir = folder;

    TBMPExportFormat reference;
    reference.Panel = &Chart;
    reference.ColorsIndex = 6;
    auto pixels = reference.Bitmap();
    std::ofstream ppm(dir + "/expected.ppm", std::ios::binary);
    ppm << "P6\n" << pixels->Width() << " " << pixels->Height() << "\n255\n";
    for (int y = 0; y < pixels->Height(); ++y)
        for (int x = 0; x < pixels->Width(); ++x) {
            const uint32_t c = uint32_t(pixels->Canvas()->Pixel(x, y));
            ppm.put(char(c & 0xFF)).put(char((c >> 8) & 0xFF)).put(char((c >> 16) & 0xFF));
        }
    ppm.close();

    TBMPExportFormat bmp;
    bmp.Panel = &Chart;
    bmp.SaveToFile(dir + "/chart.bmp");
    bmp.ColorsIndex = 3;
    bmp.SaveToFile(dir + "/chart8.bmp");
    bmp.Monochrome = true;
    bmp.SaveToFile(dir + "/mono.bmp");
    TJPEGExportFormat jpeg;
    jpeg.Panel = &Chart;
    jpeg.SaveToFile(dir + "/chart.jpg");
    TGIFExportFormat gif;
    gif.Panel = &Chart;
    gif.SaveToFile(dir + "/chart.gif");
    TEMFExportFormat emf;
    emf.Panel = &Chart;
    emf.SaveToFile(dir + "/chart.emf");
    emf.SetEnhanced(false);
    emf.SaveToFile(dir + "/chart.wmf");
}

}  // namespace
