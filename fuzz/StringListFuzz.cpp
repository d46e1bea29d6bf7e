// Text lists: the input as a text file, as comma text and as delimited text; each list is written
// in the same form and must read back to the same lines.
#include <string>

#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/StringList.h"

namespace {

bool SameLines(const TStringList& a, const TStringList& b) {
    if (a.Count() != b.Count()) return false;
    for (int i = 0; i < a.Count(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

void CheckFile(const uint8_t* data, size_t size) {
    TStringList lines, again;
    TMemoryStream in, out;
    FillStream(in, data, size);
    lines.LoadFromStream(in);
    lines.SaveToStream(out);
    out.SetPosition(0);
    again.LoadFromStream(out);
    FuzzCheck(SameLines(lines, again), "a text file read back has other lines");
}

void CheckDelimited(const std::string& s, bool strict) {
    TStringList lines, again;
    lines.SetStrictDelimiter(strict);
    again.SetStrictDelimiter(strict);
    lines.SetDelimiter(';');
    again.SetDelimiter(';');
    lines.SetDelimitedText(s);
    again.SetDelimitedText(lines.DelimitedText());
    FuzzCheck(SameLines(lines, again), "delimited text read back has other lines");
}

void CheckComma(const std::string& s) {
    TStringList lines, again;
    lines.SetCommaText(s);
    again.SetCommaText(lines.CommaText());
    FuzzCheck(SameLines(lines, again), "comma text read back has other lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string s(reinterpret_cast<const char*>(data), size);
    RunFuzzInput([&] { CheckFile(data, size); });
    RunFuzzInput([&] { CheckComma(s); });
    RunFuzzInput([&] { CheckDelimited(s, false); });
    RunFuzzInput([&] { CheckDelimited(s, true); });
    return 0;
}
