#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "engine/EngineTables.h"
#include "engine/Global.h"
#include "platform/db/AtomicFile.h"
#include "tests/platform/db/PacketFixtures.h"
#include "tests/workbench/WorkbenchFixtures.h"
#include "workbench/WorkbenchData.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* EmptyDatabaseMessage =
    "File kavri320.dbs not found or corrupted\rEmpty database will be created";

// A valid packet with one change that makes the reader refuse it.
std::string Damaged(std::string bytes, size_t at, std::string with) {
    return bytes.replace(at, with.size(), with);
}

}  // namespace

TEST(WorkbenchData, FreshStartCreatesFoldersAndWritesTheEmptyDatabases) {
    TTempDir exe;
    TRecordingMessages messages;
    TWorkbenchData data(messages, exe.Str() + "/");
    data.StartUp();

    for (const char* dir : {"data/Cavities", "data/Wavelengths", "data/Datasets", "data/Results",
                            "data/Reports", "db"})
        EXPECT_TRUE(fs::is_directory(exe.Path() / dir)) << dir;
    EXPECT_EQ(Shared.DbDir, exe.Str() + "/db/");
    EXPECT_EQ(Shared.ReportsDir, exe.Str() + "/data/Reports");
    EXPECT_EQ(Shared.ProgramTitle, "KAVRI320");
    EXPECT_EQ(EngineTables.cdsMain, &data.Main.cdsMain);
    EXPECT_EQ(EngineTables.VCDataSets[4], &data.Main.cdsVC4);
    EXPECT_EQ(ResultTables.cdsSEERT, &data.Results.cdsSEERT);
    // One message, for the dataset database; the results database is created silently.
    EXPECT_EQ(messages.Shown, std::vector<std::string>{EmptyDatabaseMessage});
    EXPECT_TRUE(data.Main.cdsMain.Active() && data.Main.cdsMain.IsEmpty());
    EXPECT_TRUE(data.Results.cdsResults.Active() && data.Results.cdsResults.IsEmpty());

    data.Close();
    EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320.dbs"), PacketFixtures::FreshDatasetPacket());
    EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320res.dbs"),
              PacketFixtures::FreshResultsPacket());
    EXPECT_FALSE(fs::exists(exe.Path() / "db/kavri320.dbs.bad"));
}

TEST(WorkbenchData, UnreadableFilesAreKeptAsBadAndReplacedByEmptyDatabases) {
    const std::string dataset = PacketFixtures::FreshDatasetPacket();
    const std::string results = PacketFixtures::FreshResultsPacket();
    const size_t firstType = 24 + 1 + 11;  // type word of the first column
    struct Case {
        const char* what;
        std::string datasetFile, resultsFile;
        const char* reason;  // the reader's, shown below the message
    } cases[] = {
        {"version word 4", Damaged(dataset, 4, "\x04"), Damaged(results, 4, "\x04"),
         "Invalid data packet at byte 4: unsupported version 4.0"},
        {"flags without bit 0", Damaged(dataset, 18, std::string("\x02\0", 2)),
         Damaged(results, 18, std::string("\x02\0", 2)),
         "Invalid data packet at byte 18: flags without the packet bit"},
        {"array column", Damaged(dataset, firstType + 2, "\xC9"),
         Damaged(results, firstType + 2, "\xC9"),
         "Invalid data packet at byte 36: array column DatasetName"},
        {"empty file", "", "", "Invalid data packet at byte 0: the file is empty"},
        {"truncated file", dataset.substr(0, 400), results.substr(0, 555),
         "Invalid data packet at byte 399: unexpected end of data"},
        {"other database's file", results, dataset, "has 17 columns instead of 18"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTempDir exe;
        fs::create_directories(exe.Path() / "db");
        SaveFileAtomic(exe.Str() + "/db/kavri320.dbs", c.datasetFile);
        SaveFileAtomic(exe.Str() + "/db/kavri320res.dbs", c.resultsFile);
        SaveFileAtomic(exe.Str() + "/db/kavri320.dbs.bad", "an older copy");
        TRecordingMessages messages;
        TWorkbenchData data(messages, exe.Str());
        data.StartUp();

        // One message, the dataset database's with the reason on a line of its own.
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_TRUE(messages.Shown[0].starts_with(EmptyDatabaseMessage + std::string("\r")));
        EXPECT_TRUE(messages.Shown[0].ends_with(c.reason)) << messages.Shown[0];
        EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320.dbs.bad"), c.datasetFile);
        EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320res.dbs.bad"), c.resultsFile);
        EXPECT_FALSE(fs::exists(exe.Path() / "db/kavri320.dbs"));
        EXPECT_TRUE(data.Main.cdsMain.Active() && data.Main.cdsMain.IsEmpty());
        EXPECT_TRUE(data.Results.cdsResults.Active() && data.Results.cdsResults.IsEmpty());
        data.Close();
        EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320.dbs"), dataset);
    }
}

TEST(WorkbenchData, CloseSavesEverythingPostedAndThePendingEdit) {
    TTempDir exe;
    const double created = 46000.25 + 123.0 / 86400000;  // to the millisecond
    std::string firstFile;
    {
        TRecordingMessages messages;
        TWorkbenchData data(messages, exe.Str());
        data.StartUp();
        AddDataset(data.Main, "Cylinder", created, 3);
        AddDataset(data.Main, "cone \xC2\xB5", created + 1, 1);
        AddDataset(data.Main, "empty", created - 1, 0);
        data.Main.cdsMain.Locate("DatasetName", {TFieldValue(std::string("Cylinder"))});
        data.Main.cdsMain.Edit();
        SetField(data.Main.cdsMain, "Tref", 1);  // pending when the window closes
        data.Close();
        firstFile = LoadFileBytes(exe.Str() + "/db/kavri320.dbs");
    }
    TRecordingMessages messages;
    TWorkbenchData data(messages, exe.Str());
    data.StartUp();
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(Names(data.Main), (std::vector<std::string>{"cone \xC2\xB5", "Cylinder", "empty"}));
    ASSERT_TRUE(data.Main.cdsMain.Locate("DatasetName", {TFieldValue(std::string("Cylinder"))}));
    EXPECT_EQ(data.Main.cdsMain.FieldByName("Tref")->AsFloat(), 1);
    EXPECT_EQ(data.Main.cdsMainDateTime->AsDateTime(), created);
    EXPECT_EQ(data.Main.cdsMain.FieldByName("Rem")->AsString(), "comment of Cylinder");
    EXPECT_EQ(NestedCounts(data.Main), std::vector<int>(8, 3));
    data.Main.cdsMain.Last();
    EXPECT_TRUE(data.Main.cdsMain.FieldByName("Rem")->IsNull());
    EXPECT_EQ(NestedCounts(data.Main), std::vector<int>(8, 0));
    // Saved again unchanged, the file is the same: rows in insertion order, every value kept.
    data.Close();
    EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320.dbs"), firstFile);
}

// Nested rows posted since the dataset row began its edit are saved with it; a pending row its
// table refuses (a temperature point without Xi) is the user's to drop: No writes nothing and
// leaves the row for mending, Yes drops that row only.
TEST(WorkbenchData, CloseAsksBeforeDroppingARowThatCannotBePosted) {
    TTempDir exe;
    TRecordingMessages messages;
    TWorkbenchData data(messages, exe.Str());
    data.StartUp();
    AddDataset(data.Main, "Cylinder", 46000, 1);
    data.Close();
    const std::string saved = LoadFileBytes(exe.Str() + "/db/kavri320.dbs");
    TDatasetDatabase& db = data.Main;
    AddRow(db.cdsWavelengths, {{"Wavelength", 7}});  // posted: the dataset row now edits
    db.cdsTemperatures.Append();
    SetField(db.cdsTemperatures, "T", 500);
    ASSERT_EQ(db.cdsMain.State(), dsEdit);

    messages.Answer = false;
    EXPECT_FALSE(data.Close());
    const std::string question = std::string("Field 'Xi' must have a value") + DiscardRowQuestion;
    EXPECT_EQ(messages.Asked, std::vector<std::string>{question});
    EXPECT_EQ(db.cdsTemperatures.State(), dsInsert);
    EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320.dbs"), saved);

    messages.Answer = true;
    EXPECT_TRUE(data.Close());
    EXPECT_EQ(messages.Asked, (std::vector<std::string>{question, question}));
    EXPECT_EQ(db.cdsMain.State(), dsBrowse);
    TRecordingMessages quiet;
    TWorkbenchData again(quiet, exe.Str());
    again.StartUp();
    EXPECT_EQ(NestedCounts(again.Main), (std::vector<int>{1, 2, 1, 1, 1, 1, 1, 1}));
}

TEST(WorkbenchData, FailedSaveRaisesToTheClosingWindow) {
    TTempDir exe;
    TRecordingMessages messages;
    TWorkbenchData data(messages, exe.Str());
    data.StartUp();
    data.Close();
    AddDataset(data.Main, "new", 46000, 1);
    // A folder in the file's place makes the replacing rename fail.
    fs::rename(exe.Path() / "db/kavri320.dbs", exe.Path() / "db/old");
    fs::create_directories(exe.Path() / "db/kavri320.dbs/x");
    EXPECT_THROW(data.Close(), EStreamError);
    EXPECT_TRUE(fs::is_directory(exe.Path() / "db/kavri320.dbs/x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(exe.Path() / "db"), {}),
              3);  // no temporary left
}

// Restores a folder's permissions on every path, so that the scratch folder can be removed.
struct TReadOnlyFolder {
    fs::path Path;
    explicit TReadOnlyFolder(fs::path path) : Path(std::move(path)) {
        fs::permissions(Path,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    ~TReadOnlyFolder() { fs::permissions(Path, fs::perms::owner_write, fs::perm_options::add); }
    // False where permissions do not stop writes (a superuser).
    bool RefusesWrites() const {
        std::error_code error;
        fs::create_directory(Path / "probe", error);
        if (error) return true;
        fs::remove(Path / "probe");
        return false;
    }
};

TEST(WorkbenchData, DamagedFilesThatCannotBeKeptAsideAreNeverWritten) {
    const std::string datasetFile = PacketFixtures::FreshDatasetPacket().substr(0, 400);
    const std::string resultsFile = "not a packet";
    enum TWay { ReadOnlyFolder, FolderInTheWay };
    for (TWay way : {ReadOnlyFolder, FolderInTheWay}) {
        SCOPED_TRACE(way == ReadOnlyFolder ? "read-only folder" : "a folder named like the .bad");
        TTempDir exe;
        const fs::path db = exe.Path() / "db";
        fs::create_directories(db);
        SaveFileAtomic((db / "kavri320.dbs").string(), datasetFile);
        SaveFileAtomic((db / "kavri320res.dbs").string(), resultsFile);
        std::optional<TReadOnlyFolder> readOnly;
        if (way == ReadOnlyFolder) {
            readOnly.emplace(db);
            // Permissions do not stop a superuser: the other way shows the same for them.
            if (!readOnly->RefusesWrites()) continue;
        } else {
            for (const char* name : {"kavri320.dbs.bad/keep", "kavri320res.dbs.bad/keep"})
                fs::create_directories(db / name);
        }
        const auto listing = [&db] {
            std::set<std::string> names;
            for (const auto& entry : fs::recursive_directory_iterator(db))
                names.insert(entry.path().string());
            return names;
        };
        const auto before = listing();

        TRecordingMessages messages;
        TWorkbenchData data(messages, exe.Str());
        data.StartUp();
        // Each database says which file is left, and why; the dataset database's message keeps
        // its text and the reader's reason first.
        ASSERT_EQ(messages.Shown.size(), 2u) << ::testing::PrintToString(messages.Shown);
        EXPECT_TRUE(messages.Shown[0].starts_with(
            EmptyDatabaseMessage + std::string("\rInvalid data packet at byte 399: ")));
        for (const auto& [text, name] : {std::pair{messages.Shown[0], "kavri320.dbs"},
                                         std::pair{messages.Shown[1], "kavri320res.dbs"}}) {
            const std::string path = (db / name).string();
            EXPECT_NE(text.find("\rThe file " + path +
                                " is left as it is: it could not be read "
                                "and could not be renamed to " +
                                path + ".bad ("),
                      std::string::npos)
                << text;
            EXPECT_TRUE(text.ends_with("). This database will not be saved.")) << text;
        }
        EXPECT_TRUE(data.Main.cdsMain.Active() && data.Main.cdsMain.IsEmpty());

        // Work done in the empty database is not saved over the damaged file.
        AddDataset(data.Main, "new", 46000, 1);
        messages.Shown.clear();
        EXPECT_NO_THROW(data.Close());
        EXPECT_EQ(LoadFileBytes((db / "kavri320.dbs").string()), datasetFile);
        EXPECT_EQ(LoadFileBytes((db / "kavri320res.dbs").string()), resultsFile);
        EXPECT_EQ(listing(), before);  // nothing renamed, no temporary file left
        ASSERT_EQ(messages.Shown.size(), 2u) << ::testing::PrintToString(messages.Shown);
        EXPECT_TRUE(messages.Shown[0].starts_with("Nothing was saved to " +
                                                  (db / "kavri320.dbs").string() +
                                                  ": it could not be read and could not be "
                                                  "renamed to "))
            << messages.Shown[0];
        EXPECT_TRUE(messages.Shown[1].starts_with("Nothing was saved to " +
                                                  (db / "kavri320res.dbs").string() + ": "))
            << messages.Shown[1];
    }
}
