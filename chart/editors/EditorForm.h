#pragma once
// The base of every editor form. It owns the load guard: while the form reads the edited object
// into its controls, Loading() is set and neither a binding nor a handler writes back, so that
// showing or loading a form never changes what it edits. It also keeps the form's bindings
// (EditorBindings.h), which LoadBindings reads in the order they were made.
#include <functional>
#include <vector>

#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Form.h"

class TEditorForm : public TForm {
    KV_DECLARE_CLASS(TEditorForm, TForm)
public:
    explicit TEditorForm(TComponent* owner);
    ~TEditorForm() override;

    bool Loading() const { return FLoading; }
    // Keeps load to run, under the guard, with every LoadBindings.
    void AddBinding(std::function<void()> load);

protected:
    // A form that stays quiet from its construction until its first load ends (LoadingDone).
    TEditorForm(TComponent* owner, bool loadingUntilLoaded);
    // Loading() is set until the returned guard ends; then it is what it was before.
    [[nodiscard]] TValueGuard<bool> LoadGuard() { return TValueGuard<bool>(FLoading, true); }
    // Ends the quiet a form keeps from its construction to its first load.
    void LoadingDone() { FLoading = false; }
    // Loads every bound control from its property, under the guard.
    void LoadBindings();

private:
    bool FLoading = false;
    std::vector<std::function<void()>> FBindingLoads;
};
