#pragma once
// The picture file formats by extension: which graphic class reads a ".bmp", ".jpg" or ".gif"
// file, with the description the file dialogs show. Extensions are kept without their dot and
// compared without regard to letter case; the latest registration of an extension wins. The
// formats are registered by start-up functions (RegisterStandardGraphicFormats here, the GIF and
// chart picture units their own), never by static initialisers.
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/Object.h"

class TGraphic;

// A class value of TGraphic or a class derived from it.
using TGraphicClass = TClass;

struct TFileFormat {
    std::string Extension;  // lower case, no dot
    std::string Description;
    TGraphicClass GraphicClass = nullptr;
};

// extension may carry its dot. The class joins the classes known by name (RegisterClass).
// EInvalidGraphic for an empty extension or a class that is not a graphic one.
void RegisterFileFormat(std::string_view extension, const std::string& description,
                        TGraphicClass graphicClass);
void UnregisterFileFormat(std::string_view extension);
// Removes every extension of the class (and of classes derived from it).
void UnregisterGraphicClass(TGraphicClass graphicClass);

// The formats in the order they were registered.
const std::vector<TFileFormat>& FileFormats();
// The class of an extension (with or without its dot), or null.
TGraphicClass GraphicClassOfExtension(std::string_view extension);
// A new graphic of the extension's class, owned by the caller, or null for an unknown extension.
TGraphic* CreateGraphicOfExtension(std::string_view extension);
// The extension a graphic class's files usually have (its latest registration), or "".
std::string GraphicExtension(TGraphicClass graphicClass);
// The filter of an open or save dialog for the formats of graphicClass and its descendants:
// "All (*.bmp;*.jpg)|*.bmp;*.jpg|" when more than one, then "Description (*.ext)|*.ext" each.
std::string GraphicFilter(TGraphicClass graphicClass);

// The text of an extension for messages and lookups: no dot, lower case.
std::string NormalizedExtension(std::string_view extension);

// The formats of the drawing layer: "bmp" for TBitmap (installing its stream form), "jpeg" and
// "jpg" for TJPEGImage; the unregistering counterpart for shutdown and tests.
void RegisterStandardGraphicFormats();
void UnregisterStandardGraphicFormats();
