// The axis page's Title and Labels tabs.
#include "chart/editors/AxisPage.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/FormatEditor.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/FieldLists.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

void TFormTeeAxis::BuildTitle() {
    PageTitle = MakeControl<TPageControl>(TabTitle);
    PageTitle->SetAlign(alClient);
    TabTitleStyle = AddSheet(PageTitle, "Style");
    TabTitleFormat = AddSheet(PageTitle, "Format");
    PageTitleFormat = MakeControl<TPageControl>(TabTitleFormat);
    PageTitleFormat->SetAlign(alClient);
    PageTitle->SetActivePage(TabTitleStyle);
    TWinControl* tab = TabTitleStyle;
    MakeLabel(tab, 8, 12, "T&itle:");
    ETitle = MakeControl<TEdit>(tab, 60, 8, 190, 23);
    MakeLabel(tab, 8, 44, "&Angle:");
    TUpDownEdit angle = MakeUpDownEdit(tab, 60, 40, 45, 0, 360, 90);
    SETitleAngle = angle.Edit;
    UDTitleAngle = angle.UpDown;
    MakeLabel(tab, 8, 76, "Si&ze:");
    TUpDownEdit size = MakeUpDownEdit(tab, 60, 72, 45, 0, 1000);
    SETitleSize = size.Edit;
    UDTitleSize = size.UpDown;
    CBTitleVisible = MakeCheckBox(tab, 8, 106, 100, "&Visible");

    ETitle->OnChange = [this](TObject*) {
        if (!Loading()) FAxis->Title()->SetCaption(ETitle->Text());
    };
    BindNumber(SETitleAngle, UDTitleAngle, [this](int v) { FAxis->Title()->SetAngle(v); });
    BindNumber(SETitleSize, UDTitleSize, [this](int v) { FAxis->SetTitleSize(v); });
    CBTitleVisible->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->Title()->SetVisible(CBTitleVisible->Checked());
    };
    PageTitle->OnChange = [this](TObject*) {
        if (PageTitle->ActivePage() == TabTitleFormat) ShowTitleShape();
    };
    PageTitleFormat->OnChange = [this](TObject* sender) {
        if (FTitleShape) FTitleShape->PC1Change(sender);
    };
}

void TFormTeeAxis::ShowTitleShape() {
    // The shape editor's pages move in on the first visit of the Format tab; later loads only
    // point it at the axis's title.
    if (!FTitleShape)
        FTitleShape.reset(EmbedShapeEditorPages(PageTitleFormat, FAxis->Title()));
    else
        FTitleShape->LoadShape(FAxis->Title());
}

void TFormTeeAxis::LoadTitle() {
    const TChartAxisTitle& title = *FAxis->Title();
    ETitle->SetText(title.Caption());
    UDTitleAngle->SetPosition(title.Angle());
    UDTitleSize->SetPosition(FAxis->TitleSize());
    CBTitleVisible->SetChecked(title.Visible());
    if (FTitleShape || PageTitle->ActivePage() == TabTitleFormat) ShowTitleShape();
}

void TFormTeeAxis::BuildLabels() {
    PageLabels = MakeControl<TPageControl>(TabLabels);
    PageLabels->SetAlign(alClient);
    TabLabelsStyle = AddSheet(PageLabels, "Style");
    TabLabelsFormat = AddSheet(PageLabels, "Format");
    TabLabelsText = AddSheet(PageLabels, "Text");
    PageLabels->SetActivePage(TabLabelsStyle);

    TWinControl* style = TabLabelsStyle;
    CBLabels = MakeCheckBox(style, 8, 8, 120, "V&isible");
    CBMultiline = MakeCheckBox(style, 8, 30, 120, "Multi-lin&e");
    CBOnAxis = MakeCheckBox(style, 8, 52, 120, "Label on A&xis");
    CBRoundFirst = MakeCheckBox(style, 8, 74, 120, "Ro&und First");
    CBAlternate = MakeCheckBox(style, 8, 96, 120, "&Alternate");
    MakeLabel(style, 8, 128, "&Style:");
    CBLabelStyle = MakeComboBox(style, 50, 124, 80, {"Auto", "None", "Value", "Mark", "Text"});
    MakeLabel(style, 140, 12, "Si&ze:");
    TUpDownEdit size = MakeUpDownEdit(style, 200, 8, 40, 0, 1000);
    SELabelsSize = size.Edit;
    UDLabelsSize = size.UpDown;
    MakeLabel(style, 140, 44, "An&gle:");
    TUpDownEdit angle = MakeUpDownEdit(style, 200, 40, 40, 0, 360, 90);
    SELabelsAngle = angle.Edit;
    UDLabelsAngle = angle.UpDown;
    MakeLabel(style, 140, 76, "Min. Se&paration %:");
    TUpDownEdit separation = MakeUpDownEdit(style, 200, 94, 40, 0, 100, 10);
    SESepar = separation.Edit;
    UDSepar = separation.UpDown;

    TWinControl* format = TabLabelsFormat;
    LabelAxisFormat = MakeLabel(format, 8, 8, "Values For&mat:");
    CBFormat = MakeComboBox(format, 8, 26, 200, {}, true);
    Button1 = MakePushButton(format, 212, 25, 30, "...");
    CBExpo = MakeCheckBox(format, 8, 60, 160, "&Exponential");
    CBLabelAlign = MakeCheckBox(format, 8, 82, 160, "&Default Alignment");
}

void TFormTeeAxis::ConnectLabels() {
    auto box = [this](TCheckBox* b, void (TChartAxis::*write)(bool)) {
        b->OnClick = [this, b, write](TObject*) {
            if (!Loading()) (FAxis->*write)(b->Checked());
        };
    };
    box(CBLabels, &TChartAxis::SetLabels);
    box(CBMultiline, &TChartAxis::SetLabelsMultiLine);
    box(CBOnAxis, &TChartAxis::SetLabelsOnAxis);
    box(CBRoundFirst, &TChartAxis::SetRoundFirstLabel);
    box(CBAlternate, &TChartAxis::SetLabelsAlternate);
    box(CBExpo, &TChartAxis::SetLabelsExponent);
    CBLabelStyle->OnChange = [this](TObject*) {
        if (!Loading() && CBLabelStyle->ItemIndex() >= 0)
            FAxis->SetLabelStyle(TAxisLabelStyle(CBLabelStyle->ItemIndex()));
    };
    BindNumber(SELabelsSize, UDLabelsSize, [this](int v) { FAxis->SetLabelsSize(v); });
    BindNumber(SELabelsAngle, UDLabelsAngle, [this](int v) { FAxis->SetLabelsAngle(v); });
    BindNumber(SESepar, UDSepar, [this](int v) {
        FAxis->SetLabelsSeparation(v);
        TValueGuard<bool> quiet(FQuiet, true);
        CBShowAll->SetChecked(v == 0);
    });
    CBLabelAlign->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetLabelsAlign(CBLabelAlign->Checked() ? alDefault : alOpposite);
    };
    CBFormat->OnChange = [this](TObject*) {
        if (!Loading()) WriteFormat(CBFormat->Text());
    };
    Button1->OnClick = [this](TObject*) {
        std::string text =
            TFormatEditor::ShowFormatDialog(this, CBFormat->Text(), FAxis->IsDateTimeAxis());
        CBFormat->SetText(text);
        WriteFormat(text);
    };
    PageLabels->OnChange = [this](TObject*) {
        if (PageLabels->ActivePage() == TabLabelsText) ShowLabelsFont();
    };
}

TFormTeeAxis::~TFormTeeAxis() { TObject::Free(FLabelsFont); }

void TFormTeeAxis::ShowLabelsFont() {
    // Made on the first visit of the Text tab; later loads only point it at the axis's font.
    if (!FLabelsFont) FLabelsFont = EmbedFontEditor(TabLabelsText);
    FLabelsFont->LoadFont(FAxis->LabelsFont());
}

void TFormTeeAxis::LoadLabels() {
    CBLabels->SetChecked(FAxis->Labels());
    CBMultiline->SetChecked(FAxis->LabelsMultiLine());
    CBOnAxis->SetChecked(FAxis->LabelsOnAxis());
    CBRoundFirst->SetChecked(FAxis->RoundFirstLabel());
    CBAlternate->SetChecked(FAxis->LabelsAlternate());
    CBExpo->SetChecked(FAxis->LabelsExponent());
    CBLabelStyle->SetItemIndex(int(FAxis->LabelStyle()));
    UDLabelsSize->SetPosition(FAxis->LabelsSize());
    UDLabelsAngle->SetPosition(FAxis->LabelsAngle());
    UDSepar->SetPosition(FAxis->LabelsSeparation());
    LabelAxisFormat->SetCaption(FAxis->IsDateTimeAxis() ? "DateTime For&mat:" : "Values For&mat:");
    FillFormats();
    if (FLabelsFont || PageLabels->ActivePage() == TabLabelsText) ShowLabelsFont();
}

void TFormTeeAxis::FillFormats() {
    CBFormat->Items()->Clear();
    std::string current;
    if (FAxis->IsDateTimeAxis()) {
        const TFormatSettings& fs = FormatSettings();
        const double range = FAxis->Maximum() - FAxis->Minimum();
        if (range > 1) {
            for (const std::string& f : {fs.ShortDateFormat, fs.LongDateFormat})
                CBFormat->Items()->Add(f);
            for (const char* f :
                 {"yyyy-mm-dd", "mm-dd-yyyy", "dd-mm-yyyy", "ddd", "dddd", "mmm", "mmmm"})
                CBFormat->Items()->Add(f);
        } else {
            for (const std::string& f : {fs.ShortTimeFormat, fs.LongTimeFormat})
                CBFormat->Items()->Add(f);
            for (const char* f : {"hh:nn", "hh:nn:ss", "hh:nn:ss.zzz"}) CBFormat->Items()->Add(f);
        }
        current =
            FAxis->DateTimeFormat().empty() ? DateTimeFormatFor(range) : FAxis->DateTimeFormat();
    } else {
        AddValueFormatPresets(*CBFormat->Items());
        current = ToLocalSeparators(FAxis->AxisValuesFormat().empty() ? "#,##0.###"
                                                                      : FAxis->AxisValuesFormat());
    }
    if (CBFormat->Items()->IndexOf(current) < 0) CBFormat->Items()->Add(current);
    CBFormat->SetText(current);
}

void TFormTeeAxis::WriteFormat(const std::string& text) {
    if (FAxis->IsDateTimeAxis())
        FAxis->SetDateTimeFormat(text);
    else
        FAxis->SetAxisValuesFormat(ToInvariantSeparators(text));
}
