#pragma once
// A picture at each point by how its value moved from the point before: rising, level or
// falling (the first point counts as level); two built-in sets, faces and hands.
#include <memory>

#include "chart/series/xy/CustomImagePointSeries.h"

enum TDeltaImageStyle { disSmiles, disHands };
const TEnumInfo& DeltaImageStyleNames();

class TDeltaPointSeries : public TCustomImagePointSeries {
    KV_DECLARE_CLASS(TDeltaPointSeries, TCustomImagePointSeries)
public:
    explicit TDeltaPointSeries(TComponent* owner);
    ~TDeltaPointSeries() override;

    TTeePicture* EqualImage() const { return FEqual.get(); }
    TTeePicture* GreaterImage() const { return FGreater.get(); }
    TTeePicture* LowerImage() const { return FLower.get(); }
    void SetEqualImage(const TTeePicture* value);
    void SetGreaterImage(const TTeePicture* value);
    void SetLowerImage(const TTeePicture* value);
    TDeltaImageStyle ImageStyle() const { return FImageStyle; }
    // Loads the set's three pictures, without a repaint.
    void SetImageStyle(TDeltaImageStyle value);

    // The picture point valueIndex shows.
    TTeePicture* ImageFor(int valueIndex);
    void DrawValue(int valueIndex) override;

    static void Publish(TPublisher<TDeltaPointSeries>& p);

private:
    std::unique_ptr<TTeePicture> FEqual;
    std::unique_ptr<TTeePicture> FGreater;
    std::unique_ptr<TTeePicture> FLower;
    TDeltaImageStyle FImageStyle = disSmiles;
};
