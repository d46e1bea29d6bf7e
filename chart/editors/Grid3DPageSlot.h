#pragma once
// The grid 3-D page a 3-D series editor keeps next to itself on the series page: made on the
// first show with a series, reloaded on later shows, forgotten when something else frees it
// (the editor passes on the components it is told are going) and freed with the editor.
class TComponent;
class TCustom3DPaletteSeries;
class TGrid3DSeriesEditor;
class TWinControl;

class TGrid3DPageSlot {
public:
    explicit TGrid3DPageSlot(TComponent* editor) : FEditor(editor) {}
    ~TGrid3DPageSlot();
    TGrid3DPageSlot(const TGrid3DPageSlot&) = delete;
    TGrid3DPageSlot& operator=(const TGrid3DPageSlot&) = delete;

    void Load(TWinControl* parent, TCustom3DPaletteSeries* series);
    // Called by the editor for each component being removed.
    void Forget(const TComponent* component);
    TGrid3DSeriesEditor* Page() const { return FPage; }

private:
    TComponent* FEditor;
    TGrid3DSeriesEditor* FPage = nullptr;
};
