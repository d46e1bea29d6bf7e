#pragma once
// The box of one member of an organisation chart: a text shape centred by default. The text is
// the point's label, set at each drawing, so it is not stored; the size is, when the box does
// not size itself to its text.
#include "chart/tools/annotation/TextShape.h"

class TOrgShape : public TTextShape {
    KV_DECLARE_CLASS(TOrgShape, TTextShape)
public:
    explicit TOrgShape(TCustomTeePanel* panel = nullptr);
    ~TOrgShape() override;

    static void Publish(TPublisher<TOrgShape>& p);
};
