#pragma once
// Message boxes and the common dialogs go through one replaceable service: the toolkit's by
// default, a recording one in tests (it keeps the texts and gives the answers it was handed), so
// that no test waits for a person.
#include <string>
#include <vector>

#include "platform/classes/Set.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"
#include "platform/rtl/MessageService.h"
#include "platform/ui/ControlTypes.h"

class TFont;
struct TPrintDialogRequest;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// The modal result a message box button stands for.
TModalResult ModalResultOfButton(TMsgDlgBtn button);

// What a file dialog is asked; the service writes the chosen FileName and FilterIndex back.
struct TFileDialogRequest {
    bool Save = false;
    std::string Title;
    std::string Filter;   // "Description|pattern|Description|pattern", patterns split by ';'
    int FilterIndex = 1;  // 1-based
    std::string InitialDir;
    std::string FileName;  // preset name in, chosen name out
};

class TDialogService {
public:
    virtual ~TDialogService();
    // A message box: text ("\r" breaks lines), caption, kind and buttons. Returns the modal
    // result of the button pressed (mrCancel, or mrNo without Cancel, when the box is closed).
    virtual TModalResult MessageBox(const std::string& text, const std::string& caption,
                                    TMsgDlgType type, TMsgDlgButtons buttons) = 0;
    // The same box with its top-left corner at a screen point; a service that cannot place its
    // boxes shows it as MessageBox does.
    virtual TModalResult MessageBoxAt(const std::string& text, const std::string& caption,
                                      TMsgDlgType type, TMsgDlgButtons buttons, TPoint topLeft);
    // A file dialog; false when it was cancelled.
    virtual bool ExecuteFileDialog(TFileDialogRequest& request) = 0;
    // A colour dialog starting at color, with the custom colours kept between calls; false when
    // it was cancelled.
    virtual bool ExecuteColorDialog(TColor& color, std::vector<TColor>& customColors) = 0;
    // The dialogs below default to the toolkit's, so a service that has no answers of its own
    // for them need not offer them. Each returns false when it was cancelled.
    // A line of text asked for under caption with prompt; value is the preset and the answer.
    virtual bool ExecuteInputQuery(const std::string& caption, const std::string& prompt,
                                   std::string& value);
    // The font dialog on font (name, size, style and colour are what it changes).
    virtual bool ExecuteFontDialog(TFont& font);
    // The print dialog, or the printer-setup dialog when request.Setup (see PrintDialog.h).
    virtual bool ExecutePrintDialog(TPrintDialogRequest& request);
};

// The service in force: the one set last, or the toolkit's.
TDialogService& DialogService();
// Puts service in force (not owned; null brings the toolkit's back) and returns the former one.
TDialogService* SetDialogService(TDialogService* service);

// A message box captioned with the application title; returns the modal result of the answer.
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// The same box with its top-left corner at the screen point (x, y).
TModalResult MessageDlgPos(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int x,
                           int y);
// Yes/No/Cancel: mrYes, mrNo or mrCancel. Plain messages and Yes/No questions go through the
// message service (ShowMessage, ConfirmYesNo), which the application points at these boxes.
TModalResult ConfirmYesNoCancel(const std::string& text);
// Asks for a line of text: true and the answer in value on OK, value untouched on Cancel.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
// The answer, or defaultValue when cancelled.
std::string InputBox(const std::string& caption, const std::string& prompt,
                     const std::string& defaultValue);

// The message service of the window layer: a plain message is an information box, a question a
// Yes/No confirmation box, both of the dialog service in force.
class TDialogMessageService final : public IMessageService {
public:
    void ShowMessage(const std::string& text) override;
    bool ConfirmYesNo(const std::string& text) override;
};
