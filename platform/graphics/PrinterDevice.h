#pragma once
// Where a printer's pages go. A device has a name, a resolution and a sheet size; the printer
// draws each page into a bitmap of the sheet at that resolution and hands it over when the page
// is finished. Two devices work without any print system: one writes the pages into a PDF file,
// one keeps them as bitmaps (for previews and tests).
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Geometry.h"

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

class TPdfPrinterDevice : public TPrinterDevice {
public:
    TPdfPrinterDevice(std::string name, std::string fileName, int pixelsPerInch = 300,
                      TSize sheetMM100 = SheetA4);
    ~TPdfPrinterDevice() override;

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }

    // EPrinter when the file cannot be written.
    void BeginDoc(const std::string& title, bool landscape) override;
    void AddPage(const TBitmap& page) override;
    void EndDoc() override;
    void AbortDoc() override;

private:
    struct TImpl;
    std::string FFileName;
    std::unique_ptr<TImpl> FImpl;
};

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
