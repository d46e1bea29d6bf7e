#pragma once
// The image filters offered by the filter editor, and the conversion between RGB and hue,
// luminance and saturation (0..240 each, greys having hue 160).
#include "chart/foundation/TeeFilter.h"

class TInvertFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TInvertFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
};

enum TGrayMethod { gmSimple, gmEye, gmEye2 };

class TGrayScaleFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TGrayScaleFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    TGrayMethod Method() const { return FMethod; }
    void SetMethod(TGrayMethod value) { FMethod = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TGrayScaleFilter>& p);

private:
    TGrayMethod FMethod = gmSimple;
};

// A filter driven by one amount, in percent or in channel steps.
class TAmountFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TAmountFilter, TTeeFilter)
public:
    explicit TAmountFilter(TCollection* collection = nullptr) : TTeeFilter(collection) {}
    int Amount() const { return FAmount; }
    void SetAmount(int value) { FAmount = value; }
    bool Percent() const { return FPercent; }
    void SetPercent(bool value) { FPercent = value; }
    // The editor offers no negative amounts.
    bool OnlyPositive() const { return FOnlyPositive; }
    // A scroll bar for Amount and a check box for Percent that re-ranges it.
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TAmountFilter>& p);

protected:
    TAmountFilter(TCollection* collection, int amount, bool onlyPositive)
        : TTeeFilter(collection), FAmount(amount), FOnlyPositive(onlyPositive) {}

private:
    int FAmount = 5;
    bool FPercent = true;
    bool FOnlyPositive = false;
};

class TMosaicFilter : public TAmountFilter {
    KV_DECLARE_CLASS(TMosaicFilter, TAmountFilter)
public:
    explicit TMosaicFilter(TCollection* collection = nullptr)
        : TAmountFilter(collection, 8, true) {}
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
};

class TFlipFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TFlipFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
};

class TReverseFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TReverseFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
};

class TBrightnessFilter : public TAmountFilter {
    KV_DECLARE_CLASS(TBrightnessFilter, TAmountFilter)
public:
    using TAmountFilter::TAmountFilter;
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
};

class TContrastFilter : public TAmountFilter {
    KV_DECLARE_CLASS(TContrastFilter, TAmountFilter)
public:
    using TAmountFilter::TAmountFilter;
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
};

class TGammaCorrectionFilter : public TAmountFilter {
    KV_DECLARE_CLASS(TGammaCorrectionFilter, TAmountFilter)
public:
    explicit TGammaCorrectionFilter(TCollection* collection = nullptr)
        : TAmountFilter(collection, 70, true) {}
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
};

class TColorFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TColorFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    int Red() const { return FRed; }
    void SetRed(int value) { FRed = value; }
    int Green() const { return FGreen; }
    void SetGreen(int value) { FGreen = value; }
    int Blue() const { return FBlue; }
    void SetBlue(int value) { FBlue = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TColorFilter>& p);

private:
    int FRed = 0, FGreen = 0, FBlue = 0;
};

class THueLumSatFilter : public TTeeFilter {
    KV_DECLARE_CLASS(THueLumSatFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    int Hue() const { return FHue; }
    void SetHue(int value) { FHue = value; }
    int Luminance() const { return FLuminance; }
    void SetLuminance(int value) { FLuminance = value; }
    int Saturation() const { return FSaturation; }
    void SetSaturation(int value) { FSaturation = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<THueLumSatFilter>& p);

private:
    int FHue = 0, FLuminance = 0, FSaturation = 0;
};

class TSharpenFilter : public TConvolveFilter {
    KV_DECLARE_CLASS(TSharpenFilter, TConvolveFilter)
public:
    explicit TSharpenFilter(TCollection* collection = nullptr);
    std::string GetCaption() const override;
};

class TEmbossFilter : public TConvolveFilter {
    KV_DECLARE_CLASS(TEmbossFilter, TConvolveFilter)
public:
    explicit TEmbossFilter(TCollection* collection = nullptr);
    std::string GetCaption() const override;
};

// The mean of a pixel and its right, lower and lower-right neighbours.
class TSoftenFilter : public TConvolveFilter {
    KV_DECLARE_CLASS(TSoftenFilter, TConvolveFilter)
public:
    explicit TSoftenFilter(TCollection* collection = nullptr);
    std::string GetCaption() const override;
};

class TBevelFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TBevelFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    int Bright() const { return FBright; }
    void SetBright(int value) { FBright = value; }
    int Size() const { return FSize; }
    void SetSize(int value) { FSize = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TBevelFilter>& p);

private:
    int FBright = 64;
    int FSize = 15;
};

void ColorToHueLumSat(TColor Color, int& Hue, int& Luminance, int& Saturation);
TColor HueLumSatToColor(int Hue, int Luminance, int Saturation);
