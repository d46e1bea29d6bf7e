#pragma once
// Each grid point drawn as a tower standing on the X-Z plane, from Origin (or the lowest Y) up
// or down to its height, in one of eight shapes, coloured by value as every palette series.
// Towers are drawn far ones first, so that nearer ones cover them.
#include "chart/engine/grid3d/Custom3DGridSeries.h"

class TCanvas3D;

enum TTowerStyle {
    tsCube,
    tsRectangle,
    tsCover,
    tsCylinder,
    tsArrow,
    tsCone,
    tsPyramid,
    tsSlantCube
};
const TEnumInfo& TowerStyleNames();

class TTowerSeries : public TCustom3DGridSeries {
    KV_DECLARE_CLASS(TTowerSeries, TCustom3DGridSeries)
public:
    explicit TTowerSeries(TComponent* owner);
    ~TTowerSeries() override;
    static std::string EditorClassName() { return "TTowerSeriesEditor"; }

    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { ChangeField(FDark3D, value); }
    // The base of every tower while UseOrigin is on (else the lowest Y).
    double Origin() const { return FOrigin; }
    void SetOrigin(double value) { ChangeField(FOrigin, value); }
    bool UseOrigin() const { return FUseOrigin; }
    void SetUseOrigin(bool value) { ChangeField(FUseOrigin, value); }
    // The tower's share of its grid cell in Z and in X; 100 makes neighbours touch.
    int PercentDepth() const { return FPercentDepth; }
    void SetPercentDepth(int value) { ChangeField(FPercentDepth, value); }
    int PercentWidth() const { return FPercentWidth; }
    void SetPercentWidth(int value) { ChangeField(FPercentWidth, value); }
    TTowerStyle TowerStyle() const { return FTowerStyle; }
    void SetTowerStyle(TTowerStyle value) { ChangeField(FTowerStyle, value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }

    // The screen box of point i's tower: left and right, top and bottom (top above bottom),
    // and its near and far depth.
    struct TTowerBox {
        int Left, Right, Top, Bottom, Near, Far;
    };
    TTowerBox TowerBox(int valueIndex);

    void DrawAllValues() override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    // The nearest tower whose top face, or front face (not for covers), holds the point.
    int ValueIndexAt(int x, int y) override;
    double GetMaxXValue() override;
    double GetMinXValue() override;
    double GetMaxZValue() override;
    double GetMinZValue() override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTowerSeries>& p);

private:
    void DrawTower(TCanvas3D& canvas, const TTowerBox& box);
    // The projected outline that covers the tower, for its blend.
    TRect TowerBounds(TCanvas3D& canvas, const TTowerBox& box) const;

    double FOrigin = 0;
    int FPercentDepth = 100;
    int FPercentWidth = 100;
    int FTransparency = 0;
    TTowerStyle FTowerStyle = tsCube;
    bool FDark3D = true;
    bool FUseOrigin = false;
};
