#pragma once
// The filter editor's control builder: each control a filter asks for is made on one panel,
// stacked from the top, shows the filter's published property of that name, and writes it back
// when the user changes the control. After a write the control's own handler (if any) runs, then
// OnChange, through which the editor refreshes its preview. Nothing is written while the
// controls are being built.
#include <deque>
#include <functional>
#include <string>

#include "chart/foundation/FormCreator.h"

class TObject;
class TWinControl;

// A value name shown as words: the lower-case prefix dropped and a space put before every
// capital (or other non lower-case character) inside the name but not before its last one, so
// "gmGrayScale" shows as "Gray Scale". The name itself when nothing would be left.
std::string PrettyEnumName(const std::string& Name);

class TOptionFormCreator : public TFormCreator {
public:
    // The controls go on Parent, which owns them.
    explicit TOptionFormCreator(TWinControl* Parent);
    ~TOptionFormCreator() override;
    TOptionFormCreator(const TOptionFormCreator&) = delete;
    TOptionFormCreator& operator=(const TOptionFormCreator&) = delete;

    // Forgets the previous controls' records (the caller frees the controls), puts the next
    // control at the top and edits Filter from now on.
    void Start(TObject* Filter);
    TObject* Filter() const { return FFilter; }
    // The top of the next control.
    int NextTop() const { return FTop; }
    // Set while the controls are being built: their initial values write nothing.
    bool Building() const { return FBuilding; }
    void SetBuilding(bool value) { FBuilding = value; }

    std::function<void()> OnChange;

    void AddBooleanEditor(const std::string& PropertyName, const std::string& Caption,
                          std::function<void()> ChangeHandler = nullptr) override;
    void AddColorEditor(const std::string& PropertyName, const std::string& Caption) override;
    void AddChoiceEditor(const std::string& PropertyName) override;
    void AddIntegerEditor(const std::string& PropertyName, const std::string& Caption, int Minimum,
                          int Maximum) override;
    TScrollBar* AddScrollBar(const std::string& PropertyName, int Minimum, int Maximum) override;

private:
    // One per control made: the property it edits and the filter's handler for it.
    struct TFormItem {
        std::string PropertyName;
        std::function<void()> ChangeHandler;
    };
    TFormItem& AddItem(const std::string& PropertyName, std::function<void()> ChangeHandler);
    // Writes Value to the item's property unless building, then the handlers.
    template <class V>
    void WriteBack(const TFormItem& Item, const V& Value);
    void Changed(const TFormItem& Item);

    TWinControl* FParent;
    TObject* FFilter = nullptr;
    int FTop = 8;
    bool FBuilding = false;
    std::deque<TFormItem> FItems;  // a deque: the controls' handlers keep references to items
};
