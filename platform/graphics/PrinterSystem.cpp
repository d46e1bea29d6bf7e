#include "platform/graphics/PrinterSystem.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Printer.h"

namespace {

class TSystemPrinterDevice : public TPrinterDevice {
public:
    TSystemPrinterDevice(const QPrinterInfo& info, int pixelsPerInch, TSize sheet)
        : TPrinterDevice(info.printerName().toStdString(), pixelsPerInch, sheet), FInfo(info) {}
    ~TSystemPrinterDevice() override {
        if (FPainter) AbortDoc();
    }

    void BeginDoc(const std::string& title, bool landscape) override {
        FPrinter = std::make_unique<QPrinter>(FInfo, QPrinter::HighResolution);
        FPrinter->setDocName(QString::fromStdString(title));
        FPrinter->setFullPage(true);
        FPrinter->setResolution(PixelsPerInch());
        FPrinter->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        FPainter = std::make_unique<QPainter>();
        if (!FPainter->begin(FPrinter.get())) {
            FPainter.reset();
            FPrinter.reset();
            throw EPrinter("Printer selected is not valid");
        }
    }
    QPainter* PagePainter() override { return FPainter.get(); }
    void NextPage() override {
        if (FPrinter) FPrinter->newPage();
    }
    void AddPage(const TBitmap& page) override {
        if (FPainter) FPainter->drawImage(QPoint(0, 0), page.Image());
    }
    void EndDoc() override {
        if (!FPainter) return;
        FPainter->end();
        FPainter.reset();
        FPrinter.reset();
    }
    void AbortDoc() override {
        if (!FPainter) return;
        FPrinter->abort();
        FPainter->end();
        FPainter.reset();
        FPrinter.reset();
    }

private:
    QPrinterInfo FInfo;
    std::unique_ptr<QPrinter> FPrinter;
    std::unique_ptr<QPainter> FPainter;
};

}  // namespace

void AddSystemPrinters(TPrinter& printer) {
    const QString preferred = QPrinterInfo::defaultPrinterName();
    int index = -1;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        const QPageSize size = info.defaultPageSize();
        const QSizeF mm = size.isValid() ? size.size(QPageSize::Millimeter) : QSizeF(210, 297);
        const TSize sheet{int(std::lround(mm.width() * 100)), int(std::lround(mm.height() * 100))};
        // A fixed resolution keeps page bitmaps of a known size, whatever the printer offers.
        printer.AddDevice(std::make_unique<TSystemPrinterDevice>(info, 300, sheet));
        if (info.printerName() == preferred) index = int(printer.Printers().size()) - 1;
    }
    if (index >= 0) printer.SetPrinterIndex(index);
}
