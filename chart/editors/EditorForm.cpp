#include "chart/editors/EditorForm.h"

TEditorForm::TEditorForm(TComponent* owner) : TForm(owner) {}

TEditorForm::TEditorForm(TComponent* owner, bool loadingUntilLoaded)
    : TForm(owner), FLoading(loadingUntilLoaded) {}

TEditorForm::~TEditorForm() = default;

void TEditorForm::AddBinding(std::function<void()> load) {
    FBindingLoads.push_back(std::move(load));
}

void TEditorForm::LoadBindings() {
    auto loading = LoadGuard();
    for (const auto& load : FBindingLoads) load();
}
