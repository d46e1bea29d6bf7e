#pragma once
// The video player tool's editor: the file, the delay, looping, the filters, where the frames
// show (the chart's back image or another picture of the chart), and a Play / Stop button with
// the frame number. The tool comes in Tag.
#include <vector>

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TOpenDialog;
class TRadioButton;
class TSpeedButton;
class TTeePicture;
class TUpDown;
class TVideoPlayerTool;

class TVideoPlayerEditor : public TEditorForm {
    KV_DECLARE_CLASS(TVideoPlayerEditor, TEditorForm)
public:
    explicit TVideoPlayerEditor(TComponent* owner);
    ~TVideoPlayerEditor() override;

    TVideoPlayerTool* Player() const { return FTool; }

    TEdit* EName;
    TSpeedButton* SpeedButton1;
    TEdit* EDelay;
    TUpDown* UDDelay;
    TCheckBox* CBLoop;
    TButton* Button1;
    TButton* BPlay;
    TLabel* LFrame;
    TRadioButton* RBBack;
    TRadioButton* RBOther;
    TComboBox* CBDisplay;
    TComboBox* CBItem;
    TOpenDialog* OpenDialog1;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ChainFrames();
    void UnchainFrames();
    void ShowBack();
    void DisplayChosen();
    void ShowTarget();
    // The chart's pictures of one kind of display, with their names.
    void ListPictures(int display, std::vector<TTeePicture*>& pictures,
                      std::vector<std::string>& names) const;

    TVideoPlayerTool* FTool = nullptr;
    bool FChained = false;
    int FSpan = 0;
    TNotifyEvent FOldFrame;
    std::vector<TTeePicture*> FItemPictures;
};
