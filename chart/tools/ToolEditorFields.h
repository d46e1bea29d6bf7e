#pragma once
// Fields the tools' editor forms share beyond the editor bindings: a number typed as text,
// written when it converts (text that does not keeps the tool's value) and never while the form
// loads. get gives nothing while the form has no object.
#include <functional>
#include <optional>

class TEdit;
class TEditorForm;

void BindFloatEdit(TEditorForm& form, TEdit* edit, std::function<std::optional<double>()> get,
                   std::function<void(double)> set);
