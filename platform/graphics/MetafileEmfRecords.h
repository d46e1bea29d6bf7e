#pragma once
// The record types and constants of the enhanced metafile file that its writer and reader share.
// Internal to the drawing layer.
#include <cstddef>
#include <cstdint>

#include "platform/graphics/RecordingCanvas.h"

enum : uint32_t {
    EMR_HEADER = 1,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_EOF = 14,
    EMR_SETPIXELV = 15,
    EMR_SETBKMODE = 18,
    EMR_SETROP2 = 20,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_MOVETOEX = 27,
    EMR_EXCLUDECLIPRECT = 29,
    EMR_INTERSECTCLIPRECT = 30,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_ROUNDRECT = 44,
    EMR_ARC = 45,
    EMR_CHORD = 46,
    EMR_PIE = 47,
    EMR_LINETO = 54,
    EMR_ARCTO = 55,
    EMR_SETARCDIRECTION = 57,
    EMR_BEGINPATH = 59,
    EMR_ENDPATH = 60,
    EMR_CLOSEFIGURE = 61,
    EMR_FILLPATH = 62,
    EMR_STROKEANDFILLPATH = 63,
    EMR_STROKEPATH = 64,
    EMR_FLATTENPATH = 65,
    EMR_WIDENPATH = 66,
    EMR_SELECTCLIPPATH = 67,
    EMR_ABORTPATH = 68,
    EMR_EXTSELECTCLIPRGN = 75,
    EMR_BITBLT = 76,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
};

inline constexpr uint32_t EmfSignature = 0x464D4520;  // " EMF"
inline constexpr uint32_t EmfPatCopy = 0x00F00021;
inline constexpr uint32_t EmfEtoOpaque = 2, EmfEtoClipped = 4;
// Stock objects, selected while the recorded ones are replaced.
inline constexpr uint32_t WHITE_BRUSH = 0x80000000, NULL_BRUSH = 0x80000005,
                          BLACK_BRUSH = 0x80000004, WHITE_PEN = 0x80000006, BLACK_PEN = 0x80000007,
                          NULL_PEN = 0x80000008, SYSTEM_FONT = 0x8000000D;

// Operations whose record is their rectangle, points or nothing: one table each way.
struct TEmfOpCode {
    TMetaOp Op;
    uint32_t Type;
};
inline constexpr TEmfOpCode EmfBoxOps[] = {{TMetaOp::Rectangle, EMR_RECTANGLE},
                                           {TMetaOp::Ellipse, EMR_ELLIPSE},
                                           {TMetaOp::IntersectClipRect, EMR_INTERSECTCLIPRECT},
                                           {TMetaOp::ExcludeClipRect, EMR_EXCLUDECLIPRECT}};
inline constexpr TEmfOpCode EmfArcOps[] = {{TMetaOp::Arc, EMR_ARC},
                                           {TMetaOp::ArcTo, EMR_ARCTO},
                                           {TMetaOp::Pie, EMR_PIE},
                                           {TMetaOp::Chord, EMR_CHORD}};
inline constexpr TEmfOpCode EmfBareOps[] = {
    {TMetaOp::BeginPath, EMR_BEGINPATH},     {TMetaOp::EndPath, EMR_ENDPATH},
    {TMetaOp::CloseFigure, EMR_CLOSEFIGURE}, {TMetaOp::FlattenPath, EMR_FLATTENPATH},
    {TMetaOp::WidenPath, EMR_WIDENPATH},     {TMetaOp::AbortPath, EMR_ABORTPATH}};
inline constexpr TEmfOpCode EmfBoundedOps[] = {{TMetaOp::FillPath, EMR_FILLPATH},
                                               {TMetaOp::StrokeAndFillPath, EMR_STROKEANDFILLPATH},
                                               {TMetaOp::StrokePath, EMR_STROKEPATH}};

template <size_t N>
const TEmfOpCode* FindEmfOp(const TEmfOpCode (&table)[N], TMetaOp op) {
    for (const TEmfOpCode& c : table)
        if (c.Op == op) return &c;
    return nullptr;
}
template <size_t N>
const TEmfOpCode* FindEmfType(const TEmfOpCode (&table)[N], uint32_t type) {
    for (const TEmfOpCode& c : table)
        if (c.Type == type) return &c;
    return nullptr;
}
