#pragma once
// Filters that change a bitmap's size or move its pixels about: resize, crop, zoom, rotate,
// mirror and tile; the start-up registration of every image filter in the editor's order.
#include "chart/foundation/TeeFilter.h"

class TResizeFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TResizeFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TResizeFilter>& p);

private:
    int FWidth = 0;
    int FHeight = 0;
};

// Stretches the Width x Height rectangle at (Left, Top) over the whole bitmap.
class TCropFilter : public TResizeFilter {
    KV_DECLARE_CLASS(TCropFilter, TResizeFilter)
public:
    using TResizeFilter::TResizeFilter;
    int Left() const { return FLeft; }
    void SetLeft(int value) { FLeft = value; }
    int Top() const { return FTop; }
    void SetTop(int value) { FTop = value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value) { FSmooth = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TCropFilter>& p);

private:
    int FLeft = 0;
    int FTop = 0;
    bool FSmooth = false;
};

class TZoomFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TZoomFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    double Percent() const { return FPercent; }
    void SetPercent(double value) { FPercent = value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value) { FSmooth = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TZoomFilter>& p);

private:
    double FPercent = 10;
    bool FSmooth = false;
};

// Turns the whole bitmap by Angle degrees (counter-clockwise on screen).
class TRotateFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TRotateFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    double Angle() const { return FAngle; }
    void SetAngle(double value) { FAngle = value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { FBackColor = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TRotateFilter>& p);

private:
    double FAngle = 0;
    bool FAutoSize = true;
    TColor FBackColor = clWhite;
};

enum TMirrorDirection { mdDown, mdUp, mdRight, mdLeft };

// Doubles the whole bitmap with its mirror image beside or below it.
class TMirrorFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TMirrorFilter, TTeeFilter)
public:
    explicit TMirrorFilter(TCollection* collection = nullptr);
    TMirrorDirection Direction() const { return FDirection; }
    void SetDirection(TMirrorDirection value) { FDirection = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TMirrorFilter>& p);

private:
    TMirrorDirection FDirection = mdDown;
};

// Repeats the whole bitmap, shrunk, NumCols x NumRows times over the region.
class TTileFilter : public TTeeFilter {
    KV_DECLARE_CLASS(TTileFilter, TTeeFilter)
public:
    using TTeeFilter::TTeeFilter;
    int NumCols() const { return FNumCols; }
    void SetNumCols(int value) { FNumCols = value; }
    int NumRows() const { return FNumRows; }
    void SetNumRows(int value) { FNumRows = value; }
    void ApplyToRect(TBitmap& Bitmap, const TRect& Rect) override;
    std::string GetCaption() const override;
    void BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) override;
    static void Publish(TPublisher<TTileFilter>& p);

private:
    int FNumCols = 3;
    int FNumRows = 3;
};

// Registers the image filters in the order the filter editor lists them, and installs the
// gradient rotation. FreeImageFilters undoes both.
void RegisterImageFilters();
void FreeImageFilters();
