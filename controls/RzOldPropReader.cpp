#include "controls/RzOldPropReader.h"

#include "controls/RzCustomEdit.h"
#include "platform/classes/ClassErrors.h"
#include "platform/classes/PropInfo.h"
#include "platform/classes/Reader.h"
#include "platform/rtl/Exceptions.h"

void TRzOldPropReader::SkipBoolean(TReader& reader) { reader.ReadBoolean(); }

void TRzOldPropReader::SkipIdent(TReader& reader) { reader.ReadIdent(); }

void TRzOldPropReader::SkipSet(TReader& reader) {
    reader.CheckValue(vaSet);
    while (!reader.ReadStr().empty()) {
    }
}

void DefineDroppedProperty(TFiler& filer, const char* name, void (*skip)(TReader&)) {
    filer.DefineProperty(name, skip, nullptr, false);
}

void DefineOldFrameProperties(TFiler& filer, const std::function<void(bool)>& frameFlat,
                              const std::function<void(TFrameStyle)>& focusStyle) {
    filer.DefineProperty(
        "FrameFlat", [&frameFlat](TReader& reader) { frameFlat(reader.ReadBoolean()); }, nullptr,
        false);
    filer.DefineProperty(
        "FrameFocusStyle",
        [&focusStyle](TReader& reader) {
            const int style = FrameStyleNames().Value(reader.ReadIdent());
            if (style < 0) throw EReadError(SInvalidPropertyValue);
            focusStyle(TFrameStyle(style));
        },
        nullptr, false);
    DefineDroppedProperty(filer, "FrameFlatStyle", &TRzOldPropReader::SkipIdent);
}
