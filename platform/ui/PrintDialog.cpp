#include "platform/ui/PrintDialog.h"

#include <algorithm>

#include "platform/ui/Dialogs.h"

TPrinterSetupDialog::TPrinterSetupDialog(TComponent* owner) : TComponent(owner) {}
TPrinterSetupDialog::~TPrinterSetupDialog() = default;

TPrintDialogRequest TPrinterSetupDialog::PrinterRequest() const {
    TPrintDialogRequest request;
    request.Setup = true;
    request.Printers = Printer()->Printers();
    request.PrinterIndex = Printer()->PrinterIndex();
    request.Orientation = Printer()->Orientation();
    return request;
}

void TPrinterSetupDialog::ApplyPrinter(const TPrintDialogRequest& answer) {
    if (answer.PrinterIndex >= 0 && answer.PrinterIndex < int(answer.Printers.size()))
        Printer()->SetPrinterIndex(answer.PrinterIndex);
    Printer()->SetOrientation(answer.Orientation);
}

bool TPrinterSetupDialog::Execute() {
    TPrintDialogRequest request = PrinterRequest();
    if (!DialogService().ExecutePrintDialog(request)) return false;
    ApplyPrinter(request);
    return true;
}

TPrintDialog::TPrintDialog(TComponent* owner) : TPrinterSetupDialog(owner) {}
TPrintDialog::~TPrintDialog() = default;

bool TPrintDialog::Execute() {
    TPrintDialogRequest request = PrinterRequest();
    request.Setup = false;
    request.MinPage = FMinPage;
    request.MaxPage = FMaxPage;
    request.FromPage = FFromPage;
    request.ToPage = FToPage;
    request.PrintRange = FPrintRange;
    request.Options = FOptions;
    request.Copies = FCopies;
    if (!DialogService().ExecutePrintDialog(request)) return false;
    ApplyPrinter(request);
    FPrintRange = request.PrintRange;
    FCopies = std::max(request.Copies, 1);
    if (FPrintRange == prPageNums) {
        // A service may answer anything; the program relies on a range it can print.
        int low = std::min(FMinPage, FMaxPage), high = std::max(FMinPage, FMaxPage);
        FFromPage = std::clamp(request.FromPage, low, high);
        FToPage = std::clamp(request.ToPage, FFromPage, high);
    }
    return true;
}
