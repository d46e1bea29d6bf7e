#pragma once
// The "Filters" dialog: the filter list of a picture, each filter with its check mark (Enabled),
// added from a menu of the filter classes, deleted and moved; the selected filter's options,
// made at run time by the filter itself through the option builder, and its region; a preview
// of the picture with the list applied. The list is edited in place: Cancel (or closing the
// window) puts it back as it was when the dialog opened.
#include <memory>

#include "chart/editors/EditorForm.h"

class TBitmap;
class TButton;
class TCheckBox;
class TCheckListBox;
class TEdit;
class TFilterItems;
class TGraphic;
class TImage;
class TMenuItem;
class TOptionFormCreator;
class TPageControl;
class TPopupMenu;
class TSpeedButton;
class TTabSheet;
class TTeeFilter;
class TTeePicture;
class TTimer;
class TUpDown;

class TFiltersEditor : public TEditorForm {
    KV_DECLARE_CLASS(TFiltersEditor, TEditorForm)
public:
    explicit TFiltersEditor(TComponent* owner);
    ~TFiltersEditor() override;

    // Graphic is only read; Filters is the list edited. Fills the dialog.
    void Edit(const TGraphic* Graphic, TFilterItems* Filters);
    // The filter of the selected line, null without one.
    TTeeFilter* Selected() const;
    TOptionFormCreator& Creator() const { return *FCreator; }

    TCheckListBox* Filters;
    TSpeedButton* BAdd;
    TSpeedButton* BDelete;
    TSpeedButton* BMoveUp;
    TSpeedButton* BMoveDown;
    TPopupMenu* MenuFilters;
    TPageControl* PageProps;
    TTabSheet* Properties;
    TTabSheet* TabRegion;
    TEdit* ELeft;
    TUpDown* UDLeft;
    TEdit* ETop;
    TUpDown* UDTop;
    TEdit* EWidth;
    TUpDown* UDWidth;
    TEdit* EHeight;
    TUpDown* UDHeight;
    TImage* Image;
    TPopupMenu* PopupMenu1;
    TMenuItem* Scaled1;
    TCheckBox* CBPreview;
    TCheckBox* CBScaled;
    TButton* BOK;
    TButton* BCancel;
    TTimer* Timer1;

    // What the buttons and the list do.
    void FiltersClick();
    void AddFilterClick(int ClassIndex);
    void BDeleteClick();
    void MoveSelected(int Delta);
    void RefreshPreview();

private:
    void BuildControls();
    void ConnectHandlers();
    void BuildRegionPage();
    // The selected filter's option and region pages.
    void BuildOptions();
    void FillFilterMenu();
    void UpdateButtons();
    void ClearOptions();
    void RegionChanged(TEdit* Edit, void (*Set)(TTeeFilter&, int));
    void PreviewClick();
    void SetScaled(bool value);

    const TGraphic* FGraphic = nullptr;
    TFilterItems* FFilterList = nullptr;
    std::unique_ptr<TOptionFormCreator> FCreator;
    std::unique_ptr<TTeePicture> FFiltered;  // made at the first preview
};

// Shows the dialog modal on Filters (Graphic for the preview). True after OK; otherwise the list
// is as it was, byte for byte in its stream.
bool ShowFiltersEditor(TComponent* Owner, const TGraphic* Graphic, TFilterItems* Filters);
// The same on a picture's own filters; after OK the picture tells its owner it changed.
bool ShowPictureFiltersEditor(TComponent* Owner, TTeePicture* Picture);
