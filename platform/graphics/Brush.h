#pragma once
// The brush of a canvas: a solid colour, nothing (bsClear), a hatch or a bitmap pattern.
#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Colors.h"

class TBitmap;

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

const TEnumInfo& BrushStyleNames();

class TBrush : public TPersistent {
    KV_DECLARE_CLASS(TBrush, TPersistent)
public:
    TBrush();
    ~TBrush() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    // A pattern tiled from the device origin instead of the colour; not owned (the caller keeps
    // it alive while it is set). Null for none.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TBrush>& p);

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr;
};
