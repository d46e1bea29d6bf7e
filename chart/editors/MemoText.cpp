#include "chart/editors/MemoText.h"

#include <string_view>

std::string TextOfMemo(const std::string& memoText) {
    std::string_view text = memoText;
    if (text.ends_with("\r\n")) text.remove_suffix(2);
    std::string result;
    for (char c : text)
        if (c != '\n') result.push_back(c);
    return result;
}
