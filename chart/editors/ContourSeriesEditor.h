#pragma once
// The contour series editor: lines and fill, the levels (automatic, or each level's up-to value,
// colour and pen by hand), the marks along the lines, the pointer at their vertices and the
// vertical position, edited in place on the series in Tag. It adds the grid 3-D page for the
// same series.
#include "chart/editors/EditorForm.h"
#include "chart/editors/Grid3DPageSlot.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TContourLevel;
class TContourSeries;
class TEdit;
class TGroupBox;
class TPageControl;
class TPanel;
class TScrollBar;
class TSeriesPointerEditor;
class TTabSheet;
class TUpDown;

class TContourSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TContourSeriesEditor, TEditorForm)
public:
    explicit TContourSeriesEditor(TComponent* owner);
    ~TContourSeriesEditor() override;

    TContourSeries* Series() const { return FSeries; }
    TGrid3DSeriesEditor* Grid3DEditor() const { return FGrid3D.Page(); }
    TSeriesPointerEditor* PointerEditor() const { return FPointerEditor; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabLevels;
    TTabSheet* TabMarks;
    TTabSheet* TabPointer;
    TTabSheet* TabPosition;
    TButtonPen* Button2;
    TButtonPen* BFrame;
    TCheckBox* CBColorEach;
    TCheckBox* CBSmooth;
    TCheckBox* CBInterpolate;
    TCheckBox* CBFill;
    TEdit* Edit3;
    TUpDown* UDTransp;
    TCheckBox* CBAutoLevels;
    TEdit* SENum;
    TUpDown* UDNum;
    TGroupBox* GBLevel;
    TEdit* ELevel;
    TUpDown* UDLevel;
    TScrollBar* SBLevel;
    TPanel* SHColor;
    TEdit* EValue;
    TButtonPen* BLevelPen;
    TCheckBox* cbDefaultPen;
    TCheckBox* CBEmpty;
    TCheckBox* CBMarks;
    TCheckBox* CBMarksSegments;
    TCheckBox* CBMarksColor;
    TButtonColor* BMarksColor;
    TEdit* Edit1;
    TUpDown* UDDensity;
    TEdit* Edit2;
    TUpDown* UDMargin;
    TCheckBox* CBOverlap;
    TEdit* SEYPos;
    TCheckBox* CBYPosLevel;
    TCheckBox* CBBottom;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildOptionsPage();
    void BuildLevelsPage();
    void BuildMarksPage();
    void BuildPositionPage();
    void BindProperties();
    void ConnectHandlers();
    void ConnectLevelHandlers();
    // Loads the bindings, then the rest: the position, the levels, the buttons, the pointer page.
    void LoadSeries();
    // The level at the index's position, none past the last.
    TContourLevel* CurrentLevel() const;
    void LoadLevel();
    // The colour the level is drawn in: its own, or the chart's palette colour of its index.
    TColor DisplayedColor(const TContourLevel& level) const;
    void ShowSwatch(TColor color);
    void ReadAutomatic();
    void EnableLevelCount();
    // Checked exactly when the position is at the lowest value; enabled only while unchecked.
    void LoadBottom();
    void NumberChanged();
    void IndexChanged(int index);
    void SwatchClicked();
    void EmptyClicked();
    void DefaultPenClicked();

    TContourSeries* FSeries = nullptr;
    TGrid3DPageSlot FGrid3D{this};
    TSeriesPointerEditor* FPointerEditor = nullptr;
};
