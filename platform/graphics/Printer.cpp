#include "platform/graphics/Printer.h"

#include <QImage>
#include <cmath>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/PainterSurface.h"

// The page canvas: the page bitmap's pixels with the device's resolution and size.
class TPrinter::TPrinterCanvas : public TCanvas {
public:
    explicit TPrinterCanvas(TPrinter& printer) : FPrinter(printer) {}

    int DeviceCaps(int index) override {
        const TPrinterDevice* device = FPrinter.Device();
        if (!device) return 0;
        const TSize page = FPrinter.PageSize();
        return DeviceCapsOf(index, page.cx, page.cy, device->PixelsPerInch(),
                            device->PixelsPerInch());
    }

    void UseSurface(TPainterSurface* surface) { SetSurface(surface); }

protected:
    QImage* Image() override {
        return FPrinter.FPrinting && FPrinter.FPage ? &FPrinter.FPage->Image() : nullptr;
    }
    // The page's size also outside a document and on a painter device, so that clip and size
    // questions have the same answers wherever the drawing goes.
    TSize SurfaceSize() override {
        return FPrinter.Device() ? FPrinter.PageSize() : TCanvas::SurfaceSize();
    }

private:
    TPrinter& FPrinter;
};

TPrinter::TPrinter() = default;

TPrinter::~TPrinter() {
    if (FPrinting) Abort();
}

void TPrinter::AddDevice(std::unique_ptr<TPrinterDevice> device) {
    FDevices.push_back(std::move(device));
    if (FIndex < 0) FIndex = 0;
}

std::vector<std::string> TPrinter::Printers() const {
    std::vector<std::string> names;
    for (const auto& d : FDevices) names.push_back(d->Name());
    return names;
}

void TPrinter::SetPrinterIndex(int value) {
    if (FPrinting) throw EPrinter(SPrinting);
    if (value == -1)
        value = FDevices.empty() ? -1 : 0;
    else if (value < 0 || value >= int(FDevices.size()))
        throw EPrinter(SPrinterIndexError);
    FIndex = value;
}

TPrinterDevice* TPrinter::Device() const {
    return FIndex >= 0 && FIndex < int(FDevices.size()) ? FDevices[size_t(FIndex)].get() : nullptr;
}

TPrinterDevice& TPrinter::RequireDevice() const {
    TPrinterDevice* device = Device();
    if (!device) throw EPrinter(SNoDefaultPrinter);
    return *device;
}

void TPrinter::SetOrientation(TPrinterOrientation value) {
    if (FPrinting) throw EPrinter(SPrinting);
    FOrientation = value;
}

TSize TPrinter::PageSize() const {
    const TPrinterDevice& device = RequireDevice();
    const TSize sheet = device.SheetMM100();
    auto pixels = [&](int mm100) {
        return int(std::lround(mm100 / 2540.0 * device.PixelsPerInch()));
    };
    const int w = pixels(sheet.cx), h = pixels(sheet.cy);
    return FOrientation == poPortrait ? TSize{w, h} : TSize{h, w};
}

int TPrinter::PageWidth() const { return PageSize().cx; }
int TPrinter::PageHeight() const { return PageSize().cy; }

TCanvas* TPrinter::Canvas() {
    RequireDevice();
    if (!FCanvas) FCanvas = std::make_unique<TPrinterCanvas>(*this);
    return FCanvas.get();
}

void TPrinter::StartPage() {
    ++FPageNumber;
    if (FSurface) return;  // the device turned the page itself
    const TSize size = PageSize();
    if (!FPage) FPage = std::make_unique<TBitmap>();
    FPage->SetSize(0, 0);  // a clean white sheet
    FPage->SetSize(size.cx, size.cy);
}

void TPrinter::DropPage() {
    if (FCanvas) FCanvas->UseSurface(nullptr);
    FSurface.reset();
    FPage.reset();
}

void TPrinter::BeginDoc() {
    TPrinterDevice& device = RequireDevice();
    if (FPrinting) throw EPrinter(SPrinting);
    Canvas();
    FAborted = false;
    FPageNumber = 0;
    device.BeginDoc(FTitle, FOrientation == poLandscape);
    FPrinting = true;
    try {
        if (QPainter* painter = device.PagePainter()) {
            FSurface = std::make_unique<TPainterSurface>(*painter, PageSize());
            FCanvas->UseSurface(FSurface.get());
        }
        StartPage();
    } catch (...) {
        FPrinting = false;
        DropPage();
        device.AbortDoc();
        throw;
    }
    // Each document starts with the canvas in its plain state: no clip and no mapping.
    FCanvas->SelectClipRgn(nullptr);
    FCanvas->SetMapping(TMapping());
}

void TPrinter::NewPage() {
    if (!FPrinting) throw EPrinter(SNotPrinting);
    if (FSurface)
        RequireDevice().NextPage();
    else
        RequireDevice().AddPage(*FPage);
    StartPage();
}

void TPrinter::EndDoc() {
    if (!FPrinting) throw EPrinter(SNotPrinting);
    TPrinterDevice& device = RequireDevice();
    // The document is over whatever the device says about its last page.
    FPrinting = false;
    const bool bitmapPage = !FSurface && FPage;
    std::unique_ptr<TBitmap> page = std::move(FPage);
    // The surface goes before the device ends its painter.
    DropPage();
    if (bitmapPage) device.AddPage(*page);
    device.EndDoc();
}

void TPrinter::Abort() {
    if (!FPrinting) throw EPrinter(SNotPrinting);
    FPrinting = false;
    FAborted = true;
    DropPage();
    if (TPrinterDevice* device = Device()) device->AbortDoc();
}

namespace {

TPrinter* GPrinter = nullptr;

}  // namespace

TPrinter* Printer() {
    if (!GPrinter) {
        static TPrinter processPrinter;
        GPrinter = &processPrinter;
    }
    return GPrinter;
}

TPrinter* SetPrinter(TPrinter* printer) {
    TPrinter* old = Printer();
    GPrinter = printer;
    return old;
}
