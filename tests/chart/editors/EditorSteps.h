#pragma once
// Tables of what the user does in an editor and the property values that must follow.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "platform/ui/ComboBox.h"

// One row: the user's action and what must hold after it.
struct EditorStep {
    const char* what;
    std::function<void()> act;
    std::function<bool()> holds;
};

inline void RunSteps(std::initializer_list<EditorStep> steps) {
    for (const EditorStep& s : steps) {
        s.act();
        EXPECT_TRUE(s.holds()) << s.what;
    }
}

// The user picks an item of a drop-down list (setting the index from code tells no one).
inline void Choose(TComboBox* combo, int index) {
    combo->SetItemIndex(index);
    combo->OnChange(combo);
}
