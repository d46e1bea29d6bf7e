#pragma once
// Start-up and shutdown of the drawing foundation: which optional device functions the drawing
// code may use, the empty clip store, the default chart font, the foundation's classes made
// known to the component stream, the default colours, the field separator and the hand cursor.
// Start-up runs before any chart is made; a nesting count makes repeated calls harmless, and only
// the last shutdown undoes them.

// Wide pens with caps and joins, alpha blending, and a brush colour set straight on the device.
// This platform has all three, so start-up turns them on.
extern bool ExtendedPensAvailable;
extern bool AlphaBlendAvailable;
extern bool DCBrushColorAvailable;

// Call after the library texts are loaded (the default font's face and size come from them).
void FoundationUnitStartup();
void FoundationUnitShutdown();
