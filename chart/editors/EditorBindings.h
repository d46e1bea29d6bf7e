#pragma once
// Bindings of an editor form's simple controls to a property of the edited object: a check box,
// a combo box, a radio group, an up-down edit, a track bar or a colour button, bound to a getter
// and a setter. The binding loads its control from the getter with the form's other bindings
// (TEditorForm::LoadBindings) and writes the setter when the user changes the control, never
// while the form loads. The object comes from source() at each use, so a form that moves to
// another object keeps its bindings; while source() gives none, the binding neither loads nor
// writes.
//
// get and set are member functions of the object (&TChartLegend::Visible,
// &TChartLegend::SetVisible) or callables that take it (a combo's or a radio group's then take
// and give the index). Cases with rules (units, controls that set others) stay the form's own
// handlers. A check box, combo box or radio group that only enables other controls takes an
// `after`, which runs after every change of the control, loaded or made by the user, with or
// without an object, so it reads the control rather than the object.
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

#include "chart/editors/EditorControls.h"
#include "platform/graphics/Colors.h"

class TButtonColor;
class TCheckBox;
class TComboBox;
class TEditorForm;
class TRadioGroup;
class TTrackBar;

// How the text typed in an up-down edit becomes the property's number.
enum class TTypedNumber {
    Any,       // every whole number typed
    Positive,  // a whole number above 0 (a size); any other text writes nothing
    InRange,   // a whole number within the up-down's range; any other text writes nothing
    Clamped,   // the up-down's position as its edit shows it (UpDownPosition): the typed number
               // brought into the range, or the last position while the text is no number
};

// When an up-down edit writes.
struct TNumberEditRule {
    TTypedNumber Typed = TTypedNumber::Any;
    // Written only while the form shows: building a form gives its edits their first texts.
    bool OnlyWhileShowing = false;
};

namespace editor_binding {

// The bindings behind the templates below: get gives nothing while there is no object.
void CheckBox(TEditorForm& form, TCheckBox* box, std::function<std::optional<bool>()> get,
              std::function<void(bool)> set, std::function<void()> after);
void ComboBox(TEditorForm& form, TComboBox* combo, std::function<std::optional<int>()> get,
              std::function<void(int)> set, std::function<void()> after);
void RadioGroup(TEditorForm& form, TRadioGroup* group, std::function<std::optional<int>()> get,
                std::function<void(int)> set, std::function<void()> after);
void UpDownEdit(TEditorForm& form, const TUpDownEdit& edit, std::function<std::optional<int>()> get,
                std::function<void(int)> set, TNumberEditRule rule);
void TrackBar(TEditorForm& form, TTrackBar* bar, std::function<std::optional<int>()> get,
              std::function<void(int)> set);
void ColorButton(TEditorForm& form, TButtonColor* button,
                 std::function<std::optional<TColor>()> get, std::function<void(TColor)> set);

template <class Value, class Source, class Get>
std::function<std::optional<Value>()> Getter(Source source, Get get) {
    return [source, get]() -> std::optional<Value> {
        if (auto* object = source()) return static_cast<Value>(std::invoke(get, *object));
        return std::nullopt;
    };
}

template <class Value, class Source, class Set>
std::function<void(Value)> Setter(Source source, Set set) {
    return [source, set](Value value) {
        if (auto* object = source()) std::invoke(set, *object, value);
    };
}

// An enumeration setter taking the control's index.
template <class Source, class Object, class Arg>
std::function<void(int)> Setter(Source source, void (Object::*set)(Arg)) {
    return [source, set](int value) {
        if (auto* object = source()) (object->*set)(static_cast<std::decay_t<Arg>>(value));
    };
}

// The setter of an index: an enumeration's setter, or a callable taking the index.
template <class Source, class Set>
std::function<void(int)> IndexSetter(Source source, Set set) {
    if constexpr (std::is_member_function_pointer_v<Set>)
        return Setter(source, set);
    else
        return Setter<int>(source, set);
}

}  // namespace editor_binding

// box shows get; a click writes set(Checked).
template <class Source, class Get, class Set>
void BindCheckBox(TEditorForm& form, TCheckBox* box, Source source, Get get, Set set,
                  std::function<void()> after = {}) {
    editor_binding::CheckBox(form, box, editor_binding::Getter<bool>(source, get),
                             editor_binding::Setter<bool>(source, set), std::move(after));
}

// combo's item index is the property (an enumeration in the order of the items); a combo with
// no item chosen writes nothing.
template <class Source, class Get, class Set>
void BindComboBox(TEditorForm& form, TComboBox* combo, Source source, Get get, Set set,
                  std::function<void()> after = {}) {
    editor_binding::ComboBox(form, combo, editor_binding::Getter<int>(source, get),
                             editor_binding::IndexSetter(source, set), std::move(after));
}

// group's item index is the property, as a combo's is.
template <class Source, class Get, class Set>
void BindRadioGroup(TEditorForm& form, TRadioGroup* group, Source source, Get get, Set set,
                    std::function<void()> after = {}) {
    editor_binding::RadioGroup(form, group, editor_binding::Getter<int>(source, get),
                               editor_binding::IndexSetter(source, set), std::move(after));
}

// The up-down's position is the property; each number typed in the edit is written as rule says.
template <class Source, class Get, class Set>
void BindUpDownEdit(TEditorForm& form, const TUpDownEdit& edit, Source source, Get get, Set set,
                    TNumberEditRule rule = {}) {
    editor_binding::UpDownEdit(form, edit, editor_binding::Getter<int>(source, get),
                               editor_binding::Setter<int>(source, set), rule);
}

// The track bar's position is the property.
template <class Source, class Get, class Set>
void BindTrackBar(TEditorForm& form, TTrackBar* bar, Source source, Get get, Set set) {
    editor_binding::TrackBar(form, bar, editor_binding::Getter<int>(source, get),
                             editor_binding::Setter<int>(source, set));
}

// The button shows get's colour and writes the colour the user picks.
template <class Source, class Get, class Set>
void BindColorButton(TEditorForm& form, TButtonColor* button, Source source, Get get, Set set) {
    editor_binding::ColorButton(form, button, editor_binding::Getter<TColor>(source, get),
                                editor_binding::Setter<TColor>(source, set));
}
