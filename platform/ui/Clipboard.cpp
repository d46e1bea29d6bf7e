#include "platform/ui/Clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "platform/classes/Object.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace {
struct TRegisteredGraphic {
    std::string Name;
    TClipboardGraphicFormat Format;
};

struct TFormats {
    std::set<std::string> Names{SClipboardBitmapFormat};
    std::vector<TRegisteredGraphic> Graphics;
};

TFormats& Formats() {
    static TFormats formats;
    return formats;
}

// Our formats travel under a private type carrying the (escaped) name.
QString MimeTypeOf(const std::string& name) {
    return "application/x-kv-clip." +
           QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(name)));
}

void RequireFormat(const std::string& name) {
    if (!IsClipboardFormat(name) || name == SClipboardBitmapFormat)
        throw Exception(SUnsupportedClipboardFormat);
}

// The registration of the nearest class of the picture's ancestry.
const TRegisteredGraphic* GraphicFormatOf(const TGraphic& graphic) {
    for (TClass c = &graphic.ClassType(); c; c = c->ClassParent())
        for (const TRegisteredGraphic& g : Formats().Graphics)
            if (g.Format.GraphicClass == c) return &g;
    return nullptr;
}

const QMimeData* Data() { return QGuiApplication::clipboard()->mimeData(); }
}  // namespace

void RegisterClipboardFormat(const std::string& name) { Formats().Names.insert(name); }

bool IsClipboardFormat(const std::string& name) { return Formats().Names.count(name) > 0; }

void RegisterClipboardGraphic(const std::string& name, TClipboardGraphicFormat format) {
    RegisterClipboardFormat(name);
    UnregisterClipboardGraphic(format.GraphicClass);
    Formats().Graphics.push_back({name, std::move(format)});
}

void UnregisterClipboardGraphic(const TClassInfo* graphicClass) {
    std::erase_if(Formats().Graphics, [graphicClass](const TRegisteredGraphic& g) {
        return g.Format.GraphicClass == graphicClass;
    });
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}

std::string TClipboard::AsText() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

void TClipboard::SetAsText(const std::string& value) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(value));
}

bool TClipboard::HasText() const {
    const QMimeData* data = Data();
    return data && data->hasText();
}

void TClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

bool TClipboard::HasFormat(const std::string& name) const {
    const QMimeData* data = Data();
    if (!data || !IsClipboardFormat(name)) return false;
    if (name == SClipboardBitmapFormat) return data->hasImage();
    return data->hasFormat(MimeTypeOf(name));
}

std::string TClipboard::AsBytes(const std::string& name) const {
    RequireFormat(name);
    const QMimeData* data = Data();
    if (!data) return {};
    return data->data(MimeTypeOf(name)).toStdString();
}

void TClipboard::SetAsBytes(const std::string& name, const std::string& bytes) {
    RequireFormat(name);
    auto* data = new QMimeData;
    data->setData(MimeTypeOf(name), QByteArray(bytes.data(), qsizetype(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool TClipboard::SetAsBytes(const std::string& name, const std::string& bytes,
                            const TBitmap* image) {
    RequireFormat(name);
    if (!QGuiApplication::instance()) return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    auto* data = new QMimeData;
    data->setData(MimeTypeOf(name), QByteArray(bytes.data(), qsizetype(bytes.size())));
    if (image) data->setImageData(image->Image());
    clipboard->setMimeData(data);
    const QMimeData* kept = Data();
    return kept && kept->hasFormat(MimeTypeOf(name));
}

void TClipboard::Assign(TGraphic& graphic) {
    if (const TRegisteredGraphic* g = GraphicFormatOf(graphic)) {
        if (g->Format.Put) {
            g->Format.Put(graphic);
            return;
        }
        TMemoryStream stream;
        Clear();
        if (g->Format.Save(graphic, stream))
            SetAsBytes(g->Name, std::string(stream.Memory(), size_t(stream.Size())));
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic)) {
        auto* data = new QMimeData;
        data->setImageData(bitmap->Image());
        QGuiApplication::clipboard()->setMimeData(data);
        return;
    }
    throw Exception(SUnsupportedClipboardFormat);
}

bool TClipboard::GetGraphic(TGraphic& graphic) const {
    if (const TRegisteredGraphic* g = GraphicFormatOf(graphic)) {
        if (!HasFormat(g->Name)) return false;
        const std::string bytes = AsBytes(g->Name);
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
        stream.SetPosition(0);
        g->Format.Load(graphic, stream);
        return true;
    }
    auto* bitmap = dynamic_cast<TBitmap*>(&graphic);
    if (!bitmap || !HasFormat(SClipboardBitmapFormat)) return false;
    bitmap->SetImage(qvariant_cast<QImage>(Data()->imageData()));
    return true;
}
