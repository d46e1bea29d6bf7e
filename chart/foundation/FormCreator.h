#pragma once
// The control builder a filter's editor is made with: the filter asks for one control per
// setting, each bound to one of its published properties by name; the builder lays them out,
// and a change of a control writes the property, calls the control's handler if any, then the
// editor's change notification. The filter editor supplies the builder.
#include <functional>
#include <string>

class TScrollBar;

class TFormCreator {
public:
    virtual ~TFormCreator() = default;

    // A check box for a Boolean property; ChangeHandler runs after each change.
    virtual void AddBooleanEditor(const std::string& PropertyName, const std::string& Caption,
                                  std::function<void()> ChangeHandler = nullptr) = 0;
    // A colour button for a colour property.
    virtual void AddColorEditor(const std::string& PropertyName, const std::string& Caption) = 0;
    // A list of the values of an enumerated property.
    virtual void AddChoiceEditor(const std::string& PropertyName) = 0;
    // An integer edit for an integer property, limited to Minimum..Maximum.
    virtual void AddIntegerEditor(const std::string& PropertyName, const std::string& Caption,
                                  int Minimum, int Maximum) = 0;
    // A scroll bar at the property's current value; it belongs to the builder's panel, and the
    // caller may change its range while the editor lives.
    virtual TScrollBar* AddScrollBar(const std::string& PropertyName, int Minimum, int Maximum) = 0;
};
