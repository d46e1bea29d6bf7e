#pragma once
// A picture kept as the drawing that made it: the primitives recorded on a TMetafileCanvas,
// played back into any canvas and rectangle (Draw and StretchDraw scale it, pen widths and
// font heights included). It is saved as an enhanced metafile file when Enhanced, otherwise
// as a placeable metafile, and both kinds load back.
#include "platform/graphics/Graphic.h"
#include "platform/graphics/MetafileRecord.h"

inline constexpr const char* SInvalidMetafile = "Metafile is not valid";

class TMetafile : public TGraphic {
    KV_DECLARE_CLASS(TMetafile, TGraphic)
public:
    TMetafile();
    ~TMetafile() override;

    bool Empty() const override;
    // Size in pixels of the reference device (96 per inch).
    int Width() const override { return FWidth; }
    void SetWidth(int value) override;
    int Height() const override { return FHeight; }
    void SetHeight(int value) override;
    // Size in hundredths of a millimetre; follows Width and Height unless set.
    int MMWidth() const { return FMMWidth; }
    void SetMMWidth(int value);
    int MMHeight() const { return FMMHeight; }
    void SetMMHeight(int value);
    bool Enhanced() const { return FEnhanced; }
    void SetEnhanced(bool value);

    void Clear();
    void Assign(const TPersistent* source) override;
    // EInvalidGraphic "Metafile is not valid: <what> at offset <n>" for a damaged file.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

    const TMetaRecords& Records() const { return FRecords; }
    // The recording's records; the metafile canvas hands them over when it is freed.
    void SetRecords(TMetaRecords records);

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    class TPlayer;  // plays the records back into a canvas (Metafile.cpp)

    TMetaRecords FRecords;
    int FWidth = 0;
    int FHeight = 0;
    int FMMWidth = 0;
    int FMMHeight = 0;
    bool FEnhanced = true;
};

// The file formats (MetafileEmf.cpp, MetafileWmf.cpp). The readers fill metafile or raise
// EInvalidGraphic naming the offset.
void WriteEnhancedMetafile(const TMetafile& metafile, TStream& stream);
void ReadEnhancedMetafile(TMetafile& metafile, const uint8_t* data, size_t size);
void WritePlaceableMetafile(const TMetafile& metafile, TStream& stream);
void ReadPlaceableMetafile(TMetafile& metafile, const uint8_t* data, size_t size);
[[noreturn]] void MetafileFault(size_t offset, const std::string& what);

// "emf" and "wmf" in the picture formats; the counterpart for shutdown and tests.
void RegisterMetafileFormats();
void UnregisterMetafileFormats();
