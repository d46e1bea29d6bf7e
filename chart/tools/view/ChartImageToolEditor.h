#pragma once
// The image tool's editor (TChartImageToolEditor), below the series chooser: a preview of the
// picture, a button that clears it or loads one, saving it, its filters, and the border pen.
// Tag holds the tool.
#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TButtonPen;
class TChartImageTool;
class TGroupBox;
class TImage;

class TChartImageToolEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TChartImageToolEditor, TSeriesToolEditor)
public:
    explicit TChartImageToolEditor(TComponent* owner);
    ~TChartImageToolEditor() override;

    TChartImageTool* ImageTool() const;

    TGroupBox* GBImage;
    TImage* Image1;
    TButton* BBrowse;
    TButton* BSave;
    TButton* BFilters;
    TButtonPen* BPen;

    // Clears the picture, or loads one from the file asked for.
    void BrowseClick();
    // The picture saved to the file asked for, in its own format.
    void SaveClick();

protected:
    void DoShow() override;

private:
    void ShowPicture();
};
