#pragma once
// Application extensions (label 0xFF): an 11-byte identification (8 bytes of application id, 3 of
// authentication code) and data sub-blocks. A second registry maps the identification to the
// class that understands the data; unknown ones are kept block for block.
#include <array>
#include <memory>
#include <vector>

#include "gif/GIFExtension.h"

using TGIFApplicationRec = std::array<uint8_t, 11>;

// Adds (identification, class); lookups search the most recently added pair first.
void RegisterAppExtension(const TGIFApplicationRec& id, const TGIFExtensionClass* extensionClass);

class TGIFApplicationExtension : public TGIFExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFExtension::TGIFExtension;
    ~TGIFApplicationExtension() override;
    uint8_t GetExtensionType() const override { return 0xFF; }

    const TGIFApplicationRec& Identifier() const { return FIdent; }
    void SetIdentifier(const TGIFApplicationRec& id) { FIdent = id; }
    static TGIFApplicationRec MakeIdentifier(const char* elevenChars);

    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;

protected:
    virtual void SaveData(TStream& stream) = 0;
    virtual void LoadData(TStream& stream) = 0;

    TGIFApplicationRec FIdent{};
};

// A data sub-block kept as read.
class TGIFBlock {
public:
    explicit TGIFBlock(uint8_t size) : FData(size, 0) {}
    uint8_t Size() const { return uint8_t(FData.size()); }
    std::vector<uint8_t>& Data() { return FData; }
    void SaveToStream(TStream& stream) const;
    void LoadFromStream(TStream& stream);

private:
    std::vector<uint8_t> FData;
};

class TGIFUnknownAppExtension : public TGIFApplicationExtension {
public:
    static const TGIFExtensionClass Class;
    using TGIFApplicationExtension::TGIFApplicationExtension;
    std::vector<std::unique_ptr<TGIFBlock>>& Blocks() { return FBlocks; }

protected:
    void SaveData(TStream& stream) override;
    void LoadData(TStream& stream) override;

private:
    std::vector<std::unique_ptr<TGIFBlock>> FBlocks;
};

// The animation loop count and buffer size, under either of the two loop identifications.
class TGIFAppExtNSLoop : public TGIFApplicationExtension {
public:
    static const TGIFExtensionClass Class;
    explicit TGIFAppExtNSLoop(TGIFSubImage* frame);

    uint16_t Loops() const { return FLoops; }
    void SetLoops(uint16_t value) { FLoops = value; }
    uint32_t BufferSize() const { return FBufferSize; }
    void SetBufferSize(uint32_t value) { FBufferSize = value; }

protected:
    void SaveData(TStream& stream) override;
    void LoadData(TStream& stream) override;

private:
    uint16_t FLoops = 0;
    uint32_t FBufferSize = 0;
};
