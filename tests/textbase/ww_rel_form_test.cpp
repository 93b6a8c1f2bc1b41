#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "session_lists.h"
#include "settings/ini_form.h"
#include "support/installed.h"
#include "textbase/ww_rel_form.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

std::string Block(const std::string& key, const std::string& relation,
                  const std::vector<std::string>& markers) {
    std::string text = key + relation + ": reason\r\n";
    for (const std::string& marker : markers) {
        text += marker + ":\r\n";
    }
    return text + "\r\n";
}

// A relations window over a session's lists, with the relation sets of a WW sentence
// (S254E10), an EW sentence (S254E4) and a DW sentence (S207E5).
class Activation : public ::testing::Test, protected test::Installed {
protected:
    Activation()
        : rel(ui, ini, session.Links(),
              [this](const std::string& kind, const std::string& title, const std::string& path) {
                  opened.push_back(kind + "|" + title + "|" + path);
              }) {
        const std::string all[] = {"M1", "O1", "O2", "BV1", "LnB1", "LzB1"};
        Write("S254", "E10", "WW", "10",
              Block("S254E10, WW10, ", "RS254E11", {"M1", "O1", "BV1", "LnB1", "LzB1"}) +
                  Block("S254E10, WW10, ", "RE12", {"O1", "BV1"}));
        Write("S254", "E10", "WW", "20", Block("S254E10, WW20, ", "RE11", {"O2", "LnB1"}));
        Write("S254", "E10", "WW", "30", Block("S254E10, WW30, ", "RE7", {"M1"}));
        Write("S254", "E10", "WW", "40", Block("S254E10, WW40, ", "RE1", {"BV1", "LzB1"}));
        Write("S254", "E4", "EW", "50",
              Block("S254E4, EW50, ", "RE5", {"M1", "BV1", "LnB1", "LzB1"}));
        Write("S254", "E4", "EW", "60",
              Block("S254E4, EW60, ", "RE5", {"M1", "BV1", "LnB1", "LzB1"}));
        Write("S254", "E4", "EW", "40", Block("S254E4, EW40, ", "RE8", {"O2", "BV1"}));
        Write("S207", "E5", "DW", "70", Block("S207E5, DW70, ", "RE4", {"BV1", "LnB1"}));
        Write("S207", "E5", "DW", "80", Block("S207E5, DW80, ", "RE4", {"M1"}));
        Write("S207", "E5", "DW", "40", Block("S207E5, DW40, ", "RE6", {"LzB1", "BV1"}));
        session.SessionMemo.Lines = {"//vx2.0b, "};
        session.InterprtMemo.Lines = {"//vx2.0b, BVInfos "};
        session.MemoLK.Lines = {"//vx2.0b, LnB Infos "};
        session.MemoLzB.Lines = {"//vx2.0b, LzB Infos "};
        ui.ClearRecords();
    }

    void Write(const std::string& topic, const std::string& sentence, const std::string&,
               const std::string& code, const std::string& text) {
        install.Write("RELATION/" + topic + "/" + sentence + "_" + code + ".txt", text);
    }
    void Evaluate(const std::string& topic, const std::string& sentence, const std::string& type) {
        rel.Close();
        ASSERT_EQ(
            rel.EvaluateRels(topic, sentence, install.Root() + "RELATION\\" + topic + "\\", type),
            "ok");
    }
    // Ticks every enabled box of every relation of a tab.
    void TickAll(int tab) {
        for (TRelationPage& page : rel.Tab(tab).Relations.Pages) {
            for (TCheckBox& box : page.Boxes) {
                box.Checked = box.Enabled;
            }
        }
    }
    Lines Of(const TMemo& memo) { return memo.Lines.Lines(); }

    test::SessionLists session;
    std::vector<std::string> opened;
    TWWRelForm rel;
};

TEST_F(Activation, EveryTabOfAWWSentenceWritesItsSEAndChainLines) {
    Evaluate("S254", "E10", "WWType");
    TickAll(0);
    rel.WAktivButtonClick();
    rel.WResetButtonClick();
    TickAll(1);
    rel.FAktivButtonClick();
    rel.FResetButtonClick();
    TickAll(2);
    rel.UnAktivButtonClick();
    rel.UnResetButtonClick();
    TickAll(3);
    rel.UrAktivButtonClick();
    EXPECT_EQ(Of(session.SessionMemo),
              (Lines{"//vx2.0b, ", "S254E10WW10: RS254E11M1,RS254E11O1,RE12O1,",
                     "S254E10WW20: RE11O2,", "S254E10WW30: RE7M1,", "S254E10WW40: "}));
    // BV lines go behind the lines of their topic with smaller sentence numbers; a line of
    // sentence 1 is compared by its characters 6-7 like every other line.
    EXPECT_EQ(Of(session.InterprtMemo), (Lines{"//vx2.0b, BVInfos ", "S254E11 <- E10WW10BV1,",
                                               "S254E1 <- E10WW40BV1,", "S254E12 <- E10WW10BV1,"}));
    EXPECT_EQ(Of(session.MemoLK), (Lines{"//vx2.0b, LnB Infos ", "S254E10, WW10 <> RS254E11",
                                         "S254E10, WW20 <> RE11"}));
    EXPECT_EQ(Of(session.MemoLzB),
              (Lines{"//vx2.0b, LzB Infos ", "S254E10, WW10 >< RS254E11", "S254E10, WW40 >< RE1"}));
    EXPECT_EQ(rel.CurrentValue, 40);
    EXPECT_EQ(ui.Messages, Lines{});
}

TEST_F(Activation, EWAndDWSentencesWriteTheirOwnCodesAndRefuseTheThirdTab) {
    Evaluate("S254", "E4", "EWType");
    TickAll(1);
    rel.FAktivButtonClick();
    rel.FResetButtonClick();
    rel.UnAktivButtonClick();
    TickAll(3);
    rel.UrAktivButtonClick();
    Evaluate("S207", "E5", "DWType");
    TickAll(0);
    rel.WAktivButtonClick();
    rel.WResetButtonClick();
    rel.FAktivButtonClick();
    rel.FResetButtonClick();
    TickAll(3);
    rel.UrAktivButtonClick();
    EXPECT_EQ(Of(session.SessionMemo),
              (Lines{"//vx2.0b, ", "S254E4EW60: RE5M1,", "S254E4EW40: RE8O2,",
                     "S207E5DW70: ", "S207E5DW80: ", "S207E5DW40: "}));
    EXPECT_EQ(Of(session.InterprtMemo),
              (Lines{"//vx2.0b, BVInfos ", "S207E4 <- E5DW70BV1,", "S207E6 <- E5DW40BV1,",
                     "S254E5 <- E4EW60BV1,", "S254E8 <- E4EW40BV1,"}));
    EXPECT_EQ(Of(session.MemoLK),
              (Lines{"//vx2.0b, LnB Infos ", "S254E4, EW60 <> RE5", "S207E5, DW70 <> RE4"}));
    EXPECT_EQ(Of(session.MemoLzB),
              (Lines{"//vx2.0b, LzB Infos ", "S254E4, EW60 >< RE5", "S207E5, DW40 >< RE6"}));
    EXPECT_EQ(ui.Messages,
              Lines{"Im dritten Tab kann nur Typ WW aktiviert werden.\rFehler in der Anwendung.\r"
                    "___\rIn the third tab can be activated only the type WW.\r"
                    "Error in the application."});
}

TEST_F(Activation, ASentenceKeepsOneValueUntilReset) {
    Evaluate("S254", "E10", "WWType");
    rel.WAktivButtonClick();
    rel.WAktivButtonClick();
    rel.FAktivButtonClick();
    rel.FResetButtonClick();
    rel.FAktivButtonClick();
    // The same value again is allowed, but its identical line is not written twice.
    EXPECT_EQ(Of(session.SessionMemo), (Lines{"//vx2.0b, ", "S254E10WW10: ", "S254E10WW20: "}));
    EXPECT_EQ(ui.Messages,
              (Lines{"Diese Zeilen stehen bereits in der Session und werden nicht nochmal "
                     "eingetragen:\rS254E10WW10: \r___\rThese lines are already in the session "
                     "and are not added again:\rS254E10WW10: ",
                     "Sie haben S254E10 bereits auf\r10 eingestellt.\r"
                     "Ein E kann in einer Session nur einen Wert haben.\r___\r"
                     "You have S254E10 allready set to\r10\r"
                     "An E can in one session only have one value."}));
}

TEST_F(Activation, TheRefusedValueIsWordedByTabAndType) {
    struct Case {
        const char *topic, *sentence, *type;
        int first, second;  // tabs
        std::string opening, closing;
    };
    const std::string usual = "An E can in one session have only one value.";
    const std::vector<Case> cases = {
        {"S254", "E10", "WWType", 1, 0, "You have", usual},
        {"S254", "E10", "WWType", 0, 1, "You have ",
         "An E can in one session only have one value."},
        {"S254", "E10", "WWType", 0, 2, "You have", usual},
        {"S254", "E10", "WWType", 0, 3, "You have", usual},
        {"S254", "E4", "EWType", 1, 0, "You have", "An E can in one session only one value."},
        {"S254", "E4", "EWType", 0, 1, "You have", usual},
        {"S254", "E4", "EWType", 0, 3, "You have", usual},
        {"S207", "E5", "DWType", 1, 0, "You have ", usual},
        {"S207", "E5", "DWType", 0, 1, "You have", usual},
        {"S207", "E5", "DWType", 0, 3, "You have", usual},
    };
    for (const Case& c : cases) {
        Evaluate(c.topic, c.sentence, c.type);
        rel.AktivButtonClick(c.first);
        ui.ClearRecords();
        rel.AktivButtonClick(c.second);
        const std::string se = std::string(c.topic) + c.sentence;
        const std::string value = std::to_string(rel.CurrentValue);
        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_EQ(ui.Messages[0], "Sie haben " + se + " bereits auf\r" + value +
                                      " eingestellt.\rEin E kann in einer Session nur einen Wert "
                                      "haben.\r___\r" +
                                      c.opening + se + " allready set to\r" + value + "\r" +
                                      c.closing)
            << c.type << " " << c.second;
    }
}

TEST_F(Activation, WithoutAnOpenSessionEveryTabRefusesWithItsText) {
    Evaluate("S254", "E10", "WWType");
    session.Opened = 0;
    for (int tab = 0; tab < 4; ++tab) {
        rel.AktivButtonClick(tab);
    }
    const std::string german =
        "Um eine Relation aktivieren zu koennen,\rmuessen Sie zuerst eine Session oeffnen.\r___\r";
    EXPECT_EQ(ui.Messages,
              (Lines{german + "To activate a relation You must \rfirst open a session",
                     german + "To activate a relation You have first to open a session.",
                     german + "To open a realtion You must first open a session.",
                     german + "To activate a relation You must \rfirst open a session"}));
    EXPECT_EQ(session.SessionMemo.Lines.Count(), 1);
    EXPECT_EQ(rel.CurrentValue, 100);
}

TEST_F(Activation, ABVItemExtendsTheLineOfItsTarget) {
    session.InterprtMemo.Lines.Add("S254E11 <- E09WW10BV1,");
    Evaluate("S254", "E10", "WWType");
    TickAll(0);
    rel.WAktivButtonClick();
    EXPECT_EQ(Of(session.InterprtMemo),
              (Lines{"//vx2.0b, BVInfos ", "S254E11 <- E09WW10BV1, E10WW10BV1,",
                     "S254E12 <- E10WW10BV1,"}));
}

TEST_F(Activation, AShortBVLineStopsTheLookupAndTheItemBecomesANewLine) {
    session.InterprtMemo.Lines.Add("S254E3");
    session.InterprtMemo.Lines.Add("S254E11 <- E09WW10BV1,");
    Evaluate("S254", "E10", "WWType");
    rel.Tab(0).Relations.Pages[0].Boxes[3].Checked = true;  // BV1 of RS254E11
    rel.WAktivButtonClick();
    EXPECT_EQ(Of(session.InterprtMemo),
              (Lines{"//vx2.0b, BVInfos ", "S254E3", "S254E11 <- E09WW10BV1,",
                     "S254E11 <- E10WW10BV1,"}));
    EXPECT_EQ(ui.Messages, Lines{"Syntaxfehler in Zeile: 1\rKorrigieren Sie und aktivieren ggf. "
                                 "neu.\r___\rSyntax error in line:1\rCorrect and activate new."});
}

TEST_F(Activation, ABVTargetWithoutNumbersSkipsTheRestButTheSELineIsWritten) {
    Write("S254", "E10", "WW", "10",
          Block("S254E10, WW10, ", "RE12", {"M1"}) +
              Block("S254E10, WW10, ", "RX1", {"BV1", "LnB1"}) +
              Block("S254E10, WW10, ", "RE13", {"M1"}));
    Evaluate("S254", "E10", "WWType");
    TickAll(0);
    rel.WAktivButtonClick();
    EXPECT_EQ(Of(session.SessionMemo), (Lines{"//vx2.0b, ", "S254E10WW10: RE12M1,"}));
    EXPECT_EQ(session.MemoLK.Lines.Count(), 1);
    EXPECT_EQ(ui.Messages,
              Lines{"WWRelFrm Fehler: Kann die S- oder E-Nummer von S254X1\r"
                    "fuer die BV-Instruktion: S254E10 nicht extrahierern.\r"
                    "Checken Sie etwaige Zeichenfehler.\r___\r"
                    "WWRelFrm Error: Could not extract the S- or E-Number from  S254X1\r"
                    "for the BV instruction for :S254E10\rCheck for character errors..."});
}

TEST_F(Activation, NewBVLinesNeverGoAboveTheHeading) {
    Evaluate("S254", "E10", "WWType");
    session.InterprtMemo.Lines = {"//vx2.0b, BVInfos ", "S100E1 <- E2WW10BV1,"};
    EXPECT_EQ(rel.InsertPosOfSE(254, 3), 2);  // no line of the same or a greater topic: the end
    session.InterprtMemo.Lines = {"//vx2.0b, BVInfos ", "S12E3 <- E1WW10BV1,",
                                  "S254E2 <- E1WW10BV1,", "S300E1 <- E1WW10BV1,"};
    EXPECT_EQ(rel.InsertPosOfSE(254, 3), 3);
    // A line of a greater topic ends the scan and its place wins.
    EXPECT_EQ(rel.InsertPosOfSE(254, 1), 3);
    EXPECT_EQ(rel.InsertPosOfSE(299, 1), 3);
    session.InterprtMemo.Lines.Clear();
    EXPECT_EQ(rel.InsertPosOfSE(254, 3), 1);
    rel.Tab(0).Relations.Pages[1].Boxes[3].Checked = true;  // BV1 of RE12
    rel.WAktivButtonClick();
    EXPECT_EQ(Of(session.InterprtMemo), Lines{"S254E12 <- E10WW10BV1,"});
    EXPECT_EQ(rel.FindLineOfSE("S254E12"), -1);
}

TEST_F(Activation, ShowSemiFormOpensTheTopicsMethodFileInTheViewer) {
    Evaluate("S254", "E10", "WWType");
    rel.ButtonShowSemiForm3Click();
    install.Write("Text/Users/usr1101/RELATION/S1123/E1_10.txt", "");
    install.Write("Text/Users/usr1101/RELATION/S1123/E1_20.txt", "");
    install.Write("Text/Users/usr1101/RELATION/S1123/E1_30.txt", "");
    install.Write("Text/Users/usr1101/RELATION/S1123/E1_40.txt", "");
    rel.Close();
    ASSERT_EQ(
        rel.EvaluateRels("S1123", "E1", ini.UsersPath + "usr1101\\RELATION\\S1123\\", "WWType"),
        "ok");
    rel.ButtonShowSemiForm1Click();
    EXPECT_EQ(opened,
              (Lines{"SemiF|semiForm:S254|" + ini.vxPath + "Relation\\FormaleR\\MO_S254.txt",
                     "SemiF|semiForm:S1123|" + ini.UsersPath +
                         "usr1101\\RELATION\\FormaleR\\MO_S1123.txt"}));
}

TEST_F(Activation, ClosingEmptiesTheWindowAndFreesTheSentence) {
    Evaluate("S254", "E10", "WWType");
    EXPECT_EQ(ini.OpenRelFile, "S254E10");
    rel.Close();
    EXPECT_EQ(ini.OpenRelFile, "");
    EXPECT_FALSE(rel.Visible);
    EXPECT_EQ(rel.XWType, "");
    EXPECT_EQ(rel.Code, "0");
    EXPECT_EQ(rel.FileCount, 1);
    for (int tab = 0; tab < 4; ++tab) {
        EXPECT_EQ(rel.Tab(tab).Relations.Pages.size(), 0u);
        EXPECT_EQ(rel.Tab(tab).Memo.Lines.Count(), 0);
    }
    rel.WAktivButtonClick();  // nothing shown: nothing to activate
    EXPECT_EQ(session.SessionMemo.Lines.Count(), 1);
}

}  // namespace
}  // namespace vx
