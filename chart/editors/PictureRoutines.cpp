#include "chart/editors/PictureRoutines.h"

#include "platform/graphics/Font.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Dialogs.h"

bool EditFontWithFontDialog(TForm*, TFont& font) {
    // The dialog works on a copy, so a cancelled dialog cannot leave half a change behind.
    TFont copy;
    copy.Assign(&font);
    if (!DialogService().ExecuteFontDialog(copy)) return false;
    font.Assign(&copy);
    return true;
}

std::string AskPictureFileName(TForm*) {
    TFileDialogRequest request;
    request.Filter = GraphicFilter(&TGraphic::StaticClass());
    if (!DialogService().ExecuteFileDialog(request)) return "";
    return request.FileName;
}

void ChooseOrClearPicture(TForm* form, TPicture& picture) {
    if (picture.Graphic()) {
        picture.SetGraphic(nullptr);
        return;
    }
    const std::string fileName = AskPictureFileName(form);
    if (!fileName.empty()) picture.LoadFromFile(fileName);
}
