#include "chart/series/text/OrgShape.h"

#include "platform/classes/Publisher.h"

TOrgShape::TOrgShape(TCustomTeePanel* panel) : TTextShape(panel) { SetTextAlignment(taCenter); }

TOrgShape::~TOrgShape() = default;

void TOrgShape::Publish(TPublisher<TOrgShape>& p) {
    using T = TOrgShape;
    const auto sized = [](const T& t) { return !t.AutoSize(); };
    // The settings the organisation chart's editor changes on a box, so that they are kept.
    p.Boolean("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
    p.Boolean("ClipText", &T::ClipText, &T::SetClipText).Default(true);
    p.Integer("Cursor", &T::Cursor, &T::SetCursor)
        .Default(crDefault)
        .Idents(CursorIdentConverter());
    p.Enumeration("TextAlignment", AlignmentNames(), &T::TextAlignment, &T::SetTextAlignment)
        .Default(taCenter);
    p.Integer("Width", &T::Width, &T::SetWidth).NoDefault().Stored(sized);
    p.Integer("Height", &T::Height, &T::SetHeight).NoDefault().Stored(sized);
}
