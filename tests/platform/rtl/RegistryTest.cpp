#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>

#include "platform/rtl/ProgramName.h"
#include "platform/rtl/Registry.h"
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
