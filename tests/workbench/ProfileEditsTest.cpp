// The generatrix and wavelength edits of the Cavity and Wavelengths pages, on a database without
// windows: the questions, the duplicates told and skipped, the surface ranges, and the dataset
// row posted at the end of each.
#include <gtest/gtest.h>

#include "tests/workbench/WorkbenchFixtures.h"
#include "workbench/ProfileEdits.h"

namespace {

std::vector<double> Column(TClientDataSet& t, const char* name) {
    std::vector<double> values;
    for (t.First(); !t.Eof(); t.Next())
        values.push_back(t.FieldByName(name)->IsNull() ? -1 : t.FieldByName(name)->AsFloat());
    return values;
}

TEST(ProfileEdits, GeneratrixReplacedAfterTheQuestion) {
    TOpenDatabase t;
    AddDataset(t.Db, "Cone", 1, 3);
    const TGeneratrix g{{0.5, 1}, {{1, 1}, {2, 0.5}}};

    t.Messages.Answer = false;
    EXPECT_FALSE(ReplaceGeneratrix(t.Db, g));
    EXPECT_EQ(
        t.Messages.Asked,
        std::vector<std::string>{"All existing generatrix coordinates will be erased.\rContinue?"});
    EXPECT_EQ(t.Db.cdsCavity.RecordCount(), 3);

    t.Messages.Answer = true;
    ASSERT_TRUE(ReplaceGeneratrix(t.Db, g));
    EXPECT_EQ(Column(t.Db.cdsCavity, "D"), (std::vector<double>{1, 2}));
    EXPECT_EQ(Column(t.Db.cdsCavity, "Z"), (std::vector<double>{1, 2}));
    EXPECT_EQ(Column(t.Db.cdsCavity, "Emissivity"), (std::vector<double>{-1, -1}));
    EXPECT_EQ(t.Db.cdsMain.State(), dsBrowse);
    const TGeneratrix back = GeneratrixOfDataset(t.Db);
    EXPECT_EQ(back.Start.Z, 0.5);
    ASSERT_EQ(back.Nodes.size(), 2u);
    EXPECT_EQ(back.Nodes[1].Y, 0.5);
}

TEST(ProfileEdits, DuplicateWavelengthsAreToldAndSkipped) {
    TOpenDatabase t;
    AddDataset(t.Db, "Cone", 1, 0);
    AppendWavelengths(t.Db, {1.5});
    AppendWavelengths(t.Db, {1, 1.5, 2});
    EXPECT_EQ(t.Messages.Shown,
              std::vector<std::string>{"Record duplication: Wavelength = 1.5 \u00B5m\rSkipped."});
    EXPECT_EQ(WavelengthsOfDataset(t.Db), (std::vector<double>{1, 1.5, 2}));
    EXPECT_EQ(t.Db.cdsMain.State(), dsBrowse);

    // A file that repeats a value keeps the others.
    t.Messages.Shown.clear();
    ASSERT_TRUE(ReplaceWavelengths(t.Db, {3, 3, 4}));
    EXPECT_EQ(WavelengthsOfDataset(t.Db), (std::vector<double>{3, 4}));
    EXPECT_EQ(t.Messages.Shown.size(), 1u);

    t.Messages.Answer = false;
    EXPECT_FALSE(ClearWavelengths(t.Db));
    EXPECT_EQ(t.Db.cdsWavelengths.RecordCount(), 2);
    t.Messages.Answer = true;
    EXPECT_TRUE(ClearWavelengths(t.Db));
    EXPECT_TRUE(t.Db.cdsWavelengths.IsEmpty());
    EXPECT_EQ(t.Db.cdsMain.State(), dsBrowse);  // the clear is posted with the dataset
    t.Messages.Asked.clear();
    EXPECT_FALSE(ClearWavelengths(t.Db));  // nothing to clear: nothing asked
    EXPECT_TRUE(t.Messages.Asked.empty());
}

TEST(ProfileEdits, SurfaceRanges) {
    const struct {
        TSurfaceRange range;
        std::vector<double> keysLeft;
    } deletes[] = {
        {{1, 3}, {4, 5}},
        {{3, 5}, {1, 2}},
        {{2, 4}, {1, 5}},
        {{1, 5}, {}},
    };
    for (const auto& c : deletes) {
        TOpenDatabase t;
        AddDataset(t.Db, "Cone", 1, 5);
        DeleteCavityRows(t.Db, c.range);
        EXPECT_EQ(Column(t.Db.cdsCavity, "D"), c.keysLeft);
        EXPECT_EQ(t.Db.cdsMain.State(), dsBrowse);
    }
    TOpenDatabase t;
    AddDataset(t.Db, "Cone", 1, 4);
    AssignSurfaceValues(t.Db, {2, 3}, 1, 0);
    EXPECT_EQ(Column(t.Db.cdsCavity, "Emissivity"), (std::vector<double>{0.5, 1, 1, 0.5}));
    EXPECT_EQ(Column(t.Db.cdsCavity, "Diffusity"), (std::vector<double>{-1, 0, 0, -1}));
    t.Db.cdsCavity.Last();
    EraseSurfaceValues(t.Db, {1, 4});
    EXPECT_EQ(t.Db.cdsCavity.RecNo(), 1);
    EXPECT_EQ(Column(t.Db.cdsCavity, "Emissivity"), (std::vector<double>{-1, -1, -1, -1}));
}

}  // namespace
