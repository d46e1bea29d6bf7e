// The program's printers: the system's, then "Print to PDF file", which asks for its file through
// the dialog service at each document.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/graphics/Printer.h"
#include "platform/ui/ProgramPrinters.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/support/TempDir.h"

TEST(ProgramPrinters, ThePdfFilePrinterAsksForItsFileAtEachDocument) {
    TPrinter printer;
    AddProgramPrinters(printer);
    const std::vector<std::string> names = printer.Printers();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(), "Print to PDF file");
    // The system's default printer stays the current one; without any, the PDF file is.
    if (names.size() == 1) {
        EXPECT_EQ(printer.PrinterIndex(), 0);
    }
    printer.SetPrinterIndex(int(names.size()) - 1);

    const TTempDir dir;
    const std::string file = dir.File("plot.pdf");
    TRecordingDialogService dialogs;
    // Cancelled: the document is dropped silently and nothing is written.
    EXPECT_THROW(printer.BeginDoc(), EAbort);
    EXPECT_FALSE(printer.Printing());
    ASSERT_EQ(dialogs.FileRequests.size(), 1u);
    EXPECT_TRUE(dialogs.FileRequests[0].Save);
    EXPECT_EQ(dialogs.FileRequests[0].Title, "Print to PDF file");

    dialogs.FileAnswers.push_back({file});
    printer.BeginDoc();
    printer.Canvas()->TextOut(100, 100, "Cavity");
    printer.EndDoc();
    EXPECT_TRUE(std::filesystem::exists(file));
    // The next document offers the last file again.
    EXPECT_THROW(printer.BeginDoc(), EAbort);
    ASSERT_EQ(dialogs.FileRequests.size(), 3u);
    EXPECT_EQ(dialogs.FileRequests[2].FileName, file);
}
