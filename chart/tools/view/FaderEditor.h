#pragma once
// The fader tool's editor: speed, colour, style and first delay, and buttons to run a fade and
// to show the chart normally again. While the form lives, a finished fade enables its buttons
// again; the tool's own stop handler comes back when the form goes. The tool comes in Tag.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"
#include "platform/classes/Component.h"

class TButton;
class TButtonColor;
class TEdit;
class TFaderTool;
class TLabel;
class TRadioGroup;
class TScrollBar;
class TUpDown;

class TFaderEditor : public TEditorForm {
    KV_DECLARE_CLASS(TFaderEditor, TEditorForm)
public:
    explicit TFaderEditor(TComponent* owner);
    ~TFaderEditor() override;

    TFaderTool* Fader() const { return FTool; }

    TScrollBar* SBSpeed;
    TLabel* Label2;
    TButtonColor* ButtonColor1;
    TRadioGroup* RGStyle;
    TEdit* Edit1;
    TUpDown* UDDelay;
    TButton* BStart;
    TButton* BReset;

protected:
    void DoShow() override;
    // A tool freed before the form is forgotten.
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ShowSpeed();
    // Gives the tool its own stop handler back and lets it go.
    void ReleaseTool();

    TFaderTool* FTool = nullptr;
    TNotifyEvent FOldStop;
};
