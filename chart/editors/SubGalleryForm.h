#pragma once
// The pop-up under a focused gallery sample that lists the variants of its series class: a
// borderless form with a small up-arrow strip on top (a click there closes it with OK) and a
// gallery panel of the variants. Escape cancels it.
#include "platform/ui/Form.h"

class TChartGalleryPanel;
class TPanel;
class TPaintBox;

class TSubGalleryForm : public TForm {
    KV_DECLARE_CLASS(TSubGalleryForm, TForm)
public:
    explicit TSubGalleryForm(TComponent* owner);
    ~TSubGalleryForm() override;

    TPanel* ArrowPanel;
    TPaintBox* ArrowBox;
    TChartGalleryPanel* Gallery;

private:
    void PaintArrow();
};
