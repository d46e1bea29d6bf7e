#include "chart/tools/overlay/LightFilter.h"

#include <cmath>

#include "chart/foundation/FormCreator.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& LightStyleNames() {
    static const TEnumInfo names{"lsLinear", "lsSpotLight"};
    return names;
}

int TLightFilter::Amount(double r, int width, int height) const {
    double b = FFactor * 0.01;
    if (FStyle == lsLinear) b *= 20;
    const double c = 100 / std::sqrt(double(width) * width + double(height) * height);
    if (FStyle == lsLinear) return int(Round(b * c * r));
    const double scaled = (r + 1) * c;
    return int(Round(b * scaled * scaled));
}

void TLightFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    TScanLines& lines = ScanLines();
    if (lines.empty()) return;
    const int w = Bitmap.Width(), h = Bitmap.Height();
    const int cx = FLeft == -1 ? w / 2 : FLeft;
    const int cy = FTop == -1 ? h / 2 : FTop;
    for (int y = Rect.Top; y <= Rect.Bottom; ++y) {
        uint8_t* row = lines[size_t(y)];
        for (int x = Rect.Left; x <= Rect.Right; ++x) {
            const double dx = x - cx, dy = y - cy;
            const int a = Amount(std::sqrt(dx * dx + dy * dy), w, h);
            if (a <= 0) continue;
            for (int k = 0; k < 3; ++k) {
                uint8_t& v = row[x * 3 + k];
                v = a >= 255 || v <= a ? 0 : uint8_t(v - a);
            }
        }
    }
}

void TLightFilter::BuildEditor(TFormCreator& Creator, TNotifyEvent OnChange) {
    TTeeFilter::BuildEditor(Creator, std::move(OnChange));
    Creator.AddIntegerEditor("Left", "Left", -1, 2000);
    Creator.AddIntegerEditor("Top", "Top", -1, 2000);
    Creator.AddScrollBar("Factor", 1, 100);
    Creator.AddChoiceEditor("Style");
}

void TLightFilter::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TLightFilter*>(source)) {
        FTop = other->FTop;
        FLeft = other->FLeft;
        FFactor = other->FFactor;
        FStyle = other->FStyle;
    }
    TTeeFilter::Assign(source);
}

void TLightFilter::Publish(TPublisher<TLightFilter>& p) {
    using T = TLightFilter;
    p.Integer("Top", &T::Top, &T::SetTop).Default(-1);
    p.Integer("Left", &T::Left, &T::SetLeft).Default(-1);
    p.Integer("Factor", &T::Factor, &T::SetFactor).Default(10);
    p.Enumeration("Style", LightStyleNames(), &T::Style, &T::SetStyle).Default(lsLinear);
}
