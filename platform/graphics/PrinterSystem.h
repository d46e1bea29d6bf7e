#pragma once
// The print system's printers as printer devices: each page is sent to the printer as the
// bitmap the printer canvas drew, at the printer's own resolution.
class TPrinter;

// Adds every printer the system knows to printer, the system's default one current; none when
// the system has no printers (the printer then raises its no-printer error).
void AddSystemPrinters(TPrinter& printer);
