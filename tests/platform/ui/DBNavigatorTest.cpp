#include <gtest/gtest.h>

#include <QPushButton>

#include "platform/db/ClientDataSet.h"
#include "platform/db/NumericField.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Form.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/support/OffscreenApplication.h"

namespace {

struct TNavigatorFixture {
    TRecordingDialogService dialogs;
    TClientDataSet ds;
    TFloatField* X;
    TDataSource source;
    TForm form{nullptr};
    TDBNavigator* nav;

    explicit TNavigatorFixture(int rows = 3) {
        X = ds.AddField<TFloatField>("X");
        ds.CreateDataSet();
        for (int i = 1; i <= rows; ++i) {
            ds.Append();
            X->SetAsFloat(i);
            ds.Post();
        }
        source.SetDataSet(&ds);
        nav = new TDBNavigator(&form);
        nav->SetParent(&form);
        nav->SetDataSource(&source);
        ds.First();
    }
    std::string Enabled() const {
        std::string flags;
        for (int b = 0; b < TDBNavigator::ButtonCount; ++b)
            flags += nav->ButtonEnabled(TNavigateBtn(b)) ? '1' : '0';
        return flags;
    }
};

TEST(DBNavigator, ButtonsFollowTheDataSetState) {
    struct Case {
        const char* what;
        int rows;
        std::function<void(TNavigatorFixture&)> act;
        const char* enabled;  // first prior next last insert delete edit post cancel refresh
    };
    const Case cases[] = {
        {"first row", 3, [](TNavigatorFixture&) {}, "0011111001"},
        {"last row", 3, [](TNavigatorFixture& f) { f.ds.Last(); }, "1100111001"},
        {"editing", 3, [](TNavigatorFixture& f) { f.ds.Edit(); }, "0011110110"},
        {"empty", 0, [](TNavigatorFixture&) {}, "0000100001"},
        {"disabled source", 3, [](TNavigatorFixture& f) { f.source.SetEnabled(false); },
         "0000000000"},
        {"closed", 3, [](TNavigatorFixture& f) { f.ds.Close(); }, "0000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TNavigatorFixture f(c.rows);
        c.act(f);
        EXPECT_EQ(f.Enabled(), c.enabled);
    }
}

TEST(DBNavigator, DeleteAsksFirstAndOnClickFollowsTheAction) {
    TNavigatorFixture f;
    std::vector<std::pair<TNavigateBtn, double>> clicks;  // the button and X seen by OnClick
    f.nav->OnClick = [&](TObject*, TNavigateBtn b) { clicks.emplace_back(b, f.X->AsFloat()); };
    f.nav->BtnClick(nbNext);
    f.dialogs.Answers.push_back(mrCancel);
    f.nav->BtnClick(nbDelete);
    EXPECT_EQ(f.ds.RecordCount(), 3);
    f.dialogs.Answers.push_back(mrOk);
    f.nav->BtnClick(nbDelete);
    EXPECT_EQ(f.ds.RecordCount(), 2);
    ASSERT_EQ(f.dialogs.Messages.size(), 2u);
    EXPECT_EQ(f.dialogs.Messages[0].Text, "Delete record?");
    EXPECT_EQ(f.dialogs.Messages[0].Type, mtConfirmation);
    f.nav->SetConfirmDelete(false);
    f.nav->BtnClick(nbInsert);
    EXPECT_EQ(f.ds.State(), dsInsert);
    f.nav->BtnClick(nbCancel);
    f.nav->BtnClick(nbDelete);
    EXPECT_EQ(f.ds.RecordCount(), 1);
    EXPECT_EQ(f.dialogs.Messages.size(), 2u);
    f.ds.First();
    f.nav->BtnClick(nbPrior);  // disabled at the start: no action, no OnClick
    const std::vector<std::pair<TNavigateBtn, double>> expected{
        {nbNext, 2}, {nbDelete, 2}, {nbDelete, 3}, {nbInsert, 0}, {nbCancel, 3}, {nbDelete, 1}};
    EXPECT_EQ(clicks.size(), expected.size());
    for (size_t i = 0; i < std::min(clicks.size(), expected.size()); ++i) {
        EXPECT_EQ(clicks[i].first, expected[i].first) << i;
        EXPECT_DOUBLE_EQ(clicks[i].second, expected[i].second) << i;
    }
}

TEST(DBNavigator, VisibleButtonsAndHints) {
    TNavigatorFixture f;
    f.nav->SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast, nbDelete});
    f.nav->SetWidth(100);
    f.nav->Hints()->Add("Go to the first node");
    f.nav->Hints()->Add("");
    std::vector<QPushButton*> shown;
    for (QPushButton* b : f.nav->Widget()->findChildren<QPushButton*>())
        if (!b->isHidden()) shown.push_back(b);
    ASSERT_EQ(shown.size(), 5u);
    int width = 0;
    for (QPushButton* b : shown) width += b->width();
    EXPECT_EQ(width, 100);
    EXPECT_EQ(f.nav->ButtonHint(nbFirst), "Go to the first node");
    EXPECT_EQ(f.nav->ButtonHint(nbPrior), "Prior record");  // an empty line keeps the own hint
    EXPECT_EQ(shown[0]->toolTip().toStdString(), "Go to the first node");
}

}  // namespace
