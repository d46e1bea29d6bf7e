#include "TestFamily.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/PropAccess.h"

const TEnumInfo ShapeStyleNames{"ssRectangle", "ssCircle", "ssTriangle"};
const TEnumInfo ShapeOptionNames{"soShadow", "soBorder", "soRound"};

void TTestPen::Assign(const TPersistent* source) {
    if (Is<TTestPen>(source)) {
        AssignPublished(this, source);
        return;
    }
    TPersistent::Assign(source);
}

void TTestPen::Publish(TPublisher<TTestPen>& p) {
    p.Color("Color", &TTestPen::Color, &TTestPen::SetColor).Default(clBlack);
    p.Integer("Width", &TTestPen::Width, &TTestPen::SetWidth).Default(1);
    p.Boolean("Visible", &TTestPen::Visible, &TTestPen::SetVisible)
        .Stored(&TTestPen::IsVisibleStored);
}

void TTestItem::Assign(const TPersistent* source) {
    if (Is<TTestItem>(source)) {
        AssignPublished(this, source);
        return;
    }
    TCollectionItem::Assign(source);
}

void TTestItem::Publish(TPublisher<TTestItem>& p) {
    p.Float("Value", &TTestItem::Value, &TTestItem::SetValue);
    p.String("Caption", &TTestItem::Caption, &TTestItem::SetCaption);
}

TTestShape::TTestShape(TComponent* owner)
    : TComponent(owner),
      FPen(std::make_unique<TTestPen>()),
      FBorder(std::make_unique<TTestPen>(false)),
      FItems(std::make_unique<TOwnedCollection>(this, &TTestItem::StaticClass())),
      FLines(std::make_unique<TStringList>()) {}

TTestShape::~TTestShape() = default;

void TTestShape::SetPartner(TTestShape* v) {
    if (FPartner) FPartner->RemoveFreeNotification(this);
    FPartner = v;
    if (FPartner) FPartner->FreeNotification(this);
}

bool TTestShape::BindOnClick(const std::string& name) {
    if (name != "ShapeClick" && !name.empty()) return false;
    FOnClick = name;
    return true;
}

namespace {

bool CursorToIdent(int64_t value, std::string& ident) {
    if (value == 0)
        ident = "crDefault";
    else if (value == -21)
        ident = "crHandPoint";
    else
        return false;
    return true;
}

bool IdentToCursor(std::string_view ident, int64_t& value) {
    if (ident == "crDefault")
        value = 0;
    else if (ident == "crHandPoint")
        value = -21;
    else
        return false;
    return true;
}

const TIdentConverter CursorIdents{CursorToIdent, IdentToCursor};

}  // namespace

void TTestShape::Publish(TPublisher<TTestShape>& p) {
    p.Enumeration("Style", ShapeStyleNames, &TTestShape::Style, &TTestShape::SetStyle)
        .Default(ssRectangle);
    p.Set("Options", ShapeOptionNames, &TTestShape::Options, &TTestShape::SetOptions)
        .Default(TShapeOptions{soBorder});
    p.Boolean("AutoAngle", &TTestShape::AutoAngle, &TTestShape::SetAutoAngle).Default(true);
    p.Float("Angle", &TTestShape::Angle, &TTestShape::SetAngle).Stored([](const TTestShape& s) {
        return !s.AutoAngle();
    });
    p.Float("Ratio", &TTestShape::Ratio, &TTestShape::SetRatio).Default(1);
    p.String("Caption", &TTestShape::Caption, &TTestShape::SetCaption);
    p.Color("Color", &TTestShape::Color, &TTestShape::SetColor).Default(clWhite);
    p.Integer("Cursor", &TTestShape::Cursor, &TTestShape::SetCursor)
        .Default(0)
        .Idents(CursorIdents);
    p.Integer("Count", &TTestShape::Count, &TTestShape::SetCount);  // no default: always written
    p.Integer("ItemCount", [](const TTestShape& s) { return s.Items()->Count(); });  // read-only
    p.Object("Pen", &TTestShape::Pen, &TTestShape::SetPen);
    p.Object("Border", &TTestShape::Border);
    p.Object("Items", &TTestShape::Items);
    p.Strings("Lines", &TTestShape::Lines);
    p.Component("Partner", &TTestShape::Partner, &TTestShape::SetPartner);
    p.Method("OnClick", &TTestShape::OnClickName, &TTestShape::BindOnClick);
}

void TTestShape::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            Data.resize(size_t(s.Size()));
            if (!Data.empty()) s.ReadBuffer(Data.data(), int64_t(Data.size()));
        },
        [this](TStream& s) { s.WriteBuffer(Data.data(), int64_t(Data.size())); }, !Data.empty());
}

void TTestShape::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
    for (int i = 0; i < ComponentCount(); ++i)
        if (Is<TTestShape>(Components(i))) proc(Components(i));
}

void TTestShape::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPartner) FPartner = nullptr;
    TComponent::Notification(component, operation);
}

void TTestShape::Loaded() {
    TComponent::Loaded();
    ++LoadedCalls;
    PartnerSeenInLoaded = FPartner != nullptr;
}

namespace {

struct TColorName {
    int64_t color;
    const char* name;
} const kColorNames[] = {{clBlack, "clBlack"}, {clRed, "clRed"}, {clWhite, "clWhite"}};

bool TestColorToIdent(int64_t color, std::string& ident) {
    for (const auto& c : kColorNames)
        if (c.color == color) {
            ident = c.name;
            return true;
        }
    return false;
}

bool TestIdentToColor(std::string_view ident, int64_t& color) {
    for (const auto& c : kColorNames)
        if (ident == c.name) {
            color = c.color;
            return true;
        }
    return false;
}

}  // namespace

void RegisterTestFamily() {
    RegisterClasses(
        {&TTestShape::StaticClass(), &TTestItem::StaticClass(), &TTestPen::StaticClass()});
    SetColorIdentHooks(TestColorToIdent, TestIdentToColor);
}
