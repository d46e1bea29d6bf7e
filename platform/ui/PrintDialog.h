#pragma once
// The print and printer-setup dialogs as components. Both choose among the printer's devices
// and the orientation, and write the choice into Printer() on OK; the print dialog also asks
// which pages (all, the selection, or a range within MinPage..MaxPage) and how many copies.
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Set.h"
#include "platform/graphics/Printer.h"

enum TPrintRange { prAllPages, prSelection, prPageNums };
// poPageNums and poSelection offer those ranges; without them only all pages can be chosen.
enum TPrintDialogOption { poPrintToFile, poPageNums, poSelection, poWarning, poDisablePrintToFile };
using TPrintDialogOptions = TSet<TPrintDialogOption>;

// What the dialog service is asked; it writes the user's choices back into it.
struct TPrintDialogRequest {
    bool Setup = false;  // the printer-setup dialog: no pages, no copies
    std::vector<std::string> Printers;
    int PrinterIndex = -1;
    TPrinterOrientation Orientation = poPortrait;
    int MinPage = 0;
    int MaxPage = 0;
    int FromPage = 0;
    int ToPage = 0;
    TPrintRange PrintRange = prAllPages;
    TPrintDialogOptions Options;
    int Copies = 1;
};

class TPrinterSetupDialog : public TComponent {
    KV_DECLARE_CLASS(TPrinterSetupDialog, TComponent)
public:
    explicit TPrinterSetupDialog(TComponent* owner);
    ~TPrinterSetupDialog() override;

    // Shows the dialog; on OK the chosen printer and orientation are the printer's and the
    // result is true.
    virtual bool Execute();

protected:
    // The request at the printer's present state; Apply takes the answer.
    TPrintDialogRequest PrinterRequest() const;
    static void ApplyPrinter(const TPrintDialogRequest& answer);
};

class TPrintDialog : public TPrinterSetupDialog {
    KV_DECLARE_CLASS(TPrintDialog, TPrinterSetupDialog)
public:
    explicit TPrintDialog(TComponent* owner);
    ~TPrintDialog() override;

    int MinPage() const { return FMinPage; }
    void SetMinPage(int value) { FMinPage = value; }
    int MaxPage() const { return FMaxPage; }
    void SetMaxPage(int value) { FMaxPage = value; }
    int FromPage() const { return FFromPage; }
    void SetFromPage(int value) { FFromPage = value; }
    int ToPage() const { return FToPage; }
    void SetToPage(int value) { FToPage = value; }
    TPrintRange PrintRange() const { return FPrintRange; }
    void SetPrintRange(TPrintRange value) { FPrintRange = value; }
    TPrintDialogOptions Options() const { return FOptions; }
    void SetOptions(TPrintDialogOptions value) { FOptions = value; }
    int Copies() const { return FCopies; }
    void SetCopies(int value) { FCopies = value; }

    // As the setup dialog, and on OK the pages and copies chosen; a page range comes back
    // within MinPage..MaxPage with FromPage <= ToPage.
    bool Execute() override;

private:
    int FMinPage = 0;
    int FMaxPage = 0;
    int FFromPage = 0;
    int FToPage = 0;
    TPrintRange FPrintRange = prAllPages;
    TPrintDialogOptions FOptions;
    int FCopies = 1;
};
