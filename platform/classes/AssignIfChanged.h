#pragma once
// The first half of every setter: store the value and say whether it changed, so that the setter
// notifies or repaints once, and only on a real change.

template <class T>
bool AssignIfChanged(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}
