#include "chart/foundation/TeeFont.h"

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Publisher.h"

TTeeFont::TTeeFont(TNotifyEvent onChange) {
    SetColor(clBlack);
    SetCharset(DEFAULT_CHARSET);
    SetName(DefaultChartFontName);
    SetSize(DefaultChartFontSize);
    OnChange = std::move(onChange);
}

TTeeFont::~TTeeFont() = default;

void TTeeFont::Publish(TPublisher<TTeeFont>& p) {
    p.Inherited("Color").NoDefault().Stored(&TTeeFont::IsColorStored);
    p.Inherited("Height").Stored(&TTeeFont::IsHeightStored);
    p.Inherited("Name").Stored(&TTeeFont::IsNameStored);
    p.Inherited("Style").NoDefault().Stored(&TTeeFont::IsStyleStored);
    p.Integer("InterCharSize", &TTeeFont::InterCharSize, &TTeeFont::SetInterCharSize).Default(0);
    p.Object("OutLine", &TTeeFont::OutLine, &TTeeFont::SetOutLine).Stored([](const TTeeFont& f) {
        return f.FOutLine != nullptr;
    });
    p.Object("Shadow", &TTeeFont::Shadow, &TTeeFont::SetShadow).Stored([](const TTeeFont& f) {
        return f.FShadow != nullptr;
    });
    p.Object("Gradient", &TTeeFont::Gradient, &TTeeFont::SetGradient).Stored([](const TTeeFont& f) {
        return f.FGradient != nullptr;
    });
    p.Object("Picture", &TTeeFont::Picture, &TTeeFont::SetPicture).Stored([](const TTeeFont& f) {
        return f.FPicture != nullptr;
    });
}

bool TTeeFont::IsHeightStored() const { return Size() != DefaultChartFontSize; }
bool TTeeFont::IsNameStored() const { return Name() != DefaultChartFontName; }
bool TTeeFont::IsStyleStored() const { return Style() != FDefaultStyle; }
bool TTeeFont::IsColorStored() const { return Color() != FDefaultColor; }

void TTeeFont::SetDefaultStyle(TFontStyles value) {
    FDefaultStyle = value;
    SetStyle(value);
}

void TTeeFont::SetDefaultColor(TColor value) {
    FDefaultColor = value;
    SetColor(value);
}

void TTeeFont::SetInterCharSize(int value) {
    if (value == FInterCharSize) return;
    FInterCharSize = value;
    Changed();
}

// The effects report to whatever handler the font has at the time.
TNotifyEvent TTeeFont::Forwarder() const {
    auto* self = const_cast<TTeeFont*>(this);
    return [self](TObject*) { self->Changed(); };
}

TChartHiddenPen* TTeeFont::OutLine() const {
    if (!FOutLine) FOutLine = std::make_unique<TChartHiddenPen>(Forwarder());
    return FOutLine.get();
}

TTeeShadow* TTeeFont::Shadow() const {
    if (!FShadow) FShadow = std::make_unique<TTeeShadow>(Forwarder());
    return FShadow.get();
}

TTeeFontGradient* TTeeFont::Gradient() const {
    if (!FGradient) FGradient = std::make_unique<TTeeFontGradient>(Forwarder());
    return FGradient.get();
}

TTeePicture* TTeeFont::Picture() const {
    if (!FPicture) {
        FPicture = std::make_unique<TTeePicture>();
        FPicture->OnChange = Forwarder();
    }
    return FPicture.get();
}

namespace {

// Null frees the owned object; anything else is copied into it (made on demand by get).
template <class TOwned, class TSource, class TGet>
void SetOrFree(std::unique_ptr<TOwned>& owned, const TSource* value, TGet get) {
    if (value)
        get()->Assign(value);
    else
        owned.reset();
}

}  // namespace

void TTeeFont::SetOutLine(const TChartPen* value) {
    SetOrFree(FOutLine, value, [this] { return OutLine(); });
}

void TTeeFont::SetShadow(const TTeeShadow* value) {
    SetOrFree(FShadow, value, [this] { return Shadow(); });
}

void TTeeFont::SetGradient(const TTeeFontGradient* value) {
    SetOrFree(FGradient, value, [this] { return Gradient(); });
}

void TTeeFont::SetPicture(const TPicture* value) {
    SetOrFree(FPicture, value, [this] { return Picture(); });
}

void TTeeFont::Assign(const TPersistent* source) {
    if (const auto* font = dynamic_cast<const TTeeFont*>(source)) {
        // The canvas font's part below sends the one notice for the whole copy.
        TNotifyEvent saved = std::move(OnChange);
        OnChange = nullptr;
        SetGradient(font->FGradient.get());
        SetInterCharSize(font->FInterCharSize);
        SetOutLine(font->FOutLine.get());
        SetShadow(font->FShadow.get());
        SetPicture(font->FPicture.get());
        OnChange = std::move(saved);
    }
    TFont::Assign(source);
}
