#pragma once
// The numeric entry field: a framed edit holding an extended-precision value, shown as
// fixed-point text, with a pair of auto-repeating arrow buttons inside its right edge. Arrows,
// Up/Down/PgUp/PgDn and the wheel step the value; typing is filtered to numeric characters; the
// value is clamped to Min..Max and reformatted when the edit loses the focus. The value lives
// only in the text: every read parses it.
#include <cstdint>
#include <functional>

#include "controls/RzCustomEdit.h"
#include "controls/RzSpinButtons.h"

enum TSpinButtonType { sbUp, sbDown };
using TSpinChangingEvent =
    std::function<void(TObject* sender, long double newValue, bool& allowChange)>;
using TSpinButtonEvent = std::function<void(TObject* sender, TSpinButtonType button)>;

class TRzSpinEdit : public TRzCustomEdit {
    KV_DECLARE_CLASS(TRzSpinEdit, TRzCustomEdit)
public:
    explicit TRzSpinEdit(TComponent* owner);
    ~TRzSpinEdit() override;

    bool AllowBlank() const { return FAllowBlank; }
    void SetAllowBlank(bool value) { FAllowBlank = value; }
    bool AllowKeyEdit() const { return FAllowKeyEdit; }
    void SetAllowKeyEdit(bool value) { FAllowKeyEdit = value; }
    long double BlankValue() const { return FBlankValue; }
    void SetBlankValue(long double value) { FBlankValue = value; }
    int ButtonWidth() const { return FButtonWidth; }
    virtual void SetButtonWidth(int value);
    bool CheckRange() const { return FCheckRange; }
    virtual void SetCheckRange(bool value);
    int Decimals() const { return FDecimals; }
    virtual void SetDecimals(int value);
    long double Increment() const { return FIncrement; }
    void SetIncrement(long double value) { FIncrement = value; }
    bool IntegersOnly() const { return FIntegersOnly; }
    virtual void SetIntegersOnly(bool value);
    long double Min() const { return FMin; }
    virtual void SetMin(long double value);
    long double Max() const { return FMax; }
    virtual void SetMax(long double value);
    long double PageSize() const { return FPageSize; }
    void SetPageSize(long double value) { FPageSize = value; }
    TSpinDirection Direction() const { return FButtons->Direction(); }
    virtual void SetDirection(TSpinDirection value) { FButtons->SetDirection(value); }
    // The arrow buttons' own glyphs, forwarded to the spin buttons.
    TBitmap* ButtonUpGlyph() const { return FButtons->GlyphUpRight(); }
    virtual void SetButtonUpGlyph(const TBitmap* value) { FButtons->SetGlyphUpRight(value); }
    int ButtonUpNumGlyphs() const { return FButtons->NumGlyphsUpRight(); }
    virtual void SetButtonUpNumGlyphs(int value) { FButtons->SetNumGlyphsUpRight(value); }
    TBitmap* ButtonDownGlyph() const { return FButtons->GlyphDownLeft(); }
    virtual void SetButtonDownGlyph(const TBitmap* value) { FButtons->SetGlyphDownLeft(value); }
    int ButtonDownNumGlyphs() const { return FButtons->NumGlyphsDownLeft(); }
    virtual void SetButtonDownNumGlyphs(int value) { FButtons->SetNumGlyphsDownLeft(value); }
    TOrientation Orientation() const { return FButtons->Orientation(); }
    virtual void SetOrientation(TOrientation value);

    // Reading an empty text without AllowBlank writes Min into it (and fires OnChange).
    virtual long double Value();
    virtual void SetValue(long double value);
    int64_t IntValue() { return GetIntValue(); }
    virtual int64_t GetIntValue();
    virtual void SetIntValue(int64_t value);
    virtual long double ClampValue(long double value) const;

    virtual void StepUp();
    virtual void StepDown();
    virtual void IncValueBy(long double amount);
    virtual void DecValueBy(long double amount);
    // Whether a typed character may go into the text where the caret is.
    virtual bool AcceptsChar(char key);

    TRzSpinButtons* Buttons() const { return FButtons; }
    TRzControlButton* GetButton(TSpinButtonType button) const;
    void SetFlatButtons(bool value) override;
    void SetFrameStyle(TFrameStyle value) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool value) override;

    TSpinChangingEvent OnChanging;
    TSpinButtonEvent OnButtonClick;

    static void Publish(TPublisher<TRzSpinEdit>& p);

    void DefineProperties(TFiler& filer) override;

protected:
    void Loaded() override;
    virtual void PositionButtons();
    virtual void UpdateEditMargins();
    TRect GetInteriorRect() const override;
    void ReadOnlyChanged() override;
    void UpdateFrameState(bool focusState, bool value) override;
    void ColorChanged() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    bool MouseWheel(TShiftState shift, int wheelDelta, int x, int y) override;
    virtual bool DoChanging(long double newValue);
    virtual void DoButtonClick(TSpinButtonType button);

private:
    void ReapplyValue() { SetValue(Value()); }
    void Step(long double amount, TSpinButtonType button);

    TRzSpinButtons* FButtons = nullptr;  // owned as a component
    long double FBlankValue = 0;
    long double FIncrement = 1;
    long double FMin = 0;
    long double FMax = 100;
    long double FPageSize = 10;
    int FButtonWidth = 17;
    int FDecimals = 0;
    bool FAllowBlank = false;
    bool FAllowKeyEdit = false;
    bool FCheckRange = false;
    bool FIntegersOnly = true;
    bool FRaisingHeight = false;  // PositionButtons is growing the edit to its minimum height
};
