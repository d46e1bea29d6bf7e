// The printer: without devices, printing into page bitmaps, and into a PDF file with shapes and
// real text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/MetafileCanvas.h"
#include "platform/graphics/Printer.h"
#include "platform/graphics/PrinterSystem.h"
#include "tests/platform/graphics/PixelMap.h"
#include "tests/support/PdfTools.h"
#include "tests/support/TempDir.h"

namespace {

// A sheet of 2 x 1 inches at 10 pixels per inch: pages of 20 x 10 pixels.
TImagePrinterDevice* AddSmallDevice(TPrinter& p, const std::string& name = "Sheets") {
    auto device = std::make_unique<TImagePrinterDevice>(name, 10, TSize{5080, 2540});
    TImagePrinterDevice* raw = device.get();
    p.AddDevice(std::move(device));
    return raw;
}

}  // namespace

TEST(Printer, WithoutADeviceEveryNeedOfOneRaisesThePrinterError) {
    TPrinter p;
    EXPECT_TRUE(p.Printers().empty());
    EXPECT_EQ(p.PrinterIndex(), -1);
    const std::function<void()> needs[] = {
        [&] { p.PageWidth(); },
        [&] { p.PageHeight(); },
        [&] { p.Canvas(); },
        [&] { p.BeginDoc(); },
    };
    for (const auto& need : needs) {
        try {
            need();
            ADD_FAILURE() << "no error";
        } catch (const EPrinter& e) {
            EXPECT_EQ(e.Message(), "There is no default printer currently selected");
        }
    }
    EXPECT_FALSE(p.Printing());
}

TEST(Printer, PrintsPagesOfTheDevicesSizeAndResolution) {
    TPrinter p;
    AddSmallDevice(p, "First");
    TImagePrinterDevice* device = AddSmallDevice(p, "Second");
    EXPECT_EQ(p.Printers(), (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(p.PrinterIndex(), 0);
    p.SetPrinterIndex(1);
    EXPECT_EQ(p.PageWidth(), 20);
    EXPECT_EQ(p.PageHeight(), 10);
    p.SetOrientation(poLandscape);
    EXPECT_EQ(p.PageWidth(), 10);
    p.SetOrientation(poPortrait);
    p.SetTitle("Cavity");
    p.BeginDoc();
    EXPECT_TRUE(p.Printing());
    TCanvas& c = *p.Canvas();
    EXPECT_EQ(c.DeviceCaps(LOGPIXELSX), 10);
    EXPECT_EQ(c.DeviceCaps(HORZRES), 20);
    EXPECT_EQ(c.DeviceCaps(HORZSIZE), 51);
    c.Brush()->SetColor(clBlack);
    c.FillRect(Rect(0, 0, 2, 2));
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    c.FillRect(Rect(18, 8, 20, 10));
    p.EndDoc();
    EXPECT_FALSE(p.Printing());
    ASSERT_EQ(device->Pages().size(), 2u);
    EXPECT_EQ(device->Title(), "Cavity");
    TBitmap& first = *device->Pages()[0];
    TBitmap& second = *device->Pages()[1];
    EXPECT_EQ(first.Width(), 20);
    EXPECT_EQ(first.Canvas()->Pixel(1, 1), clBlack);
    EXPECT_EQ(first.Canvas()->Pixel(19, 9), clWhite);
    EXPECT_EQ(second.Canvas()->Pixel(1, 1), clWhite);  // every page starts clean
    EXPECT_EQ(second.Canvas()->Pixel(19, 9), clBlack);
}

TEST(Printer, DocumentStatesAreKept) {
    TPrinter p;
    TImagePrinterDevice* device = AddSmallDevice(p);
    struct TCase {
        const char* Name;
        bool Printing;
        std::function<void()> Op;
        const char* Message;
    };
    const TCase cases[] = {
        {"new page outside a document", false, [&] { p.NewPage(); }, SNotPrinting},
        {"end outside a document", false, [&] { p.EndDoc(); }, SNotPrinting},
        {"abort outside a document", false, [&] { p.Abort(); }, SNotPrinting},
        {"a second document", true, [&] { p.BeginDoc(); }, SPrinting},
        {"turning the page while printing", true, [&] { p.SetOrientation(poLandscape); },
         SPrinting},
        {"another printer while printing", true, [&] { p.SetPrinterIndex(0); }, SPrinting},
        {"a printer beyond the list", false, [&] { p.SetPrinterIndex(1); }, SPrinterIndexError},
    };
    for (const TCase& k : cases) {
        if (k.Printing) p.BeginDoc();
        try {
            k.Op();
            ADD_FAILURE() << k.Name << ": no error";
        } catch (const EPrinter& e) {
            EXPECT_EQ(e.Message(), k.Message) << k.Name;
        }
        EXPECT_EQ(p.Printing(), k.Printing) << k.Name;
        if (p.Printing()) p.Abort();
        EXPECT_FALSE(p.Printing());
    }
    EXPECT_TRUE(p.Aborted());
    EXPECT_TRUE(device->Pages().empty());  // aborted documents deliver nothing
    EXPECT_EQ(p.Orientation(), poPortrait);
}

TEST(Printer, MetafileStretchedOntoThePageThroughAMapping) {
    TPrinter p;
    TImagePrinterDevice* device = AddSmallDevice(p);
    TMetafile m;
    m.SetWidth(4);
    m.SetHeight(2);
    {
        TMetafileCanvas recorder(&m, p.Canvas());
        EXPECT_EQ(recorder.DeviceCaps(LOGPIXELSY), 10);  // the reference device's
        recorder.Brush()->SetColor(clBlack);
        recorder.FillRect(Rect(0, 0, 1, 2));
    }
    p.BeginDoc();
    TCanvas& c = *p.Canvas();
    // Page units of a tenth of the page across.
    c.SetMapMode(MM_ANISOTROPIC);
    c.SetWindowExt({10, 10});
    c.SetViewportExt({20, 10});
    c.StretchDraw(Rect(1, 0, 9, 4), &m);
    p.EndDoc();
    ASSERT_EQ(device->Pages().size(), 1u);
    // The rectangle is pixels 2..18 across and 0..4 down: four pixels to a recorded one across.
    EXPECT_EQ(PixelMap(*device->Pages()[0]),
              Rows({"..####..............", "..####..............", "..####..............",
                    "..####..............", "....................", "....................",
                    "....................", "....................", "....................",
                    "...................."}));
}

TEST(Printer, PrintsIntoAPdfFileAndAbortingRemovesIt) {
    const TTempDir dir;
    const std::string file = dir.File("doc.pdf");
    TPrinter p;
    p.AddDevice(std::make_unique<TPdfPrinterDevice>("PDF", file, 72));
    EXPECT_EQ(p.PageWidth(), 595);  // A4 at 72 per inch
    for (bool abort : {false, true}) {
        p.BeginDoc();
        p.Canvas()->Rectangle(10, 10, 100, 100);
        p.NewPage();
        if (abort) {
            p.Abort();
            EXPECT_FALSE(std::filesystem::exists(file));
        } else {
            p.EndDoc();
            std::ifstream in(file, std::ios::binary);
            std::string head(5, '\0');
            in.read(head.data(), 5);
            EXPECT_EQ(head, "%PDF-");
        }
    }
    TPrinter bad;
    bad.AddDevice(std::make_unique<TPdfPrinterDevice>("PDF", dir.File("no/such/folder/x.pdf"), 72));
    EXPECT_THROW(bad.BeginDoc(), EPrinter);
    EXPECT_FALSE(bad.Printing());
}

TEST(Printer, TheProcessPrinterCanBeReplaced) {
    TPrinter mine;
    TPrinter* old = SetPrinter(&mine);
    EXPECT_EQ(Printer(), &mine);
    EXPECT_EQ(SetPrinter(old), &mine);
    EXPECT_EQ(Printer(), old);
}

TEST(Printer, SystemPrintersJoinTheListWhenThereAreAny) {
    // Headless machines usually have none: the list stays as it was and nothing breaks.
    TPrinter p;
    AddSmallDevice(p);
    AddSystemPrinters(p);
    EXPECT_GE(p.Printers().size(), 1u);
    EXPECT_EQ(p.Printers()[0], "Sheets");
    EXPECT_GE(p.PrinterIndex(), 0);
}

// What an independent reader finds in a PDF page: the text as text in embedded fonts, the shapes
// drawn without any picture, where the mapping and the clip put them.
TEST(Printer, PdfPagesHoldShapesAndRealTextInEmbeddedFonts) {
    const TTempDir dir;
    const std::string file = dir.File("page.pdf");
    TPrinter p;
    p.AddDevice(std::make_unique<TPdfPrinterDevice>("PDF", file, 100));  // 827 x 1169 pixels
    p.BeginDoc();
    TCanvas& c = *p.Canvas();
    EXPECT_EQ(c.Width(), 827);
    c.Brush()->SetColor(clRed);
    c.FillRect(Rect(100, 100, 300, 200));
    c.Font()->SetName("Arial");
    c.Font()->SetSize(14);
    c.TextOut(100, 300, "Emissivity 0.95");
    c.Font()->SetOrientation(900);
    c.TextOut(60, 700, "Wavelength");
    c.Font()->SetOrientation(0);
    // The text cell takes the background colour in opaque mode only.
    c.SetBkColor(clYellow);
    c.SetBkMode(TRANSPARENT);
    c.TextOut(100, 400, "....");
    c.SetBkMode(OPAQUE);
    c.TextOut(400, 400, "....");
    // A chart's print mapping: two device pixels to a logical one.
    c.SetMapMode(MM_ANISOTROPIC);
    c.SetWindowExt({100, 100});
    c.SetViewportExt({200, 200});
    c.Brush()->SetColor(clBlue);
    c.Pen()->SetColor(clBlue);
    c.Rectangle(200, 300, 250, 350);
    c.SetMapping(TMapping());
    // The clip holds for every primitive.
    c.IntersectClipRect(Rect(0, 0, 400, 1169));
    c.Brush()->SetColor(clLime);
    c.FillRect(Rect(300, 800, 500, 850));
    p.EndDoc();

    ExpectTextAndShapesOnly(file, {"Emissivity 0.95", "Wavelength"});

    // Rendered at half the printer's resolution.
    const std::optional<TPdfRaster> page = RenderPdfPage(file, 50);
    ASSERT_TRUE(page) << "pdftoppm failed";
    ASSERT_NEAR(page->Width, 413, 1);          // 210 mm at 50 per inch, as the reader rounds it
    EXPECT_EQ(page->At(100, 75), 0xFF0000u);   // the red fill
    EXPECT_EQ(page->At(225, 325), 0x0000FFu);  // the mapped rectangle
    EXPECT_EQ(page->At(175, 412), 0x00FF00u);  // the fill inside the clip
    EXPECT_EQ(page->At(225, 412), 0xFFFFFFu);  // and beyond it
    EXPECT_EQ(page->At(20, 20), 0xFFFFFFu);
    EXPECT_EQ(page->At(52, 202), 0xFFFFFFu);   // above the dots of transparent text
    EXPECT_EQ(page->At(202, 202), 0xFFFF00u);  // and of opaque text
}
