#pragma once
// A form the caller creates, shows modally and frees: freed when the holder goes, whatever
// happens in its modal loop.
#include <memory>

#include "platform/classes/Object.h"

template <class TForm>
struct TFormDeleter {
    void operator()(TForm* form) const { TObject::Free(form); }
};
template <class TForm>
using TOwnedForm = std::unique_ptr<TForm, TFormDeleter<TForm>>;
