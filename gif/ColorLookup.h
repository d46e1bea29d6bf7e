#pragma once
// Colour lookups: for any 24-bit colour, the index of a palette entry and that entry's colour.
#include <cstdint>
#include <memory>

#include "gif/GIFPalette.h"

class TColorLookup {
public:
    explicit TColorLookup(int colors) : FColors(colors) {}
    virtual ~TColorLookup();
    TColorLookup(const TColorLookup&) = delete;
    TColorLookup& operator=(const TColorLookup&) = delete;

    // Entries of the palette; 0 makes the lookup unusable.
    int Colors() const { return FColors; }
    // The index of the chosen entry; r, g, b receive its colour.
    virtual uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                           uint8_t& b) = 0;

protected:
    int FColors;
};

// An arbitrary palette with a 5-5-5 inverse table filled on demand: all colours of one cell get
// the answer found for the first of them (speed over exactness).
class TFastColorLookup : public TColorLookup {
public:
    explicit TFastColorLookup(const TGIFPalette& palette);
    uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                   uint8_t& b) override;

private:
    static int Cell(uint8_t red, uint8_t green, uint8_t blue) {
        return (red >> 3) | ((green >> 3) << 5) | ((blue >> 3) << 10);
    }
    TGIFPalette FEntries;
    std::unique_ptr<int16_t[]> FInverse;  // 32768 cells, -1 until known
};

// An arbitrary palette searched exactly for every colour.
class TSlowColorLookup : public TColorLookup {
public:
    explicit TSlowColorLookup(const TGIFPalette& palette);
    uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                   uint8_t& b) override;

private:
    TGIFPalette FEntries;
};

// The 216-colour web palette.
class TNetscapeColorLookup : public TColorLookup {
public:
    TNetscapeColorLookup() : TColorLookup(216) {}
    uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                   uint8_t& b) override;
};

// 256 greys, weighted 77 : 150 : 29.
class TGrayScaleLookup : public TColorLookup {
public:
    TGrayScaleLookup() : TColorLookup(256) {}
    uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                   uint8_t& b) override;
};

// Black or white by the weighted brightness.
class TMonochromeLookup : public TColorLookup {
public:
    TMonochromeLookup() : TColorLookup(2) {}
    uint8_t Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                   uint8_t& b) override;
};
