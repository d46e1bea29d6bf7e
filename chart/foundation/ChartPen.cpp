#include "chart/foundation/ChartPen.h"

#include "platform/classes/Publisher.h"

const TEnumInfo& PenEndStyleNames() {
    static const TEnumInfo names{"esRound", "esSquare", "esFlat"};
    return names;
}

TChartPen::TChartPen(TNotifyEvent onChange) { OnChange = std::move(onChange); }
TChartPen::~TChartPen() = default;

void TChartPen::Publish(TPublisher<TChartPen>& p) {
    p.Enumeration("EndStyle", PenEndStyleNames(), &TChartPen::EndStyle, &TChartPen::SetEndStyle)
        .Stored(&TChartPen::IsEndStyleStored);
    p.Boolean("SmallDots", &TChartPen::SmallDots, &TChartPen::SetSmallDots).Default(false);
    p.Integer("SmallSpace", &TChartPen::SmallSpace, &TChartPen::SetSmallSpace).Default(0);
    p.Boolean("Visible", &TChartPen::Visible, &TChartPen::SetVisible)
        .Stored(&TChartPen::IsVisibleStored);
}

void TChartPen::SetEndStyle(TPenEndStyle value) {
    if (value == FEndStyle) return;
    FEndStyle = value;
    Changed();
}

void TChartPen::SetSmallDots(bool value) {
    if (value == FSmallDots) return;
    FSmallDots = value;
    Changed();
}

void TChartPen::SetSmallSpace(int value) {
    if (value == FSmallSpace) return;
    FSmallSpace = value;
    Changed();
}

void TChartPen::SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    Changed();
}

void TChartPen::SetDefaultVisible(bool value) {
    FDefaultVisible = value;
    FVisible = value;
}

void TChartPen::Assign(const TPersistent* source) {
    if (const auto* pen = dynamic_cast<const TChartPen*>(source)) {
        FVisible = pen->FVisible;
        FSmallDots = pen->FSmallDots;
        FSmallSpace = pen->FSmallSpace;
        FEndStyle = pen->FEndStyle;
    }
    // The canvas pen's part, with the one change notice for the whole copy.
    TPen::Assign(source);
}

TChartHiddenPen::TChartHiddenPen(TNotifyEvent onChange) : TChartPen(std::move(onChange)) {
    SetDefaultVisible(false);
}

TDottedGrayPen::TDottedGrayPen(TNotifyEvent onChange) : TChartPen(std::move(onChange)) {
    TNotifyEvent quiet = std::move(OnChange);
    SetColor(clGray);
    SetStyle(psDot);
    OnChange = std::move(quiet);
}

void TDottedGrayPen::Publish(TPublisher<TDottedGrayPen>& p) {
    p.Inherited("Color").Default(clGray);
    p.Inherited("Style").Default(psDot);
}

TDarkGrayPen::TDarkGrayPen(TNotifyEvent onChange) : TChartPen(std::move(onChange)) {
    TNotifyEvent quiet = std::move(OnChange);
    SetColor(clGray);
    OnChange = std::move(quiet);
}

void TDarkGrayPen::Publish(TPublisher<TDarkGrayPen>& p) { p.Inherited("Color").Default(clGray); }

TWhitePen::TWhitePen(TNotifyEvent onChange) : TChartPen(std::move(onChange)) {
    TNotifyEvent quiet = std::move(OnChange);
    SetColor(clWhite);
    OnChange = std::move(quiet);
}

void TWhitePen::Publish(TPublisher<TWhitePen>& p) {
    p.Inherited("Color").Default(clWhite);
    p.Inherited("Visible").Stored(true);
}
