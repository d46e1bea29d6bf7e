#pragma once
// A GIF colour table of at most 256 (red, green, blue) entries. The same class serves the global
// table of the header and the local table of a frame; the two differ in which frames they cover
// when sorted by use and in whom they notify.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gif/GIFPalette.h"

class TStream;
class TGIFHeader;
class TGIFImage;
class TGIFSubImage;

struct TGIFColor {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    bool operator==(const TGIFColor&) const = default;
};

// A colour value of the platform: red in bits 0-7, green 8-15, blue 16-23.
inline uint32_t GIFColorValue(TGIFColor c) {
    return uint32_t(c.Red) | (uint32_t(c.Green) << 8) | (uint32_t(c.Blue) << 16);
}
inline TGIFColor GIFColorOf(uint32_t value) {
    return {uint8_t(value & 0xFF), uint8_t((value >> 8) & 0xFF), uint8_t((value >> 16) & 0xFF)};
}

// Use count and old index of one entry while sorting by use.
struct TUsageCount {
    int32_t Count = 0;
    int32_t Index = 0;
};
using TColormapHistogram = std::array<TUsageCount, 256>;
using TColormapReverse = std::array<uint8_t, 256>;

class TGIFColorMap {
public:
    TGIFColorMap() = default;
    virtual ~TGIFColorMap();
    TGIFColorMap(const TGIFColorMap&) = delete;
    TGIFColorMap& operator=(const TGIFColorMap&) = delete;

    // Frees the entries; no change notification.
    void Clear();
    // Copies count, capacity, sort flag and entries, then notifies.
    void Assign(const TGIFColorMap& source);

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    bool Optimized() const { return FOptimized; }
    void SetOptimized(bool value) { FOptimized = value; }

    // Colour value of entry index; outside the table warns and uses entry 0 (an empty table then
    // raises "Color table is empty").
    uint32_t Colors(int index);
    void SetColors(int index, uint32_t value);
    const TGIFColor& Entry(int index) const { return FEntries[std::size_t(index)]; }

    int Add(uint32_t color);
    int AddUnique(uint32_t color);
    // Sorted tables search from the first entry, others from the last; -1 when absent.
    int IndexOf(uint32_t color) const;
    void Delete(int index);

    // 0 for an empty table, else the smallest n >= 1 with 2^n >= Count.
    int BitsPerPixel() const;

    // Takes up to 256 entries of palette; an empty one leaves the table empty and unannounced.
    void ImportPalette(const TGIFPalette& palette);
    // Takes count (blue, green, red, reserved) quads.
    void ImportColorTable(const uint8_t* quads, int count);
    // The entries, each flagged not to be collapsed; empty for an empty table.
    TGIFPalette ExportPalette() const;

    void LoadFromStream(TStream& stream, int count);
    // The entries padded with black to 2^BitsPerPixel.
    void SaveToStream(TStream& stream) const;

    // Sorts the entries by how often the covered frames use them (most used first), renumbers
    // the pixels and drops unused entries from the end. False when there was nothing to sort.
    bool SortByUse();
    virtual bool Optimize() { return SortByUse(); }

    virtual void Warning(int severity, const char* message) = 0;
    virtual void Changed() = 0;

protected:
    virtual void BuildHistogram(TColormapHistogram& histogram) = 0;
    virtual void MapImages(const TColormapReverse& map) = 0;
    // Entries that must survive the sort even when no pixel uses them.
    virtual int RequiredCount() const { return 0; }
    // Counts every pixel byte of frame into histogram.
    static void CountPixels(const TGIFSubImage& frame, TColormapHistogram& histogram);
    // Renumbers frame's pixels, transparent index and text colours through map.
    static void MapFrame(TGIFSubImage& frame, const TColormapReverse& map);

private:
    void SetCapacity(int n);

    std::vector<TGIFColor> FEntries;
    int FCount = 0;
    int FCapacity = 0;
    bool FOptimized = false;
};

// The header's table: covers every frame that draws with it.
class TGIFGlobalColorMap : public TGIFColorMap {
public:
    explicit TGIFGlobalColorMap(TGIFHeader* header) : FHeader(header) {}
    ~TGIFGlobalColorMap() override;

    bool Optimize() override;
    void Warning(int severity, const char* message) override;
    void Changed() override;

protected:
    void BuildHistogram(TColormapHistogram& histogram) override;
    void MapImages(const TColormapReverse& map) override;
    // The background colour's entry stays.
    int RequiredCount() const override;

private:
    TGIFHeader* FHeader;
};

// A frame's own table: covers that frame only.
class TGIFLocalColorMap : public TGIFColorMap {
public:
    explicit TGIFLocalColorMap(TGIFSubImage* frame) : FFrame(frame) {}
    ~TGIFLocalColorMap() override;

    void Warning(int severity, const char* message) override;
    void Changed() override;

protected:
    void BuildHistogram(TColormapHistogram& histogram) override;
    void MapImages(const TColormapReverse& map) override;

private:
    TGIFSubImage* FFrame;
};
