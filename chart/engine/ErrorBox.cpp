#include "chart/engine/ErrorBox.h"

#include "platform/ui/Dialogs.h"

void ShowErrorBox(const std::string& text) {
    DialogService().MessageBox(text.substr(0, ErrorBoxTextLimit), "", mtError,
                               TMsgDlgButtons{mbOK});
}
