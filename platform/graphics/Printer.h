#pragma once
// The printer: a list of devices to print on, the one chosen, and the document being printed.
// Between BeginDoc and EndDoc its Canvas draws on the current page (a sheet of the device's
// pixels, in the chosen orientation): straight onto the page as shapes and text on a painter
// device, into a page bitmap on any other; NewPage finishes the page and starts a clean one.
// Without any device the printer raises EPrinter "There is no default printer currently selected"
// wherever it needs one (page size, canvas, printing).
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/PrinterDevice.h"
#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(EPrinter, Exception)

inline constexpr const char* SNoDefaultPrinter = "There is no default printer currently selected";
inline constexpr const char* SPrinting = "Printing in progress";
inline constexpr const char* SNotPrinting = "Printer is not currently printing";
inline constexpr const char* SPrinterIndexError = "Printer index out of range";

enum TPrinterOrientation { poPortrait, poLandscape };

class TBitmap;
class TPainterSurface;

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // --- Devices. The first one added becomes the current one.
    void AddDevice(std::unique_ptr<TPrinterDevice> device);
    std::vector<std::string> Printers() const;
    int PrinterIndex() const { return FIndex; }
    // -1 selects the default (the first); EPrinter "Printer index out of range" outside the
    // list and "Printing in progress" while printing.
    void SetPrinterIndex(int value);
    // The current device, or null without one.
    TPrinterDevice* Device() const;

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    TPrinterOrientation Orientation() const { return FOrientation; }
    // "Printing in progress" while printing.
    void SetOrientation(TPrinterOrientation value);

    // --- The page, in the device's pixels, turned by the orientation.
    int PageWidth() const;
    int PageHeight() const;
    int PageNumber() const { return FPageNumber; }

    // --- The document.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Drops the document being printed.
    void Abort();
    bool Printing() const { return FPrinting; }
    bool Aborted() const { return FAborted; }
    // The current page's canvas while printing; outside a document a canvas of the page size
    // that only measures (drawing on it is lost), as programs ask it for sizes before printing.
    TCanvas* Canvas();

private:
    class TPrinterCanvas;
    TPrinterDevice& RequireDevice() const;
    TSize PageSize() const;
    void StartPage();
    // Lets go of the page: the canvas draws on nothing until the next document.
    void DropPage();

    std::vector<std::unique_ptr<TPrinterDevice>> FDevices;
    int FIndex = -1;
    std::string FTitle;
    TPrinterOrientation FOrientation = poPortrait;
    bool FPrinting = false;
    bool FAborted = false;
    int FPageNumber = 0;
    std::unique_ptr<TBitmap> FPage;             // the page of a bitmap device
    std::unique_ptr<TPainterSurface> FSurface;  // the page of a painter device
    std::unique_ptr<TPrinterCanvas> FCanvas;
};

// The process's printer (created on first use); SetPrinter puts another in its place (for
// tests and the start-up) and gives back the one it replaces. The caller keeps ownership.
TPrinter* Printer();
TPrinter* SetPrinter(TPrinter* printer);
