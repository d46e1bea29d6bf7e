// The printer: without devices, printing into page bitmaps, and into a PDF file.
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
