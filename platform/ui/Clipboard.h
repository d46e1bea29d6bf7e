#pragma once
// The system clipboard: text, and data in formats known by name. A format is registered once by
// name; a picture class registers how its pictures go in and out of its format, so that Assign
// and GetGraphic can move any registered picture. Bitmaps need no registration: they travel as
// images ("Bitmap") that other programs can read too. Assign and SetAsBytes replace whatever the
// clipboard held.
#include <functional>
#include <string>

class TBitmap;
class TClassInfo;
class TGraphic;
class TStream;

inline constexpr const char* SClipboardBitmapFormat = "Bitmap";
inline constexpr const char* SUnsupportedClipboardFormat = "Unsupported clipboard format";

// Registering a name twice is harmless.
void RegisterClipboardFormat(const std::string& name);
bool IsClipboardFormat(const std::string& name);

// How pictures of a class (and its descendants) travel under a format: Save writes the picture's
// data and returns false when there is nothing to put; Load reads it back.
struct TClipboardGraphicFormat {
    const TClassInfo* GraphicClass = nullptr;
    std::function<bool(TGraphic& graphic, TStream& data)> Save;
    std::function<void(TGraphic& graphic, TStream& data)> Load;
    // When set, Assign hands the picture to it in place of Save: for a picture that goes on the
    // clipboard in more than one format at once, or names its own failure.
    std::function<void(TGraphic& graphic)> Put;
};
// Registers the format name too. A later registration for the same class replaces the former.
void RegisterClipboardGraphic(const std::string& name, TClipboardGraphicFormat format);
void UnregisterClipboardGraphic(const TClassInfo* graphicClass);

class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& value);
    bool HasText() const;
    void Clear();

    // Whether data of the format is on the clipboard (false for unknown names).
    bool HasFormat(const std::string& name) const;
    // Raw data of a registered format; "Unsupported clipboard format" for an unknown name.
    std::string AsBytes(const std::string& name) const;
    void SetAsBytes(const std::string& name, const std::string& bytes);
    // The same with image beside the bytes, as a bitmap other programs can read (none: the
    // bytes alone); false, and the clipboard unchanged, when there is no clipboard to take them
    // (no application) or it did not keep them.
    bool SetAsBytes(const std::string& name, const std::string& bytes, const TBitmap* image);

    // Puts the picture under the format registered for its class (a bitmap as an image);
    // "Unsupported clipboard format" when there is none. A picture with nothing to put leaves
    // the clipboard empty.
    void Assign(TGraphic& graphic);
    // Fills the picture from the clipboard's data of its class's format; false when the
    // clipboard holds none.
    bool GetGraphic(TGraphic& graphic) const;
};

TClipboard* Clipboard();
