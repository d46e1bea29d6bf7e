// The settings file: a file that loads is saved (a value written makes the store save it), and
// what was saved loads and saves to the same bytes again.
#include "fuzz/FuzzFiles.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Registry.h"

namespace {

// Loads the file, writes one value into it and gives the bytes saved.
std::string LoadAndSave(const std::string& fileName) {
    TRegistry store(fileName);
    store.OpenKey("\\Fuzz", true);
    store.WriteString("Harness", "1");
    return FuzzFileBytes(fileName);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string fileName = FuzzFolder().File("settings.ini");
    WriteFuzzFile(fileName, data, size);
    return RunFuzzInput([&] {
        const std::string saved = LoadAndSave(fileName);
        FuzzCheck(LoadAndSave(fileName) == saved,
                  "a settings file saved and loaded saves otherwise");
    });
}
