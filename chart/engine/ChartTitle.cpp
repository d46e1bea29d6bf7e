#include "chart/engine/ChartTitle.h"

#include <algorithm>

#include "chart/foundation/BackImage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"

TChartTitle::TChartTitle(TCustomTeePanel* panel)
    : TTeeCustomShapePosition(panel), FText(std::make_unique<TStringList>()) {
    FText->OnChange = [this](TStrings*) {
        if (TCustomTeePanel* p = ParentChart()) p->SettingChanged(nullptr);
    };
    SetDefaultTransparent(true);
    Font()->SetDefaultColor(clBlue);
}

TChartTitle::~TChartTitle() = default;

TChartFootTitle::TChartFootTitle(TCustomTeePanel* panel) : TChartTitle(panel) {
    FTextOnTop = false;
    Font()->SetDefaultColor(clRed);
    Font()->SetDefaultStyle(TFontStyles{fsItalic});
}

void TChartTitle::SetAdjustFrame(bool value) {
    if (TCustomTeePanel* p = ParentChart())
        p->SetBooleanValue(FAdjustFrame, value);
    else
        FAdjustFrame = value;
}

void TChartTitle::SetAlignment(TAlignment value) {
    if (AssignIfChanged(FAlignment, value)) Repaint();
}

void TChartTitle::SetVertMargin(int value) {
    if (AssignIfChanged(FVertMargin, value)) Repaint();
}

void TChartTitle::SetText(const TStrings* value) {
    FText->Assign(*value);
    Repaint();
}

void TChartTitle::SetCaption(const std::string& text) {
    FText->BeginUpdate();
    FText->Clear();
    if (!text.empty()) FText->Add(text);
    FText->EndUpdate();
}

bool TChartTitle::ContainsPoint(int x, int y) const {
    const TRect& r = ShapeBounds();
    return Visible() && x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

int TChartTitle::FrameWidth() const {
    if (Bevel() != bvNone) return BevelWidth();
    // A frame pen of the automatic colour is not drawn, so it takes no room.
    const TChartPen* pen = Pen();
    return pen->Visible() && pen->Color() != clDefault ? pen->Width() : 0;
}

void TChartTitle::DrawTitle() {
    TCustomTeePanel* panel = ParentChart();
    const int lines = FText->Count();
    if (!panel || !Visible() || lines == 0) return;
    TCanvas3D& canvas = *panel->Canvas3D();
    const int fw = FrameWidth();
    const bool custom = CustomPosition();
    const bool laidOut = !custom;
    TRect r = ShapeBounds();
    if (laidOut) {
        r = panel->ChartRect();
        if (FTextOnTop) r.Top += fw;
    }
    canvas.UseFont(Font());
    canvas.SetTextAlignment(TA_LEFT);
    const int lh = canvas.MeasureLineHeight();
    // Top titles (and custom ones) grow down from their top, foot titles up from their bottom.
    if (FTextOnTop || custom)
        r.Bottom = r.Top + lines * lh;
    else
        r.Top = r.Bottom - lines * lh;
    if (laidOut) r = TRect{r.Left - fw, r.Top - fw, r.Right + fw, r.Bottom + fw};
    const int xm = canvas.MeasureTextWidth("W");
    if (FAdjustFrame) {
        int widest = 0;
        for (int i = 0; i < lines; ++i)
            widest = std::max(widest, canvas.MeasureTextWidth(FText->Strings(i)));
        const int t = widest + xm + fw;
        if (FAlignment == taLeftJustify) {
            r.Right = r.Left + t;
        } else if (FAlignment == taRightJustify) {
            r.Left = r.Right - t;
        } else {
            if (custom) r.Right = r.Left + t;
            const int c = (r.Left + r.Right) / 2;
            const int h = t / 2;
            r.Left = c - h;
            r.Right = c + h;
        }
    }
    SetShapeBounds(r);
    Draw();
    DrawLines(lh, xm, fw);
    if (custom) return;

    int gap = FVertMargin + fw;
    if (!Transparent())
        if (const TTeeShadow* shadow = Shadow(); shadow && shadow->Visible())
            gap += shadow->VertSize();
    TRect chart = panel->ChartRect();
    if (FTextOnTop)
        chart.Top = r.Bottom + gap;
    else
        chart.Bottom = r.Bottom - gap - lines * lh;
    panel->SetChartRect(chart);
    panel->RecomputeChartSize();
}

void TChartTitle::DrawLines(int lh, int xm, int fw) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const TRect& r = ShapeBounds();
    const int lines = FText->Count();
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.UseFont(Font());
    if (TextFormat() == ttfHtml) {
        const int y = FTextOnTop ? r.Top + fw : r.Bottom - lh - fw;
        canvas.DrawTextOrMarkup(r.Left + xm / 2, y, true, FText->Text());
        return;
    }
    for (int i = 0; i < lines; ++i) {
        const std::string& line = FText->Strings(i);
        const int y = FTextOnTop ? r.Top + fw + i * lh : r.Bottom - lh - fw - (lines - 1 - i) * lh;
        int x = r.Left + xm / 2;
        if (FAlignment == taRightJustify)
            x = r.Right - canvas.MeasureTextWidth(line) - xm / 2;
        else if (FAlignment == taCenter)
            x = (r.Left + r.Right) / 2 - canvas.MeasureTextWidth(line) / 2;
        canvas.DrawTextAt(x, y, line);
    }
}

void TChartTitle::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartTitle*>(source)) {
        FAdjustFrame = other->FAdjustFrame;
        FAlignment = other->FAlignment;
        FText->Assign(*other->FText);
        FVertMargin = other->FVertMargin;
    }
    TTeeCustomShapePosition::Assign(source);
}

void TChartTitle::Publish(TPublisher<TChartTitle>& p) {
    using T = TChartTitle;
    p.Boolean("AdjustFrame", &T::AdjustFrame, &T::SetAdjustFrame).Default(true);
    p.Enumeration("Alignment", AlignmentNames(), &T::Alignment, &T::SetAlignment).Default(taCenter);
    p.Enumeration("Bevel", BevelCutNames(), &T::Bevel, &T::SetBevel).Default(bvNone);
    p.Integer("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2);
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Color("Color", &T::Color, &T::SetColor).Default(clWhite);
    p.Boolean("CustomPosition", &T::CustomPosition, &T::SetCustomPosition)
        .Stored(&T::IsCustomPositionStored);
    p.Object("Font", &T::Font, &T::SetFont);
    p.Object("Frame", &T::Frame, &T::SetFrame);
    p.Object("Gradient", &T::Gradient, &T::SetGradient).Stored([](const T& t) {
        return t.GradientIfAny() != nullptr;
    });
    p.Integer("Left", &T::Left, &T::SetLeft).Stored([](const T& t) { return t.CustomPosition(); });
    p.Object("Picture", &T::Picture, &T::SetPicture).Stored([](const T& t) {
        return t.PictureIfAny() != nullptr;
    });
    p.Object("Shadow", &T::Shadow, &T::SetShadow);
    p.Enumeration("ShapeStyle", ShapeStyleNames(), &T::ShapeStyle, &T::SetShapeStyle)
        .Default(fosRectangle);
    p.Strings("Text", &T::Text);
    p.Enumeration("TextFormat", TextFormatNames(), &T::TextFormat, &T::SetTextFormat)
        .Default(ttfNormal);
    p.Integer("Top", &T::Top, &T::SetTop).Stored([](const T& t) { return t.CustomPosition(); });
    p.Integer("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    p.Boolean("Transparent", &T::Transparent, &T::SetTransparent).Stored([](const T& t) {
        return t.IsTransparentStored();
    });
    p.Integer("VertMargin", &T::VertMargin, &T::SetVertMargin).Default(5);
    p.Boolean("Visible", &T::Visible, &T::SetVisible).Default(true);
}
