#pragma once
// The axis page: the chart's axes one at a time, picked in a list, in six tabs: the scale
// (automatic or fixed limits entered through the limit dialog, offsets, logarithmic scale,
// increment), the title, the labels (style, format, font), the ticks, the grid and the position;
// and TAxisMaxMin, the dialog that enters one limit. Only the tab in front is read from the axis,
// each time it comes to the front.
#include <functional>
#include <string>

#include "chart/editors/ChartPageForm.h"
#include "chart/editors/OwnedForm.h"

class TButton;
class TButtonPen;
class TChartAxis;
class TCheckBox;
class TEdit;
class TFormTeeShape;
class TLabel;
class TListBox;
class TComboBox;
class TCustomAxisPanel;
class TPageControl;
class TTabSheet;
class TTeeFontEditor;
class TUpDown;

class TAxisMaxMin : public TForm {
    KV_DECLARE_CLASS(TAxisMaxMin, TForm)
public:
    explicit TAxisMaxMin(TComponent* owner);
    ~TAxisMaxMin() override;

    // Fills the edits from the value: date and time, or the number alone.
    void Prepare(bool isDateTime, double value);
    double Value() const { return FValue; }

    TLabel* LabelMaximum;
    TEdit* EMaximum;
    TLabel* LabelMinimum;
    TEdit* EMinimum;
    TButton* BOk;
    TButton* BCancel;

private:
    // Reads the edits; a text that is no value is reported and keeps the dialog open.
    void BOkClick();
    bool FIsDateTime = false;
    double FValue = 0;
};

class TFormTeeAxis : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeAxis, TChartPageForm)
public:
    TFormTeeAxis(TComponent* owner, TChartAxis* axis);
    ~TFormTeeAxis() override;

    TChartAxis* Axis() const { return FAxis; }
    // Called after the page changed a custom axis's orientation, with that axis.
    std::function<void(TChartAxis*)> OnHorizontalChange;

    // --- Beside the tabs.
    TListBox* LBAxes;
    TCheckBox* CBShow;
    TCheckBox* CBAxisBeh;
    TButton* BAdd;
    TButton* BDelete;
    TPageControl* PageAxis;
    TTabSheet* TabScales;
    TTabSheet* TabTitle;
    TTabSheet* TabLabels;
    TTabSheet* TabTicks;
    TTabSheet* TabGrid;
    TTabSheet* TabPosition;

    // --- Scales.
    TCheckBox* CBAutomatic;
    TCheckBox* CBVisible;
    TCheckBox* CBInverted;
    TCheckBox* CBLogarithmic;
    TEdit* ELogBase;
    TCheckBox* LogE;
    TCheckBox* CBAutoMin;
    TCheckBox* CBAutoMax;
    TCheckBox* CBMinRound;
    TCheckBox* CBMaxRound;
    TLabel* LAxisMin;
    TLabel* LAxisMax;
    TButton* BAxisMin;
    TButton* BAxisMax;
    TEdit* EMinOff;
    TUpDown* UDMinOff;
    TEdit* EMaxOff;
    TUpDown* UDMaxOff;
    TLabel* LAxisIncre;
    TButton* BIncre;
    TCheckBox* CBShowAll;

    // --- Title: a Style tab, and a Format tab whose page control takes the title's shape pages.
    TPageControl* PageTitle;
    TTabSheet* TabTitleStyle;
    TTabSheet* TabTitleFormat;
    TPageControl* PageTitleFormat;
    TEdit* ETitle;
    TEdit* SETitleAngle;
    TUpDown* UDTitleAngle;
    TEdit* SETitleSize;
    TUpDown* UDTitleSize;
    TCheckBox* CBTitleVisible;

    // --- Labels: Style, Format and Text tabs.
    TPageControl* PageLabels;
    TTabSheet* TabLabelsStyle;
    TTabSheet* TabLabelsFormat;
    TTabSheet* TabLabelsText;
    TCheckBox* CBLabels;
    TCheckBox* CBMultiline;
    TCheckBox* CBOnAxis;
    TCheckBox* CBRoundFirst;
    TEdit* SELabelsSize;
    TUpDown* UDLabelsSize;
    TEdit* SELabelsAngle;
    TUpDown* UDLabelsAngle;
    TEdit* SESepar;
    TUpDown* UDSepar;
    TComboBox* CBLabelStyle;
    TCheckBox* CBAlternate;
    TLabel* LabelAxisFormat;
    TComboBox* CBFormat;
    TButton* Button1;
    TCheckBox* CBExpo;
    TCheckBox* CBLabelAlign;
    // The labels font editor, made on the first visit of the Text tab.
    TTeeFontEditor* LabelsFontEditor() const { return FLabelsFont; }
    // The title's shape editor, its pages in PageTitleFormat from the Format tab's first visit.
    TFormTeeShape* TitleShapeEditor() const { return FTitleShape.get(); }

    // --- Ticks.
    TButtonPen* BAxisPen;
    TButtonPen* BTickPen;
    TButtonPen* BTickInner;
    TButtonPen* BTickMinor;
    TEdit* SEAxisTickLength;
    TUpDown* UDAxisTickLength;
    TEdit* SEInnerTicksLength;
    TUpDown* UDInnerTicksLength;
    TEdit* SEAxisMinorTickLen;
    TUpDown* UDAxisMinorTickLen;
    TEdit* Edit3;
    TUpDown* UDMinorC;
    TCheckBox* CBTickOnLabels;

    // --- Grid.
    TButtonPen* BAxisGrid;
    TButtonPen* BMinorGrid;
    TEdit* SEMinorCount;
    TUpDown* UDMinorCount;
    TEdit* Edit2;
    TUpDown* UDGridZ;
    TCheckBox* CBGridCentered;
    TEdit* EMarksEvery;
    TUpDown* UDEvery;

    // --- Position.
    TEdit* EPos;
    TUpDown* UDPos;
    TEdit* EStart;
    TUpDown* UDStart;
    TEdit* EEnd;
    TUpDown* UDEnd;
    TEdit* Edit1;
    TUpDown* UDZ;
    TComboBox* CBPosUnits;
    TCheckBox* CBOtherSide;
    TCheckBox* CBHorizAxis;

protected:
    void LoadControls() override;

private:
    // A tab of a page control, named by its caption.
    TTabSheet* AddSheet(TPageControl* pages, const char* caption);
    // Writes the up-down edit's number through write when it holds one within the range (not
    // while the page loads).
    void BindNumber(TEdit* edit, TUpDown* upDown, std::function<void(int)> write);
    void BuildScales();
    void BuildTitle();
    void BuildLabels();
    // The handlers of the Scales and Labels tabs, once every tab is built.
    void ConnectScales();
    void ConnectLabels();
    void BuildTicksAndGrid();
    void BuildPosition();
    void LoadScales();
    void LoadTitle();
    void LoadLabels();
    void LoadTicks();
    void LoadGrid();
    void LoadPosition();

    void LBAxesClick();
    void CBAutomaticClick();
    void CBAutoMinMaxClick(bool minimum);
    void ChangeLimit(bool minimum);
    void CBLogarithmicClick();
    void ELogBaseChange();
    void EnableLogBase();
    void FillFormats();
    void WriteFormat(const std::string& text);
    void ShowLabelsFont();
    void ShowTitleShape();
    void StartChanged();
    void EndChanged();
    TCustomAxisPanel* Chart() const;

    TChartAxis* FAxis;
    TTeeFontEditor* FLabelsFont = nullptr;
    TOwnedForm<TFormTeeShape> FTitleShape;
    // Set while the page puts a control back itself.
    bool FQuiet = false;
};
