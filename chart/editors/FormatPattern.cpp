#include "chart/editors/FormatPattern.h"

#include <algorithm>

#include "platform/rtl/FormatSettings.h"

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// Removes the first occurrence of what; true when there was one.
bool RemoveFirst(std::string& text, const std::string& what) {
    if (what.empty()) return false;
    size_t at = text.find(what);
    if (at == std::string::npos) return false;
    text.erase(at, what.size());
    return true;
}

}  // namespace

std::vector<std::string> DateFormatPresets() {
    std::vector<std::string> list{"mm-yyyy", "mm-dd-yy", "dd-mm-yyyy", "mmm", "ddd", "MM"};
    for (const std::string& f :
         {FormatSettings().ShortDateFormat, FormatSettings().ShortTimeFormat})
        if (!Contains(list, f)) list.push_back(f);
    return list;
}

const std::vector<std::string>& GeographicFormatPresets() {
    // The degree sign, written as UTF-8 in memory.
    static const std::vector<std::string> list{"ddd\u00B0 mm' ss\".zzz",
                                               "ddd mm' ss\".zzz",
                                               "ddd deg mm' ss\".zzz",
                                               "ddd mm ss.zzz",
                                               "ddd mm ss",
                                               "ddd mm",
                                               "ddd\u00B0",
                                               "ddd"};
    return list;
}

const std::vector<std::string>& CustomFormatPresets() {
    static const std::vector<std::string> list{"#.#", "0.0%"};
    return list;
}

const std::string& LocaleCurrencyString() {
    static const std::string currency = "$";
    return currency;
}

TFormatChoices DecomposeFormat(const std::string& pattern) {
    TFormatChoices c;
    if (Contains(DateFormatPresets(), pattern)) {
        c.Kind = fkDateTime;
        c.Text = pattern;
        return c;
    }
    if (Contains(GeographicFormatPresets(), pattern)) {
        c.Kind = fkGeographic;
        c.Text = pattern;
        return c;
    }
    const TFormatSettings& fs = FormatSettings();
    std::string copy = pattern;
    c.Percent = RemoveFirst(copy, "%");
    c.Currency = RemoveFirst(copy, LocaleCurrencyString());
    c.Thousands = RemoveFirst(copy, std::string(1, fs.ThousandSeparator));
    size_t dot = copy.find(fs.DecimalSeparator);
    if (dot != std::string::npos) {
        size_t end = dot + 1;
        while (end < copy.size() && (copy[end] == '#' || copy[end] == '0')) ++end;
        c.Decimals = int(end - dot - 1);
        c.FixedDecimals = c.Decimals >= 1 && copy[dot + 1] == '0';
        copy.erase(dot, end - dot);
    }
    if (copy.find_first_not_of("#0") != std::string::npos) {
        TFormatChoices custom;
        custom.Kind = fkCustom;
        custom.Text = pattern;
        return custom;
    }
    c.Kind = fkNumber;
    c.FixedDigits = int(std::count(copy.begin(), copy.end(), '0'));
    return c;
}

std::string BuildFormat(const TFormatChoices& c) {
    if (c.Kind != fkNumber) return c.Text;
    const TFormatSettings& fs = FormatSettings();
    const std::string thousands(1, fs.ThousandSeparator);
    std::string s = c.Currency ? LocaleCurrencyString() : std::string();
    const int f = c.FixedDigits;
    if (f <= 0)
        s += c.Thousands ? "#,###" : "#";
    else if (!c.Thousands)
        s += std::string(size_t(f), '0');
    else if (f <= 3)
        s += "#" + thousands + std::string(size_t(3 - f), '#') + std::string(size_t(f), '0');
    else
        s += std::string(size_t(f - 3), '0') + thousands + "000";
    if (c.Decimals > 0)
        s += fs.DecimalSeparator + std::string(size_t(c.Decimals), c.FixedDecimals ? '0' : '#');
    if (c.Percent) s += "%";
    return s;
}
