#pragma once
// Single-line edits. OnChange follows every change of Text, typed or set from code.
// TLabeledEdit carries its label (EditLabel) above it; the label moves, shows and hides with it.
#include "platform/ui/Control.h"

class TLabel;

// A value the edit refuses on validation.
KV_EXCEPTION_CLASS(EDBEditError, Exception)
inline constexpr const char* SInvalidEditValue = "Invalid input value";

class TEdit : public TWinControl {
    KV_DECLARE_CLASS(TEdit, TWinControl)
public:
    explicit TEdit(TComponent* owner);
    ~TEdit() override;

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    void SelectAll();

    TNotifyEvent OnChange;

protected:
    void TextChanged() override;
    virtual void Change();

private:
    bool FReadOnly = false;
    int FMaxLength = 0;
};

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

class TLabeledEdit : public TEdit {
    KV_DECLARE_CLASS(TLabeledEdit, TEdit)
public:
    explicit TLabeledEdit(TComponent* owner);
    ~TLabeledEdit() override;

    TLabel* EditLabel() const { return FEditLabel; }
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelSpacing() const { return FLabelSpacing; }
    void SetLabelSpacing(int value);

    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;

    // Places the label by the edit again (after its caption or font changed).
    void PlaceLabel();

private:
    TLabel* FEditLabel;  // owned as a component
    TLabelPosition FLabelPosition = lpAbove;
    int FLabelSpacing = 3;
};
