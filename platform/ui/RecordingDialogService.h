#pragma once
// A dialog service for tests: it records every message box and file dialog it is asked for and
// gives the answers queued beforehand (a message box without a queued answer takes its first
// button; a file, colour, input, font or print dialog without one is cancelled). It puts itself in
// force while it lives.
#include <deque>
#include <functional>
#include <optional>
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
        std::optional<TPoint> TopLeft;  // where the box was asked to be, when it was placed
    };

    TRecordingDialogService();
    ~TRecordingDialogService() override;

    TModalResult MessageBox(const std::string& text, const std::string& caption, TMsgDlgType type,
                            TMsgDlgButtons buttons) override;
    TModalResult MessageBoxAt(const std::string& text, const std::string& caption, TMsgDlgType type,
                              TMsgDlgButtons buttons, TPoint topLeft) override;
    bool ExecuteFileDialog(TFileDialogRequest& request) override;
    bool ExecuteColorDialog(TColor& color, std::vector<TColor>& customColors) override;
    bool ExecuteInputQuery(const std::string& caption, const std::string& prompt,
                           std::string& value) override;
    bool ExecuteFontDialog(TFont& font) override;
    bool ExecutePrintDialog(TPrintDialogRequest& request) override;

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
    // Input queries as asked (caption, prompt, preset) and the answers: a text, or none to cancel.
    struct TInputQuery {
        std::string Caption;
        std::string Prompt;
        std::string Value;
    };
    std::vector<TInputQuery> InputQueries;
    std::deque<std::optional<std::string>> InputAnswers;
    // What the user does in a font or print dialog: changes what it is shown and returns true
    // for OK. The print requests are kept as asked.
    std::deque<std::function<bool(TFont&)>> FontAnswers;
    std::vector<TPrintDialogRequest> PrintRequests;
    std::deque<std::function<bool(TPrintDialogRequest&)>> PrintAnswers;

private:
    TDialogService* FFormer;
};
