#include "platform/ui/RecordingDialogService.h"

TRecordingDialogService::TRecordingDialogService() : FFormer(SetDialogService(this)) {}

TRecordingDialogService::~TRecordingDialogService() { SetDialogService(FFormer); }

TModalResult TRecordingDialogService::MessageBox(const std::string& text,
                                                 const std::string& caption, TMsgDlgType type,
                                                 TMsgDlgButtons buttons) {
    Messages.push_back({text, caption, type, buttons});
    if (!Answers.empty()) {
        TModalResult answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    for (TMsgDlgBtn b : {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll})
        if (buttons.Contains(b)) return ModalResultOfButton(b);
    return mrOk;
}

bool TRecordingDialogService::ExecuteFileDialog(TFileDialogRequest& request) {
    FileRequests.push_back(request);
    if (FileAnswers.empty()) return false;
    TFileAnswer answer = FileAnswers.front();
    FileAnswers.pop_front();
    if (answer.FileName.empty()) return false;
    request.FileName = answer.FileName;
    if (answer.FilterIndex > 0) request.FilterIndex = answer.FilterIndex;
    return true;
}

bool TRecordingDialogService::ExecuteColorDialog(TColor& color, std::vector<TColor>&) {
    if (ColorAnswers.empty()) return false;
    TColor answer = ColorAnswers.front();
    ColorAnswers.pop_front();
    if (answer == clNone) return false;
    color = answer;
    return true;
}
