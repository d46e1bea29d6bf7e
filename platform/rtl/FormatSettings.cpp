#include "platform/rtl/FormatSettings.h"

TFormatSettings& FormatSettings() {
    static TFormatSettings settings;
    return settings;
}
