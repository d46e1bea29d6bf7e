// The placeable metafile reader and its playback.
#include "fuzz/FuzzSupport.h"
#include "fuzz/MetafileFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckMetafile(data, size, false);
    return 0;
}
