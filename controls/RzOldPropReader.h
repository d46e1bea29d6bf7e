#pragma once
// Reading forms stored by older versions of the controls: properties they had and the current
// ones dropped are read and either mapped onto what replaced them or thrown away, so that an
// old form still loads.
#include <functional>

#include "controls/RzCommon.h"

class TFiler;
class TReader;

// Each consumes one stored value: a Boolean; an identifier; a set (its element names up to the
// empty name that ends it). A value of another kind fails as an invalid property value.
class TRzOldPropReader {
public:
    static void SkipBoolean(TReader& reader);
    static void SkipIdent(TReader& reader);
    static void SkipSet(TReader& reader);
};

// The frame properties of old framed controls, for DefineProperties: "FrameFlat" (a Boolean,
// given to frameFlat), "FrameFocusStyle" (a frame style by name, given to focusStyle) and
// "FrameFlatStyle" (dropped). Nothing is written.
void DefineOldFrameProperties(TFiler& filer, const std::function<void(bool)>& frameFlat,
                              const std::function<void(TFrameStyle)>& focusStyle);
// One dropped property: read with skip, never written.
void DefineDroppedProperty(TFiler& filer, const char* name, void (*skip)(TReader&));
