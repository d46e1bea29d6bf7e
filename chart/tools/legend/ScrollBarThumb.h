#pragma once
// The look of a drawn scroll bar's thumb: a fill, a gradient or a picture, and a length of its
// own or one in proportion to the page. The four preset pictures come from the program's
// resources and also set the bar's thickness.
#include <memory>

#include "platform/classes/Persistent.h"

class TChartBrush;
class TTeeGradient;
class TTeePicture;
class TTeeScrollBar;

enum TScrollThumbStyle { stsCustom, stsThumb1, stsThumb2, stsThumb3, stsThumb4 };
const TEnumInfo& ScrollThumbStyleNames();

class TScrollBarThumb : public TPersistent {
    KV_DECLARE_CLASS(TScrollBarThumb, TPersistent)
public:
    explicit TScrollBarThumb(TTeeScrollBar* bar);
    ~TScrollBarThumb() override;

    TChartBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TChartBrush* value);
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    TTeePicture* Image() const { return FImage.get(); }
    void SetImage(const TTeePicture* value);
    // 0: in proportion to the page.
    int Size() const { return FSize; }
    void SetSize(int value);
    TScrollThumbStyle Style() const { return FStyle; }
    // A preset loads its picture, whose width becomes the thumb's length and whose height the
    // bar's thickness; stsCustom clears the picture.
    void SetStyle(TScrollThumbStyle value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TScrollBarThumb>& p);

private:
    void Repaint();

    TTeeScrollBar* FBar;
    std::unique_ptr<TChartBrush> FBrush;
    std::unique_ptr<TTeeGradient> FGradient;
    std::unique_ptr<TTeePicture> FImage;
    int FSize = 0;
    TScrollThumbStyle FStyle = stsCustom;
};
