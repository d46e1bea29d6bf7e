#pragma once
// One region of a map: its outline points in a point series of its own, and its value (Z),
// colour and text kept as the map's point of the same index. Its brush and pen are the map's
// unless ParentBrush / ParentPen are off. The outline is streamed as the item's "Data".
#include <memory>
#include <string>
#include <vector>

#include "chart/series/map/PolygonSeries.h"
#include "platform/classes/Collection.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

class TChartBrush;
class TChartPen;
class TMapSeries;
class TTeeGradient;

class TTeePolygon : public TCollectionItem {
    KV_DECLARE_CLASS(TTeePolygon, TCollectionItem)
public:
    explicit TTeePolygon(TCollection* collection);
    ~TTeePolygon() override;

    TMapSeries* Map() const;
    TPolygonSeries* Points() const { return FPoints.get(); }
    void AddXY(double x, double y);

    TChartBrush* Brush() const;
    void SetBrush(const TChartBrush* value);
    TChartPen* Pen() const;
    void SetPen(const TChartPen* value);
    bool Closed() const { return FClosed; }
    void SetClosed(bool value);
    TColor Color() const;
    void SetColor(TColor value);
    TTeeGradient* Gradient();
    bool HasVisibleGradient() const;
    void SetGradient(const TTeeGradient* value);
    bool ParentBrush() const { return FParentBrush; }
    void SetParentBrush(bool value);
    bool ParentPen() const { return FParentPen; }
    void SetParentPen(bool value);
    std::string Text() const;
    void SetText(const std::string& value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);
    bool Transparent() const;
    void SetTransparent(bool value);
    double Z() const;
    void SetZ(double value);

    // The outline on the screen as last computed.
    std::vector<TPoint> ScreenPoints;

    std::string DisplayName() const override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTeePolygon>& p);

protected:
    void DefineProperties(TFiler& filer) override;

private:
    void Repaint() const;

    bool FClosed = true;
    std::unique_ptr<TTeeGradient> FGradient;
    bool FParentBrush = true;
    bool FParentPen = true;
    std::unique_ptr<TPolygonSeries> FPoints;
    int FTransparency = 0;
};

// The polygons of a map, owned by it.
class TTeePolygonList : public TOwnedCollection {
    KV_DECLARE_CLASS(TTeePolygonList, TOwnedCollection)
public:
    explicit TTeePolygonList(TMapSeries* map);
    TMapSeries* Map() const { return FMap; }
    TTeePolygon* AddPolygon();
    TTeePolygon* GetPolygon(int index) const { return static_cast<TTeePolygon*>(Items(index)); }
    void DeleteRange(int index, int count);

protected:
    void Notify(TCollectionItem* item, TCollectionNotification action) override;

private:
    TMapSeries* FMap;
};
