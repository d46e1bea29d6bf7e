#pragma once
// A setting a series starts with otherwise than its class's published default (a brush clear
// from the start): the writer leaves out a value equal to the class default, which a reader
// would then replace with the series' own starting value. Such a value is written in a stream
// entry of its own, a flag that puts it back when read.
#include <functional>
#include <string>

#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"

inline void DefineOwnDefaultEntry(TFiler& filer, const std::string& name, bool atClassDefault,
                                  std::function<void()> restore) {
    filer.DefineProperty(
        name,
        [restore = std::move(restore)](TReader& r) {
            if (r.ReadBoolean()) restore();
        },
        [](TWriter& w) { w.WriteBoolean(true); }, atClassDefault);
}

class TCustomSeries;
// The marks and pointer settings of series that start with transparent marks and a pointer that
// does not widen the margins (bubbles, arrows): opaque marks and widening pointers are stored.
void DefineMarksAndPointerEntries(TFiler& filer, TCustomSeries& series);
