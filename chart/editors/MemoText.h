#pragma once
// The text of a memo as a text shape keeps it.
#include <string>

// Lines separated by carriage returns alone. The memo ends its last line with a break too,
// which is no line of the text.
std::string TextOfMemo(const std::string& memoText);
