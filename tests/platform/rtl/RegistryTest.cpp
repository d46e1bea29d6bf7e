#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/rtl/ProgramName.h"
#include "platform/rtl/Registry.h"
#include "tests/support/KeptInputs.h"
#include "tests/support/TempDir.h"

namespace {

class RegistryTest : public testing::Test {
protected:
    TTempDir dir;
    std::string file = dir.File("settings.ini");
};

TEST_F(RegistryTest, TypedValuesRoundTripThroughTheFile) {
    {
        TRegistry reg(file);
        EXPECT_FALSE(reg.OpenKey("Software\\Maker\\Program\\Editor", false));
        ASSERT_TRUE(reg.OpenKey("Software\\Maker\\Program\\Editor", true));
        reg.WriteBool("ShowGallery", true);
        reg.WriteInteger("Width", -640);
        reg.WriteString("Last = file", "C:\\data\\a.txt\r\nsecond line");
        reg.WriteInteger("Width", 800);  // replaced, not added
    }
    TRegistry reg(file);
    EXPECT_TRUE(reg.KeyExists("\\software\\maker\\PROGRAM\\editor"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Maker\\Program\\Editor"));
    EXPECT_TRUE(reg.ReadBool("ShowGallery"));
    EXPECT_EQ(reg.ReadInteger("width"), 800);
    EXPECT_EQ(reg.ReadString("Last = file"), "C:\\data\\a.txt\r\nsecond line");
    EXPECT_EQ(reg.GetDataType("ShowGallery"), rdInteger);
    EXPECT_THROW(reg.WriteInteger("Width", 1), ERegistryException);  // read-only

    ASSERT_TRUE(reg.OpenKey("\\Software\\Maker\\Program\\Editor", false));
    EXPECT_TRUE(reg.DeleteValue("ShowGallery"));
    EXPECT_FALSE(reg.DeleteValue("ShowGallery"));
    TRegistry again(file);
    ASSERT_TRUE(again.OpenKey("Software\\Maker\\Program\\Editor", false));
    EXPECT_FALSE(again.ValueExists("ShowGallery"));
    EXPECT_TRUE(again.ValueExists("Width"));
}

TEST_F(RegistryTest, WrongTypeAndMissingValuesRaiseTheRegistryErrors) {
    TRegistry reg(file);
    ASSERT_TRUE(reg.OpenKey("Software\\Test", true));
    reg.WriteString("Name", "text");
    reg.WriteInteger("Count", 3);
    const struct {
        std::function<void()> read;
        const char* message;
    } cases[] = {
        {[&] { reg.ReadInteger("Name"); }, "Invalid data type for 'Name'"},
        {[&] { reg.ReadBool("Name"); }, "Invalid data type for 'Name'"},
        {[&] { reg.ReadString("Count"); }, "Invalid data type for 'Count'"},
        {[&] { reg.ReadInteger("Missing"); }, "Failed to get data for 'Missing'"},
    };
    for (const auto& c : cases) {
        try {
            c.read();
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const ERegistryException& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    reg.CloseKey();
    EXPECT_THROW(reg.WriteInteger("Count", 1), ERegistryException);  // no key open
}

TEST_F(RegistryTest, ForeignLinesAreSkipped) {
    std::ofstream(file)
        << "junk before any key\n[Software\\X]\nbroken line\nA=dword:7\nB=qword:1\n";
    TRegistry reg(file);
    ASSERT_TRUE(reg.OpenKey("Software\\X", false));
    EXPECT_EQ(reg.ReadInteger("A"), 7);
    EXPECT_FALSE(reg.ValueExists("B"));
}

// The store's file after a load and a save (a value written under a key of its own, the same
// every time, makes the save).
std::string SavedAgain(const std::string& file) {
    {
        TRegistry reg(file);
        EXPECT_TRUE(reg.OpenKey("\\Saved", true));
        reg.WriteInteger("n", 1);
    }
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(RegistryTest, EveryCharacterOfNamesAndStringsSurvivesSavingAndLoading) {
    const std::string nul("\0", 1);
    const std::vector<std::pair<std::string, std::string>> values = {
        {"a" + nul + "b", "x" + nul + "y" + nul},
        {"[Key]", "[not a key]"},
        {";not a comment", ";"},
        {"back\\slash\\", "\\0 stays a backslash and a zero\\"},
        {"", "=sz:\r\n\t"},
    };
    {
        TRegistry reg(file);
        ASSERT_TRUE(reg.OpenKey("Software\\Test", true));
        for (const auto& [name, value] : values) reg.WriteString(name, value);
    }
    TRegistry reg(file);
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Test"));
    for (const auto& [name, value] : values) EXPECT_EQ(reg.ReadString(name), value) << name;
    // A raw NUL in a file (the former writer's) is a character of the value, not its end.
    std::ofstream(file, std::ios::binary) << "[K]\n=sz:a" + nul + "b\\0\n";
    TRegistry raw(file);
    ASSERT_TRUE(raw.OpenKeyReadOnly("K"));
    EXPECT_EQ(raw.ReadString(""), "a" + nul + "b" + nul);
}

// The settings files that once read back otherwise after a save: the second save writes what the
// first wrote.
TEST_F(RegistryTest, KeptInputsSaveAsTheyLoaded) {
    const std::vector<TKeptInput> inputs =
        KeptInputs(std::filesystem::path(KV_FUZZ_REGRESSIONS) / "settings");
    EXPECT_FALSE(inputs.empty());
    for (const TKeptInput& input : inputs) {
        SCOPED_TRACE(input.Name);
        std::ofstream(file, std::ios::binary) << input.Bytes;
        const std::string first = SavedAgain(file);
        EXPECT_EQ(SavedAgain(file), first);
    }
    // The escaped NUL of the first input is one NUL character, before and after saving.
    std::ofstream(file, std::ios::binary) << std::string("[]\n=sz:\\\0", 9);
    for (int save = 0; save < 2; ++save) {
        TRegistry reg(file);
        ASSERT_TRUE(reg.OpenKeyReadOnly("\\"));
        EXPECT_EQ(reg.ReadString(""), std::string(1, '\0')) << save;
        SavedAgain(file);
    }
}

TEST(Registry, DefaultFileIsNamedAfterTheProgram) {
    // The configuration folder comes from the environment, restored on every path.
    struct TConfigHome {
        std::optional<std::string> Former;
        TConfigHome() {
            if (const char* v = std::getenv("XDG_CONFIG_HOME")) Former = v;
            setenv("XDG_CONFIG_HOME", "/config-home", 1);
        }
        ~TConfigHome() {
            if (Former)
                setenv("XDG_CONFIG_HOME", Former->c_str(), 1);
            else
                unsetenv("XDG_CONFIG_HOME");
        }
    } home;
    for (const char* name : {"Program One", "other"}) {
        SetProgramName(name);
        EXPECT_EQ(TRegistry::DefaultFileName(),
                  "/config-home/" + std::string(name) + "/settings.ini");
    }
}

}  // namespace
