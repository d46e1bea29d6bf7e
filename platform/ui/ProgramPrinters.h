#pragma once
// The printers the program offers: the print system's, then one that prints into a PDF file.
class TPrinter;

inline constexpr const char* SPrintToPdfFile = "Print to PDF file";

// Adds the print system's printers to printer (its default one current), then the
// "Print to PDF file" printer, which asks for the file name through the dialog service at the
// start of each document (a cancelled dialog drops the document silently). Without any system
// printer the PDF printer is the current one.
void AddProgramPrinters(TPrinter& printer);
