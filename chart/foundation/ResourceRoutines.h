#pragma once
// Pictures, the check-box glyph and documents for the chart library: gallery bitmaps named after
// series and tool classes, the check boxes of legends and lists, and opening an address with the
// desktop's handler.
#include <string>

#include "platform/rtl/Exceptions.h"

class TBitmap;
class TCanvas;
class TClassInfo;
class TObject;

// The cursor number of the hand the chart shows over clickable parts, registered at start-up.
inline constexpr int crTeeHand = 2020;

// Loads the first of Name and AltName found among the program's resources; false, the bitmap
// unchanged, when neither is there.
bool LoadResourceBitmap(TBitmap& bitmap, const std::string& name, const std::string& altName);
// A resource the program asked for by name is not among its own.
KV_EXCEPTION_CLASS(EResNotFound, Exception)
inline constexpr const char* SResNotFound = "Resource %s not found";

// The bitmap resource of that name from the program's own resources; EResNotFound
// (SResNotFound) when there is none.
void LoadProgramBitmap(TBitmap& bitmap, const std::string& name);
// The gallery bitmap of a class: the resource named after the class, else after its parent.
bool LoadSeriesClassBitmap(const TClassInfo& seriesClass, TBitmap& bitmap);
bool LoadSeriesClassBitmap(const TObject& series, TBitmap& bitmap);
// The 13 x 13 check-box glyph (a radio button when isCheckBox is false) with its top-left corner
// at (x, y). The background colour of the classic call is not needed: the glyph paints its own.
void PaintCheckBox(int x, int y, TCanvas& canvas, bool checked, bool isCheckBox = true);
// Opens the document with the desktop's handler, its address whole however long. False when it
// was refused or could not be opened.
bool ShellOpenDocument(const std::string& document);
