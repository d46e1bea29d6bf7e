#pragma once
// Small dialogs many editors share: a font through the font dialog, the picture-file question
// and the one button that either clears a picture or loads one.
#include <string>

class TFont;
class TForm;
class TPicture;

// The font dialog on a copy of font; on OK the choice is copied back and true returned.
bool EditFontWithFontDialog(TForm* form, TFont& font);
// The name of a picture file of any registered format, or "" when the user cancelled.
std::string AskPictureFileName(TForm* form);
// A picture with a graphic is cleared at once; an empty one is loaded from the file asked for.
void ChooseOrClearPicture(TForm* form, TPicture& picture);
