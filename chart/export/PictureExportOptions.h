#pragma once
// The options forms of the picture export formats, embedded by the export dialog: the metafile
// kind, and the bitmap's colours (or monochrome) and filters with a preview of the finished
// picture.
#include "platform/ui/Form.h"

class TBMPExportFormat;
class TButton;
class TCheckBox;
class TComboBox;
class TGroupBox;
class TImageFiltered;
class TLabel;

class TEMFOptions : public TForm {
    KV_DECLARE_CLASS(TEMFOptions, TForm)
public:
    explicit TEMFOptions(TComponent* owner);

    TCheckBox* CBEnhanced;
};

class TBMPOptions : public TForm {
    KV_DECLARE_CLASS(TBMPOptions, TForm)
public:
    // The format whose bitmap the form sets and previews.
    TBMPOptions(TComponent* owner, TBMPExportFormat& format);

    TLabel* LabelColors;
    TComboBox* CBColors;
    TCheckBox* CBMono;
    TButton* Button1;
    TGroupBox* GroupPreview;
    TImageFiltered* ImageFiltered1;

    // The format's finished bitmap into the preview.
    void RefreshPreview();
    // The format's filters edited on its bitmap drawn without them; the preview follows OK.
    void Button1Click();

protected:
    void DoShow() override;

private:
    TBMPExportFormat& FFormat;
};
