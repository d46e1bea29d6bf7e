#pragma once
// A small family of classes with every kind of published property, a collection, a custom
// binary property and child components, for the reflection and streaming tests.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Filer.h"
#include "platform/rtl/StringList.h"

enum TShapeStyle { ssRectangle, ssCircle, ssTriangle };
enum TShapeOption { soShadow, soBorder, soRound };
using TShapeOptions = TSet<TShapeOption>;
extern const TEnumInfo ShapeStyleNames;
extern const TEnumInfo ShapeOptionNames;

inline constexpr int32_t clBlack = 0, clRed = 0xFF, clWhite = 0xFFFFFF;

// A setting object owned by a shape. Visible has a per-instance default (a hidden pen stores no
// Visible unless it was made visible).
class TTestPen : public TPersistent {
    KV_DECLARE_CLASS(TTestPen, TPersistent)
public:
    explicit TTestPen(bool defaultVisible = true)
        : FDefaultVisible(defaultVisible), FVisible(defaultVisible) {}
    int32_t Color() const { return FColor; }
    void SetColor(int32_t v) { FColor = v; }
    int Width() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }
    bool IsVisibleStored() const { return FVisible != FDefaultVisible; }
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTestPen>& p);

private:
    bool FDefaultVisible;
    int32_t FColor = clBlack;
    int FWidth = 1;
    bool FVisible;
};

class TTestItem : public TCollectionItem {
    KV_DECLARE_CLASS(TTestItem, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    double Value() const { return FValue; }
    void SetValue(double v) { FValue = v; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v) { FCaption = v; }
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TTestItem>& p);

private:
    double FValue = 0;
    std::string FCaption;
};

class TTestShape : public TComponent {
    KV_DECLARE_CLASS(TTestShape, TComponent)
public:
    explicit TTestShape(TComponent* owner);
    ~TTestShape() override;

    TShapeStyle Style() const { return FStyle; }
    void SetStyle(TShapeStyle v) { FStyle = v; }
    TShapeOptions Options() const { return FOptions; }
    void SetOptions(TShapeOptions v) { FOptions = v; }
    // Stored only when not automatic.
    long double Angle() const { return FAngle; }
    void SetAngle(long double v) { FAngle = v; }
    bool AutoAngle() const { return FAutoAngle; }
    void SetAutoAngle(bool v) { FAutoAngle = v; }
    float Ratio() const { return FRatio; }
    void SetRatio(float v) { FRatio = v; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v) { FCaption = v; }
    int32_t Color() const { return FColor; }
    void SetColor(int32_t v) { FColor = v; }
    int Cursor() const { return FCursor; }
    void SetCursor(int v) { FCursor = v; }
    int64_t Count() const { return FCount; }
    void SetCount(int64_t v) { FCount = v; }
    TTestPen* Pen() const { return FPen.get(); }
    void SetPen(TTestPen* v) { FPen->Assign(v); }
    TTestPen* Border() const { return FBorder.get(); }
    TOwnedCollection* Items() const { return FItems.get(); }
    TStringList* Lines() const { return FLines.get(); }
    TTestShape* Partner() const { return FPartner; }
    void SetPartner(TTestShape* v);
    // The event handler's name; only names the shape knows can be bound.
    const std::string& OnClickName() const { return FOnClick; }
    bool BindOnClick(const std::string& name);

    std::vector<uint8_t> Data;  // the custom binary property "Data"
    int LoadedCalls = 0;
    bool PartnerSeenInLoaded = false;

    static void Publish(TPublisher<TTestShape>& p);
    void DefineProperties(TFiler& filer) override;
    // Children: the owned shapes.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    TShapeStyle FStyle = ssRectangle;
    TShapeOptions FOptions{soBorder};
    long double FAngle = 0;
    bool FAutoAngle = true;
    float FRatio = 1;
    std::string FCaption;
    int32_t FColor = clWhite;
    int FCursor = 0;
    int64_t FCount = 0;
    std::unique_ptr<TTestPen> FPen;
    std::unique_ptr<TTestPen> FBorder;  // hidden by default
    std::unique_ptr<TOwnedCollection> FItems;
    std::unique_ptr<TStringList> FLines;
    TTestShape* FPartner = nullptr;
    std::string FOnClick;
};

// Registers the family and the colour names clBlack, clRed and clWhite.
void RegisterTestFamily();
