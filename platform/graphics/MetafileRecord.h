#pragma once
// One step of a recorded drawing, as a metafile keeps it between recording, playing back and
// the file formats: a primitive with its logical coordinates, or a change of drawing state.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/RecordingCanvas.h"

class TBitmap;

enum class TMetaKind : uint8_t {
    Op,            // Op with Args (and Text for text output)
    Pen,           // style, width, colour, end cap, join
    Brush,         // style, colour
    Font,          // height, bold, italic, underline, strike-out, orientation, charset; Text name
    BkMode,        // mode
    BkColor,       // colour
    TextColor,     // colour
    TextAlign,     // flags
    Rop,           // pen mode
    ArcDirection,  // direction
    Image,         // destination rectangle, pen mode of the copy; Picture
    Clip,          // combine mode, 1 with a region in Rects (recording pixels), 0 for none
};

struct TMetaRecord {
    TMetaKind Kind = TMetaKind::Op;
    TMetaOp Op = TMetaOp::MoveTo;
    std::vector<int> Args;
    std::string Text;                        // UTF-8
    std::shared_ptr<const TBitmap> Picture;  // 24-bit, the copied part only
    std::vector<TRect> Rects;
};

using TMetaRecords = std::vector<TMetaRecord>;

// Hands a record to the member of handler that takes its kind: Op, Pen, Brush, Font, Image and
// Clip by name, the one-field state records to State. Playing back and each file format take
// the records through this one switch, so they cannot come to sort the kinds apart.
template <class THandler>
void DispatchMetaRecord(THandler& handler, const TMetaRecord& r) {
    switch (r.Kind) {
        case TMetaKind::Op:
            return handler.Op(r);
        case TMetaKind::Pen:
            return handler.Pen(r.Args);
        case TMetaKind::Brush:
            return handler.Brush(r.Args);
        case TMetaKind::Font:
            return handler.Font(r);
        case TMetaKind::Image:
            return handler.Image(r);
        case TMetaKind::Clip:
            return handler.Clip(r);
        default:
            return handler.State(r);
    }
}
