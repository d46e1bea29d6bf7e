#pragma once
// The select-list panel: available and selected items side by side, with buttons that move the
// chosen ones across and order the selected list. The host fills both lists and reads ToList.
#include "platform/ui/Form.h"

class TButton;
class TListBox;
class TSpeedButton;

class TSelectListForm : public TForm {
    KV_DECLARE_CLASS(TSelectListForm, TForm)
public:
    explicit TSelectListForm(TComponent* owner);

    // Enables each move that the lists allow now; hosts call it after filling them.
    void UpdateButtons();

    TListBox* FromList;
    TListBox* ToList;
    TButton* BRightOne;
    TButton* BRightAll;
    TButton* BLeftOne;
    TButton* BLeftAll;
    TSpeedButton* BMoveUP;
    TSpeedButton* BMoveDown;
    // After every move, with the panel as sender.
    TNotifyEvent OnChange;

protected:
    void DoShow() override;

private:
    void RightOne();
    void MoveLine(int delta);
    void Changed();
};
