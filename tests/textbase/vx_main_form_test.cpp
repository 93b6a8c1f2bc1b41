#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "session_lists.h"
#include "settings/ini_form.h"
#include "support/installed.h"
#include "textbase/form_s_save_as.h"
#include "textbase/vx_main_form_saetze.h"
#include "textbase/ww_rel_form.h"
#include "textbase/ww_rel_read_form.h"

namespace vx {
namespace {

using Messages = std::vector<std::string>;

const char* const kBadTopicFormat =
    "Unerlaubtes Satzeformat. Dateinamen ueberpruefen. \r___\r"
    "Not allowed file format. Check the file name. ";
const char* const kOpenTopicFailed =
    "Fehler beim oeffnen des Satzes. Dateinamen- und Pfad ueberpruefen. \r___ \r"
    "Error on opening the sentce. check path and file name !";
const char* const kBadSENumber =
    "Unerlaubte Satznummer, bitte ueberpruefen. \r___\rNot allowed SE number. Check it. ";
const char* const kNameMustStartWithS =
    "Fehler im Namen.\rDer Name muss mit S anfangen\r___ \rThe name has to start with S!";
const char* const kNoValidSEString =
    "Sie haben keinen gueltigen SatzString S...E.. angegeben. \r___\r"
    "You didnt provide a valid sentence string S..E... ";

std::string CheckMessage(const std::string& se) {
    return "Fehler beim Checken der " + se +
           "-Relationen Dateien.\rKontrollieren Sie bitte die Datei-Namen.\r___ \r"
           "Error checking the " +
           se + "-Relation files !\rCheck the file names.";
}

// The standard test installation: author 1..999, users 1000..9999 below Text\Users\,
// groups 10000..19999 below Text\Groups\, everyone 20000..29999 below Text\EveryOne\.
class Topics : public ::testing::Test, protected test::Installed {
protected:
    Topics()
        : rel(ui, ini, session.Links(), {}),
          relRead(ui, ini),
          saveAs(ui, ini),
          form(
              ui, ini, rel, relRead, saveAs,
              [this](const std::string& kind, const std::string& title, const std::string& path) {
                  calls.push_back("OpenExtern " + kind + " " + title + " " + path);
              },
              [this](const std::string& file, const std::string& topic, std::int32_t sentence,
                     std::int32_t topicNumber, const std::string& part) {
                  calls.push_back("ActivateTS " + file + " " + topic + " " +
                                  std::to_string(sentence) + " " + std::to_string(topicNumber) +
                                  " " + part);
              }) {
        install.Write("Saetze/S12.txt", "S12: author\r\nE1: one\r\n");
        install.Write("Text/Users/usr1101/Saetze/S1123.txt", "S1123: user\r\n");
        install.Write("Text/Groups/grp12301/Saetze/S12345.txt", "S12345: group\r\n");
        install.Write("Text/EveryOne/Saetze/S20012.txt", "S20012: everyone\r\n");
        ui.ClearRecords();
    }

    void Choose(const std::string& name) {
        form.SatzEdit.Text = name;
        form.ButtonOKClick();
    }
    void Activate(const std::string& se) {
        form.EditAktiviere.Text = se;
        form.ButtonAktiviereClick();
    }
    void WriteRelationFiles(const std::string& dir, const std::string& sentence,
                            const std::vector<std::string>& codes) {
        for (const std::string& code : codes) {
            install.Write(dir + "/" + sentence + "_" + code + ".txt", "// none\r\n");
        }
    }

    test::SessionLists session;
    TWWRelForm rel;
    TWWRelReadForm relRead;
    TFormSSaveAs saveAs;
    std::vector<std::string> calls;
    TVxMainFormSaetze form;
};

TEST_F(Topics, AuthorTopicsMakeTheMemoReadOnlyAndOthersKeepThatState) {
    Choose("S1123");
    EXPECT_FALSE(form.VxMainMemo.ReadOnly);
    Choose("S12");
    EXPECT_TRUE(form.VxMainMemo.ReadOnly);
    Choose("S1123");
    EXPECT_TRUE(form.VxMainMemo.ReadOnly);
}

TEST_F(Topics, InvalidAndUnresolvableNamesGiveTheirMessagesAndKeepTheMemo) {
    Choose("S12");
    ui.ClearRecords();
    for (const char* name :
         {"", "S", "S12a", "S123456", "S0", "S30000", "S1000", "S10000", "X1123", "S13"}) {
        Choose(name);
    }
    EXPECT_EQ(ui.Messages,
              (Messages{"Schreiben Sie einen exist. Satz ins Auswahlfenster, zB S255. \r"
                        "Druecken Sie dann OK.\r___ \rWrite an existing sentence in the edit box!",
                        kBadTopicFormat, kBadTopicFormat, kBadTopicFormat, kBadTopicFormat,
                        "Die usr-Directory Nummer konnte nicht aufgeloest werden: 0\r___\r"
                        "The usr-directory number coldnt be resolved: 0\r ",
                        "Die grp-Directory Nummer konnte nicht aufgeloest werden: 0\r___\r"
                        "The grp-directory number coldnt be resolved: 0\r ",
                        "Kein gueltiger Pfad zu ihren Saetzen!\r___\r"
                        "No valid path to your sentences!  \r ",
                        kOpenTopicFailed}));
    EXPECT_EQ(form.VxMainMemo.Lines[0], "S12: author");
    EXPECT_EQ(form.LoadedTopic(), "S12");
}

TEST_F(Topics, PagesRefuseTheOtherMode) {
    ini.IniState = kIniState2BR;
    Choose("S12");
    Activate("S12E1");
    form.ButtonActivateXWClick();
    ini.IniState = kIniState1BR;
    form.EditSatz2BR.Text = "S12";
    form.Button2BRClick();
    form.ButtonActivateTSClick();
    form.ButtonActivateXWClick();
    ASSERT_EQ(ui.Messages.size(), 6u);
    EXPECT_EQ(ui.Messages[0].substr(0, 38), "Bitte verwenden Sie den 2BR-Reiter wen");
    EXPECT_EQ(ui.Messages[1].substr(0, 44), "Bitte verwenden Sie den 2BR-Reiter in VXMain");
    EXPECT_EQ(ui.Messages[2].substr(0, 45), "Diese Funktin ist zZ noch nicht implementiert");
    EXPECT_EQ(ui.Messages[3].substr(0, 38), "Bitte verwenden Sie den 1BR-Reiter wen");
    EXPECT_EQ(ui.Messages[4].substr(0, 44), "Um TS zu aktivieren (aussagenlogische Teil-S");
    EXPECT_EQ(ui.Messages[5].substr(0, 44), "Bitte verwenden Sie den 1BR-Reiter in VXMain");
    EXPECT_EQ(form.VxMainMemo.Lines.Count(), 0);
    EXPECT_EQ(form.Memo2BR.Lines.Count(), 0);
}

TEST_F(Topics, The2BRPageFindsUserTopicsInTheirDirectoryToo) {
    ini.IniState = kIniState2BR;
    form.EditSatz2BR.Text = "";
    form.Button2BRClick();
    for (const char* name : {"S1123", "S12345", "S20012"}) {
        form.EditSatz2BR.Text = name;
        form.Button2BRClick();
        EXPECT_EQ(form.Memo2BR.Lines[0].substr(0, std::string(name).size()), name);
    }
    EXPECT_EQ(ui.Messages, Messages{});
    form.EditSatz2BR.Text = "S12a";
    form.Button2BRClick();
    form.EditSatz2BR.Text = "S1000";
    form.Button2BRClick();
    form.EditSatz2BR.Text = "S14";
    form.Button2BRClick();
    EXPECT_EQ(ui.Messages,
              (Messages{"Unerlaubtes Satzeformat. Dateinamen ueberpruefen. \r___\r"
                        "Wrong file format. Check Filenames. ",
                        "Kein gueltiger Pfad zu ihren Saetzen!___ No valid path to your sentences "
                        "S. ",
                        "Fehler beim Oeffnen des Satzes. Dateinamen- und Pfad ueberpruefen.\r___\r"
                        "Error on opening the sentences. File- and Pathname checking."}));
}

TEST_F(Topics, ActivationOpensTheRelationsWindowThenItsTwinThenRefuses) {
    WriteRelationFiles("RELATION/S254", "E10", {"10", "20", "30", "40"});
    Activate("S254E10");
    EXPECT_EQ(form.CurrentSE(), "S254E10");
    EXPECT_TRUE(rel.Visible);
    EXPECT_FALSE(relRead.Visible);
    ini.OpenRelFile = "S254E10";
    Activate("S254E10");
    EXPECT_TRUE(relRead.Visible);
    ini.OpenRelReadFile = "S254E10";
    Activate("S254E10");
    EXPECT_EQ(ui.Messages,
              Messages{"Sowohl die aktive als auch die Methoden-Form zum lesen sind schon aktiv. \r"
                       "Ein Fenster zuerst schliessen.\r\r___\r"
                       "The active and also the methods - form are open for reading. \r"
                       "Close a window first. \r"});
}

// Sets of every type and area are activated on the demo installation (DemoInstallation).
TEST_F(Topics, ActivationCountsTheFilesOfTheTypeButTheWindowReadsTheFourWWCodes) {
    WriteRelationFiles("RELATION/S254", "E9", {"10", "20", "30", "77"});
    Activate("S254E9");
    EXPECT_TRUE(rel.Visible);
    EXPECT_EQ(ui.Messages, Messages{"Fehler beim oeffnen der Relationen-Datei.\r"
                                    "Kontrollieren Sie bitte die Konsistenz der Namen.\r___\r"
                                    "Error on opening the relations file.\r"
                                    "Check the consistency of the names."});
}

TEST_F(Topics, ActivationRefusesIncompleteSetsAndBadIdentifiers) {
    WriteRelationFiles("RELATION/S254", "E1", {"10", "20", "30"});
    WriteRelationFiles("RELATION/S254", "E2", {"50", "60", "40", "10"});
    WriteRelationFiles("RELATION/S254", "E3", {"40", "41", "42", "43"});
    Activate("");
    for (const char* se : {"S254E1", "S254E2", "S254E3", "s254E1", "S254", "S0E1", "S30000E1"}) {
        Activate(se);
    }
    EXPECT_EQ(
        ui.Messages,
        (Messages{"Sie haben nichts eingegeben. \rKlicken Sie auf Hilfe.\r___\rClick on Help. ",
                  CheckMessage("S254E1"), CheckMessage("S254E2"), CheckMessage("S254E3"),
                  kNameMustStartWithS, CheckMessage("s254E1"), CheckMessage("S254"), kBadSENumber,
                  CheckMessage("S0E1"), CheckMessage("S30000E1")}));
    EXPECT_FALSE(rel.Visible);
}

TEST_F(Topics, PopUpActivatesTheSelectedSentenceOfTheTopicShown) {
    WriteRelationFiles("RELATION/S12", "E1", {"10", "20", "30", "40"});
    form.AktiviereSelSatzPopup();
    form.AktiviereSatzClick();
    EXPECT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0].substr(0, 35), "Es wurde kein Satz (SE) selektiert.");
    ui.ClearRecords();
    Choose("S12");
    form.VxMainMemoSelection = " E1:";
    form.AktiviereSatzClick();
    EXPECT_EQ(form.EditAktiviere.Text, "S12E1");
    EXPECT_TRUE(rel.Visible);
    EXPECT_EQ(ui.Messages, Messages{});
}

// Writing the new topic through the dialog is a Qt test (TextWindowsGui).
TEST_F(Topics, ANewTopicThatCannotBeWrittenIsReportedAndCancelWritesNothing) {
    Choose("S1123");
    ui.QueueDialog(
        [](ModalForm& dialog) {
            auto& saveDialog = dynamic_cast<TFormSSaveAs&>(dialog);
            saveDialog.EditName.Text = "Saetze";  // a directory of that name is there
            saveDialog.ButtonOKClick();
        },
        "TFormSSaveAs");
    form.SpeicherThemaUnter();
    ui.QueueDialog([](ModalForm& dialog) { dialog.ModalAnswer = ModalResult::Cancel; });
    form.SpeicherThemaUnter();
    EXPECT_EQ(ui.Messages, Messages{"Das Thema S konnte nicht abgespeichert werden.\r___\r"
                                    "The topic S couldnt be saved."});
    EXPECT_TRUE(ui.Unexpected.empty());
}

TEST_F(Topics, ReadTSShowsTheMapFileOfTheOwner) {
    install.Write("Saetze/FormaleSE/TSmapg/TS254.txt", "*E3,WW:\r\n");
    install.Write("Text/Users/usr1101/Saetze/FormaleSE/TSmapg/TS1123.txt", "*E1,WW:\r\n");
    form.OpenTS.Text = "S254E3";
    form.ButtonReadTSClick();
    EXPECT_EQ(form.MemoTS.Lines[0], "*E3,WW:");
    EXPECT_EQ(form.LabelOwner.Caption, "author");
    form.OpenTS.Text = "s1123e1";
    form.ButtonReadTSClick();
    EXPECT_EQ(form.MemoTS.Lines[0], "*E1,WW:");
    EXPECT_EQ(form.LabelOwner.Caption, "users");
    EXPECT_EQ(ui.Messages, Messages{});

    form.OpenTSReadOnlyClick();
    EXPECT_EQ(calls, Messages{"OpenExtern TS TS1123.txt " + ini.vxPath +
                              "Text\\Users\\usr1101\\Saetze\\FormaleSE\\TSmapg\\TS1123.txt"});
}

TEST_F(Topics, ReadTSRefusesEveryBadSentenceString) {
    for (const char* text : {"", "Sx1E1", "S254", "S254E40000", "S30000E1", "S255E1"}) {
        form.OpenTS.Text = text;
        form.ButtonReadTSClick();
    }
    EXPECT_EQ(ui.Messages,
              (Messages{"Sie muessen im Fenster daneben eine SE-Nummer eingeben zu der die "
                        "TSangezeigt werden sollen.\r___ \r"
                        "You have to edit a SE-Number that should be opened.",
                        kNoValidSEString, kNoValidSEString,
                        "Sie haben keinen gueltigen Satz-String angegeben. \r___\r"
                        "You didnt provide a valid sentence string. ",
                        "Die E-Nummer ist zu gross!\r___\rYour E-number is too big. ",
                        "Sie haben keinen gueltigen SatzString S...E.. angegeben.Unbekannter "
                        "SE-BEsitzer. UU reservierte SENummer.. \r___\r"
                        "You didnt provide a valid sentence string S..E...Unknown SE-owner. Maybe "
                        "a reserved number. ",
                        " Fehler vxMainForm: Datei nicht gefunden oder kann nicht geoeffnet "
                        "werden.\rTS255.txt\r___\r"
                        "Err vxMainForm: File not found or unable to open:  \rTS255.txt"}));
    EXPECT_EQ(form.LabelOwner.Caption, "");
}

TEST_F(Topics, ReadTSInTwoBRModeReadsTheSessionsMapFile) {
    ini.IniState = kIniState2BR;
    ini.Session2BRPath = ini.SessionsPath + "_2BR_demo";
    install.Write("Sessions/_2BR_demo/Saetze/FormaleSE/TSmapg/TS254.txt", "session map\r\n");
    form.OpenTS.Text = "S254E3";
    form.ButtonReadTSClick();
    EXPECT_EQ(form.MemoTS.Lines[0], "session map");
}

TEST_F(Topics, ActivateTSHandsTheSentenceToTheTSRelationsWindow) {
    ini.IniState = kIniState2BR;
    form.ButtonActivateTSClick();
    for (const char* text : {"S254E3", "S1123E2", "S30000E1", "S0E1"}) {
        form.OpenTS.Text = text;
        form.ButtonActivateTSClick();
    }
    EXPECT_EQ(calls, (Messages{"ActivateTS " + ini.vxPath +
                                   "Saetze\\FormaleSE\\TSmapg\\TS254.txt S254 3 254 E3",
                               "ActivateTS " + ini.vxPath +
                                   "Text\\Users\\usr1101\\Saetze\\FormaleSE\\TSmapg\\TS1123.txt "
                                   "S1123 2 1123 E2",
                               "ActivateTS  S30000 1 30000 E1"}));
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0].substr(0, 44), "Um TS zu aktivieren (aussagenlogische Teil-S");
    EXPECT_EQ(ui.Messages[1], kBadSENumber);
}

TEST_F(Topics, OpenDFLoadsADefaultFormalisedTopic) {
    install.Write("Saetze/FormaleSE/TSmapg/TS254.txt", "*E3,WW:\r\n");
    form.Oeffnen();
    EXPECT_TRUE(form.Visible);
    EXPECT_EQ(form.ComboBoxDF.Items, std::vector<std::string>{"TS254"});
    form.OpenDF();
    form.ComboBoxDF.Text = "TS254";
    form.OpenDF();
    EXPECT_EQ(form.Memo3BR.Lines[0], "*E3,WW:");
    form.ComboBoxDF.Text = "TS9";
    form.OpenDF();
    EXPECT_EQ(form.Memo3BR.Lines[0], "*E3,WW:");
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0],
              "\rSie muessen den Namen in der Form TS255E10 eingeben. \rMehr Hilfe in der Help.\r"
              "___\rYou have to edit a DF-SE Name like TS255E10. \rMore Info in the Help.");
    EXPECT_EQ(ui.Messages[1].substr(0, 80),
              " Fehler vxMainForm: Datei nicht gefunden oder kann nicht geoeffnet werden.\rTS9.t");
}

TEST_F(Topics, EveryHelpButtonShowsOneMessage) {
    form.ButtonHelpSClick();
    form.ButtonHelpEClick();
    form.ButtonHelpTSClick();
    form.ButtonHelp2BRClick();
    form.ButtonHelpXWClick();
    form.ButtonHelpDFClick();
    ASSERT_EQ(ui.Messages.size(), 6u);
    EXPECT_NE(ui.Messages[0].find("S207"), std::string::npos);
    EXPECT_NE(ui.Messages[0].find("S254E4"), std::string::npos);
    EXPECT_NE(ui.Messages[1].find("S254E10"), std::string::npos);
    EXPECT_EQ(ui.Messages[4],
              "Verwenden Sie normale SE Relationen, virtuelle SE (_FSxxxEyy_..) or override "
              "SxxExx_O.\r___ \rUse normal SE relations, virtual SE (_FSxxxEyy_..) or override "
              "SxxExx_O.");
    EXPECT_EQ(ui.Messages[5],
              "Waehlen Sie ein default formalisiertes Thema S zum arbeiten. ___Choose a default "
              "formalized Topic S to work on. ");
}

}  // namespace
}  // namespace vx
