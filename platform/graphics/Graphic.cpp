#include "platform/graphics/Graphic.h"

#include "platform/classes/Filer.h"
#include "platform/rtl/Streams.h"

TGraphic::TGraphic() = default;
TGraphic::~TGraphic() = default;

void TGraphic::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Changed();
}

void TGraphic::SetModified(bool value) {
    if (value) {
        Changed();
    } else {
        FModified = false;
    }
}

std::optional<TSize> TGraphic::DeclaredSize(TStream&) { return std::nullopt; }

void TGraphic::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
    stream.Flush();
}

void TGraphic::Changed() {
    FModified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data", [this](TStream& stream) { LoadFromStream(stream); },
        [this](TStream& stream) { SaveToStream(stream); }, !Empty());
}
