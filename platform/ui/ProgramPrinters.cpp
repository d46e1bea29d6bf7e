#include "platform/ui/ProgramPrinters.h"

#include <memory>

#include "platform/graphics/Printer.h"
#include "platform/graphics/PrinterSystem.h"
#include "platform/ui/Dialogs.h"

void AddProgramPrinters(TPrinter& printer) {
    AddSystemPrinters(printer);
    auto pdf = std::make_unique<TPdfPrinterDevice>(SPrintToPdfFile, "");
    pdf->OnAskFileName = [](std::string& fileName) {
        TFileDialogRequest request;
        request.Save = true;
        request.Title = SPrintToPdfFile;
        request.Filter = "PDF files (*.pdf)|*.pdf";
        request.FileName = fileName;
        if (!DialogService().ExecuteFileDialog(request) || request.FileName.empty()) return false;
        fileName = request.FileName;
        return true;
    };
    printer.AddDevice(std::move(pdf));
}
