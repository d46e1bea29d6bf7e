#pragma once
// A dialog service for tests: it records every message box and file dialog it is asked for and
// gives the answers queued beforehand (a message box without a queued answer takes its first
// button; a file dialog without one is cancelled). It puts itself in force while it lives.
#include <deque>
#include <string>
#include <vector>

#include "platform/ui/Dialogs.h"

class TRecordingDialogService : public TDialogService {
public:
    struct TMessage {
        std::string Text;
        std::string Caption;
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
    };

    TRecordingDialogService();
    ~TRecordingDialogService() override;

    TModalResult MessageBox(const std::string& text, const std::string& caption, TMsgDlgType type,
                            TMsgDlgButtons buttons) override;
    bool ExecuteFileDialog(TFileDialogRequest& request) override;
    bool ExecuteColorDialog(TColor& color, std::vector<TColor>& customColors) override;

    std::vector<TMessage> Messages;
    std::vector<TFileDialogRequest> FileRequests;  // as asked, before the answer
    std::deque<TModalResult> Answers;
    // A chosen file name, or "" to cancel; with a filter index (0 keeps the request's).
    struct TFileAnswer {
        std::string FileName;
        int FilterIndex = 0;
    };
    std::deque<TFileAnswer> FileAnswers;
    std::deque<TColor> ColorAnswers;  // clNone cancels

private:
    TDialogService* FFormer;
};
