#include "platform/graphics/GraphicFormats.h"

#include <algorithm>

#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Graphic.h"

namespace {

std::vector<TFileFormat>& Formats() {
    static std::vector<TFileFormat> formats;
    return formats;
}

bool IsGraphicClass(TGraphicClass cls) { return cls && cls->InheritsFrom(TGraphic::StaticClass()); }

}  // namespace

std::string NormalizedExtension(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    std::string result(extension);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return result;
}

void RegisterFileFormat(std::string_view extension, const std::string& description,
                        TGraphicClass graphicClass) {
    std::string ext = NormalizedExtension(extension);
    if (ext.empty()) throw EInvalidGraphic("A picture file format needs an extension");
    if (!IsGraphicClass(graphicClass))
        throw EInvalidGraphic("Picture file format ." + ext + " has no graphic class");
    // Known by name too, so that a picture stored in a component stream can be read back.
    RegisterClass(graphicClass);
    UnregisterFileFormat(ext);
    Formats().push_back(TFileFormat{std::move(ext), description, graphicClass});
}

void UnregisterFileFormat(std::string_view extension) {
    const std::string ext = NormalizedExtension(extension);
    std::erase_if(Formats(), [&](const TFileFormat& f) { return f.Extension == ext; });
}

void UnregisterGraphicClass(TGraphicClass graphicClass) {
    std::erase_if(Formats(),
                  [&](const TFileFormat& f) { return f.GraphicClass->InheritsFrom(graphicClass); });
}

const std::vector<TFileFormat>& FileFormats() { return Formats(); }

TGraphicClass GraphicClassOfExtension(std::string_view extension) {
    const std::string ext = NormalizedExtension(extension);
    for (const TFileFormat& f : Formats())
        if (f.Extension == ext) return f.GraphicClass;
    return nullptr;
}

TGraphic* CreateGraphicOfExtension(std::string_view extension) {
    TGraphicClass cls = GraphicClassOfExtension(extension);
    return cls ? CreateAs<TGraphic>(cls) : nullptr;
}

std::string GraphicExtension(TGraphicClass graphicClass) {
    const std::vector<TFileFormat>& formats = Formats();
    auto it = std::find_if(formats.rbegin(), formats.rend(),
                           [&](const TFileFormat& f) { return f.GraphicClass == graphicClass; });
    return it == formats.rend() ? std::string() : it->Extension;
}

std::string GraphicFilter(TGraphicClass graphicClass) {
    std::string masks, entries;
    int count = 0;
    for (const TFileFormat& f : Formats()) {
        if (!f.GraphicClass->InheritsFrom(graphicClass)) continue;
        const std::string mask = "*." + f.Extension;
        masks += (count ? ";" : "") + mask;
        entries += (count ? "|" : "") + f.Description + " (" + mask + ")|" + mask;
        ++count;
    }
    if (count < 2) return entries;
    return "All (" + masks + ")|" + masks + "|" + entries;
}
