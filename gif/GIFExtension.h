#pragma once
// Extensions of a frame (introducer 0x21, a label, a body) and the registry that maps a label to
// the class that reads it. A class is described by a TGIFExtensionClass: how to create one for a
// frame and which class should read the body that follows the label (application extensions
// look further, at their identification).
#include <cstdint>
#include <memory>

#include "gif/GIFItem.h"
#include "platform/rtl/StringList.h"

class TGIFExtension;

struct TGIFExtensionClass {
    const char* Name;
    TGIFExtension* (*Create)(TGIFSubImage* frame);
    // Given the stream after the label (or after what earlier answers read), the class that
    // should read it: this one, another one, or none.
    const TGIFExtensionClass* (*FindSubExtension)(const TGIFExtensionClass* self, TStream& stream);
};

// Answers the class itself: the default of FindSubExtension.
const TGIFExtensionClass* FindSameExtension(const TGIFExtensionClass* self, TStream& stream);

// Adds (label, class); lookups search the most recently added pair first.
void RegisterExtension(uint8_t label, const TGIFExtensionClass* extensionClass);

class TGIFExtension : public TGIFItem {
public:
    explicit TGIFExtension(TGIFSubImage* frame);
    ~TGIFExtension() override;

    TGIFSubImage* SubImage() const { return FSubImage; }
    virtual uint8_t GetExtensionType() const = 0;
    TGIFVersion GetVersion() const override { return GIFVersion89a; }

    // Stream positioned just after an introducer: the class for what follows, or none. The
    // stream position is restored.
    static const TGIFExtensionClass* FindExtension(TStream& stream);

    // Writes 0x21 and the label.
    void SaveToStream(TStream& stream) override;
    // Reads and checks 0x21 and the label.
    void LoadFromStream(TStream& stream) override;

protected:
    TGIFSubImage* FSubImage;
};

enum : uint8_t { DisposeNone = 0, DisposeKeep = 1, DisposeBackground = 2, DisposePrevious = 3 };

// Transparency, delay and disposal of a frame (label 0xF9).
class TGIFGraphicControlExtension : public TGIFExtension {
public:
    static const TGIFExtensionClass Class;
    explicit TGIFGraphicControlExtension(TGIFSubImage* frame);
    ~TGIFGraphicControlExtension() override;

    uint8_t GetExtensionType() const override { return 0xF9; }

    bool Transparent() const { return (FPacked & 0x01) != 0; }
    // Gives the frame's transparent flag the same value.
    void SetTransparent(bool value);
    uint8_t TransparentColorIndex() const { return FTransparentColorIndex; }
    // An index outside the frame's active table warns and stores 0.
    void SetTransparentColorIndex(uint8_t value);
    uint32_t TransparentColor();
    bool UserInput() const { return (FPacked & 0x02) != 0; }
    void SetUserInput(bool value);
    uint8_t Disposal() const { return uint8_t((FPacked >> 2) & 7); }
    void SetDisposal(uint8_t value);
    uint16_t Delay() const { return FDelay; }
    void SetDelay(uint16_t value) { FDelay = value; }

    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;

private:
    uint8_t FBlockSize = 4;
    uint8_t FPacked = 0;
    uint16_t FDelay = 0;
    uint8_t FTransparentColorIndex = 0;
    uint8_t FTerminator = 0;
};

// Lines of text drawn on a grid (label 0x01).
class TGIFTextExtension : public TGIFExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFExtension::TGIFExtension;
    uint8_t GetExtensionType() const override { return 0x01; }

    TStringList& Lines() { return FLines; }
    uint16_t Left() const { return FLeft; }
    void SetLeft(uint16_t v) { FLeft = v; }
    uint16_t Top() const { return FTop; }
    void SetTop(uint16_t v) { FTop = v; }
    uint16_t GridWidth() const { return FGridWidth; }
    void SetGridWidth(uint16_t v) { FGridWidth = v; }
    uint16_t GridHeight() const { return FGridHeight; }
    void SetGridHeight(uint16_t v) { FGridHeight = v; }
    uint8_t CharWidth() const { return FCharWidth; }
    void SetCharWidth(uint8_t v) { FCharWidth = v; }
    uint8_t CharHeight() const { return FCharHeight; }
    void SetCharHeight(uint8_t v) { FCharHeight = v; }
    uint8_t ForegroundColorIndex() const { return FForegroundColorIndex; }
    void SetForegroundColorIndex(uint8_t v) { FForegroundColorIndex = v; }
    uint8_t BackgroundColorIndex() const { return FBackgroundColorIndex; }
    void SetBackgroundColorIndex(uint8_t v) { FBackgroundColorIndex = v; }

    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;

private:
    uint8_t FBlockSize = 12;
    uint16_t FLeft = 0, FTop = 0, FGridWidth = 0, FGridHeight = 0;
    uint8_t FCharWidth = 0, FCharHeight = 0;
    uint8_t FForegroundColorIndex = 0, FBackgroundColorIndex = 0;
    TStringList FLines;
};

// Free text (label 0xFE).
class TGIFCommentExtension : public TGIFExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFExtension::TGIFExtension;
    uint8_t GetExtensionType() const override { return 0xFE; }
    TStringList& Lines() { return FLines; }

    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;

private:
    TStringList FLines;
};
