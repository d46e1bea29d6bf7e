#pragma once
// The alternate series gallery ("DarEzaro Pro Gallery"): the series types of a gallery page
// (or of every page) listed at the left, and the variants of the listed type as sample charts
// at the right.
#include "platform/classes/Object.h"
#include "platform/ui/Form.h"

class TButton;
class TChart;
class TChartGalleryPanel;
class TChartListBox;
class TCheckBox;
class TComboBox;
class TPanel;
class TSplitter;

class TTeeGalleryForm : public TForm {
    KV_DECLARE_CLASS(TTeeGalleryForm, TForm)
public:
    explicit TTeeGalleryForm(TComponent* owner);
    ~TTeeGalleryForm() override;

    TPanel* Panel1;
    TComboBox* CBPage;
    TCheckBox* CB3D;
    TCheckBox* CBSmooth;
    TChartListBox* ChartListBox1;
    TSplitter* Splitter1;
    TChartGalleryPanel* ChartGalleryPanel1;
    TPanel* PanelBottom;
    TButton* BOK;
    TButton* BCancel;

    // The unseen chart whose series fill the list.
    TChart* TypesChart() const { return FChart; }

    void CBPageChange();
    void ChartListBox1Click();

protected:
    void DoShow() override;

private:
    void BuildControls();
    void FillPages();
    void ConnectHandlers();

    TChart* FChart;
    TClass FShownClass = nullptr;
};
