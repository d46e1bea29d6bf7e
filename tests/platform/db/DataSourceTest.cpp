// Data sources and data links: what controls hear of a dataset, and suspending them.
#include <gtest/gtest.h>

#include "platform/db/DataSource.h"
#include "tests/platform/db/DataSetFixtures.h"

namespace {

// Writes what it hears as short words: A+/A- active, R(field) record, D data set, S(n) scroll,
// L layout, U update data, E+/E- editing.
class TRecordingLink : public TDataLink {
public:
    std::string log;

protected:
    void ActiveChanged() override { log += Active() ? "A+ " : "A- "; }
    void RecordChanged(TField* field) override {
        log += "R(" + (field ? field->FieldName() : std::string()) + ") ";
    }
    void DataSetChanged() override { log += "D "; }
    void DataSetScrolled(int distance) override { log += "S(" + std::to_string(distance) + ") "; }
    void LayoutChanged() override { log += "L "; }
    void UpdateData() override { log += "U "; }
    void EditingChanged() override { log += Editing() ? "E+ " : "E- "; }
};

}  // namespace

TEST(DataSource, TellsLinksAndHandlersOfEachChange) {
    TNamesTable t;
    t.Add("a");
    t.Add("b");
    TDataSource source;
    std::string handlers;
    source.OnDataChange = [&](TDataSource*, TField* field) {
        handlers += "change(" + (field ? field->FieldName() : std::string()) + ") ";
    };
    source.OnStateChange = [&](TObject* s) {
        handlers += "state(" + std::to_string(static_cast<TDataSource*>(s)->State()) + ") ";
    };
    source.OnUpdateData = [&](TObject*) { handlers += "update "; };
    TRecordingLink link;
    link.SetDataSource(&source);
    source.SetDataSet(&t.ds);
    EXPECT_EQ(link.log, "A+ ");
    EXPECT_TRUE(link.Active());

    struct Step {
        const char* what;
        std::function<void()> action;
        std::string link, handlers;
    } steps[] = {
        {"first", [&] { t.ds.First(); }, "D ", "change() "},
        {"next", [&] { t.ds.Next(); }, "S(1) ", "change() "},
        {"edit", [&] { t.ds.Edit(); }, "E+ R() ", "state(2) change() "},
        {"field", [&] { t.Value->SetAsFloat(1); }, "R(Value) ", "change(Value) "},
        {"post", [&] { t.ds.Post(); }, "U E- D ", "update state(1) change() "},
        {"label", [&] { t.Value->SetDisplayLabel("V"); }, "L ", "change() "},
        {"close", [&] { t.ds.Close(); }, "A- ", "state(0) "},
    };
    for (const Step& s : steps) {
        link.log.clear();
        handlers.clear();
        s.action();
        EXPECT_EQ(link.log, s.link) << s.what;
        EXPECT_EQ(handlers, s.handlers) << s.what;
    }
}

TEST(DataSource, DisabledControlsHearNothingUntilTheLastEnable) {
    TNamesTable t;
    for (const char* name : {"a", "b", "c"}) t.Add(name);
    TDataSource source;
    source.SetDataSet(&t.ds);
    TRecordingLink link;
    link.SetDataSource(&source);
    int scrolls = 0;
    t.ds.AfterScroll = [&](TDataSet*) { ++scrolls; };
    link.log.clear();
    t.ds.DisableControls();
    t.ds.DisableControls();
    t.ds.First();
    t.ds.Next();
    t.ds.Edit();
    t.Value->SetAsFloat(3);
    t.ds.EnableControls();
    EXPECT_EQ(link.log, "") << "still one level disabled";
    t.ds.EnableControls();
    EXPECT_EQ(scrolls, 2) << "dataset events still fire";
    EXPECT_EQ(link.log, "E+ D ") << "the last enable refreshes the links";
    t.ds.EnableControls();  // one too many does no harm
    EXPECT_FALSE(t.ds.ControlsDisabled());
    // The guard enables them again when an error leaves its scope.
    try {
        TDisableControlsGuard guard(t.ds);
        t.ds.Next();
        throw EAbort("stop");
    } catch (const EAbort&) {
    }
    EXPECT_FALSE(t.ds.ControlsDisabled());
}

TEST(DataSource, AutoEditReadOnlyLinksAndDisabledSources) {
    TNamesTable t;
    t.Add("a");
    TDataSource source;
    source.SetDataSet(&t.ds);
    TRecordingLink link;
    link.SetDataSource(&source);
    source.SetAutoEdit(false);
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(t.ds.State(), dsBrowse);
    source.SetAutoEdit(true);
    link.SetReadOnly(true);
    EXPECT_FALSE(link.Edit());
    link.SetReadOnly(false);
    EXPECT_TRUE(link.Edit());
    EXPECT_EQ(t.ds.State(), dsEdit);
    t.ds.Cancel();
    source.SetEnabled(false);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(source.State(), dsInactive);
    link.log.clear();
    t.ds.First();
    EXPECT_EQ(link.log, "");
}

TEST(DataSource, FreeingEitherSideLeavesNoDanglingReference) {
    auto t = std::make_unique<TNamesTable>();
    TDataSource source;
    source.SetDataSet(&t->ds);
    {
        TRecordingLink link;
        link.SetDataSource(&source);
    }
    t.reset();
    EXPECT_EQ(source.DataSet(), nullptr);
    EXPECT_EQ(source.State(), dsInactive);
    auto owned = std::make_unique<TDataSource>();
    TRecordingLink link;
    link.SetDataSource(owned.get());
    owned.reset();
    EXPECT_EQ(link.DataSource(), nullptr);
}

TEST(DataSource, LinksMayLeaveWhileTheyAreTold) {
    // Each link runs its action when told of a data set change; the log says who was told.
    struct TActingLink : TDataLink {
        std::string name, *log;
        std::function<void()> action;
        void DataSetChanged() override {
            *log += name;
            if (action) action();
        }
    };
    TNamesTable t;
    t.Add("a");
    TDataSource source;
    source.SetDataSet(&t.ds);
    std::string log;
    TActingLink a, b, c, d;
    for (auto [link, name] : {std::pair{&a, "a"}, {&b, "b"}, {&c, "c"}, {&d, "d"}}) {
        link->name = name;
        link->log = &log;
        link->SetDataSource(&source);
    }
    a.action = [&] { a.SetDataSource(nullptr); };  // leaves itself
    b.action = [&] { c.SetDataSource(nullptr); };  // takes a later one away
    t.ds.First();
    EXPECT_EQ(log, "abd");
    log.clear();
    t.ds.First();
    EXPECT_EQ(log, "bd");
}
