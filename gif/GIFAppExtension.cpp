#include "gif/GIFAppExtension.h"

#include <cstring>
#include <utility>

#include "gif/GIFStreamUtils.h"
#include "gif/GIFSubImage.h"
#include "platform/rtl/Streams.h"

namespace {
using TAppRegistry = std::vector<std::pair<TGIFApplicationRec, const TGIFExtensionClass*>>;

TAppRegistry& AppRegistry() {
    static TAppRegistry registry{
        {TGIFApplicationExtension::MakeIdentifier("NETSCAPE2.0"), &TGIFAppExtNSLoop::Class},
        {TGIFApplicationExtension::MakeIdentifier("ANIMEXTS1.0"), &TGIFAppExtNSLoop::Class}};
    return registry;
}

const TGIFExtensionClass* FindApplication(const TGIFApplicationRec& id) {
    const TAppRegistry& registry = AppRegistry();
    for (auto it = registry.rbegin(); it != registry.rend(); ++it)
        if (it->first == id) return it->second;
    return nullptr;
}

// Picks the class by the identification block. Every size other than 11 with a registered id
// is read as an unknown application: its loader refuses sizes below 10 and skips surplus bytes,
// so no identification reaches a class that cannot read it.
const TGIFExtensionClass* FindApplicationClass(const TGIFExtensionClass*, TStream& stream) {
    uint8_t size = 0;
    if (!ReadByte(stream, size)) return nullptr;
    if (size == 11) {
        TGIFApplicationRec id{};
        if (stream.Read(id.data(), 11) != 11) return nullptr;
        if (const TGIFExtensionClass* found = FindApplication(id)) return found;
    } else if (size == 10) {
        uint8_t id[10];
        if (stream.Read(id, 10) != 10) return nullptr;
    }
    return &TGIFUnknownAppExtension::Class;
}

template <class T>
TGIFExtension* CreateExtension(TGIFSubImage* frame) {
    return new T(frame);
}

void Skip(TStream& stream, int64_t count) {
    if (count > 0) stream.Seek(count, soCurrent);
}
}  // namespace

void RegisterAppExtension(const TGIFApplicationRec& id, const TGIFExtensionClass* extensionClass) {
    AppRegistry().emplace_back(id, extensionClass);
}

// ---- TGIFApplicationExtension ----

const TGIFExtensionClass TGIFApplicationExtension::Class{"TGIFApplicationExtension", nullptr,
                                                         FindApplicationClass};

TGIFApplicationExtension::~TGIFApplicationExtension() = default;

TGIFApplicationRec TGIFApplicationExtension::MakeIdentifier(const char* elevenChars) {
    TGIFApplicationRec id{};
    std::memcpy(id.data(), elevenChars, std::min<size_t>(11, std::strlen(elevenChars)));
    return id;
}

void TGIFApplicationExtension::SaveToStream(TStream& stream) {
    TGIFExtension::SaveToStream(stream);
    WriteByte(stream, 11);
    stream.WriteBuffer(FIdent.data(), 11);
    SaveData(stream);
}

void TGIFApplicationExtension::LoadFromStream(TStream& stream) {
    TGIFExtension::LoadFromStream(stream);
    uint8_t size = 0;
    ReadCheck(stream, &size, 1);
    if (size < 10) throw GIFException(sBadAppBlockSize);
    FIdent.fill(0);
    if (size == 10) {
        ReadCheck(stream, FIdent.data(), 10);
    } else {
        ReadCheck(stream, FIdent.data(), 11);
        Skip(stream, size - 11);
    }
    LoadData(stream);
}

// ---- TGIFBlock ----

void TGIFBlock::SaveToStream(TStream& stream) const {
    WriteByte(stream, Size());
    stream.WriteBuffer(FData.data(), int64_t(FData.size()));
}

void TGIFBlock::LoadFromStream(TStream& stream) {
    ReadCheck(stream, FData.data(), int64_t(FData.size()));
}

// ---- TGIFUnknownAppExtension ----

const TGIFExtensionClass TGIFUnknownAppExtension::Class{
    "TGIFUnknownAppExtension", CreateExtension<TGIFUnknownAppExtension>, FindSameExtension};

void TGIFUnknownAppExtension::SaveData(TStream& stream) {
    for (const auto& block : FBlocks) block->SaveToStream(stream);
    WriteByte(stream, 0);
}

void TGIFUnknownAppExtension::LoadData(TStream& stream) {
    FBlocks.clear();
    uint8_t size = 0;
    while (ReadByte(stream, size) && size != 0) {
        auto block = std::make_unique<TGIFBlock>(size);
        block->LoadFromStream(stream);
        FBlocks.push_back(std::move(block));
    }
}

// ---- TGIFAppExtNSLoop ----

const TGIFExtensionClass TGIFAppExtNSLoop::Class{
    "TGIFAppExtNSLoop", CreateExtension<TGIFAppExtNSLoop>, FindSameExtension};

TGIFAppExtNSLoop::TGIFAppExtNSLoop(TGIFSubImage* frame) : TGIFApplicationExtension(frame) {
    FIdent = MakeIdentifier("NETSCAPE2.0");
}

void TGIFAppExtNSLoop::SaveData(TStream& stream) {
    const uint8_t loops[4] = {3, 1, uint8_t(FLoops & 0xFF), uint8_t(FLoops >> 8)};
    stream.WriteBuffer(loops, 4);
    if (FBufferSize != 0) {
        uint8_t buffer[6] = {5, 2};
        for (int i = 0; i < 4; ++i) buffer[2 + i] = uint8_t(FBufferSize >> (8 * i));
        stream.WriteBuffer(buffer, 6);
    }
    WriteByte(stream, 0);
}

void TGIFAppExtNSLoop::LoadData(TStream& stream) {
    // Sub-blocks are told apart by their exact id: 1 loop count, 2 buffer size; any other id
    // (9 included) is skipped.
    uint8_t size = 0;
    while (true) {
        ReadCheck(stream, &size, 1);
        if (size == 0) break;
        uint8_t id = 0;
        ReadCheck(stream, &id, 1);
        if (id == 1) {
            if (size < 3) throw GIFException(sBadData);
            uint8_t b[2];
            ReadCheck(stream, b, 2);
            FLoops = GetWord(b);
            Skip(stream, size - 3);
        } else if (id == 2) {
            if (size < 5) throw GIFException(sBadData);
            uint8_t b[4];
            ReadCheck(stream, b, 4);
            FBufferSize = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                          (uint32_t(b[3]) << 24);
            Skip(stream, size - 5);
        } else {
            Skip(stream, size - 1);
        }
    }
}
