#include "platform/ui/Dialogs.h"

#include "platform/ui/Application.h"

TDialogService* ToolkitDialogService();  // DialogServiceQt.cpp

namespace {
TDialogService* currentService = nullptr;

std::string AppTitle() { return Application ? Application->Title() : std::string(); }
}  // namespace

TDialogService::~TDialogService() = default;

TModalResult ModalResultOfButton(TMsgDlgBtn button) {
    switch (button) {
        case mbYes:
            return mrYes;
        case mbNo:
            return mrNo;
        case mbOK:
            return mrOk;
        case mbCancel:
            return mrCancel;
        case mbAbort:
            return mrAbort;
        case mbRetry:
            return mrRetry;
        case mbIgnore:
            return mrIgnore;
        case mbAll:
            return mrAll;
    }
    return mrNone;
}

TDialogService& DialogService() {
    return currentService ? *currentService : *ToolkitDialogService();
}

TDialogService* SetDialogService(TDialogService* service) {
    TDialogService* former = currentService;
    currentService = service;
    return former;
}

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return DialogService().MessageBox(text, AppTitle(), type, buttons);
}

TModalResult MessageDlgPos(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int x,
                           int y) {
    return DialogService().MessageBoxAt(text, AppTitle(), type, buttons, TPoint{x, y});
}

TModalResult TDialogService::MessageBoxAt(const std::string& text, const std::string& caption,
                                          TMsgDlgType type, TMsgDlgButtons buttons, TPoint) {
    return MessageBox(text, caption, type, buttons);
}

void TDialogMessageService::ShowMessage(const std::string& text) {
    MessageDlg(text, mtInformation, {mbOK});
}

bool TDialogMessageService::ConfirmYesNo(const std::string& text) {
    return MessageDlg(text, mtConfirmation, {mbYes, mbNo}) == mrYes;
}

TModalResult ConfirmYesNoCancel(const std::string& text) {
    return MessageDlg(text, mtConfirmation, {mbYes, mbNo, mbCancel});
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
    std::string answer = value;
    if (!DialogService().ExecuteInputQuery(caption, prompt, answer)) return false;
    value = answer;
    return true;
}

std::string InputBox(const std::string& caption, const std::string& prompt,
                     const std::string& defaultValue) {
    std::string value = defaultValue;
    InputQuery(caption, prompt, value);
    return value;
}
