#include "platform/graphics/PrinterDevice.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Printer.h"

TPrinterDevice::TPrinterDevice(std::string name, int pixelsPerInch, TSize sheetMM100)
    : FName(std::move(name)), FPixelsPerInch(pixelsPerInch), FSheet(sheetMM100) {}

TPrinterDevice::~TPrinterDevice() = default;

// --- PDF

struct TPdfPrinterDevice::TImpl {
    std::unique_ptr<QPdfWriter> Writer;
    std::unique_ptr<QPainter> Painter;
};

TPdfPrinterDevice::TPdfPrinterDevice(std::string name, std::string fileName, int pixelsPerInch,
                                     TSize sheetMM100)
    : TPrinterDevice(std::move(name), pixelsPerInch, sheetMM100), FFileName(std::move(fileName)) {}

TPdfPrinterDevice::~TPdfPrinterDevice() {
    if (FImpl) AbortDoc();
}

void TPdfPrinterDevice::BeginDoc(const std::string& title, bool landscape) {
    if (OnAskFileName) {
        std::string chosen = FFileName;
        if (!OnAskFileName(chosen)) throw EAbort("");
        FFileName = chosen;
    }
    auto impl = std::make_unique<TImpl>();
    impl->Writer = std::make_unique<QPdfWriter>(QString::fromStdString(FFileName));
    impl->Writer->setTitle(QString::fromStdString(title));
    impl->Writer->setResolution(PixelsPerInch());
    impl->Writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    impl->Writer->setPageSize(
        QPageSize(QSizeF(SheetMM100().cx / 100.0, SheetMM100().cy / 100.0), QPageSize::Millimeter));
    impl->Writer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    impl->Painter = std::make_unique<QPainter>();
    if (!impl->Painter->begin(impl->Writer.get()))
        throw EPrinter("Cannot create file \"" + FFileName + "\"");
    FImpl = std::move(impl);
}

QPainter* TPdfPrinterDevice::PagePainter() { return FImpl ? FImpl->Painter.get() : nullptr; }

void TPdfPrinterDevice::NextPage() {
    if (FImpl) FImpl->Writer->newPage();
}

void TPdfPrinterDevice::AddPage(const TBitmap& page) {
    if (FImpl) FImpl->Painter->drawImage(QPoint(0, 0), page.Image());
}

void TPdfPrinterDevice::EndDoc() {
    if (!FImpl) return;
    FImpl->Painter->end();
    FImpl.reset();
}

void TPdfPrinterDevice::AbortDoc() {
    if (!FImpl) return;
    FImpl->Painter->end();
    FImpl.reset();
    QFile::remove(QString::fromStdString(FFileName));
}

// --- Bitmaps in memory

TImagePrinterDevice::~TImagePrinterDevice() = default;

void TImagePrinterDevice::BeginDoc(const std::string& title, bool) {
    FPending.clear();
    FPendingTitle = title;
}

void TImagePrinterDevice::AddPage(const TBitmap& page) {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&page);
    FPending.push_back(std::move(copy));
}

void TImagePrinterDevice::EndDoc() {
    FPages = std::move(FPending);
    FPending.clear();
    FTitle = FPendingTitle;
}

void TImagePrinterDevice::AbortDoc() { FPending.clear(); }
