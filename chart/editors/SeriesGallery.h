#pragma once
// The series gallery, where the user picks the type (or function), variant, palette and 3-D
// setting of a new series or of a series changing type. The tabbed gallery ("DarEzaro Gallery")
// is the default; the settings value "GalleryMode" other than 0 picks the alternate one
// (TTeeGalleryForm). SeriesGalleryUnitStartup sets the chart list box's add and change-type
// entries to these galleries.
#include "platform/classes/Object.h"
#include "platform/ui/Form.h"

class TButton;
class TChartGalleryPanel;
class TChartSeries;
class TCheckBox;
class TComboBox;
class TCustomAxisPanel;
class TPanel;
class TTabControl;

class TTeeGallery : public TForm {
    KV_DECLARE_CLASS(TTeeGallery, TForm)
public:
    explicit TTeeGallery(TComponent* owner);
    ~TTeeGallery() override;

    TTabControl* TabTypes;
    TTabControl* TabPages;
    TChartGalleryPanel* ChartGalleryPanel1;
    TPanel* P1;
    TCheckBox* CB3D;
    TCheckBox* CBSmooth;
    TComboBox* CBPalette;
    TButton* Button1;
    TButton* Button2;

    // Only the "Functions" tab's registrations (the function editor's choice).
    bool FunctionsOnly = false;
    // Takes the "Functions" tab away.
    void RemoveFunctionsTab();
    // Takes the "Series" tab away and shows functions only.
    void RemoveSeriesTab();
    // The palette number of the selected CBPalette item; -1 for none.
    int SelectedPalette() const;
    void SelectPalette(int number);

    // Refills the page tabs for the type tab.
    void TabTypesChange();
    // Shows the page tab's samples.
    void TabPagesChange();

protected:
    void DoShow() override;

private:
    void CBPaletteChange();
};

// What the user chose in a gallery.
struct TGalleryChoice {
    TClass SeriesClass = nullptr;
    TClass FunctionClass = nullptr;
    int SubIndex = 0;
    bool View3D = true;
    int PaletteIndex = 0;
};

// Shows the gallery for the chart (add mode: both tabs, the reference focused first; else the
// change mode: series types only, the types that cannot take the reference's data greyed).
// False when the user cancelled or nothing was focused.
bool ShowSeriesGallery(TComponent* owner, TChartSeries* reference, TCustomAxisPanel* chart,
                       bool addMode, bool checkSeries, TGalleryChoice& choice);
// A new series of the user's choice in the chart (none when cancelled or without a chart).
TChartSeries* AddSeriesFromGallery(TComponent* owner, TCustomAxisPanel* chart,
                                   TChartSeries* current);
// Replaces the series by one of the chosen type; the class of the series afterwards.
TClass ChangeSeriesTypeFromGallery(TComponent* owner, TChartSeries*& series);
// The function class the user chose, none when cancelled.
TClass ShowFunctionGallery(TForm* owner);

// Registers the standard series types and sets the list box's gallery entries; the
// finalization clears them.
void SeriesGalleryUnitStartup();
void SeriesGalleryUnitFinalization();
