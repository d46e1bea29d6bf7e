#include "gif/GIFItem.h"

#include <cctype>
#include <cstring>

#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFStreamUtils.h"
#include "gif/GIFSubImage.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

// ---- TGIFItem ----

TGIFItem::~TGIFItem() = default;

void TGIFItem::Warning(int severity, const std::string& message) {
    if (FImage) FImage->ReportWarning(this, severity, message);
}

void TGIFItem::SaveToFile(const std::string& fileName) {
    TMemoryStream memory;
    SaveToStream(memory);
    TFileStream file(fileName, fmCreate);
    memory.SaveToStream(file);
    file.Flush();
}

void TGIFItem::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

// ---- TGIFList ----

TGIFList::~TGIFList() { Clear(); }

namespace {
[[noreturn]] void ListIndexError(int index) { throw EListError(Format(SListIndexError, {index})); }
}  // namespace

TGIFItem* TGIFList::Items(int index) const {
    if (index < 0 || index >= Count()) ListIndexError(index);
    return FItems[size_t(index)].get();
}

int TGIFList::Add(std::unique_ptr<TGIFItem> item) {
    FItems.push_back(std::move(item));
    return Count() - 1;
}

void TGIFList::Insert(int index, std::unique_ptr<TGIFItem> item) {
    if (index < 0 || index > Count()) ListIndexError(index);
    FItems.insert(FItems.begin() + index, std::move(item));
}

int TGIFList::IndexOf(const TGIFItem* item) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].get() == item) return i;
    return -1;
}

void TGIFList::Clear() {
    // Front first; an item's destructor may still look at the list, so unlink before freeing.
    while (!FItems.empty()) {
        std::unique_ptr<TGIFItem> item = std::move(FItems.front());
        FItems.erase(FItems.begin());
        item.reset();
    }
}

void TGIFList::Delete(int index) {
    Items(index);  // range check
    std::unique_ptr<TGIFItem> item = std::move(FItems[size_t(index)]);
    FItems.erase(FItems.begin() + index);
}

std::unique_ptr<TGIFItem> TGIFList::Extract(TGIFItem* item) {
    const int index = IndexOf(item);
    if (index < 0) return nullptr;
    std::unique_ptr<TGIFItem> result = std::move(FItems[size_t(index)]);
    FItems.erase(FItems.begin() + index);
    return result;
}

void TGIFList::Warning(int severity, const std::string& message) {
    if (FImage) FImage->ReportWarning(nullptr, severity, message);
}

void TGIFList::SaveToStream(TStream& stream) {
    for (auto& item : FItems) item->SaveToStream(stream);
}

// ---- TGIFImageList ----

TGIFSubImage* TGIFImageList::SubImages(int index) const {
    return static_cast<TGIFSubImage*>(Items(index));
}

namespace {
// Skips zero bytes between blocks; false at the end of the stream, else b is the next block byte
// (already consumed).
bool NextBlockByte(TStream& stream, uint8_t& b) {
    while (ReadByte(stream, b))
        if (b != 0) return true;
    return false;
}
}  // namespace

void TGIFImageList::LoadFromStream(TStream& stream, TGIFImage* parent) {
    uint8_t b = 0;
    // Only the trailer ends a whole picture: a stream that ends before it was cut short.
    if (!NextBlockByte(stream, b)) throw GIFException(sOutOfData);
    TGIFLoadBudget budget(parent ? parent->Width() : 0, parent ? parent->Height() : 0);
    while (b != bsTrailer) {
        if (b != bsExtensionIntroducer && b != bsImageSeparator) {
            Warning(GIFWarningSeverity, sUnknownBlock);
            stream.Seek(-1, soCurrent);
            return;
        }
        stream.Seek(-1, soCurrent);
        auto frame = std::make_unique<TGIFSubImage>(parent);
        TGIFSubImage* loaded = frame.get();
        loaded->LoadFromStream(stream, budget);
        // A frame that holds nothing (no pixels, no extensions) saves as nothing: keeping it
        // would give the picture a frame its saved file does not have.
        if (!loaded->Empty() || loaded->Extensions().Count() > 0) Add(std::move(frame));
        if (parent) {
            const int64_t size = stream.Size();
            const int percent = size > 0 ? int(stream.Position() * 100 / size) : 100;
            parent->Progress(parent, gpsRunning, percent, false, sProgressLoading);
        }
        if (!NextBlockByte(stream, b)) throw GIFException(sOutOfData);
    }
    stream.Seek(-1, soCurrent);  // the trailer reads its own byte
}

// ---- TGIFExtensionList ----

TGIFExtensionList::TGIFExtensionList(TGIFSubImage* frame)
    : TGIFList(frame ? frame->Image() : nullptr), FFrame(frame) {}

TGIFExtension* TGIFExtensionList::Extensions(int index) const {
    return static_cast<TGIFExtension*>(Items(index));
}

void TGIFExtensionList::LoadFromStream(TStream& stream, TGIFSubImage* parent) {
    uint8_t b = 0;
    if (!ReadByte(stream, b)) return;
    while (b != bsImageSeparator && b != bsTrailer) {
        if (b != bsExtensionIntroducer) {
            Warning(GIFWarningSeverity, sBadExtensionIntroducer);
            break;
        }
        const TGIFExtensionClass* cls = TGIFExtension::FindExtension(stream);
        if (!cls) throw GIFException(sUnknownExtension);
        stream.Seek(-1, soCurrent);
        std::unique_ptr<TGIFExtension> extension(cls->Create(parent));
        extension->LoadFromStream(stream);
        Add(std::move(extension));
        if (!ReadByte(stream, b)) return;
    }
    stream.Seek(-1, soCurrent);
}

// ---- TGIFHeader ----

TGIFHeader::TGIFHeader(TGIFImage* image) : TGIFItem(image), FColorMap(this) {}

TGIFHeader::~TGIFHeader() = default;

void TGIFHeader::Clear() {
    FColorMap.Clear();
    FLogicalScreenDescriptor = {};
}

void TGIFHeader::Assign(const TGIFHeader& source) {
    FLogicalScreenDescriptor = source.FLogicalScreenDescriptor;
    FColorMap.Assign(source.FColorMap);
}

void TGIFHeader::Assign(const TGIFColorMap& source) {
    Clear();
    FColorMap.Assign(source);
}

uint32_t TGIFHeader::BackgroundColor() {
    return FColorMap.Colors(FLogicalScreenDescriptor.BackgroundColorIndex);
}

TGIFVersion TGIFHeader::GetVersion() const {
    if (FColorMap.Optimized() || FLogicalScreenDescriptor.AspectRatio != 0) return GIFVersion89a;
    return TGIFItem::GetVersion();
}

void TGIFHeader::Prepare() {
    const int pictureBits = FImage ? FImage->BitsPerPixel() : BitsPerPixel();
    uint8_t packed = uint8_t(((pictureBits - 1) & 7) << 4);  // colour resolution
    if (FColorMap.Count() > 0) {
        packed |= 0x80;
        if (FColorMap.Optimized()) packed |= 0x08;
        packed |= uint8_t((BitsPerPixel() - 1) & 7);
    } else {
        packed |= uint8_t((pictureBits - 1) & 7);
    }
    FLogicalScreenDescriptor.PackedFields = packed;
}

void TGIFHeader::SaveToStream(TStream& stream) {
    const TGIFVersion version = FImage ? FImage->Version() : GetVersion();
    if (version == GIFVersionUnknown) throw GIFException(sUnsupportedVersion);
    stream.WriteBuffer(version == GIFVersion89a ? "GIF89a" : "GIF87a", 6);
    Prepare();
    uint8_t lsd[7];
    PutWord(lsd, FLogicalScreenDescriptor.ScreenWidth);
    PutWord(lsd + 2, FLogicalScreenDescriptor.ScreenHeight);
    lsd[4] = FLogicalScreenDescriptor.PackedFields;
    lsd[5] = FLogicalScreenDescriptor.BackgroundColorIndex;
    lsd[6] = FLogicalScreenDescriptor.AspectRatio;
    stream.WriteBuffer(lsd, 7);
    if (lsd[4] & 0x80) FColorMap.SaveToStream(stream);
}

namespace {
bool IsSignature(const char* bytes) {
    return std::toupper(uint8_t(bytes[0])) == 'G' && std::toupper(uint8_t(bytes[1])) == 'I' &&
           std::toupper(uint8_t(bytes[2])) == 'F';
}
}  // namespace

void TGIFHeader::LoadFromStream(TStream& stream) {
    const int64_t start = stream.Position();
    char signature[6];
    ReadCheck(stream, signature, 6);
    if (!IsSignature(signature)) {
        // A picture stored behind a 4-byte length.
        stream.SetPosition(start + 4);
        ReadCheck(stream, signature, 6);
        if (!IsSignature(signature)) throw GIFException(sBadSignature);
    }
    uint8_t lsd[7];
    ReadCheck(stream, lsd, 7);
    FLogicalScreenDescriptor.ScreenWidth = GetWord(lsd);
    FLogicalScreenDescriptor.ScreenHeight = GetWord(lsd + 2);
    FLogicalScreenDescriptor.PackedFields = lsd[4];
    FLogicalScreenDescriptor.BackgroundColorIndex = lsd[5];
    FLogicalScreenDescriptor.AspectRatio = lsd[6];
    if (lsd[4] & 0x80) {
        const int count = 2 << (lsd[4] & 7);
        if (count < 2 || count > 256) throw GIFException(sBadScreenColors);
        FColorMap.LoadFromStream(stream, count);
        FColorMap.SetOptimized((lsd[4] & 0x08) != 0);
    } else {
        FColorMap.Clear();
    }
}

// ---- TGIFTrailer ----

void TGIFTrailer::SaveToStream(TStream& stream) { WriteByte(stream, bsTrailer); }

void TGIFTrailer::LoadFromStream(TStream& stream) {
    uint8_t b = 0;
    if (ReadByte(stream, b) && b != bsTrailer) Warning(GIFWarningSeverity, sBadTrailer);
}
