#include "controls/RzURLLabel.h"

#include "platform/classes/Publisher.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/DocumentOpener.h"
#include "platform/ui/Screen.h"

TRzURLLabel::TRzURLLabel(TComponent* owner) : TRzLabel(owner) {
    Screen()->SetCursorLike(crRzHandCursor, crHandPoint);
    SetCursor(crRzHandCursor);
    SetTextStyle(tsNormal);
    Font()->SetColor(clHighlight);
    Font()->SetStyle(Font()->Style() + TFontStyles{fsUnderline});
}

TRzURLLabel::~TRzURLLabel() = default;

void TRzURLLabel::Publish(TPublisher<TRzURLLabel>& p) {
    using U = TRzURLLabel;
    p.String("URL", &U::URL, &U::SetURL);
    p.Boolean("Visited", &U::Visited, &U::SetVisited).Default(false);
    p.Color("VisitedColor", &U::VisitedColor, &U::SetVisitedColor).Default(RGB(128, 0, 128));
    p.Color("UnvisitedColor", &U::UnvisitedColor, &U::SetUnvisitedColor).Default(clHighlight);
    p.Inherited("Cursor").Default(crRzHandCursor);
}

void TRzURLLabel::Click() {
    TRzLabel::Click();
    const std::string target = Trim(FURL).empty() ? Caption() : FURL;
    if (Trim(target).empty()) return;
    // The desktop's handler has no open-with choice to fall back on: a failure leaves the link
    // unvisited.
    if (OpenDocument(Trim(target))) SetVisited(true);
}

void TRzURLLabel::UpdateLinkColor() {
    Font()->SetColor(FVisited ? FVisitedColor : FUnvisitedColor);
}

void TRzURLLabel::SetVisited(bool value) {
    if (value == FVisited) return;
    FVisited = value;
    UpdateLinkColor();
    Invalidate();
}

void TRzURLLabel::SetVisitedColor(TColor value) {
    if (value == FVisitedColor) return;
    FVisitedColor = value;
    UpdateLinkColor();
    Invalidate();
}

void TRzURLLabel::SetUnvisitedColor(TColor value) {
    if (value == FUnvisitedColor) return;
    FUnvisitedColor = value;
    UpdateLinkColor();
    Invalidate();
}
