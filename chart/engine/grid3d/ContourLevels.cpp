#include "chart/engine/grid3d/ContourLevels.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Publisher.h"

// --- Levels.

TContourLevel::TContourLevel(TCollection* collection) : TCollectionItem(collection) {}

// A level deleted by hand turns the automatic levels off (TContourLevels::Notify); the series
// then shows the levels left.
TContourLevel::~TContourLevel() = default;

TContourSeries* TContourLevel::Series() const {
    auto* levels = dynamic_cast<TContourLevels*>(Collection());
    return levels ? levels->Series() : nullptr;
}

void TContourLevel::Repaint() const {
    if (TContourSeries* s = Series()) s->Repaint();
}

// Editing a level by hand ends the automatic levels.
static void EditedByHand(TContourSeries* series) {
    if (series && !series->UpdatingLevels) series->SetAutomaticLevelsQuietly(false);
}

void TContourLevel::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    EditedByHand(Series());
    if (FPen) FPen->SetColor(value);
    Repaint();
}

void TContourLevel::SetUpToValue(double value) {
    if (value == FUpToValue) return;
    FUpToValue = value;
    EditedByHand(Series());
    Repaint();
}

TColor TContourLevel::ActualColor() const {
    if (FColor != clDefault) return FColor;
    const TContourSeries* s = Series();
    return s && s->ParentChart() ? s->ParentChart()->PaletteColor(Index()) : FColor;
}

TChartPen* TContourLevel::Pen() {
    if (!FPen) {
        TContourSeries* s = Series();
        FPen = std::make_unique<TChartPen>(s ? TNotifyEvent([s](TObject*) { s->Repaint(); })
                                             : TNotifyEvent());
        FPen->SetColor(ActualColor());
    }
    return FPen.get();
}

void TContourLevel::SetPen(const TChartPen* value) {
    if (!value) {
        FPen.reset();
        Repaint();
        return;
    }
    Pen()->Assign(value);
}

TChartPen* TContourLevel::LinePen() const {
    if (FPen) return FPen.get();
    TContourSeries* s = Series();
    return s ? s->Pen() : nullptr;
}

void TContourLevel::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TContourLevel*>(source)) {
        FColor = other->FColor;
        FUpToValue = other->FUpToValue;
        if (other->FPen)
            Pen()->Assign(other->FPen.get());
        else
            FPen.reset();
        return;
    }
    TCollectionItem::Assign(source);
}

void TContourLevel::Publish(TPublisher<TContourLevel>& p) {
    using S = TContourLevel;
    p.Color("Color", &S::Color, &S::SetColor);
    p.Object(
         "Pen", [](const S& s) { return const_cast<S&>(s).Pen(); }, &S::SetPen)
        .Stored([](const S& s) { return !s.UsesDefaultPen(); });
    p.Float("UpToValue", &S::UpToValue, &S::SetUpToValue);
}

TContourLevels::TContourLevels(TContourSeries* series)
    : TOwnedCollection(series, &TContourLevel::StaticClass()), FSeries(series) {}

void TContourLevels::Notify(TCollectionItem* /*item*/, TCollectionNotification action) {
    if (!FSeries || FSeries->UpdatingLevels) return;
    if (action == cnAdded || action == cnDeleting) {
        FSeries->SetAutomaticLevelsQuietly(false);
        if (action == cnDeleting) FSeries->Repaint();
    }
}

// --- Marks along the lines.

TContourMarks::TContourMarks(TContourSeries* series) : FSeries(series) {}
TContourMarks::~TContourMarks() = default;

void TContourMarks::Changed() {
    if (FSeries) FSeries->Repaint();
}

void TContourMarks::SetDensity(int value) { Change(FDensity, std::max(1, value)); }

bool TContourMarks::Visible() const { return FSeries && FSeries->Marks()->Visible(); }
void TContourMarks::SetVisible(bool value) {
    if (FSeries) FSeries->Marks()->SetVisible(value);
}

void TContourMarks::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TContourMarks*>(source)) {
        FAntiOverlap = other->FAntiOverlap;
        FAtSegments = other->FAtSegments;
        FColorLevel = other->FColorLevel;
        FDensity = other->FDensity;
        FMargin = other->FMargin;
        return;
    }
    TPersistent::Assign(source);
}

void TContourMarks::Publish(TPublisher<TContourMarks>& p) {
    using S = TContourMarks;
    p.Boolean("AntiOverlap", &S::AntiOverlap, &S::SetAntiOverlap).Default(false);
    p.Boolean("AtSegments", &S::AtSegments, &S::SetAtSegments).Default(true);
    p.Boolean("ColorLevel", &S::ColorLevel, &S::SetColorLevel).Default(false);
    p.Integer("Density", &S::Density, &S::SetDensity).Default(4);
    p.Integer("Margin", &S::Margin, &S::SetMargin).Default(0);
    p.Boolean("Visible", &S::Visible, &S::SetVisible).Stored(false);
}

// --- Smoothing.

TSmoothPoints::TSmoothPoints(TContourSeries* series) : FSeries(series) {}
TSmoothPoints::~TSmoothPoints() = default;

void TSmoothPoints::SetActive(bool value) {
    FActive = value;
    if (FSeries) FSeries->Repaint();
}

void TSmoothPoints::SetInterpolate(bool value) {
    FInterpolate = value;
    if (FSeries) FSeries->Repaint();
}

void TSmoothPoints::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSmoothPoints*>(source)) {
        FActive = other->FActive;
        FInterpolate = other->FInterpolate;
        return;
    }
    TPersistent::Assign(source);
}

void TSmoothPoints::Publish(TPublisher<TSmoothPoints>& p) {
    using S = TSmoothPoints;
    p.Boolean("Active", &S::Active, &S::SetActive).Default(false);
    p.Boolean("Interpolate", &S::Interpolate, &S::SetInterpolate).Default(false);
}
