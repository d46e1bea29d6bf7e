#include "platform/rtl/ProgramName.h"

#include <cassert>

namespace {
std::string& NameStore() {
    static std::string name;
    return name;
}
}  // namespace

void SetProgramName(const std::string& name) {
    assert(!name.empty() && name.find('/') == std::string::npos &&
           "a program name is a folder name");
    NameStore() = name;
}

const std::string& ProgramName() {
    assert(!NameStore().empty() && "the program sets its name at start-up (SetProgramName)");
    return NameStore();
}
