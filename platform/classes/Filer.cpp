#include "platform/classes/Filer.h"

#include "platform/rtl/Exceptions.h"

TFiler::~TFiler() = default;

TNestingGuard::TNestingGuard(int& depth) : FDepth(depth) {
    if (++FDepth > MaxDepth) {
        --FDepth;
        throw EReadError(SInvalidImage);
    }
}
