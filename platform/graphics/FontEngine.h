#pragma once
// The toolkit's font for a TFont, kept for the drawing layer's .cpp files. Fonts need the
// toolkit's application object: when the program has not made one (tests, tools), the first
// use makes a plain one that lives until the process ends. The program makes its own
// (TApplication) before it draws any text.
class QFont;
class TFont;

// The font of the installed family for f's name, at f's height (a negative height is the
// character height in pixels, a positive one the cell height) and style. The reference stays
// valid until the next call.
const QFont& ToolkitFont(const TFont& f);
void EnsureFontSupport();
