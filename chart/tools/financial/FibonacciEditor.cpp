#include "chart/tools/financial/FibonacciEditor.h"

#include <algorithm>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/tools/ToolEditorFields.h"
#include "chart/tools/financial/FibonacciTool.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TFibonacciEditor::TFibonacciEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    BuildControls();
    BindProperties();
    Button1->OnClick = [this](TObject*) {
        if (TFibonacciTool* tool = Fibonacci()) {
            tool->Levels()->Add();
            tool->Repaint();
            ShowLevels(tool->Levels()->Count() - 1);
        }
    };
    BRemoveLevel->OnClick = [this](TObject*) {
        TFibonacciTool* tool = Fibonacci();
        if (!tool || !SelectedLevel()) return;
        const int index = UDLevel->Position();
        tool->Levels()->Delete(index);
        tool->Repaint();
        ShowLevels(index);
    };
    Button3->OnClick = [this](TObject*) {
        if (TFibonacciTool* tool = Fibonacci()) {
            tool->ResetLevels();
            tool->Repaint();
            ShowLevels(0);
        }
    };
    UDLevel->OnChange = [this](TObject*) {
        if (!Loading()) ShowLevels(UDLevel->Position());
    };
    Button2->OnClick = [this](TObject*) {
        if (TFibonacciTool* tool = Fibonacci(); tool && ShowFontEditor(this, tool->LabelsFont()))
            tool->Repaint();
    };
}

TFibonacciEditor::~TFibonacciEditor() = default;

TFibonacciTool* TFibonacciEditor::Fibonacci() const {
    return dynamic_cast<TFibonacciTool*>(Tool());
}

TFibonacciItem* TFibonacciEditor::SelectedLevel() const {
    TFibonacciTool* tool = Fibonacci();
    if (!tool || tool->Levels()->Count() == 0) return nullptr;
    const int index = std::clamp(UDLevel->Position(), 0, tool->Levels()->Count() - 1);
    return tool->Levels()->Level(index);
}

void TFibonacciEditor::BuildControls() {
    SetBounds(0, 0, 340, 250);
    RGStyle = MakeControl<TRadioGroup>(this, 8, 34, 200, 40);
    RGStyle->SetCaption("Fibonacci &style:");
    RGStyle->Items()->Add("&Arcs");
    RGStyle->Items()->Add("&Fans");
    RGStyle->SetColumns(2);
    PageControl1 = MakeControl<TPageControl>(this, 0, 80, 340, 170);
    TabTrend = MakeTabSheet(this, PageControl1, "Trendline");
    TabLevels = MakeTabSheet(this, PageControl1, "Levels");
    TabLabels = MakeTabSheet(this, PageControl1, "Labels");

    BTrendPen = MakeControl<TButtonPen>(TabTrend, 8, 8, 80, 25);
    BTrendPen->SetCaption("&Trend...");
    auto pointGroup = [this](int left, const char* caption, TEdit*& x, TEdit*& y) {
        auto* group = MakeControl<TGroupBox>(TabTrend, left, 40, 150, 80);
        group->SetCaption(caption);
        MakeLabel(group, 8, 22, "X:");
        x = MakeControl<TEdit>(group, 30, 18, 100, 21);
        MakeLabel(group, 8, 50, "Y:");
        y = MakeControl<TEdit>(group, 30, 46, 100, 21);
    };
    pointGroup(8, "Start:", EXStart, EYStart);
    pointGroup(166, "End:", EXEnd, EYEnd);

    Button1 = MakePushButton(TabLevels, 8, 8, 70, "Add");
    BRemoveLevel = MakePushButton(TabLevels, 8, 38, 70, "Remove");
    Button3 = MakePushButton(TabLevels, 8, 68, 70, "Reset");
    GBLevels = MakeControl<TGroupBox>(TabLevels, 90, 4, 200, 110);
    GBLevels->SetCaption("&Level:");
    TUpDownEdit level = MakeUpDownEdit(GBLevels, 8, 20, 50, 0, 0);
    ELevel = level.Edit;
    UDLevel = level.UpDown;
    MakeLabel(GBLevels, 8, 54, "Value:");
    ELevelValue = MakeControl<TEdit>(GBLevels, 60, 50, 80, 21);
    BLevelPen = MakeControl<TButtonPen>(GBLevels, 8, 78, 80, 25);
    BLevelPen->SetCaption("&Pen...");

    CBLabels = MakeCheckBox(TabLabels, 8, 8, 120, "&Draw Labels");
    Button2 = MakePushButton(TabLabels, 8, 34, 80, "&Font...");
    MakeLabel(TabLabels, 8, 74, "A&ngle:");
    TUpDownEdit angle = MakeUpDownEdit(TabLabels, 60, 70, 50, 0, 360, 5);
    EAngle = angle.Edit;
    UDAngle = angle.UpDown;
    UDAngle->SetWrap(true);
}

void TFibonacciEditor::BindProperties() {
    using T = TFibonacciTool;
    const auto tool = [this] { return Fibonacci(); };
    BindRadioGroup(*this, RGStyle, tool, &T::DrawStyle, &T::SetDrawStyle);
    // The points typed act only while the form shows.
    auto value = [this](double (T::*get)() const) {
        return [this, get]() -> std::optional<double> {
            if (TFibonacciTool* t = Fibonacci()) return (t->*get)();
            return std::nullopt;
        };
    };
    auto setValue = [this](void (T::*set)(double)) {
        return [this, set](double v) {
            if (TFibonacciTool* t = Fibonacci(); t && Showing()) (t->*set)(v);
        };
    };
    BindFloatEdit(*this, EXStart, value(&T::StartX), setValue(&T::SetStartX));
    BindFloatEdit(*this, EYStart, value(&T::StartY), setValue(&T::SetStartY));
    BindFloatEdit(*this, EXEnd, value(&T::EndX), setValue(&T::SetEndX));
    BindFloatEdit(*this, EYEnd, value(&T::EndY), setValue(&T::SetEndY));
    BindFloatEdit(
        *this, ELevelValue,
        [this]() -> std::optional<double> {
            if (TFibonacciItem* level = SelectedLevel()) return level->Value();
            return std::nullopt;
        },
        [this](double v) {
            if (TFibonacciItem* level = SelectedLevel(); level && Showing()) {
                level->SetValue(v);
                Fibonacci()->Repaint();
            }
        });
    BindCheckBox(*this, CBLabels, tool, &T::ShowLabels, &T::SetShowLabels);
    BindUpDownEdit(*this, {EAngle, UDAngle}, tool, &T::LabelsAngle, [this](T& t, int v) {
        if (Showing()) t.SetLabelsAngle(v);
    });
}

void TFibonacciEditor::ShowLevels(int index) {
    TFibonacciTool* tool = Fibonacci();
    if (!tool) return;
    auto loading = LoadGuard();
    const int count = tool->Levels()->Count();
    GBLevels->SetEnabled(count > 0);
    BRemoveLevel->SetEnabled(count > 0);
    UDLevel->SetMax(std::max(0, count - 1));
    UDLevel->SetPosition(std::clamp(index, 0, std::max(0, count - 1)));
    if (TFibonacciItem* level = SelectedLevel()) {
        ELevelValue->SetText(FloatToStr(level->Value()));
        BLevelPen->LinkPen(level->Pen());
    } else {
        ELevelValue->SetText("");
    }
}

void TFibonacciEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    TFibonacciTool* tool = Fibonacci();
    if (!tool) return;
    {
        auto loading = LoadGuard();
        LoadBindings();
        BTrendPen->LinkPen(tool->TrendPen());
    }
    ShowLevels(0);
}
