#pragma once
// A bar of buttons that moves through and edits the dataset of its data source. Only the
// VisibleButtons show; each is enabled when its action makes sense in the dataset's state. A
// click runs BeforeAction, the button's action and then OnClick, so a handler sees the dataset
// after the action. Delete asks "Delete record?" first (unless ConfirmDelete is off).
#include <array>
#include <functional>
#include <memory>

#include "platform/classes/Set.h"
#include "platform/db/DataSource.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Control.h"

class QPushButton;

enum TNavigateBtn {
    nbFirst,
    nbPrior,
    nbNext,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel,
    nbRefresh
};
using TNavButtonSet = TSet<TNavigateBtn>;
using TNavClickEvent = std::function<void(TObject* sender, TNavigateBtn button)>;

class TDBNavigator : public TWinControl {
    KV_DECLARE_CLASS(TDBNavigator, TWinControl)
public:
    static constexpr int ButtonCount = nbRefresh + 1;

    explicit TDBNavigator(TComponent* owner);
    ~TDBNavigator() override;

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* v);
    TNavButtonSet VisibleButtons() const { return FVisibleButtons; }
    void SetVisibleButtons(TNavButtonSet v);
    // One hint a line, in button order; a missing or empty line keeps the button's own hint.
    TStrings* Hints() const { return FHints.get(); }
    void SetHints(const TStrings& v) { FHints->Assign(v); }
    bool ConfirmDelete() const { return FConfirmDelete; }
    void SetConfirmDelete(bool v) { FConfirmDelete = v; }

    bool ButtonVisible(TNavigateBtn button) const;
    bool ButtonEnabled(TNavigateBtn button) const;
    const std::string& ButtonHint(TNavigateBtn button) const;
    // What a click on the button does (when it is enabled): BeforeAction, the action, OnClick.
    void BtnClick(TNavigateBtn button);

    TNavClickEvent BeforeAction;
    TNavClickEvent OnClick;

protected:
    void Resize() override;

private:
    class TNavigatorLink;
    void UpdateButtons();
    void ArrangeButtons();
    void ApplyHints();
    void Perform(TNavigateBtn button);

    std::unique_ptr<TNavigatorLink> FLink;
    std::array<QPushButton*, ButtonCount> FButtons{};  // children of the widget
    std::array<bool, ButtonCount> FEnabled{};
    std::array<std::string, ButtonCount> FButtonHints;
    TNavButtonSet FVisibleButtons;
    std::unique_ptr<TStringList> FHints;
    bool FConfirmDelete = true;
};
