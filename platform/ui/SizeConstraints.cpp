#include "platform/ui/SizeConstraints.h"

#include <algorithm>

#include "platform/classes/Publisher.h"

TSizeConstraints::TSizeConstraints() = default;
TSizeConstraints::~TSizeConstraints() = default;

void TSizeConstraints::Set(int& field, int value) {
    value = std::max(value, 0);
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
}

int TSizeConstraints::ConstrainWidth(int width) const {
    if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
    return std::max(width, FMinWidth);
}

int TSizeConstraints::ConstrainHeight(int height) const {
    if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
    return std::max(height, FMinHeight);
}

void TSizeConstraints::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TSizeConstraints*>(source)) {
        FMinWidth = s->FMinWidth;
        FMinHeight = s->FMinHeight;
        FMaxWidth = s->FMaxWidth;
        FMaxHeight = s->FMaxHeight;
        if (OnChange) OnChange(this);
        return;
    }
    TPersistent::Assign(source);
}

void TSizeConstraints::Publish(TPublisher<TSizeConstraints>& p) {
    p.Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
    p.Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
        .Default(0);
    p.Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
    p.Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
        .Default(0);
}
