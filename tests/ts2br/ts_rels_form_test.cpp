#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "session/wahle_dlg_box_form.h"
#include "support/choose_session.h"
#include "support/temp_dir.h"

// The TS relations window on a copy of the demo: the way from the topics window to a TS
// line in the session's TS list and its verdict, and every refusal on the way.
namespace vx {
namespace {

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

// Exactly one message was shown, and it starts with `prefix`.
::testing::AssertionResult OneMessage(const ScriptedUi& ui, const std::string& prefix) {
    if (ui.Messages.size() == 1 && StartsWith(ui.Messages[0], prefix)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << ::testing::PrintToString(ui.Messages);
}

class TSRelsTest : public ::testing::Test {
protected:
    TSRelsTest() : app(std::make_unique<VxApp>(ui, dir.ProgramFileName())) { ui.ClearRecords(); }

    // Chooses the 2BR session _2BR_Breakfast\Breakfast as a person does, through the menu.
    void ChooseBreakfast() {
        test::ChooseSession(ui, *app, "_2BR_Breakfast", "Breakfast");
        ASSERT_EQ(app->IniForm.IniState, 2);
        ui.ClearRecords();
    }
    // "Activate TS" on the topics window's TS page for `se`.
    void ActivateTS(const std::string& se) {
        app->MenueForm.Click("VxMain");
        app->VxMainFormSaetze.OpenTS.Text = se;
        app->VxMainFormSaetze.ButtonActivateTSClick();
    }
    const TextList& TSList() { return app->SessionForm.MemoTS.Lines; }

    test::DemoCopy dir;
    ScriptedUi ui;
    std::unique_ptr<VxApp> app;
    TFormTSRels& rels() { return app->FormTSRels; }
};

TEST_F(TSRelsTest, ActivatedSentenceIsComputedByTSStart) {
    ChooseBreakfast();
    ActivateTS("S120E3");
    ASSERT_TRUE(rels().Visible);
    EXPECT_EQ(rels().Caption, dir.SystemPath() + "Saetze\\FormaleSE\\TSmapg\\TS120.txt");
    EXPECT_EQ(app->IniForm.OpenTSRelsFile, rels().Caption);
    ASSERT_EQ(rels().PageControlSetTS.size(), 2u);
    const TTSSettingsPage& first = rels().PageControlSetTS[0];
    EXPECT_EQ(first.LabelTSText.Caption, "the water boils");
    EXPECT_EQ(first.Values.Items, (std::vector<std::string>{"10", "20", "30", "40", "90"}));
    EXPECT_EQ(first.Values.SelectedText(), "90");

    rels().PageControlSetTS[0].Values.ItemIndex = 0;  // TS1 = 10, TS2 stays free
    const int before = TSList().Count();
    rels().ButtonActivateAllTSClick();
    ASSERT_EQ(TSList().Count(), before + 1);
    EXPECT_EQ(TSList()[before], "S120E3 (DefWW;;) : TS1[10]uTS2");
    EXPECT_TRUE(ui.Messages.empty());

    app->SessionForm.ButtonTSStartClick();
    const TextList& results = app->ResultForm.Memo_DefWW.Lines;
    EXPECT_EQ(results[results.Count() - 1],
              "S120E3:TS1[10]uTS2, MATCHES with SE-Target: 10 with:TS2=10 ");
}

TEST_F(TSRelsTest, FreeEditAppendsOnlyALineThatPassesTheCheck) {
    rels().EditTSFree.Text = "S120E2 (DefWW;;) : TS1";
    rels().ButtonActivateFreeTSClick();
    EXPECT_TRUE(OneMessage(ui, "Es ist keine Session mehr offen."));
    EXPECT_EQ(TSList().Count(), 0);

    ChooseBreakfast();
    const int before = TSList().Count();
    for (const char* refused :
         {"", "// only a note", "S120E2 : TS1", "S120E2 (DefXX;;) : TS1", "E2 (DefWW;;) : TS1",
          "S120E2 (DefWW;;) : TS1 u", "S120E2 (DefWW;;) : (TS1 u TS2", "S120E2 (DefWW;;) : TS0",
          "S120E2 (DefWW;;) : TS1 - TS2", "S120E2 (DefWW;;) :"}) {
        ui.ClearRecords();
        rels().EditTSFree.Text = refused;
        rels().ButtonActivateFreeTSClick();
        EXPECT_TRUE(OneMessage(ui, "Die TS-Zeile wurde nicht in die Session aktiviert")) << refused;
    }
    EXPECT_EQ(TSList().Count(), before);

    ui.ClearRecords();
    rels().EditTSFree.Text = "S120E2 (DefWW;;) : ~TS1 o TS2 // typed by hand";
    rels().ButtonActivateFreeTSClick();
    EXPECT_TRUE(ui.Messages.empty());
    ASSERT_EQ(TSList().Count(), before + 1);
    EXPECT_EQ(TSList()[before], "S120E2 (DefWW;;) : ~TS1 o TS2 // typed by hand");
    app->SessionForm.ButtonTSStartClick();
    const TextList& results = app->ResultForm.Memo_DefWW.Lines;
    EXPECT_TRUE(StartsWith(results[results.Count() - 1], "S120E2:~TS1oTS2, MATCHES"))
        << results[results.Count() - 1];
}

TEST_F(TSRelsTest, FreeEditRefusesASessionIn1BRMode) {
    ASSERT_TRUE(app->SessionForm.OpenSession("Morning", false, ""));
    ui.ClearRecords();
    rels().EditTSFree.Text = "S120E2 (DefWW;;) : TS1";
    rels().ButtonActivateFreeTSClick();
    EXPECT_TRUE(OneMessage(ui, "Die offene Session ist nicht im 2BR Mode."));
}

// The pages of an exception TS are those of the TS lists window: the golden folder
// upgrade/lists_ts/refusals shows them for the same sentence.
TEST_F(TSRelsTest, ExceptionTSCarriesItsPrescribedValue) {
    ChooseBreakfast();
    ActivateTS("S254E8");
    ASSERT_EQ(rels().PageControlSetTS.size(), 2u);
    EXPECT_FALSE(rels().PageControlSetTS[0].Values.Enabled);
    rels().PageControlSetTS[1].Values.ItemIndex = 1;
    rels().ButtonActivateAllTSClick();
    EXPECT_EQ(TSList()[TSList().Count() - 1], "S254E8 (DefDW;;) : TS1[10]=>TS2[80] //WW[10]");
}

TEST_F(TSRelsTest, RefusalsOfActivateTS) {
    ChooseBreakfast();
    ActivateTS("S207E5");  // two TS differ from the base type
    EXPECT_FALSE(rels().Visible);
    EXPECT_TRUE(OneMessage(ui, "Fehler beim Auswerten der TS-Datei des SE. Chekcen"));
    EXPECT_TRUE(app->IniForm.OpenTSRelsFile.empty());

    ui.ClearRecords();
    ActivateTS("S120E9");  // no block for the sentence
    EXPECT_FALSE(rels().Visible);
    EXPECT_TRUE(OneMessage(ui, "Fehler beim Auswerten der TS-Datei.\r"));

    ui.ClearRecords();
    ActivateTS("S120E5");
    ASSERT_TRUE(rels().Visible);
    const std::string readSE = rels().OpenSE();
    ActivateTS("S120E3");  // the window is open already
    EXPECT_TRUE(OneMessage(ui, "Eine TS-Fenster ist bereits geoffnet."));
    EXPECT_EQ(rels().OpenSE(), readSE);
    EXPECT_EQ(rels().TSMap.EText, "E5");

    rels().Close();
    EXPECT_TRUE(app->IniForm.OpenTSRelsFile.empty());
    ui.ClearRecords();
    ActivateTS("S120E9");  // a failed read keeps the results of the last one
    EXPECT_EQ(rels().TSMap.EText, "E5");
    EXPECT_EQ(rels().TSMap.TSString, "~TS1=>TS2");
}

}  // namespace
}  // namespace vx
