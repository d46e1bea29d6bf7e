#include "chart/tools/media/VideoToolEditor.h"

#include <iterator>

#include "chart/tools/media/VideoTool.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SpeedButton.h"

namespace {

constexpr int QualityValues[] = {10000, 9000, 8000, 6000, 4000};

}  // namespace

TVideoToolEditor::TVideoToolEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 320, 200);
    SetAlign(alClient);
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetFilter("AVI file|*.avi");
    SaveDialog1->SetTitle("Select AVI file to store video");
    SaveDialog1->SetDefaultExt("avi");
    SaveDialog1->SetOptions(SaveDialog1->Options().Include(ofOverwritePrompt));

    MakeLabel(this, 8, 10, "Msec per frame:");
    SBMsec = MakeControl<TScrollBar>(this, 100, 8, 150, 17);
    SBMsec->SetParams(50, 1, 1000);
    Label2 = MakeLabel(this, 258, 10, "50");
    MakeLabel(this, 8, 38, "&Compression:");
    CBCompress = MakeComboBox(this, 100, 34, 150, {"No Compression"});
    CBCompress->SetItemIndex(0);
    BEdit = MakePushButton(this, 256, 33, 25, "...");
    BEdit->SetEnabled(false);
    MakeLabel(this, 8, 66, "&Quality:");
    CBQuality = MakeComboBox(this, 100, 62, 150, {"Highest", "Very High", "High", "Medium", "Low"});
    MakeLabel(this, 8, 94, "&File:");
    EFile = MakeControl<TEdit>(this, 100, 90, 150, 21);
    SpeedButton1 = MakeControl<TSpeedButton>(this, 256, 89, 25, 23);
    SpeedButton1->SetCaption("...");
    auto* record = MakeControl<TGroupBox>(this, 8, 120, 290, 70);
    record->SetCaption("Record");
    BStart = MakePushButton(record, 8, 20, 75, "Start");
    BStop = MakePushButton(record, 90, 20, 75, "Stop");
    MakeLabel(record, 176, 25, "Frame:");
    LFrame = MakeLabel(record, 220, 25, "");

    SBMsec->OnChange = [this](TObject*) {
        Label2->SetCaption(std::to_string(SBMsec->Position()));
        if (FTool && !Loading()) FTool->SetFrameDuration(SBMsec->Position());
    };
    CBCompress->OnChange = [this](TObject*) {
        const int index = CBCompress->ItemIndex();
        if (!FTool || Loading() || index < 0) return;
        FTool->SetCompression(index == 0 ? std::string()
                                         : CBCompress->Items()->Strings(index).substr(0, 4));
        BEdit->SetEnabled(index > 0 && FTool->CanConfigureCompressor());
    };
    CBQuality->OnChange = [this](TObject*) {
        const int index = CBQuality->ItemIndex();
        if (FTool && !Loading() && index >= 0) FTool->SetCompressionQuality(QualityValues[index]);
    };
    EFile->OnChange = [this](TObject*) { EnableButtons(); };
    SpeedButton1->OnClick = [this](TObject*) {
        SaveDialog1->SetFileName(EFile->Text());
        if (SaveDialog1->Execute()) EFile->SetText(SaveDialog1->FileName());
    };
    BStart->OnClick = [this](TObject*) {
        if (!FTool) return;
        FTool->StartRecording(EFile->Text());
        ChainFrames();
        EnableButtons();
    };
    BStop->OnClick = [this](TObject*) {
        if (!FTool) return;
        FTool->StopRecording();
        UnchainFrames();
        EnableButtons();
    };
}

TVideoToolEditor::~TVideoToolEditor() { UnchainFrames(); }

void TVideoToolEditor::Notification(TComponent* component, TOperation operation) {
    TEditorForm::Notification(component, operation);
    if (operation == opRemove && component == FTool) {
        FTool = nullptr;
        FChained = false;
    }
}

void TVideoToolEditor::ChainFrames() {
    if (!FTool || FChained) return;
    FOldNewFrame = FTool->OnNewFrame;
    FChained = true;
    FTool->OnNewFrame = [this](TObject* sender) {
        if (FOldNewFrame) FOldNewFrame(sender);
        LFrame->SetCaption(std::to_string(FTool->Frames()));
    };
}

void TVideoToolEditor::UnchainFrames() {
    if (!FTool || !FChained) return;
    FTool->OnNewFrame = FOldNewFrame;
    FChained = false;
}

void TVideoToolEditor::EnableButtons() {
    const bool recording = FTool && FTool->IsRecording();
    BStart->SetEnabled(FTool && !EFile->Text().empty() && !recording);
    BStop->SetEnabled(recording);
}

void TVideoToolEditor::DoShow() {
    TEditorForm::DoShow();
    auto* tool = dynamic_cast<TVideoTool*>(TagObject());
    if (!tool) return;
    if (tool != FTool) {
        UnchainFrames();
        if (FTool) FTool->RemoveFreeNotification(this);
        FTool = tool;
        tool->FreeNotification(this);
    }
    {
        auto loading = LoadGuard();
        SBMsec->SetPosition(tool->FrameDuration());
        Label2->SetCaption(std::to_string(tool->FrameDuration()));
        TStringList compressors;
        tool->ListCompressors(compressors);
        CBCompress->Items()->Assign(compressors);
        CBCompress->SetItemIndex(0);
        BEdit->SetEnabled(false);
        int quality = 0;
        for (int i = 0; i < int(std::size(QualityValues)); ++i)
            if (QualityValues[i] == tool->CompressionQuality()) quality = i;
        CBQuality->SetItemIndex(quality);
        EFile->SetText(tool->FileName());
    }
    if (tool->IsRecording()) ChainFrames();
    EnableButtons();
}
