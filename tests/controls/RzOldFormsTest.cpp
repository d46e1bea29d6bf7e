// Forms stored by older versions of the controls: properties since dropped are read into the
// ones that replaced them (or thrown away), and the frame controller's and the settings store's
// stored settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "controls/RzBalloonHints.h"
#include "controls/RzFrameController.h"
#include "controls/RzOldPropReader.h"
#include "controls/RzRegIniFile.h"
#include "controls/RzSpinEdit.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/GraphicsInit.h"
#include "platform/rtl/Registry.h"
#include "platform/ui/Form.h"
#include "tests/support/ComponentText.h"
#include "tests/support/TempDir.h"

namespace {

void RegisterControls() {
    RegisterGraphicsClasses();  // the colour names
    RegisterClasses({&TRzFrameController::StaticClass(), &TRzSpinEdit::StaticClass(),
                     &TRzBalloonHints::StaticClass(), &TRzRegIniFile::StaticClass()});
}

// A form whose stream holds the components it owns, as a form file does.
class TOwnerForm : public TForm {
public:
    using TForm::TForm;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) override {
        for (int i = 0; i < ComponentCount(); ++i)
            if (!Components(i)->HasParent()) proc(Components(i));
    }
};

template <class T>
T* Find(TComponent& owner, const char* name) {
    return dynamic_cast<T*>(owner.FindComponent(name));
}

}  // namespace

// A form of the old kind: every obsolete property lands in its current place or is dropped,
// and what is written back holds none of them.
TEST(RzOldForms, ObsoletePropertiesAreReadIntoTheCurrentOnes) {
    RegisterControls();
    TOwnerForm form(nullptr);
    ReadText(
        "object OldForm: TForm\r\n"
        "  object Controller: TRzFrameController\r\n"
        "    FrameSides = [sdTop, sdBottom]\r\n"
        "    FrameFlat = True\r\n"
        "    FrameFocusStyle = fsButtonDown\r\n"
        "    FrameFlatStyle = fsGroove\r\n"
        "    FocusColor = clYellow\r\n"
        "  end\r\n"
        "  object Flat: TRzSpinEdit\r\n"
        "    FrameFlat = True\r\n"
        "    FrameFlatStyle = fsFlatBold\r\n"
        "    FlatButtonParentColor = True\r\n"
        "    Value = 7\r\n"
        "  end\r\n"
        "  object NotFlat: TRzSpinEdit\r\n"
        "    FrameFlat = False\r\n"
        "    FrameFocusStyle = fsRaised\r\n"
        "  end\r\n"
        "  object Linked: TRzSpinEdit\r\n"
        "    FrameController = Controller\r\n"
        "  end\r\n"
        "  object Hints: TRzBalloonHints\r\n"
        "    BalloonStyle = bsRounded\r\n"
        "    Shadow = True\r\n"
        "    CaptionWidth = 150\r\n"
        "  end\r\n"
        "end\r\n",
        form);

    auto* controller = Find<TRzFrameController>(form, "Controller");
    ASSERT_NE(controller, nullptr);
    EXPECT_TRUE(controller->FrameHotTrack());
    EXPECT_TRUE(controller->FrameVisible());
    EXPECT_EQ(controller->FrameStyle(), fsStatus);
    EXPECT_EQ(controller->FrameHotStyle(), fsButtonDown);            // the later property wins
    EXPECT_EQ(controller->FrameSides(), (TSides{sdTop, sdBottom}));  // kept while loading

    auto* flat = Find<TRzSpinEdit>(form, "Flat");
    ASSERT_NE(flat, nullptr);
    EXPECT_TRUE(flat->FrameHotTrack());
    EXPECT_TRUE(flat->FrameVisible());
    EXPECT_EQ(flat->FrameStyle(), fsStatus);
    EXPECT_EQ(flat->FrameHotStyle(), fsLowered);
    EXPECT_EQ(flat->Text(), "7");

    auto* notFlat = Find<TRzSpinEdit>(form, "NotFlat");
    ASSERT_NE(notFlat, nullptr);
    EXPECT_FALSE(notFlat->FrameHotTrack());
    EXPECT_EQ(notFlat->FrameStyle(), fsFlat);
    EXPECT_EQ(notFlat->FrameHotStyle(), fsRaised);

    // After loading the controller gave the linked edit every setting.
    auto* linked = Find<TRzSpinEdit>(form, "Linked");
    ASSERT_NE(linked, nullptr);
    EXPECT_EQ(linked->FrameController(), controller);
    EXPECT_TRUE(linked->FrameHotTrack());
    EXPECT_EQ(linked->FrameStyle(), fsStatus);
    EXPECT_EQ(linked->FrameHotStyle(), fsButtonDown);
    EXPECT_EQ(linked->FrameSides(), (TSides{sdTop, sdBottom}));
    EXPECT_EQ(linked->FocusColor(), clYellow);

    auto* hints = Find<TRzBalloonHints>(form, "Hints");
    ASSERT_NE(hints, nullptr);
    EXPECT_EQ(hints->CaptionWidth(), 150);

    const std::string written = StreamText(form);
    for (const char* gone :
         {"FrameFlat", "FrameFocusStyle", "FlatButtonParentColor", "BalloonStyle", " Shadow ="})
        EXPECT_EQ(written.find(gone), std::string::npos) << gone << "\n" << written;
    // The settings the controller feeds are its own to store.
    const size_t start = written.find("object Linked");
    const std::string linkedText = written.substr(start, written.find("end", start) - start);
    for (const char* fed : {"FrameStyle", "FrameHotStyle", "FrameHotTrack", "FrameSides",
                            "FrameVisible", "FocusColor"})
        EXPECT_EQ(linkedText.find(fed), std::string::npos) << fed << "\n" << linkedText;
}

// An obsolete property with a value of the wrong kind fails as any bad value does.
TEST(RzOldForms, WrongValuesOfObsoletePropertiesFail) {
    RegisterControls();
    for (const char* line : {"FrameFlat = fsFlat", "FrameFocusStyle = fsBogus",
                             "FrameFocusStyle = True", "FlatButtonParentColor = 3"}) {
        TRzSpinEdit edit(nullptr);
        EXPECT_THROW(
            ReadText(std::string("object E: TRzSpinEdit\r\n  ") + line + "\r\nend\r\n", edit),
            EReadError)
            << line;
    }
}

TEST(RzOldPropReader, EachSkipConsumesOneValue) {
    TMemoryStream stream;
    const uint8_t bytes[] = {vaTrue, vaIdent, 4,   'f', 's', 'u', 'p', vaSet, 5,       's',    'd',
                             'T',    'o',     'p', 3,   's', 'd', 'X', 0,     vaFalse, vaInt8, 42};
    stream.WriteBuffer(bytes, sizeof bytes);
    stream.SetPosition(0);
    TReader reader(stream);
    TRzOldPropReader::SkipBoolean(reader);
    TRzOldPropReader::SkipIdent(reader);
    TRzOldPropReader::SkipSet(reader);
    TRzOldPropReader::SkipBoolean(reader);
    EXPECT_EQ(reader.ReadInteger(), 42);
    stream.SetPosition(0);
    EXPECT_THROW(TRzOldPropReader::SkipSet(reader), EReadError);
}

// The controller's whole table goes through a form and back; Color is left out while it
// follows the parent, and the settings store is referred to by name.
TEST(RzFrameControllerStream, SettingsAndTheStoreRoundTrip) {
    RegisterControls();
    TOwnerForm form(nullptr);
    auto* store = new TRzRegIniFile(&form);
    store->SetName("Store");
    auto* controller = new TRzFrameController(&form);
    controller->SetName("Controller");
    controller->SetFrameHotStyle(fsGroove);
    controller->SetFrameSides(TSides{sdLeft});
    controller->SetFrameStyle(fsBump);
    controller->SetFramingPreference(fpCustomFraming);
    controller->SetColor(clRed);
    controller->SetRegIniFile(store);
    std::string text = StreamText(form);
    EXPECT_NE(text.find("Color = clRed"), std::string::npos) << text;
    controller->SetParentColor(true);
    text = StreamText(form);
    EXPECT_EQ(text.find("    Color = "), std::string::npos) << text;

    TOwnerForm copy(nullptr);
    ReadText(text, copy);
    auto* read = Find<TRzFrameController>(copy, "Controller");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->FrameHotStyle(), fsGroove);
    EXPECT_EQ(read->FrameSides(), TSides{sdLeft});
    EXPECT_EQ(read->FrameStyle(), fsBump);
    EXPECT_EQ(read->FramingPreference(), fpCustomFraming);
    EXPECT_TRUE(read->ParentColor());
    ASSERT_EQ(read->RegIniFile(), Find<TRzRegIniFile>(copy, "Store"));
    delete read->RegIniFile();
    EXPECT_EQ(read->RegIniFile(), nullptr);
}

// The store's description: every change asks for a fresh store, which is then the file the
// path names (or the program's settings store without one).
TEST(RzRegIniFile, StoreFollowsTheDescription) {
    TTempDir dir;
    TRzRegIniFile file(nullptr);
    EXPECT_EQ(file.PathType(), ptIniFile);
    EXPECT_EQ(file.RegKey(), hkeyCurrentUser);
    EXPECT_EQ(file.RegAccess(), TRzRegAccess{keyAllAccess});
    EXPECT_EQ(file.SpecialFolder(), sfNone);
    EXPECT_EQ(file.FileEncoding(), feDefault);
    EXPECT_TRUE(file.NeedsRefresh());

    const std::string first = (dir.Path() / "first.ini").string();
    file.SetPath(first);
    TRegistry& store = file.Store();
    EXPECT_FALSE(file.NeedsRefresh());
    EXPECT_EQ(store.FileName(), first);
    EXPECT_EQ(&file.Store(), &store);
    ASSERT_TRUE(store.OpenKey("Frames", true));
    store.WriteInteger("Style", 3);
    EXPECT_TRUE(std::filesystem::exists(first));

    file.SetRegKey(hkeyCurrentUser);  // unchanged: nothing to refresh
    EXPECT_FALSE(file.NeedsRefresh());
    const std::string second = (dir.Path() / "second.ini").string();
    file.SetPath(second);
    EXPECT_TRUE(file.NeedsRefresh());
    EXPECT_EQ(file.Store().FileName(), second);
    file.SetPathType(ptRegistry);
    EXPECT_EQ(file.Store().FileName(), TRegistry::DefaultFileName());
}
