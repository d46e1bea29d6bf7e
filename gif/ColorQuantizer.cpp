#include "gif/ColorQuantizer.h"

TOctreeNode::TOctreeNode(int level, int colorBits, int& leafCount, TReducibleNodes& reducible) {
    IsLeaf = level == colorBits;
    if (IsLeaf) {
        ++leafCount;
    } else {
        Next = reducible[size_t(level)];
        reducible[size_t(level)] = this;
    }
}

TOctreeNode::~TOctreeNode() = default;

TColorQuantizer::TColorQuantizer(int maxColors, int colorBits)
    : FMaxColors(maxColors), FColorBits(colorBits) {}

TColorQuantizer::~TColorQuantizer() = default;

void TColorQuantizer::AddColor(std::unique_ptr<TOctreeNode>& node, uint8_t r, uint8_t g, uint8_t b,
                               int level) {
    // Iterative descent: at most colour-bits levels.
    std::unique_ptr<TOctreeNode>* link = &node;
    while (true) {
        if (!*link)
            *link = std::make_unique<TOctreeNode>(level, FColorBits, FLeafCount, FReducible);
        TOctreeNode& n = **link;
        if (n.IsLeaf) {
            ++n.PixelCount;
            n.RedSum += r;
            n.GreenSum += g;
            n.BlueSum += b;
            return;
        }
        const int mask = 0x80 >> level, shift = 7 - level;
        const int index =
            ((r & mask) >> shift) * 4 + ((g & mask) >> shift) * 2 + ((b & mask) >> shift);
        link = &n.Child[size_t(index)];
        ++level;
    }
}

void TColorQuantizer::ReduceTree() {
    int level = FColorBits - 1;
    while (level > 0 && !FReducible[size_t(level)]) --level;
    TOctreeNode* node = FReducible[size_t(level)];
    if (!node) return;
    FReducible[size_t(level)] = node->Next;
    int merged = 0;
    for (auto& child : node->Child) {
        if (!child) continue;
        node->RedSum += child->RedSum;
        node->GreenSum += child->GreenSum;
        node->BlueSum += child->BlueSum;
        node->PixelCount += child->PixelCount;
        child.reset();
        ++merged;
    }
    node->IsLeaf = true;
    FLeafCount -= merged - 1;
}

void TColorQuantizer::ProcessImage(const TRGBImage& image) {
    for (int y = 0; y < image.Height; ++y) {
        const uint8_t* p = image.Row(y);
        for (int x = 0; x < image.Width; ++x, p += 3) {
            AddColor(FTree, p[2], p[1], p[0], 0);
            while (FLeafCount > FMaxColors) ReduceTree();
        }
    }
}

namespace {
void CollectLeaves(const TOctreeNode* node, TGIFPalette& table) {
    if (!node) return;
    if (node->IsLeaf) {
        TGIFPaletteEntry e;
        if (node->PixelCount > 0) {
            e.Red = uint8_t(node->RedSum / node->PixelCount);
            e.Green = uint8_t(node->GreenSum / node->PixelCount);
            e.Blue = uint8_t(node->BlueSum / node->PixelCount);
        }
        table.push_back(e);
        return;
    }
    for (const auto& child : node->Child) CollectLeaves(child.get(), table);
}
}  // namespace

TGIFPalette TColorQuantizer::GetColorTable() const {
    TGIFPalette table;
    CollectLeaves(FTree.get(), table);
    return table;
}

TGIFPalette CreateOptimizedPalette(const TRGBImage& image, int colors, int colorBits,
                                   bool withSystemColors) {
    TGIFPalette palette(256, TGIFPaletteEntry{0, 0, 0, pcNoCollapse});
    int count = colors, start = 0;
    if (withSystemColors) {
        const TGIFPalette stock = StockDefaultPalette();
        for (int i = 0; i < 10; ++i) {
            palette[size_t(i)] = stock[size_t(i)];
            palette[size_t(246 + i)] = stock[size_t(10 + i)];
        }
        colors = 236;
        start = 10;
        count = 256;
    }
    TColorQuantizer quantizer(colors, colorBits);
    quantizer.ProcessImage(image);
    const TGIFPalette table = quantizer.GetColorTable();
    for (size_t i = 0; i < table.size() && int(i) < colors; ++i)
        palette[size_t(start) + i] = {table[i].Red, table[i].Green, table[i].Blue, 0};
    palette.resize(size_t(count));
    return palette;
}
