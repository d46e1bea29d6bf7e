#include "platform/classes/Persistent.h"

#include "platform/classes/ClassErrors.h"

TPersistent::~TPersistent() = default;

void TPersistent::Assign(const TPersistent* source) {
    if (source)
        source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) const { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
    throw EConvertError(
        FormatClassMessage(SAssignError, {source ? source->ClassName() : "nil", ClassName()}));
}

void TPersistent::DefineProperties(TFiler&) {}
