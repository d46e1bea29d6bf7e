// Number and date parsing: the input is read as an integer, a float, a date, a time and a
// date-time; what reads is written out by the matching formatter and must read back to a value
// that formats the same. The input also serves as a format pattern for a float and a date.
#include <cmath>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"

namespace {

void CheckInteger(const std::string& s) {
    int value;
    if (!TryStrToInt(s, value)) return;
    int back;
    FuzzCheck(TryStrToInt(IntToStr(value), back) && back == value,
              "an integer does not read back from its text");
}

void CheckFloat(const std::string& s) {
    long double value;
    if (!TryStrToFloat(s, value) || !std::isfinite(value)) return;
    const std::string text = FloatToStr(value);
    long double back;
    FuzzCheck(TryStrToFloat(text, back), "the text of a float does not read: " + text);
    FuzzCheck(FloatToStr(back) == text, "a float read back formats otherwise: " + text);
}

void CheckDateTime(const std::string& s) {
    TDateTime value;
    (void)TryStrToDate(s, value);
    (void)TryStrToTime(s, value);
    if (!TryStrToDateTime(s, value)) return;
    const std::string text = DateTimeToStr(value);
    TDateTime back;
    FuzzCheck(TryStrToDateTime(text, back), "the text of a date-time does not read: " + text);
    // The text shows whole seconds, and leaves the time out at midnight: a time under a second
    // after midnight reads back as midnight itself, whose text is the date alone. So what is
    // read back may lie up to a second away, and its own text must then read back as it is.
    FuzzCheck(std::fabs(back - value) * SecsPerDay < 1.001,
              "a date-time read back lies a second or more away: " + text);
    const std::string again = DateTimeToStr(back);
    TDateTime backAgain;
    FuzzCheck(TryStrToDateTime(again, backAgain) && backAgain == back,
              "a date-time read back does not read back from its own text: " + again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string s(reinterpret_cast<const char*>(data), size);
    RunFuzzInput([&] { CheckInteger(s); });
    RunFuzzInput([&] { CheckFloat(s); });
    RunFuzzInput([&] { CheckDateTime(s); });
    RunFuzzInput([&] { (void)FormatFloat(s, -1234.5625L); });
    RunFuzzInput([&] { (void)FormatDateTime(s, 45678.75); });
    return 0;
}
