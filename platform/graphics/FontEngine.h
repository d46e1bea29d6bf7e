#pragma once
// The toolkit's font for a TFont, kept for the drawing layer's .cpp files. Fonts need the
// toolkit's application object: the program makes its own (TApplication) before it draws any
// text; a program without windows (a test, a tool) owns a TFontSupport for as long as it draws.
#include <memory>
#include <string>

class QFont;
class QGuiApplication;
class TFont;

// A plain toolkit application for a program without windows, named ProgramName(), made unless
// one exists already and freed with it (after the fonts kept for it). Make at most one at a time.
class TFontSupport {
public:
    TFontSupport();
    ~TFontSupport();
    TFontSupport(const TFontSupport&) = delete;
    TFontSupport& operator=(const TFontSupport&) = delete;

private:
    // The toolkit keeps references to the arguments: they live as long as the application.
    std::string FName;
    int FArgc = 1;
    char* FArgv[2] = {nullptr, nullptr};
    std::unique_ptr<QGuiApplication> FApplication;
};

// The font of the installed family for f's name, at f's height (a negative height is the
// character height in pixels, a positive one the cell height) and style. The reference stays
// valid until the next call. An application object must exist.
const QFont& ToolkitFont(const TFont& f);
// Lets go of the font kept between calls; for the owner of the application object, before it
// goes.
void ReleaseToolkitFonts();
