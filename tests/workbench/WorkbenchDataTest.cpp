#include <gtest/gtest.h>

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
    TScratchDir exe;
    TRecordingMessages messages;
    TWorkbenchData data(messages, exe.Str() + "/");
    data.StartUp();

    for (const char* dir : {"data/Cavities", "data/Wavelengths", "data/Datasets", "data/Results",
                            "data/Reports", "db"})
        EXPECT_TRUE(fs::is_directory(exe.Path / dir)) << dir;
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
    EXPECT_FALSE(fs::exists(exe.Path / "db/kavri320.dbs.bad"));
}

TEST(WorkbenchData, UnreadableFilesAreKeptAsBadAndReplacedByEmptyDatabases) {
    const std::string dataset = PacketFixtures::FreshDatasetPacket();
    const std::string results = PacketFixtures::FreshResultsPacket();
    const size_t firstType = 24 + 1 + 11;  // type word of the first column
    struct Case {
        const char* what;
        std::string datasetFile, resultsFile;
    } cases[] = {
        {"version word 4", Damaged(dataset, 4, "\x04"), Damaged(results, 4, "\x04")},
        {"flags without bit 0", Damaged(dataset, 18, std::string("\x02\0", 2)),
         Damaged(results, 18, std::string("\x02\0", 2))},
        {"array column", Damaged(dataset, firstType + 2, "\xC9"),
         Damaged(results, firstType + 2, "\xC9")},
        {"empty file", "", ""},
        {"truncated file", dataset.substr(0, 400), results.substr(0, 555)},
        {"other database's file", results, dataset},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TScratchDir exe;
        fs::create_directories(exe.Path / "db");
        SaveFileAtomic(exe.Str() + "/db/kavri320.dbs", c.datasetFile);
        SaveFileAtomic(exe.Str() + "/db/kavri320res.dbs", c.resultsFile);
        SaveFileAtomic(exe.Str() + "/db/kavri320.dbs.bad", "an older copy");
        TRecordingMessages messages;
        TWorkbenchData data(messages, exe.Str());
        data.StartUp();

        EXPECT_EQ(messages.Shown, std::vector<std::string>{EmptyDatabaseMessage});
        EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320.dbs.bad"), c.datasetFile);
        EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320res.dbs.bad"), c.resultsFile);
        EXPECT_FALSE(fs::exists(exe.Path / "db/kavri320.dbs"));
        EXPECT_TRUE(data.Main.cdsMain.Active() && data.Main.cdsMain.IsEmpty());
        EXPECT_TRUE(data.Results.cdsResults.Active() && data.Results.cdsResults.IsEmpty());
        data.Close();
        EXPECT_EQ(LoadFileBytes(exe.Str() + "/db/kavri320.dbs"), dataset);
    }
}

TEST(WorkbenchData, CloseSavesEverythingPostedAndDropsThePendingEdit) {
    TScratchDir exe;
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
    EXPECT_EQ(data.Main.cdsMain.FieldByName("Tref")->AsFloat(), 1003);
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

TEST(WorkbenchData, FailedSaveRaisesToTheClosingWindow) {
    TScratchDir exe;
    TRecordingMessages messages;
    TWorkbenchData data(messages, exe.Str());
    data.StartUp();
    data.Close();
    AddDataset(data.Main, "new", 46000, 1);
    // A folder in the file's place makes the replacing rename fail.
    fs::rename(exe.Path / "db/kavri320.dbs", exe.Path / "db/old");
    fs::create_directories(exe.Path / "db/kavri320.dbs/x");
    EXPECT_THROW(data.Close(), EStreamError);
    EXPECT_TRUE(fs::is_directory(exe.Path / "db/kavri320.dbs/x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(exe.Path / "db"), {}), 3);  // no temporary left
}
