#pragma once
// The octree quantizer: builds a palette of at most a given number of colours from the colours
// of an image, merging the deepest nodes whenever there are too many leaves.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "gif/GIFPalette.h"

// A 24-bit picture as rows of (blue, green, red) bytes, top row first, no padding.
struct TRGBImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Data;
    const uint8_t* Row(int y) const { return Data.data() + size_t(y) * size_t(Width) * 3; }
};

class TOctreeNode;
using TReducibleNodes = std::array<TOctreeNode*, 8>;

class TOctreeNode {
public:
    TOctreeNode(int level, int colorBits, int& leafCount, TReducibleNodes& reducible);
    ~TOctreeNode();
    TOctreeNode(const TOctreeNode&) = delete;
    TOctreeNode& operator=(const TOctreeNode&) = delete;

    bool IsLeaf = false;
    // 64-bit: a large picture of bright pixels overflows 32-bit sums.
    int64_t PixelCount = 0;
    int64_t RedSum = 0, GreenSum = 0, BlueSum = 0;
    TOctreeNode* Next = nullptr;  // the previous reducible node of the same level
    std::array<std::unique_ptr<TOctreeNode>, 8> Child;
};

class TColorQuantizer {
public:
    TColorQuantizer(int maxColors, int colorBits);
    ~TColorQuantizer();
    TColorQuantizer(const TColorQuantizer&) = delete;
    TColorQuantizer& operator=(const TColorQuantizer&) = delete;

    void ProcessImage(const TRGBImage& image);
    int ColorCount() const { return FLeafCount; }
    // The leaves depth-first, children in index order: their average colours.
    TGIFPalette GetColorTable() const;

private:
    void AddColor(std::unique_ptr<TOctreeNode>& node, uint8_t r, uint8_t g, uint8_t b, int level);
    void ReduceTree();

    std::unique_ptr<TOctreeNode> FTree;
    int FLeafCount = 0;
    TReducibleNodes FReducible{};
    int FMaxColors;
    int FColorBits;
};

// A palette of the image's own colours: colors entries, or 256 with the 20 static colours in
// entries 0..9 and 246..255 around 236 quantized ones.
TGIFPalette CreateOptimizedPalette(const TRGBImage& image, int colors, int colorBits,
                                   bool withSystemColors);
