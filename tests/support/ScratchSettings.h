#pragma once
// The settings store in a fresh folder of its own for the scope (the chart editor writes its
// options on every close), so that no test reads what another left or writes the user's own
// settings; the former folder comes back at the end.
#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/TempDir.h"

class TScratchSettings {
public:
    TScratchSettings() {
        if (const char* v = std::getenv("XDG_CONFIG_HOME")) FFormer = v;
        setenv("XDG_CONFIG_HOME", FDir.Str().c_str(), 1);
    }
    ~TScratchSettings() {
        if (FFormer)
            setenv("XDG_CONFIG_HOME", FFormer->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    TScratchSettings(const TScratchSettings&) = delete;
    TScratchSettings& operator=(const TScratchSettings&) = delete;

private:
    TTempDir FDir;
    std::optional<std::string> FFormer;
};
