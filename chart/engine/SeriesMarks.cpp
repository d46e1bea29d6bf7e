#include "chart/engine/SeriesMarks.h"

#include <cstdint>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesMarksSymbol.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

namespace {
constexpr TColor MarksShadowColor = TColor(0x808080);
}

const TEnumInfo& SeriesMarksStyleNames() {
    static const TEnumInfo names{
        "smsValue",          "smsPercent", "smsLabel",        "smsLabelPercent",
        "smsLabelValue",     "smsLegend",  "smsPercentTotal", "smsLabelPercentTotal",
        "smsXValue",         "smsXY",      "smsSeriesTitle",  "smsPointIndex",
        "smsPercentRelative"};
    return names;
}

// --- One point's look.

TMarksItem::TMarksItem(TCustomTeePanel* chart) : TTeeCustomShape(chart) { SetColor(clInfoBk); }
TMarksItem::~TMarksItem() = default;

void TMarksItem::InitShadow(TTeeShadow& shadow) const { shadow.SetDefaults(MarksShadowColor, 3); }

TStrings* TMarksItem::Text() const {
    if (!FText) {
        FText = std::make_unique<TStringList>();
        FText->OnChange = [this](TStrings*) {
            FTextSet = true;
            const_cast<TMarksItem*>(this)->Repaint();
        };
    }
    return FText.get();
}

void TMarksItem::SetText(const TStrings* value) {
    if (!value) {
        FText.reset();
        FTextSet = false;
        Repaint();
        return;
    }
    Text()->Assign(*value);
}

void TMarksItem::Publish(TPublisher<TMarksItem>& p) {
    using I = TMarksItem;
    p.Enumeration("Bevel", BevelCutNames(), &I::Bevel, &I::SetBevel).Default(bvNone);
    p.Integer("BevelWidth", &I::BevelWidth, &I::SetBevelWidth).Default(2);
    p.Color("Color", &I::Color, &I::SetColor).Default(clInfoBk);
    p.Object("Font", &I::Font, &I::SetFont);
    p.Object("Gradient", &I::Gradient, &I::SetGradient).Stored([](const I& i) {
        return i.GradientIfAny() != nullptr;
    });
    p.Object("Picture", &I::Picture, &I::SetPicture).Stored([](const I& i) {
        return i.PictureIfAny() != nullptr;
    });
    p.Object("Shadow", &I::Shadow, &I::SetShadow);
    p.Enumeration("ShapeStyle", ShapeStyleNames(), &I::ShapeStyle, &I::SetShapeStyle)
        .Default(fosRectangle);
    p.Strings("Text", &I::Text).Stored([](const I& i) { return i.FTextSet; });
    p.Integer("Transparency", &I::Transparency, &I::SetTransparency).Default(0);
    p.Boolean("Transparent", &I::Transparent, &I::SetTransparent).Default(false);
}

TMarksItem* TMarksItems::Item(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return FItems[size_t(index)].get();
}

void TMarksItems::Delete(int index) {
    if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
}

// --- The marks' gradient.

TSeriesMarksGradient::TSeriesMarksGradient(TNotifyEvent onChange) : TTeeGradient(nullptr) {
    SetDirection(gdRightLeft);
    SetEndColor(clWhite);
    SetStartColor(clSilver);
    OnChange = std::move(onChange);
}

void TSeriesMarksGradient::Publish(TPublisher<TSeriesMarksGradient>& p) {
    p.Inherited("Direction").Default(gdRightLeft);
    p.Inherited("EndColor").Default(clWhite);
    p.Inherited("StartColor").Default(clSilver);
}

// --- The marks.

TSeriesMarks::TSeriesMarks(TChartSeries* series)
    : FSeries(series), FMargins(std::make_unique<TMargins>(this, 20)), FPositions(this) {
    FVisible = false;
    SetColor(clInfoBk);
}
TSeriesMarks::~TSeriesMarks() = default;

TClass TSeriesMarks::GradientClassToCreate() const { return &TSeriesMarksGradient::StaticClass(); }

void TSeriesMarks::InitShadow(TTeeShadow& shadow) const { shadow.SetDefaults(MarksShadowColor, 3); }

void TSeriesMarks::ChangeInt(int& field, int value) {
    if (AssignIfChanged(field, value)) Repaint();
}
void TSeriesMarks::ChangeBool(bool& field, bool value) {
    if (AssignIfChanged(field, value)) Repaint();
}
void TSeriesMarks::SetStyle(TSeriesMarksStyle value) {
    if (AssignIfChanged(FStyle, value)) Repaint();
}
void TSeriesMarks::SetTextAlign(TAlignment value) {
    if (AssignIfChanged(FTextAlign, value)) Repaint();
}

TMarksCallout* TSeriesMarks::Callout() const {
    if (!FCallout) {
        FCallout = std::make_unique<TMarksCallout>(FSeries);
        FCallout->SetParentChart(FParentChart);
    }
    return FCallout.get();
}

void TSeriesMarks::SetCallout(const TMarksCallout* value) {
    if (!value)
        FCallout.reset();
    else
        Callout()->Assign(value);
}

TWhitePen* TSeriesMarks::Arrow() const { return Callout()->Arrow(); }
void TSeriesMarks::SetArrow(const TWhitePen* value) { Callout()->SetArrow(value); }
int TSeriesMarks::ArrowLength() const { return Callout()->Length(); }
void TSeriesMarks::SetArrowLength(int value) { Callout()->SetLength(value); }

TSeriesMarksSymbol* TSeriesMarks::Symbol() const {
    if (!FSymbol) FSymbol = std::make_unique<TSeriesMarksSymbol>(FParentChart);
    return FSymbol.get();
}

void TSeriesMarks::SetSymbol(const TSeriesMarksSymbol* value) {
    if (!value)
        FSymbol.reset();
    else
        Symbol()->Assign(value);
}

void TSeriesMarks::SetParentChart(TCustomTeePanel* value) {
    TTeeCustomShape::SetParentChart(value);
    if (FCallout) FCallout->SetParentChart(value);
    if (FSymbol) FSymbol->SetParentChart(value);
    for (int i = 0; i < FItems.Count(); ++i)
        if (TMarksItem* item = FItems.Item(i)) item->SetParentChart(value);
}

TMarksItem& TSeriesMarks::Item(int index) {
    if (index >= FItems.Count()) FItems.FItems.resize(size_t(index) + 1);
    auto& slot = FItems.FItems[size_t(index)];
    if (!slot) slot = std::make_unique<TMarksItem>(FParentChart);
    return *slot;
}

TTeeCustomShape& TSeriesMarks::ItemFormat(int index) {
    if (TMarksItem* item = FItems.Item(index)) return *item;
    return *this;
}

void TSeriesMarks::Clear() {
    FPositions.Clear();
    if (!FItems.LoadedFromStream && FItems.Count() > 0) {
        FItems.Clear();
        Repaint();
    }
}

void TSeriesMarks::ResetPositions() {
    for (int i = 0; i < FPositions.Count(); ++i)
        if (TSeriesMarkPosition* p = FPositions.Position(i)) p->Custom = false;
    if (FSeries)
        FSeries->RepaintChart();
    else
        Repaint();
}

void TSeriesMarks::ApplyPosition(int index, TSeriesMarkPosition& position) {
    TSeriesMarkPosition& stored = FPositions.Ensure(index);
    if (!stored.Custom) {
        stored = position;
        return;
    }
    // The user's box stays; a fixed arrow still leaves from the point the series computed.
    const TPoint computedFrom = position.ArrowFrom;
    const bool bothFixed = position.ArrowFix && stored.ArrowFix;
    position = stored;
    if (bothFixed) position.ArrowFrom = computedFrom;
}

void TSeriesMarks::OffsetByCallout(TSeriesMarkPosition& position) {
    if (FCallout) FCallout->OffsetPosition(position);
}

void TSeriesMarks::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSeriesMarks*>(source)) {
        FAngle = other->FAngle;
        SetCallout(other->CalloutIfAny());
        FClip = other->FClip;
        FDrawEvery = other->FDrawEvery;
        FStyle = other->FStyle;
        SetMargins(other->Margins());
        FMultiLine = other->FMultiLine;
        SetSymbol(other->SymbolIfAny());
        FTextAlign = other->FTextAlign;
        FItems.Clear();
        for (int i = 0; i < other->FItems.Count(); ++i)
            if (const TMarksItem* item = other->FItems.Item(i)) Item(i).Assign(item);
    }
    TTeeCustomShape::Assign(source);
}

// --- The "Items" stream: a count, then the stored properties of each item as a list.

void TSeriesMarks::DefineProperties(TFiler& filer) {
    TTeeCustomShape::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Items", [this](TStream& s) { ReadItems(s); }, [this](TStream& s) { WriteItems(s); },
        FItems.Count() > 0);
}

void TSeriesMarks::WriteItems(TStream& stream) {
    const int32_t count = FItems.Count();
    stream.WriteBuffer(&count, sizeof count);
    TWriter writer(stream);
    for (int i = 0; i < count; ++i) {
        writer.WriteListBegin();
        writer.WriteProperties(&Item(i));
        writer.WriteListEnd();
    }
}

void TSeriesMarks::ReadItems(TStream& stream) {
    int32_t count = 0;
    stream.ReadBuffer(&count, sizeof count);
    FItems.LoadedFromStream = count > 0;
    TReader reader(stream);
    for (int i = 0; i < count; ++i) {
        TMarksItem& item = Item(i);
        reader.ReadListBegin();
        while (!reader.EndOfList()) reader.ReadProperty(&item);
        reader.ReadListEnd();
    }
}

void TSeriesMarks::Publish(TPublisher<TSeriesMarks>& p) {
    using M = TSeriesMarks;
    p.Integer("Angle", &M::Angle, &M::SetAngle).Default(0);
    // The callout stores its arrow and length.
    p.Object("Arrow", &M::Arrow, &M::SetArrow).Stored(false);
    p.Integer("ArrowLength", &M::ArrowLength, &M::SetArrowLength).Stored(false);
    p.Object("Callout", &M::Callout, &M::SetCallout).Stored([](const M& m) {
        return m.FCallout != nullptr;
    });
    p.Color("BackColor", &M::BackColor, &M::SetBackColor).Stored(false);
    p.Enumeration("Bevel", BevelCutNames(), &M::Bevel, &M::SetBevel).Default(bvNone);
    p.Integer("BevelWidth", &M::BevelWidth, &M::SetBevelWidth).Default(2);
    p.Object("Brush", &M::Brush, &M::SetBrush);
    p.Boolean("Clip", &M::Clip, &M::SetClip).Default(false);
    p.Color("Color", &M::Color, &M::SetColor).Default(clInfoBk);
    p.Integer("DrawEvery", &M::DrawEvery, &M::SetDrawEvery).Default(1);
    p.Object("Font", &M::Font, &M::SetFont);
    p.Object("Frame", &M::Frame, &M::SetFrame);
    p.Object("Gradient", &M::Gradient, &M::SetGradient).Stored([](const M& m) {
        return m.GradientIfAny() != nullptr;
    });
    p.Object("Margins", &M::Margins, &M::SetMargins);
    p.Boolean("MultiLine", &M::MultiLine, &M::SetMultiLine).Default(false);
    p.Object("Picture", &M::Picture, &M::SetPicture).Stored([](const M& m) {
        return m.PictureIfAny() != nullptr;
    });
    p.Object("Shadow", &M::Shadow, &M::SetShadow);
    p.Enumeration("ShapeStyle", ShapeStyleNames(), &M::ShapeStyle, &M::SetShapeStyle)
        .Default(fosRectangle);
    p.Enumeration("Style", SeriesMarksStyleNames(), &M::Style, &M::SetStyle).Default(smsLabel);
    p.Object("Symbol", &M::Symbol, &M::SetSymbol).Stored([](const M& m) {
        return m.FSymbol != nullptr;
    });
    p.Enumeration("TextAlign", AlignmentNames(), &M::TextAlign, &M::SetTextAlign).Default(taCenter);
    p.Integer("Transparency", &M::Transparency, &M::SetTransparency).Default(0);
    p.Boolean("Transparent", &M::Transparent, &M::SetTransparent).Default(false);
    p.Boolean("Visible", &M::Visible, &M::SetVisible).NoDefault();
}
