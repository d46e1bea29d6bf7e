#pragma once
// A number format pattern taken apart into the choices of the format dialog, and put together
// again from them. The locale's separators and currency string are those of FormatSettings();
// a pattern found in the dialog's date or geographic list opens as that kind unchanged.
#include <string>
#include <vector>

enum TFormatKind { fkNumber, fkDateTime, fkGeographic, fkCustom };

struct TFormatChoices {
    TFormatKind Kind = fkNumber;
    bool Percent = false;
    bool Currency = false;
    bool Thousands = false;
    int Decimals = 0;
    // Decimals written as '0' (always shown) instead of '#'.
    bool FixedDecimals = false;
    // Integer digits always shown.
    int FixedDigits = 0;
    // The pattern itself for the date-time, geographic and custom kinds.
    std::string Text;
};

// The dialog's date list: its own entries, then the locale's short date and short time formats
// when they are not already there.
std::vector<std::string> DateFormatPresets();
// The degree, minute and second patterns of the geographic choice, in the dialog's order.
const std::vector<std::string>& GeographicFormatPresets();
// The custom list the dialog starts with.
const std::vector<std::string>& CustomFormatPresets();

// The currency string the number patterns put in front.
const std::string& LocaleCurrencyString();

TFormatChoices DecomposeFormat(const std::string& pattern);
// The pattern the choices describe (custom, date-time and geographic: their text).
std::string BuildFormat(const TFormatChoices& choices);
