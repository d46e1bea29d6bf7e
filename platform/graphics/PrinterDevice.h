#pragma once
// Where a printer's pages go. A device has a name, a resolution and a sheet size. A painter
// device takes the drawing as it is made, through the painter of its current page, so its pages
// keep vector shapes and real text (the print system's printers, PDF files); any other device
// takes each finished page as a bitmap of the sheet at its resolution (pages kept in memory for
// previews and tests).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Geometry.h"

class QPainter;
class TBitmap;

class TPrinterDevice {
public:
    TPrinterDevice(std::string name, int pixelsPerInch, TSize sheetMM100);
    virtual ~TPrinterDevice();

    const std::string& Name() const { return FName; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    // The sheet upright, in hundredths of a millimetre.
    TSize SheetMM100() const { return FSheet; }

    // Pages of the document are all upright or all on their side.
    virtual void BeginDoc(const std::string& title, bool landscape) = 0;
    // A painter device's painter on its current page, between BeginDoc and EndDoc, in the
    // device's pixels; null for a device that takes page bitmaps.
    virtual QPainter* PagePainter() { return nullptr; }
    // A painter device turns to a new page.
    virtual void NextPage() {}
    // A finished page's pixels, for a device without a painter.
    virtual void AddPage(const TBitmap& page) = 0;
    virtual void EndDoc() = 0;
    // The document is dropped: what was sent of it is thrown away where possible.
    virtual void AbortDoc() = 0;

private:
    std::string FName;
    int FPixelsPerInch;
    TSize FSheet;
};

// A4 upright.
inline constexpr TSize SheetA4 = {21000, 29700};

// Pages into a PDF file: vector drawing and real text in embedded fonts.
class TPdfPrinterDevice : public TPrinterDevice {
public:
    TPdfPrinterDevice(std::string name, std::string fileName, int pixelsPerInch = 300,
                      TSize sheetMM100 = SheetA4);
    ~TPdfPrinterDevice() override;

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    // Asked for the file at the start of each document when set, with FileName as the preset;
    // the answer becomes FileName. False drops the document: BeginDoc raises EAbort.
    std::function<bool(std::string& fileName)> OnAskFileName;

    // EPrinter when the file cannot be written.
    void BeginDoc(const std::string& title, bool landscape) override;
    QPainter* PagePainter() override;
    void NextPage() override;
    // A page bitmap drawn whole on the current page.
    void AddPage(const TBitmap& page) override;
    void EndDoc() override;
    void AbortDoc() override;

private:
    struct TImpl;
    std::string FFileName;
    std::unique_ptr<TImpl> FImpl;
};

// Pages kept as bitmaps in memory.
class TImagePrinterDevice : public TPrinterDevice {
public:
    using TPrinterDevice::TPrinterDevice;
    ~TImagePrinterDevice() override;

    // The pages of the last finished document, and its title.
    const std::vector<std::unique_ptr<TBitmap>>& Pages() const { return FPages; }
    const std::string& Title() const { return FTitle; }

    void BeginDoc(const std::string& title, bool landscape) override;
    void AddPage(const TBitmap& page) override;
    void EndDoc() override;
    void AbortDoc() override;

private:
    std::vector<std::unique_ptr<TBitmap>> FPages;
    std::vector<std::unique_ptr<TBitmap>> FPending;
    std::string FTitle;
    std::string FPendingTitle;
};
