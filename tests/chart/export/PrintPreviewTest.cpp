// The print preview panel: the paper fitted to the client area for page shapes and orientations,
// the chart rectangle from the margins, the hit test, margins dragged and the chart moved with
// the mouse, the previewed chart freed, and a chart printed to a PDF file, whose page an
// independent reader renders as the bitmap printer draws it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/export/PrintPreview.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsInit.h"
#include "platform/graphics/Printer.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TempDir.h"

namespace {

class TTestPreview : public TTeePreviewPanel {
public:
    using TTeePreviewPanel::TTeePreviewPanel;
    void Press(int x, int y) { MouseDown(mbLeft, {}, x, y); }
    void Move(int x, int y) { MouseMove({}, x, y); }
    void Release(int x, int y) { MouseUp(mbLeft, {}, x, y); }
};

// An A4 printer at 100 pixels per inch printing into a PDF file; the process's printer while
// it lives.
class TPdfPrinter {
public:
    explicit TPdfPrinter(const std::string& file) {
        FPrinter.AddDevice(std::make_unique<TPdfPrinterDevice>("PDF", file, 100));
        FOld = SetPrinter(&FPrinter);
    }
    ~TPdfPrinter() { SetPrinter(FOld); }
    TPrinter& Get() { return FPrinter; }

private:
    TPrinter FPrinter;
    TPrinter* FOld = nullptr;
};

class PrintPreviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterGraphicsClasses();
        LoadCoreTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
    }
    void SetUp() override {
        Chart->SetName("Chart1");
        Chart->SetBounds(0, 0, 300, 200);
        Chart->SetPrintProportional(false);
        Chart->Title()->SetCaption("Emissivity");
        auto* line = new TLineSeries(&Form);
        Chart->AddSeries(line);
        line->SetSeriesColor(clRed);
        line->LinePen()->SetWidth(4);
        for (double v : {1.0, 3.0, 2.0}) line->AddY(v);
        Preview.SetBounds(0, 0, 500, 300);
        Preview.SetPanel(Chart);
    }

    TTempDir Dir;
    TPdfPrinter Pdf{Dir.File("chart.pdf")};
    TComponent Form{nullptr};
    TChart* Chart = new TChart(&Form);
    TTestPreview Preview{nullptr};
};

TEST(PrintPreviewGeometry, PaperFitsTheClientArea) {
    const struct {
        int cw, ch, pw, ph;
        TRect paper;
    } cases[] = {
        // Relatively wider client, A4 upright: fitted to the height, centred.
        {500, 300, 2100, 2970, {165, 30, 335, 270}},
        // The same page turned: still the height (500x300 is wider than 297:210).
        {500, 300, 2970, 2100, {80, 30, 419, 270}},
        // A tall client: fitted to the width.
        {300, 500, 2970, 2100, {30, 165, 270, 335}},
        // Halves round to even: 25 / 10 = 2.5 gives 2.
        {25, 100, 10, 10, {2, 40, 22, 60}},
        // A page of no size takes the client's.
        {100, 50, 0, 0, {10, 0, 90, 50}},
    };
    for (const auto& c : cases) {
        const TRect r = FitPaperRect(c.cw, c.ch, c.pw, c.ph);
        EXPECT_EQ(r, c.paper) << c.cw << "x" << c.ch << " page " << c.pw << "x" << c.ph;
    }
    // 15 % margins on a paper 400 pixels wide start 60 pixels in.
    EXPECT_EQ(MarginsOnPaper(TRect{10, 20, 410, 220}, TRect{15, 15, 15, 15}),
              (TRect{70, 50, 350, 190}));
    EXPECT_EQ(PercentMargins(TRect{10, 20, 410, 220}, TRect{70, 50, 350, 190}),
              (TRect{15, 15, 15, 15}));
}

TEST_F(PrintPreviewTest, OrientationTurnsThePaper) {
    const struct {
        TTeePreviewPanelOrientation orientation;
        TRect paper;
    } cases[] = {{ppoPortrait, {165, 30, 335, 270}}, {ppoLandscape, {80, 30, 419, 270}}};
    for (const auto& c : cases) {
        Preview.SetOrientation(c.orientation);
        Preview.CalcPaperRect();
        EXPECT_EQ(Preview.PaperRect(), c.paper) << int(c.orientation);
    }
    // Default leaves the printer as it is.
    Preview.SetOrientation(ppoDefault);
    Preview.CalcPaperRect();
    EXPECT_EQ(Preview.PaperRect(), (TRect{80, 30, 419, 270}));
}

TEST_F(PrintPreviewTest, NoPrinterTakesTheScreensShape) {
    TPrinter none;
    TPrinter* old = SetPrinter(&none);
    Preview.CalcPaperRect();
    SetPrinter(old);
    EXPECT_EQ(Preview.PaperRect().Height(), 240);
    EXPECT_GT(Preview.PaperRect().Width(), 0);
}

TEST_F(PrintPreviewTest, HitTestPrefersCorners) {
    Preview.CalcPaperRect();
    const TRect m = Preview.MarginsRect();  // (191, 66, 310, 234) for A4 upright
    const struct {
        int x, y;
        TPreviewDragKind kind;
    } cases[] = {{m.Left + 3, m.Top - 4, pdTopLeft},   {m.Right, m.Top, pdTopRight},
                 {m.Left, m.Bottom + 2, pdBottomLeft}, {m.Right - 4, m.Bottom, pdBottomRight},
                 {m.Left - 4, m.Top + 20, pdLeft},     {m.Right + 1, m.Top + 20, pdRight},
                 {m.Left + 20, m.Top, pdTop},          {m.Left + 20, m.Bottom, pdBottom},
                 {m.Left + 20, m.Top + 20, pdMove},    {m.Left - 5, m.Top + 20, pdNone}};
    for (const auto& c : cases) EXPECT_EQ(Preview.HitTest(c.x, c.y), c.kind) << c.x << "," << c.y;
    Preview.SetAllowResize(false);
    EXPECT_EQ(Preview.HitTest(m.Left, m.Top), pdNone);
    EXPECT_EQ(Preview.HitTest(m.Left + 20, m.Top + 20), pdMove);
    Preview.SetAllowResize(true);
    Preview.SetAllowMove(false);
    EXPECT_EQ(Preview.HitTest(m.Left + 20, m.Top + 20), pdNone);
    EXPECT_EQ(Preview.HitTest(m.Left, m.Top + 20), pdLeft);
}

TEST_F(PrintPreviewTest, DraggingChangesTheMargins) {
    Preview.CalcPaperRect();
    const TRect paper = Preview.PaperRect();
    const TRect m = Preview.MarginsRect();
    std::vector<TRect> reported;
    Preview.OnChangeMargins = [&](TObject*, bool disable, const TRect& margins) {
        EXPECT_TRUE(disable);
        reported.push_back(margins);
    };
    Chart->SetPrintProportional(true);
    // The left line to the paper's edge: no left margin.
    Preview.Press(m.Left, m.Top + 30);
    Preview.Move(paper.Left, m.Top + 30);
    EXPECT_EQ(Chart->PrintMargins().Left, 0);
    EXPECT_FALSE(Chart->PrintProportional());
    // Past the right line: refused.
    Preview.Move(m.Right + 2, m.Top + 30);
    EXPECT_EQ(Preview.MarginsRect().Left, paper.Left);
    Preview.Release(m.Right + 2, m.Top + 30);
    ASSERT_EQ(reported.size(), 2u);

    // Moving the chart keeps its size and stops at the paper's edge.
    const TRect before = Preview.MarginsRect();
    Preview.Press(before.Left + 40, before.Top + 40);
    Preview.Move(before.Left + 50, before.Top + 45);
    EXPECT_EQ(Preview.MarginsRect(),
              (TRect{before.Left + 10, before.Top + 5, before.Right + 10, before.Bottom + 5}));
    Preview.Move(paper.Right, before.Top + 45);  // would leave the paper
    EXPECT_EQ(Preview.MarginsRect().Left, before.Left + 10);
    Preview.Release(paper.Right, before.Top + 45);
    EXPECT_EQ(Chart->PrintMargins(), PercentMargins(paper, Preview.MarginsRect()));
}

TEST_F(PrintPreviewTest, DrawsPaperChartAndMargins) {
    TBitmap picture;
    picture.SetSize(500, 300);
    Preview.Draw(picture.Canvas(), TRect{0, 0, 500, 300});
    const TRect m = Preview.MarginsRect();
    const TRect p = Preview.PaperRect();
    // The paper shows white between its edge and the margins; the chart is drawn inside.
    EXPECT_EQ(picture.Canvas()->Pixel(p.Left + 3, p.Top + 3), clWhite);
    EXPECT_EQ(picture.Canvas()->Pixel(p.Left, p.Top + 3), clBlack);
    bool red = false;
    for (int y = m.Top; y < m.Bottom && !red; ++y)
        for (int x = m.Left; x < m.Right && !red; ++x) red = picture.Canvas()->Pixel(x, y) == clRed;
    EXPECT_TRUE(red);

    // Freeing the chart leaves an empty paper.
    delete Chart;
    Chart = nullptr;
    EXPECT_EQ(Preview.Panel(), nullptr);
    Preview.Draw(picture.Canvas(), TRect{0, 0, 500, 300});
}

TEST_F(PrintPreviewTest, SettingsStreamAndReadBack) {
    TTeePreviewPanel panel(nullptr);
    panel.SetAllowMove(false);
    panel.SetOrientation(ppoLandscape);
    panel.SetPaperColor(clYellow);
    panel.SetTitle("Plot");
    TMemoryStream binary;
    WriteComponentToStream(binary, &panel);
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(binary, text);
    const std::string t(static_cast<const char*>(text.Memory()), size_t(text.Size()));
    for (const char* line : {"AllowMove = False", "Orientation = ppoLandscape",
                             "PaperColor = clYellow", "Title = 'Plot'"})
        EXPECT_NE(t.find(line), std::string::npos) << line;
    EXPECT_EQ(t.find("SmoothBitmap"), std::string::npos);  // at its default
    binary.SetPosition(0);
    TTeePreviewPanel copy(nullptr);
    ReadComponentFromStream(binary, &copy);
    EXPECT_FALSE(copy.AllowMove());
    EXPECT_EQ(copy.Orientation(), ppoLandscape);
    EXPECT_EQ(copy.PaperColor(), clYellow);
    EXPECT_EQ(copy.Title(), "Plot");
}

TEST_F(PrintPreviewTest, PrintsToPdf) {
    Preview.SetTitle("Cavity plot");
    Preview.Print();
    EXPECT_FALSE(Pdf.Get().Printing());
    EXPECT_EQ(Pdf.Get().Title(), "Cavity plot");
    const char* folder = std::getenv("KV_PRINT_SAMPLE_DIR");
    if (folder) {
        TPdfPrinter sample(std::string(folder) + "/chart.pdf");
        Preview.SetOrientation(ppoLandscape);
        Preview.Print();
    }
    // Without a chart nothing is printed.
    TTestPreview empty(nullptr);
    empty.Print();
    EXPECT_EQ(Pdf.Get().Title(), "Cavity plot");
}

// The PDF page is drawn as shapes and text, the bitmap page pixel by pixel: rendered by an
// independent reader at the bitmap's resolution they show the same chart. Edges of shapes and
// glyphs and the phase of dotted lines may differ by a pixel (antialiasing, rasterizers), so the
// pages are compared in blocks of 4 x 4 pixels: no block of the chart may differ much.
TEST_F(PrintPreviewTest, PdfPageLooksLikeTheBitmapPage) {
    Chart->Legend()->SetVisible(true);
    Preview.Print();
    TPrinter bitmapPrinter;
    auto device = std::make_unique<TImagePrinterDevice>("Sheets", 100, SheetA4);
    TImagePrinterDevice& sheets = *device;
    bitmapPrinter.AddDevice(std::move(device));
    TPrinter* former = SetPrinter(&bitmapPrinter);
    Preview.Print();
    SetPrinter(former);
    ASSERT_EQ(sheets.Pages().size(), 1u);
    TBitmap& bitmap = *sheets.Pages()[0];

    const std::optional<TPdfRaster> pdf = RenderPdfPage(Dir.File("chart.pdf"), 100);
    ASSERT_TRUE(pdf) << "pdftoppm failed";
    ASSERT_NEAR(pdf->Width, bitmap.Width(), 1);
    ASSERT_NEAR(pdf->Height, bitmap.Height(), 1);
    constexpr int Block = 4;
    const int w = std::min(pdf->Width, bitmap.Width()), h = std::min(pdf->Height, bitmap.Height());
    int inked = 0, different = 0;
    for (int by = 0; by + Block <= h; by += Block)
        for (int bx = 0; bx + Block <= w; bx += Block) {
            int sumBitmap[3] = {}, sumPdf[3] = {};
            for (int y = by; y < by + Block; ++y)
                for (int x = bx; x < bx + Block; ++x) {
                    const TColor b = bitmap.Canvas()->Pixel(x, y);
                    const uint32_t p = pdf->At(x, y);
                    sumBitmap[0] += GetRValue(b), sumBitmap[1] += GetGValue(b);
                    sumBitmap[2] += GetBValue(b);
                    sumPdf[0] += int(p >> 16), sumPdf[1] += int((p >> 8) & 0xFF);
                    sumPdf[2] += int(p & 0xFF);
                }
            int diff = 0;
            for (int k = 0; k < 3; ++k)
                diff = std::max(diff, std::abs(sumBitmap[k] - sumPdf[k]) / (Block * Block));
            inked += sumBitmap[0] + sumBitmap[1] + sumBitmap[2] < 3 * 255 * Block * Block;
            different += diff > 64;
        }
    EXPECT_GT(inked, 1000);
    EXPECT_LT(different, inked / 100) << different << " of " << inked << " inked blocks differ";
}

}  // namespace
