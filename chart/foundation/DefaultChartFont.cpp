#include "chart/foundation/DefaultChartFont.h"

#include <cstdlib>
#include <string_view>

#include "chart/foundation/LibraryTexts.h"
#include "platform/rtl/NumberText.h"

std::string DefaultChartFontName = "Arial";
int DefaultChartFontSize = 8;

bool UserLanguageIsJapanese() {
    // The first of these that is set names the language, as the C library reads them.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return std::string_view(value).starts_with("ja");
    }
    return false;
}

void SetupDefaultChartFont() { SetupDefaultChartFont(UserLanguageIsJapanese()); }

void SetupDefaultChartFont(bool japanese) {
    // Before the texts are loaded the size text is empty: the usual 8 stands in.
    DefaultChartFontSize = StrToIntDef(TxtDefaultFontSize, 8);
    DefaultChartFontName = TxtDefaultFontName;
    if (!japanese) return;
    if (DefaultChartFontSize == 8) DefaultChartFontSize = 9;
    if (DefaultChartFontName == "Arial")
        DefaultChartFontName = "\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af";
}
