#pragma once
// The map's options. Page "Global": the map's brush, border, transparency, transparent fill and
// point size; page "Shadow": the shadow editor; the palette editor of 3-D palette series beside
// the form on the series page. Page "Shapes": the list of polygons with "+" and "-", and for the
// chosen polygon the pages "Values" (text, value), "Format" (pen, brush, gradient, colour,
// closing, visibility, transparency) and "Points" (its outline in a data grid). The series comes
// in Tag; each change is written at once.
#include "chart/editors/EditorForm.h"
#include "chart/editors/Grid3DPageSlot.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TChartGrid;
class TCheckBox;
class TEdit;
class TLabel;
class TListBox;
class TMapSeries;
class TPageControl;
class TTabSheet;
class TTeePolygon;
class TTeeShadowEditor;
class TUpDown;

class TMapSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TMapSeriesEditor, TEditorForm)
public:
    explicit TMapSeriesEditor(TComponent* owner);
    ~TMapSeriesEditor() override;

    // The polygon of the list's chosen row, or none.
    TTeePolygon* SelectedPolygon() const;
    // Fills the list from the polygons and chooses row index (none when out of range).
    void FillShapes(int index);

    TPageControl* PageControl1;
    TTabSheet* TabGlobal;
    TTabSheet* TabShadow;
    TTabSheet* TabShapes;
    TButtonPen* BBorder;
    TButton* BBrush;
    TEdit* ETransp;
    TUpDown* UDTransp;
    TCheckBox* CBTransparent;
    TEdit* EPointSize;
    TUpDown* UDPointSize;
    TListBox* LBShapes;
    TButton* BAdd;
    TButton* BDelete;
    TPageControl* PageShape;
    TTabSheet* TabValues;
    TTabSheet* TabFormat;
    TTabSheet* TabPoints;
    TLabel* LIndex;
    TEdit* EText;
    TEdit* EZ;
    TButtonPen* BShapeBorder;
    TCheckBox* CBParentPen;
    TButton* BShapeBrush;
    TCheckBox* CBParentBrush;
    TButton* BGradient;
    TButtonColor* BColor;
    TCheckBox* CBDefaultColor;
    TCheckBox* CBClosed;
    TCheckBox* CBVisible;
    TEdit* EShapeTransp;
    TUpDown* UDShapeTransp;
    TChartGrid* Grid;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildGlobalPages();
    void BuildShapePages();
    void BindProperties();
    void ConnectShapeHandlers();
    void LoadPolygon();
    void AddClicked();
    void DeleteClicked();

    TMapSeries* FSeries = nullptr;
    TTeeShadowEditor* FShadowEditor = nullptr;
    TGrid3DPageSlot FGrid3D{this};
};
