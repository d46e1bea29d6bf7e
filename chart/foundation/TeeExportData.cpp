#include "chart/foundation/TeeExportData.h"

#include "platform/db/AtomicFile.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"

TTeeExportData::TTeeExportData() = default;
TTeeExportData::~TTeeExportData() = default;

std::string TTeeExportData::AsText() { return {}; }

void TTeeExportData::CopyToClipboard() { Clipboard()->SetAsText(AsText()); }

void TTeeExportData::SaveToFile(const std::string& FileName) {
    SaveFileAtomic(FileName, [this](TStream& stream) { SaveToStream(stream); });
}

void TTeeExportData::SaveToStream(TStream& Stream) {
    // One byte per character: the text leaves in the single-byte code page.
    const std::string bytes = Utf8ToCp1252(AsText());
    Stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}
