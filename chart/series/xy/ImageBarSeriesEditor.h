#pragma once
// The image bar series' picture: a preview, one button that loads a picture or clears the one
// there, tiling, the picture's filters and its transparency; the bar editor joins the series
// page as "Bar", without its bar-style choice. Tag holds the series.
#include "chart/editors/EditorForm.h"
#include "chart/series/xy/EditorSubPages.h"

class TButton;
class TCheckBox;
class TGroupBox;
class TImage;
class TImageBarSeries;

class TImageBarSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TImageBarSeriesEditor, TEditorForm)
public:
    explicit TImageBarSeriesEditor(TComponent* owner);
    ~TImageBarSeriesEditor() override;

    TImageBarSeries* Series() const { return FSeries; }

    TGroupBox* GroupImage;
    TImage* Image1;
    TButton* BBrowse;
    TCheckBox* CBTiled;
    TButton* Button1;
    TCheckBox* CBTransp;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The browse button's caption, the tiling box and the preview after the picture changed.
    void RefreshPicture();

    TImageBarSeries* FSeries = nullptr;
    TEditorSubPages FPages{this};
};
