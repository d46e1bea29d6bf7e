#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/EditorOptions.h"
#include "chart/foundation/TeeExportData.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "tests/support/ScratchSettings.h"

namespace {

TEST(EditorOptions, DefaultsUntilWrittenAndTypesAreChecked) {
    TScratchSettings home;
    EXPECT_TRUE(ReadEditorOptionBool("SmoothGallery", true));  // no key yet
    EXPECT_EQ(ReadEditorOptionInt("GalleryWidth", 7), 7);
    WriteEditorOptionBool("SmoothGallery", false);
    WriteEditorOptionInt("GalleryWidth", 420);
    EXPECT_FALSE(ReadEditorOptionBool("SmoothGallery", true));
    EXPECT_EQ(ReadEditorOptionInt("GalleryWidth", 7), 420);
    EXPECT_EQ(ReadEditorOptionInt("GalleryHeight", 9), 9);  // key there, value missing
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(EditorRegistryKey, true));
        registry.WriteString("Left", "wide");
    }
    EXPECT_THROW(ReadEditorOptionInt("Left", 0), ERegistryException);
}

TEST(EditorHooks, ControlsEnableTogetherAndHooksRunOnlyWhenSet) {
    TButton a(nullptr), b(nullptr);
    SetControlsEnabled(false, {&a, nullptr, &b});
    EXPECT_FALSE(a.Enabled());
    EXPECT_FALSE(b.Enabled());

    std::string text = "Axis";
    ApplyTextHook(text, nullptr);  // none set: nothing happens
    ApplyFormHook(&a);
    int index = 0;
    FormHook = [&](TForm*, void*, int i) { index = i; };
    TextHook = [](std::string& t, void*) { t += "!"; };
    ApplyFormHook(&a);
    ApplyTextHook(text, nullptr);
    FormHook = nullptr;
    TextHook = nullptr;
    EXPECT_EQ(index, -1);
    EXPECT_EQ(text, "Axis!");
}

class TTwoLines : public TTeeExportData {
public:
    std::string AsText() override { return "x;y\r\n1;caf\u00e9\r\n"; }
};

TEST(TeeExportData, StreamFileAndClipboardCarryTheText) {
    TTeeExportData empty;
    TMemoryStream none;
    empty.SaveToStream(none);
    EXPECT_EQ(none.Size(), 0);

    TTwoLines data;
    TMemoryStream stream;
    data.SaveToStream(stream);
    EXPECT_EQ(std::string(stream.Memory(), size_t(stream.Size())), "x;y\r\n1;caf\xe9\r\n");

    const std::string dir = [] {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/kv_exp_XXXXXX";
        return std::string(mkdtemp(pattern.data()));
    }();
    const std::string file = dir + "/data.txt";
    data.SaveToFile(file);
    TMemoryStream read;
    read.LoadFromFile(file);
    EXPECT_EQ(read.Size(), stream.Size());
    std::filesystem::remove_all(dir);

    data.CopyToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), data.AsText());
}

}  // namespace
