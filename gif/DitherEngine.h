#pragma once
// Ditherers map an image row by row to palette indices through a colour lookup. All walk the rows
// in serpentine order: the caller reads the pixel at Column, calls Dither, stores the index at
// that column, repeats while 0 <= Column < Width, then calls NextLine. The error-diffusion kinds
// spread each pixel's quantisation error over pixels not yet processed.
#include <array>
#include <cstdint>
#include <vector>

class TColorLookup;

// Nearest colour, no diffusion.
class TDitherEngine {
public:
    TDitherEngine(int width, TColorLookup& lookup);
    virtual ~TDitherEngine();
    TDitherEngine(const TDitherEngine&) = delete;
    TDitherEngine& operator=(const TDitherEngine&) = delete;

    int Direction() const { return FDirection; }
    int Column() const { return FColumn; }
    int Width() const { return FWidth; }

    // The palette index for the colour; r, g, b receive the chosen colour.
    virtual uint8_t Dither(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                           uint8_t& b);
    virtual void NextLine();
    // Passes over the pixel at Column without dithering it (a transparent pixel): only the
    // column moves on.
    void SkipColumn() { FColumn += FDirection; }

protected:
    // v := c + (E + D div 2) div D, truncated toward zero, clamped to 0..255.
    static int Corrected(int c, int error, int divisor);

    int FDirection = 1;
    int FColumn = 0;
    TColorLookup& FLookup;
    int FWidth;
};

// One error row per channel updated in place, with three running sums.
class TFloydSteinbergDitherer : public TDitherEngine {
public:
    TFloydSteinbergDitherer(int width, TColorLookup& lookup);
    uint8_t Dither(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                   uint8_t& b) override;
    void NextLine() override;

private:
    // Cell k belongs to column k - 1; cells 0 and Width + 1 are margins.
    std::array<std::vector<int32_t>, 3> FErrors;
    int FPosition = 0;  // the write position
    std::array<int32_t, 3> FRight{}, FBelow{}, FBelowBehind{};
};

// One weight of a kernel: Row rows below, Offset columns ahead (mirrored on right-to-left rows).
struct TKernelTap {
    int Row, Offset, Weight;
};

// The kernels kept as whole error rows: row 0 is the current row, rows below follow; at each line
// the rows move up and row 0, zeroed, becomes the last.
class TKernelDitherer : public TDitherEngine {
public:
    uint8_t Dither(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                   uint8_t& b) override;
    void NextLine() override;

protected:
    TKernelDitherer(int width, TColorLookup& lookup, int rows, int margin, int divisor,
                    std::vector<TKernelTap> kernel);
    // Adds error × weight at every tap of the kernel for channel c.
    void Propagate(int c, int error);

private:
    int FRows, FMargin, FDivisor;
    std::vector<TKernelTap> FKernel;
    // FErrors[c][row] holds Width + 2 × margin cells; cell column + margin.
    std::array<std::vector<std::vector<int32_t>>, 3> FErrors;
};

// The three-row kernels of five columns.
class T5by3Ditherer : public TKernelDitherer {
protected:
    T5by3Ditherer(int width, TColorLookup& lookup, int divisor, std::vector<TKernelTap> kernel)
        : TKernelDitherer(width, lookup, 3, 2, divisor, std::move(kernel)) {}
};

class TStuckiDitherer : public T5by3Ditherer {
public:
    TStuckiDitherer(int width, TColorLookup& lookup);
};

class TSierraDitherer : public T5by3Ditherer {
public:
    TSierraDitherer(int width, TColorLookup& lookup);
};

class TJaJuNiDitherer : public T5by3Ditherer {
public:
    TJaJuNiDitherer(int width, TColorLookup& lookup);
};

class TSteveArcheDitherer : public TKernelDitherer {
public:
    TSteveArcheDitherer(int width, TColorLookup& lookup);
};

class TBurkesDitherer : public TKernelDitherer {
public:
    TBurkesDitherer(int width, TColorLookup& lookup);
};
