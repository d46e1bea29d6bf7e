#pragma once
// Pictures from the program's own resources (platform/rtl/Resources.h), by name without regard
// to letter case: a bitmap (.bmp) or a JPEG picture (.jpg) into a bitmap.
#include <string>

class TBitmap;

// False, the bitmap unchanged, when there is no bitmap or JPEG resource of that name; a damaged
// one raises as the file would.
bool LoadResourceBitmap(TBitmap& bitmap, const std::string& name);
