#include "chart/series/map/TeePolygon.h"

#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/map/MapSeries.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/NumberText.h"

TTeePolygon::TTeePolygon(TCollection* collection)
    : TCollectionItem(collection), FPoints(std::make_unique<TPolygonSeries>(nullptr)) {
    FPoints->SetPolygon(this);
    if (TMapSeries* map = Map()) {
        FTransparency = map->Transparency();
        map->PolygonAdded(Index());
    }
}

TTeePolygon::~TTeePolygon() { FPoints->SetPolygon(nullptr); }

TMapSeries* TTeePolygon::Map() const {
    auto* list = dynamic_cast<TTeePolygonList*>(Collection());
    return list ? list->Map() : nullptr;
}

void TTeePolygon::Repaint() const {
    if (TMapSeries* map = Map()) map->Repaint();
}

void TTeePolygon::AddXY(double x, double y) { FPoints->AddXYPoint(x, y); }

TChartBrush* TTeePolygon::Brush() const { return FPoints->Brush(); }
void TTeePolygon::SetBrush(const TChartBrush* value) { FPoints->SetBrush(value); }
TChartPen* TTeePolygon::Pen() const { return FPoints->Pen(); }
void TTeePolygon::SetPen(const TChartPen* value) { FPoints->SetPen(value); }

void TTeePolygon::SetClosed(bool value) {
    if (FClosed == value) return;
    FClosed = value;
    Repaint();
}

TColor TTeePolygon::Color() const {
    TMapSeries* map = Map();
    return map && Index() < map->Count() ? map->ValueColor(Index()) : TColor(0xFFFFFF);
}

void TTeePolygon::SetColor(TColor value) {
    FPoints->SetSeriesColor(value);
    if (TMapSeries* map = Map(); map && Index() < map->Count()) map->SetPointColor(Index(), value);
}

TTeeGradient* TTeePolygon::Gradient() {
    if (!FGradient) FGradient = std::make_unique<TTeeGradient>([this](TObject*) { Repaint(); });
    return FGradient.get();
}

bool TTeePolygon::HasVisibleGradient() const { return FGradient && FGradient->Visible(); }

void TTeePolygon::SetGradient(const TTeeGradient* value) {
    if (!value)
        FGradient.reset();
    else
        Gradient()->Assign(value);
}

void TTeePolygon::SetParentBrush(bool value) {
    if (FParentBrush == value) return;
    FParentBrush = value;
    Repaint();
}

void TTeePolygon::SetParentPen(bool value) {
    if (FParentPen == value) return;
    FParentPen = value;
    Repaint();
}

std::string TTeePolygon::Text() const {
    TMapSeries* map = Map();
    return map && Index() < map->Count() ? map->PointLabel(Index()) : std::string();
}

void TTeePolygon::SetText(const std::string& value) {
    if (TMapSeries* map = Map(); map && Index() < map->Count()) map->SetPointLabel(Index(), value);
}

void TTeePolygon::SetTransparency(int value) {
    if (FTransparency == value) return;
    FTransparency = value;
    Repaint();
}

bool TTeePolygon::Transparent() const {
    const TMapSeries* map = Map();
    const TChartBrush* brush = FParentBrush && map ? map->Brush() : Brush();
    return brush->Style() == bsClear;
}

void TTeePolygon::SetTransparent(bool value) {
    FParentBrush = false;
    Brush()->SetStyle(value ? bsClear : bsSolid);
    Repaint();
}

double TTeePolygon::Z() const {
    TMapSeries* map = Map();
    return map && Index() < map->Count() ? map->ZValues()[Index()] : 0;
}

void TTeePolygon::SetZ(double value) {
    TMapSeries* map = Map();
    if (!map || Index() >= map->Count()) return;
    map->ZValues().SetValue(Index(), value);
    map->ZValues().SetModified();
    map->Repaint();
}

std::string TTeePolygon::DisplayName() const {
    const std::string text = Text();
    return text.empty() ? IntToStr(Index()) : text;
}

void TTeePolygon::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTeePolygon*>(source)) {
        FPoints->Assign(other->FPoints.get());
        FClosed = other->FClosed;
        FParentBrush = other->FParentBrush;
        FParentPen = other->FParentPen;
        FTransparency = other->FTransparency;
        SetGradient(other->FGradient.get());
        SetZ(other->Z());
        SetText(other->Text());
        return;
    }
    TCollectionItem::Assign(source);
}

void TTeePolygon::DefineProperties(TFiler& filer) {
    TCollectionItem::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data", [this](TStream& s) { FPoints->ReadDataStream(s); },
        [this](TStream& s) { FPoints->WriteDataStream(s); }, FPoints->Count() > 0);
}

void TTeePolygon::Publish(TPublisher<TTeePolygon>& p) {
    using P = TTeePolygon;
    p.Object("Brush", &P::Brush, &P::SetBrush);
    p.Boolean("Closed", &P::Closed, &P::SetClosed).Default(true);
    // Only a colour of the polygon's own: the others come from the palette.
    p.Color("Color", &P::Color, &P::SetColor).Stored([](const P& s) {
        const TMapSeries* map = s.Map();
        return map && s.Index() < map->Count() && map->StoredPointColor(s.Index()) != clDefault;
    });
    p.Object(
         "Gradient", [](const P& s) { return const_cast<P&>(s).Gradient(); },
         [](P& s, const TTeeGradient* g) { s.SetGradient(g); })
        .Stored([](const P& s) { return s.HasVisibleGradient(); });
    p.Boolean("ParentBrush", &P::ParentBrush, &P::SetParentBrush).Default(true);
    p.Boolean("ParentPen", &P::ParentPen, &P::SetParentPen).Default(true);
    p.Object("Pen", &P::Pen, &P::SetPen);
    p.String("Text", &P::Text, &P::SetText).Default(std::string());
    p.Integer("Transparency", &P::Transparency, &P::SetTransparency).Default(0);
    p.Boolean("Transparent", &P::Transparent, &P::SetTransparent).Stored(false);
    p.Float("Z", &P::Z, &P::SetZ).Default(0.0);
}

// --- The list.

TTeePolygonList::TTeePolygonList(TMapSeries* map)
    : TOwnedCollection(map, &TTeePolygon::StaticClass()), FMap(map) {}

TTeePolygon* TTeePolygonList::AddPolygon() { return static_cast<TTeePolygon*>(Add()); }

void TTeePolygonList::DeleteRange(int index, int count) {
    TCollectionUpdate update(*this);
    for (int i = 0; i < count && index < Count(); ++i) Delete(index);
}

void TTeePolygonList::Notify(TCollectionItem* item, TCollectionNotification action) {
    TOwnedCollection::Notify(item, action);
    if (action == cnDeleting && FMap) FMap->Repaint();
}
