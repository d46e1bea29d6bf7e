#pragma once
// The function numbers and constants of the placeable metafile file that its writer and reader
// share. Internal to the drawing layer.
#include <cstdint>

enum : uint16_t {
    META_EOF = 0x0000,
    META_SETBKCOLOR = 0x0201,
    META_SETBKMODE = 0x0102,
    META_SETROP2 = 0x0104,
    META_SETTEXTALIGN = 0x012E,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_MOVETO = 0x0214,
    META_LINETO = 0x0213,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_RECTANGLE = 0x041B,
    META_ELLIPSE = 0x0418,
    META_ROUNDRECT = 0x061C,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_SETPIXEL = 0x041F,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_PATBLT = 0x061D,
    META_EXTTEXTOUT = 0x0A32,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_STRETCHDIB = 0x0F43,
};

inline constexpr uint32_t WmfPlaceableKey = 0x9AC6CDD7;
inline constexpr uint32_t WmfPatCopy = 0x00F00021;
inline constexpr uint16_t WmfEtoOpaque = 2, WmfEtoClipped = 4;
