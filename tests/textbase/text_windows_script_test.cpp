#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "session_lists.h"
#include "settings/ini_form.h"
#include "support/installed.h"
#include "support/window_script.h"
#include "textbase/form_s_save_as.h"
#include "textbase/vx_main_form_saetze.h"
#include "textbase/ww_rel_form.h"
#include "textbase/ww_rel_read_form.h"

// The topic window and the relations window driven by the scripts of
// tests/data/textbase/windows/<suite>/<case>/ (see support/window_script.h). A case's "files"
// folder is copied into the installation first; "copy NAME" copies
// tests/data/textbase/window_files/NAME. The installation has the author range 1..999, users
// 1000..9999 below Text\Users\, groups 10000..19999 below Text\Groups\, everyone 20000..29999.

namespace vx {
namespace {

namespace fs = std::filesystem;

fs::path Suites() {
    return test::TestDataDir() / "textbase" / "windows";
}

class TextWindows : public ::testing::TestWithParam<std::string>, protected test::Installed {
protected:
    TextWindows()
        : rel(ui, ini, session.Links(), Opened()),
          relRead(ui, ini),
          saveAs(ui, ini),
          form(ui, ini, rel, relRead, saveAs, Opened(),
               [this](const std::string& file, const std::string& topic, std::int32_t sentence,
                      std::int32_t topicNumber, const std::string& part) {
                   script.Say("ActivateTS " + file + " " + topic + " " + std::to_string(sentence) +
                              " " + std::to_string(topicNumber) + " " + part);
               }) {
        install.Write("Saetze/S12.txt", "S12: author\r\nE1: one\r\n");
        install.Write("Text/Users/usr1101/Saetze/S1123.txt", "S1123: user\r\n");
        install.Write("Text/Groups/grp12301/Saetze/S12345.txt", "S12345: group\r\n");
        install.Write("Text/EveryOne/Saetze/S20012.txt", "S20012: everyone\r\n");
        session.SessionMemo.Lines = {"//vx2.0b, "};
        session.InterprtMemo.Lines = {"//vx2.0b, BVInfos "};
        session.MemoLK.Lines = {"//vx2.0b, LnB Infos "};
        session.MemoLzB.Lines = {"//vx2.0b, LzB Infos "};
        AddTopicVerbs();
        AddTSVerbs();
        AddRelationVerbs();
        AddShowVerbs();
    }

    OpenExternFunction Opened() {
        return [this](const std::string& kind, const std::string& title, const std::string& path) {
            script.Say("opened " + kind + " " + title + " " + path);
        };
    }

    template <typename Control>
    void Type(const std::string& verb, Control& edit, void (TVxMainFormSaetze::*click)()) {
        script.On(verb, [this, &edit, click](const std::string& text) {
            edit.Text = text;
            (form.*click)();
        });
    }
    void Click(const std::string& verb, void (TVxMainFormSaetze::*click)()) {
        script.On(verb, [this, click](const std::string&) { (form.*click)(); });
    }

    void AddTopicVerbs() {
        Type("choose", form.SatzEdit, &TVxMainFormSaetze::ButtonOKClick);
        Type("activate", form.EditAktiviere, &TVxMainFormSaetze::ButtonAktiviereClick);
        Type("2br", form.EditSatz2BR, &TVxMainFormSaetze::Button2BRClick);
        Click("activate-xw", &TVxMainFormSaetze::ButtonActivateXWClick);
        Click("popup", &TVxMainFormSaetze::AktiviereSelSatzPopup);
        Click("activate-selected", &TVxMainFormSaetze::AktiviereSatzClick);
        Click("save-topic-as", &TVxMainFormSaetze::SpeicherThemaUnter);
        Click("open", &TVxMainFormSaetze::Oeffnen);
        script.On("select", [this](const std::string& text) { form.VxMainMemoSelection = text; });
        script.On("mode", [this](const std::string& mode) {
            ini.IniState = mode == "2BR" ? kIniState2BR : kIniState1BR;
        });
        script.On("rel-open", [this](const std::string& se) { ini.OpenRelFile = se; });
        script.On("read-open", [this](const std::string& se) { ini.OpenRelReadFile = se; });
        script.On("save-as-name", [this](const std::string& name) {
            ui.QueueDialog(
                [name](ModalForm& dialog) {
                    auto& saveDialog = dynamic_cast<TFormSSaveAs&>(dialog);
                    saveDialog.EditName.Text = name;
                    saveDialog.ButtonOKClick();
                },
                "TFormSSaveAs");
        });
        script.On("save-as-cancel", [this](const std::string&) {
            ui.QueueDialog([](ModalForm& dialog) { dialog.ModalAnswer = ModalResult::Cancel; });
        });
        script.On("help", [this](const std::string& button) {
            const std::map<std::string, void (TVxMainFormSaetze::*)()> buttons = {
                {"S", &TVxMainFormSaetze::ButtonHelpSClick},
                {"E", &TVxMainFormSaetze::ButtonHelpEClick},
                {"TS", &TVxMainFormSaetze::ButtonHelpTSClick},
                {"2BR", &TVxMainFormSaetze::ButtonHelp2BRClick},
                {"XW", &TVxMainFormSaetze::ButtonHelpXWClick},
                {"DF", &TVxMainFormSaetze::ButtonHelpDFClick}};
            (form.*buttons.at(button))();
        });
    }

    void AddTSVerbs() {
        Type("read-ts", form.OpenTS, &TVxMainFormSaetze::ButtonReadTSClick);
        Type("activate-ts", form.OpenTS, &TVxMainFormSaetze::ButtonActivateTSClick);
        Type("df", form.ComboBoxDF, &TVxMainFormSaetze::OpenDF);
        Click("ts-read-only", &TVxMainFormSaetze::OpenTSReadOnlyClick);
        script.On("session-2br", [this](const std::string& name) {
            ini.Session2BRPath = ini.SessionsPath + name;
        });
    }

    void AddRelationVerbs() {
        script.On("copy", [this](const std::string& name) {
            test::CopyTree(Suites().parent_path() / "window_files" / name, install.path());
        });
        // evaluate TOPIC SENTENCE TYPE [DIRECTORY below the root, default RELATION\TOPIC\]
        script.On("evaluate", [this](const std::string& argument) {
            const auto a = test::Words(argument);
            rel.Close();
            const std::string dir = a.size() > 3 ? a[3] : "RELATION\\" + a[0] + "\\";
            script.Say("= " + rel.EvaluateRels(a[0], a[1], install.Root() + dir, a[2]));
        });
        script.On("tick-all", [this](const std::string& tab) {
            for (TRelationPage& page : rel.Tab(std::stoi(tab)).Relations.Pages) {
                for (TCheckBox& box : page.Boxes) {
                    box.Checked = box.Enabled;
                }
            }
        });
        script.On("tick", [this](const std::string& argument) {  // TAB PAGE BOX
            const auto a = test::Words(argument);
            rel.Tab(std::stoi(a[0]))
                .Relations.Pages.at(std::stoul(a[1]))
                .Boxes.at(std::stoul(a[2]))
                .Checked = true;
        });
        script.On("aktiv",
                  [this](const std::string& tab) { rel.AktivButtonClick(std::stoi(tab)); });
        script.On("reset",
                  [this](const std::string& tab) { rel.ResetButtonClick(std::stoi(tab)); });
        script.On("semi-form", [this](const std::string&) { rel.ButtonShowSemiForm1Click(); });
        script.On("help-tab",
                  [this](const std::string& tab) { rel.HelpButtonClick(std::stoi(tab)); });
        script.On("help-read-tab",
                  [this](const std::string& tab) { relRead.HelpButtonClick(std::stoi(tab)); });
        script.On("close", [this](const std::string&) { rel.Close(); });
        script.On("session-closed", [this](const std::string&) { session.Opened = 0; });
        script.On("bv-line",
                  [this](const std::string& line) { session.InterprtMemo.Lines.Add(line); });
        script.On("bv-clear", [this](const std::string&) { session.InterprtMemo.Lines.Clear(); });
        script.On("insert-pos", [this](const std::string& argument) {
            const auto a = test::Words(argument);
            script.Say("= " + std::to_string(rel.InsertPosOfSE(std::stoi(a[0]), std::stoi(a[1]))));
        });
        script.On("find-line", [this](const std::string& se) {
            script.Say("= " + std::to_string(rel.FindLineOfSE(se)));
        });
    }

    std::string Memo(const TMemo& memo, const std::string& indent = "  ") {
        return test::Indented(memo.Lines.Lines(), indent);
    }
    static std::string Sign(bool on) { return on ? "+" : "-"; }

    void AddShowVerbs() {
        shows["memo"] = [this] {
            return Memo(form.VxMainMemo) +
                   (form.VxMainMemo.ReadOnly ? "\nread-only" : "\nwritable");
        };
        shows["topic"] = [this] {
            return " " + form.LoadedTopic() + ", SE " + form.CurrentSE() + ", activate " +
                   form.EditAktiviere.Text;
        };
        shows["windows"] = [this] {
            return " main " + Sign(form.Visible) + ", relations " + Sign(rel.Visible) +
                   ", read-only relations " + Sign(relRead.Visible);
        };
        shows["ts"] = [this] { return " owner " + form.LabelOwner.Caption + Memo(form.MemoTS); };
        shows["2br"] = [this] { return Memo(form.Memo2BR); };
        shows["df"] = [this] {
            return test::Indented(form.ComboBoxDF.Items, "  item ") + Memo(form.Memo3BR);
        };
        shows["session"] = [this] {
            return Memo(session.SessionMemo) + Memo(session.InterprtMemo, "  BV ") +
                   Memo(session.MemoLK, "  LnB ") + Memo(session.MemoLzB, "  LzB ");
        };
        shows["relations"] = [this] { return ShownRelations(); };
        script.On("show",
                  [this](const std::string& what) { script.Say(what + ":" + shows.at(what)()); });
    }

    std::string ShownRelations() {
        std::ostringstream out;
        out << " " << rel.XWType << ", code " << rel.Code << ", files " << rel.FileCount
            << ", value " << rel.CurrentValue << ", open " << ini.OpenRelFile;
        for (int tab = 0; tab < TVater2MethodenForm::kTabs; ++tab) {
            out << "\n  tab " << tab << ": pages " << rel.Tab(tab).Relations.Pages.size()
                << ", memo lines " << rel.Tab(tab).Memo.Lines.Count();
        }
        return out.str();
    }

    test::SessionLists session;
    test::WindowScript script{ui};
    std::map<std::string, std::function<std::string()>> shows;
    TWWRelForm rel;
    TWWRelReadForm relRead;
    TFormSSaveAs saveAs;
    TVxMainFormSaetze form;
};

TEST_P(TextWindows, TranscriptAsExpected) {
    if (fs::exists(Suites() / GetParam() / "files")) {
        test::CopyTree(Suites() / GetParam() / "files", install.path());
    }
    script.Check(Suites(), GetParam(), ini.vxPath);
}

INSTANTIATE_TEST_SUITE_P(Scripts, TextWindows,
                         testing::ValuesIn(test::GoldenCasesInSuites(Suites())),
                         test::GoldenName());

}  // namespace
}  // namespace vx
