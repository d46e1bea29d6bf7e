#include "platform/graphics/Picture.h"

#include <filesystem>
#include <memory>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Filer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/graphics/RasterCopy.h"
#include "platform/rtl/Streams.h"

namespace {

std::string ExtensionOf(const std::string& fileName) {
    return NormalizedExtension(std::filesystem::path(fileName).extension().string());
}

// A new, empty graphic of the class registered for the file's extension.
std::unique_ptr<TGraphic> NewGraphicOfFile(const std::string& fileName) {
    const std::string ext = ExtensionOf(fileName);
    std::unique_ptr<TGraphic> graphic(CreateGraphicOfExtension(ext));
    if (!graphic) throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    return graphic;
}

// A new, empty graphic of the class of model.
std::unique_ptr<TGraphic> NewGraphicLike(const TGraphic& model) {
    return std::unique_ptr<TGraphic>(CreateAs<TGraphic>(&model.ClassType()));
}

}  // namespace

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Replace(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject* sender) { Changed(sender); };
    Changed(this);
}

void TPicture::SetGraphic(const TGraphic* value) {
    if (!value) {
        Replace(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = NewGraphicLike(*value);
    copy->Assign(value);
    Replace(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
    if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get())) return bitmap;
    auto bitmap = std::make_unique<TBitmap>();
    if (FGraphic && !FGraphic->Empty()) {
        DrawRasterCopy(*bitmap, FGraphic.get());
    }
    TBitmap* result = bitmap.get();
    Replace(std::move(bitmap));
    return result;
}

void TPicture::SetBitmap(const TBitmap* value) { SetGraphic(value); }

int TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }
int TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

void TPicture::LoadFromFile(const std::string& fileName) {
    std::unique_ptr<TGraphic> graphic = NewGraphicOfFile(fileName);
    graphic->LoadFromFile(fileName);
    Replace(std::move(graphic));
}

void TPicture::LoadFromFile(const std::string& fileName, int64_t maxPixels) {
    std::unique_ptr<TGraphic> graphic = NewGraphicOfFile(fileName);
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    if (const std::optional<TSize> declared = graphic->DeclaredSize(stream))
        CheckPictureSize(declared->cx, declared->cy, maxPixels);
    graphic->LoadFromStream(stream);
    CheckPictureSize(graphic->Width(), graphic->Height(), maxPixels);
    Replace(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) {
    if (!FGraphic) return;
    TGraphicClass cls = GraphicClassOfExtension(ExtensionOf(fileName));
    if (!cls || FGraphic->InheritsFrom(cls)) {
        FGraphic->SaveToFile(fileName);
        return;
    }
    std::unique_ptr<TGraphic> converted(CreateAs<TGraphic>(cls));
    converted->Assign(FGraphic.get());
    converted->SaveToFile(fileName);
}

void TPicture::Assign(const TPersistent* source) {
    if (!source) {
        SetGraphic(nullptr);
    } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        if (picture != this) SetGraphic(picture->Graphic());
    } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::AssignTo(TPersistent* dest) const {
    if (FGraphic && dynamic_cast<TGraphic*>(dest)) {
        dest->Assign(FGraphic.get());
        return;
    }
    TPersistent::AssignTo(dest);
}

void TPicture::Changed(TObject*) {
    if (OnChange) OnChange(this);
}

void TPicture::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& stream) {
            uint8_t length = 0;
            stream.ReadBuffer(&length, 1);
            std::string name(length, '\0');
            stream.ReadBuffer(name.data(), length);
            const TClass cls = FindClass(name);
            if (!cls->InheritsFrom(TGraphic::StaticClass()))
                throw EInvalidGraphic("Invalid graphic class " + name);
            std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(cls->Create()));
            graphic->LoadFromStream(stream);
            Replace(std::move(graphic));
        },
        [this](TStream& stream) {
            const std::string& name = FGraphic->ClassName();
            const auto length = static_cast<uint8_t>(name.size());
            stream.WriteBuffer(&length, 1);
            stream.WriteBuffer(name.data(), length);
            FGraphic->WriteData(stream);
        },
        FGraphic != nullptr);
}
