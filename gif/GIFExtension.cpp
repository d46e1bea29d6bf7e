#include "gif/GIFExtension.h"

#include <utility>
#include <vector>

#include "gif/GIFAppExtension.h"
#include "gif/GIFStreamUtils.h"
#include "gif/GIFSubImage.h"
#include "platform/rtl/Streams.h"

// ---- the label registry ----

namespace {
using TLabelRegistry = std::vector<std::pair<uint8_t, const TGIFExtensionClass*>>;

TLabelRegistry& LabelRegistry() {
    static TLabelRegistry registry{{0x01, &TGIFTextExtension::Class},
                                   {0xF9, &TGIFGraphicControlExtension::Class},
                                   {0xFE, &TGIFCommentExtension::Class},
                                   {0xFF, &TGIFApplicationExtension::Class}};
    return registry;
}

const TGIFExtensionClass* FindLabel(uint8_t label) {
    const TLabelRegistry& registry = LabelRegistry();
    for (auto it = registry.rbegin(); it != registry.rend(); ++it)
        if (it->first == label) return it->second;
    return nullptr;
}

template <class T>
TGIFExtension* CreateExtension(TGIFSubImage* frame) {
    return new T(frame);
}
}  // namespace

void RegisterExtension(uint8_t label, const TGIFExtensionClass* extensionClass) {
    LabelRegistry().emplace_back(label, extensionClass);
}

const TGIFExtensionClass* FindSameExtension(const TGIFExtensionClass* self, TStream&) {
    return self;
}

// ---- TGIFExtension ----

TGIFExtension::TGIFExtension(TGIFSubImage* frame)
    : TGIFItem(frame ? frame->Image() : nullptr), FSubImage(frame) {}

TGIFExtension::~TGIFExtension() = default;

const TGIFExtensionClass* TGIFExtension::FindExtension(TStream& stream) {
    const int64_t start = stream.Position();
    const TGIFExtensionClass* result = nullptr;
    uint8_t label = 0;
    if (ReadByte(stream, label)) {
        result = FindLabel(label);
        // Ask until a class answers with itself; each answer reads on from the previous one.
        while (result) {
            const TGIFExtensionClass* next = result->FindSubExtension(result, stream);
            if (next == result) break;
            result = next;
        }
    }
    stream.SetPosition(start);
    return result;
}

void TGIFExtension::SaveToStream(TStream& stream) {
    const uint8_t head[2] = {bsExtensionIntroducer, GetExtensionType()};
    stream.WriteBuffer(head, 2);
}

void TGIFExtension::LoadFromStream(TStream& stream) {
    uint8_t head[2];
    ReadCheck(stream, head, 2);
    if (head[0] != bsExtensionIntroducer) throw GIFException(sBadExtensionIntroducer);
    if (head[1] != GetExtensionType()) throw GIFException(sExtensionMismatch);
}

// ---- TGIFGraphicControlExtension ----

const TGIFExtensionClass TGIFGraphicControlExtension::Class{
    "TGIFGraphicControlExtension", CreateExtension<TGIFGraphicControlExtension>, FindSameExtension};

TGIFGraphicControlExtension::TGIFGraphicControlExtension(TGIFSubImage* frame)
    : TGIFExtension(frame) {
    if (FSubImage && !FSubImage->GraphicControlExtension())
        FSubImage->LinkGraphicControlExtension(this);
}

TGIFGraphicControlExtension::~TGIFGraphicControlExtension() {
    if (!FSubImage) return;
    if (FSubImage->GraphicControlExtension() == this)
        FSubImage->LinkGraphicControlExtension(nullptr);
    if (Transparent()) FSubImage->SetTransparentFlag(false);
}

void TGIFGraphicControlExtension::SetTransparent(bool value) {
    FPacked = uint8_t(value ? FPacked | 0x01 : FPacked & ~0x01);
    if (FSubImage) FSubImage->SetTransparentFlag(value);
}

void TGIFGraphicControlExtension::SetTransparentColorIndex(uint8_t value) {
    if (FSubImage) {
        const int count = FSubImage->ActiveColorMap().Count();
        if (count != 0 && value >= count) {
            Warning(GIFWarningSeverity, sBadColorIndex);
            value = 0;
        }
    }
    FTransparentColorIndex = value;
}

uint32_t TGIFGraphicControlExtension::TransparentColor() {
    return FSubImage->ActiveColorMap().Colors(FTransparentColorIndex);
}

void TGIFGraphicControlExtension::SetUserInput(bool value) {
    FPacked = uint8_t(value ? FPacked | 0x02 : FPacked & ~0x02);
}

void TGIFGraphicControlExtension::SetDisposal(uint8_t value) {
    FPacked = uint8_t((FPacked & ~0x1C) | ((value & 7) << 2));
}

void TGIFGraphicControlExtension::SaveToStream(TStream& stream) {
    TGIFExtension::SaveToStream(stream);
    uint8_t body[6] = {FBlockSize, FPacked, 0, 0, FTransparentColorIndex, FTerminator};
    PutWord(body + 2, FDelay);
    stream.WriteBuffer(body, 6);
}

void TGIFGraphicControlExtension::LoadFromStream(TStream& stream) {
    TGIFExtension::LoadFromStream(stream);
    uint8_t body[6] = {};
    const int64_t got = stream.Read(body, 6);
    // The block is kept as far as it was read.
    if (got > 0) FBlockSize = body[0];
    if (got > 1) FPacked = body[1];
    if (got > 3) FDelay = GetWord(body + 2);
    if (got > 4) FTransparentColorIndex = body[4];
    if (got > 5) FTerminator = body[5];
    if (got < 6) {
        Warning(GIFWarningSeverity, sOutOfData);
        return;
    }
    if (Transparent() && FSubImage) FSubImage->SetTransparentFlag(true);
}

// ---- TGIFTextExtension ----

const TGIFExtensionClass TGIFTextExtension::Class{
    "TGIFTextExtension", CreateExtension<TGIFTextExtension>, FindSameExtension};

void TGIFTextExtension::SaveToStream(TStream& stream) {
    TGIFExtension::SaveToStream(stream);
    uint8_t body[13];
    body[0] = FBlockSize;
    PutWord(body + 1, FLeft);
    PutWord(body + 3, FTop);
    PutWord(body + 5, FGridWidth);
    PutWord(body + 7, FGridHeight);
    body[9] = FCharWidth;
    body[10] = FCharHeight;
    body[11] = FForegroundColorIndex;
    body[12] = FBackgroundColorIndex;
    stream.WriteBuffer(body, 13);
    WriteSubBlockStrings(stream, FLines);
}

void TGIFTextExtension::LoadFromStream(TStream& stream) {
    TGIFExtension::LoadFromStream(stream);
    uint8_t body[13];
    ReadCheck(stream, body, 13);
    FBlockSize = body[0];
    FLeft = GetWord(body + 1);
    FTop = GetWord(body + 3);
    FGridWidth = GetWord(body + 5);
    FGridHeight = GetWord(body + 7);
    FCharWidth = body[9];
    FCharHeight = body[10];
    FForegroundColorIndex = body[11];
    FBackgroundColorIndex = body[12];
    ReadSubBlockStrings(stream, FLines);
}

// ---- TGIFCommentExtension ----

const TGIFExtensionClass TGIFCommentExtension::Class{
    "TGIFCommentExtension", CreateExtension<TGIFCommentExtension>, FindSameExtension};

void TGIFCommentExtension::SaveToStream(TStream& stream) {
    TGIFExtension::SaveToStream(stream);
    WriteSubBlockStrings(stream, FLines);
}

void TGIFCommentExtension::LoadFromStream(TStream& stream) {
    TGIFExtension::LoadFromStream(stream);
    ReadSubBlockStrings(stream, FLines);
}
