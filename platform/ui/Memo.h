#pragma once
// A multi-line edit whose text is Lines. Lines changed from code show at once; typing changes
// Lines. OnChange follows every change of the text.
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/Control.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
    KV_DECLARE_CLASS(TMemo, TWinControl)
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TStrings* Lines() const { return FLines.get(); }
    void SetLines(const TStrings& value) { FLines->Assign(value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    // Long lines wrap at the edge unless WordWrap is off or there is a horizontal scroll bar.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    void Clear() { FLines->Clear(); }
    // The selected text, its line breaks as CR LF like Text; "" when nothing is selected.
    std::string SelText() const;
    // Selects length characters from start (characters of the text with LF line breaks).
    void Select(int start, int length);

    TNotifyEvent OnChange;

protected:
    const std::string& GetText() const override;
    void TextChanged() override;

private:
    void LinesChanged();
    void WidgetChanged();
    void ApplyWrap();

    std::unique_ptr<TStringList> FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FSyncing = false;
    mutable std::string FTextCache;
};
