#pragma once
// The video recording tool's editor: frame duration, compressor and quality, the file, and
// buttons that start and stop a recording while the frame count shows. The tool comes in Tag.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TSaveDialog;
class TScrollBar;
class TSpeedButton;
class TVideoTool;

class TVideoToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TVideoToolEditor, TEditorForm)
public:
    explicit TVideoToolEditor(TComponent* owner);
    ~TVideoToolEditor() override;

    TVideoTool* Video() const { return FTool; }

    TScrollBar* SBMsec;
    TLabel* Label2;
    TComboBox* CBCompress;
    TButton* BEdit;
    TComboBox* CBQuality;
    TEdit* EFile;
    TSpeedButton* SpeedButton1;
    TButton* BStart;
    TButton* BStop;
    TLabel* LFrame;
    TSaveDialog* SaveDialog1;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void EnableButtons();
    // The form's frame handler goes in front of the tool's own, or comes out again.
    void ChainFrames();
    void UnchainFrames();

    TVideoTool* FTool = nullptr;
    bool FChained = false;
    TNotifyEvent FOldNewFrame;
};
