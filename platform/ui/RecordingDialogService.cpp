#include "platform/ui/RecordingDialogService.h"

#include "platform/ui/PrintDialog.h"

TRecordingDialogService::TRecordingDialogService() : FFormer(SetDialogService(this)) {}

TRecordingDialogService::~TRecordingDialogService() { SetDialogService(FFormer); }

TModalResult TRecordingDialogService::MessageBox(const std::string& text,
                                                 const std::string& caption, TMsgDlgType type,
                                                 TMsgDlgButtons buttons) {
    Messages.push_back({text, caption, type, buttons, std::nullopt});
    if (!Answers.empty()) {
        TModalResult answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    for (TMsgDlgBtn b : {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll})
        if (buttons.Contains(b)) return ModalResultOfButton(b);
    return mrOk;
}

TModalResult TRecordingDialogService::MessageBoxAt(const std::string& text,
                                                   const std::string& caption, TMsgDlgType type,
                                                   TMsgDlgButtons buttons, TPoint topLeft) {
    TModalResult answer = MessageBox(text, caption, type, buttons);
    Messages.back().TopLeft = topLeft;
    return answer;
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

namespace {
// The first queued answer, taken from the queue; an empty one when none is queued.
template <class T>
T TakeAnswer(std::deque<T>& answers) {
    if (answers.empty()) return T();
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}
}  // namespace

bool TRecordingDialogService::ExecuteInputQuery(const std::string& caption,
                                                const std::string& prompt, std::string& value) {
    InputQueries.push_back({caption, prompt, value});
    std::optional<std::string> answer = TakeAnswer(InputAnswers);
    if (!answer) return false;
    value = *answer;
    return true;
}

bool TRecordingDialogService::ExecuteFontDialog(TFont& font) {
    auto answer = TakeAnswer(FontAnswers);
    return answer && answer(font);
}

bool TRecordingDialogService::ExecutePrintDialog(TPrintDialogRequest& request) {
    PrintRequests.push_back(request);
    auto answer = TakeAnswer(PrintAnswers);
    return answer && answer(request);
}
