#include "chart/editors/EditorRoutines.h"

#include "platform/rtl/Strings.h"

void AddValueFormatPresets(TStrings& list) {
    for (const char* format : {"#,##0.###", "0", "0.0", "0.#", "#.#", "#,##0.00;(#,##0.00)",
                               "00e-0", "#.0 \"x10\" E+0", "#.# x10E-#"})
        list.Add(format);
}
