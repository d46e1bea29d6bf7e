#pragma once
// The print system's printers as printer devices: the printer canvas draws straight onto the
// printer's page (shapes and text), at a fixed resolution of 300 pixels per inch.
class TPrinter;

// Adds every printer the system knows to printer, the system's default one current; none when
// the system has no printers (the printer then raises its no-printer error).
void AddSystemPrinters(TPrinter& printer);
