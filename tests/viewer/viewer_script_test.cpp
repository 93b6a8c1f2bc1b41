#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "settings/ini_form.h"
#include "support/installed.h"
#include "support/window_script.h"
#include "textbase/form_open_free.h"
#include "viewer/form_read_only.h"
#include "viewer/hilfe_form.h"
#include "viewer/regeln_form.h"

// The read-only viewer, the help window and the rules window driven by the scripts of
// tests/data/viewer/windows/<suite>/<case>/ (see support/window_script.h), on an installation
// holding tests/data/viewer/window_files/installation.

namespace vx {
namespace {

namespace fs = std::filesystem;

fs::path Suites() {
    return test::TestDataDir() / "viewer" / "windows";
}

class ViewerWindows : public ::testing::Test, protected test::Installed {
protected:
    ViewerWindows()
        : openFree(ui, ini), viewer(ui, ini, openFree), regeln(ui, ini), help(ui, ini, regeln) {
        test::CopyTree(Suites().parent_path() / "window_files" / "installation", install.path());
    }

    void SetLanguage(int index) {
        viewer.RadioGroupLang.ItemIndex = index;
        viewer.RadioGroupLangClick();
    }

    TFormOpenFree openFree;
    TFormReadOnly viewer;
    TRegelnForm regeln;
    THilfeForm help;
};

class ViewerScripts : public ViewerWindows, public ::testing::WithParamInterface<std::string> {
protected:
    ViewerScripts() {
        AddViewerVerbs();
        AddHelpVerbs();
        script.On("remove",
                  [this](const std::string& path) { fs::remove_all(install.path() / path); });
    }

    void Click(const std::string& verb, auto& window, auto click) {
        script.On(verb, [&window, click](const std::string&) { (window.*click)(); });
    }

    void AddViewerVerbs() {
        script.On("type", [this](const std::string& type) {
            viewer.ComboBoxType.Text = type;
            viewer.ComboBoxTypeChange();
        });
        script.On("element", [this](const std::string& element) {
            viewer.ComboBoxSelect.Text = element;
            viewer.ComboBoxSelectChange();
        });
        script.On("language", [this](const std::string& index) { SetLanguage(std::stoi(index)); });
        // Sets the language as the menu leaves it, without the window's reaction.
        script.On("language-item", [this](const std::string& index) {
            viewer.RadioGroupLang.ItemIndex = std::stoi(index);
        });
        script.On("close-tab", [this](const std::string& tab) {
            viewer.PageControl.ActivePageIndex = std::stoi(tab);
            viewer.ButtonCloseClick();
        });
        // extern KIND|TITLE|PATH below the root
        script.On("extern", [this](const std::string& argument) {
            const auto first = argument.find('|');
            const auto second = argument.find('|', first + 1);
            const std::string path = argument.substr(second + 1);
            viewer.OpenExtern(argument.substr(0, first),
                              argument.substr(first + 1, second - first - 1),
                              path.empty() ? "" : ini.vxPath + path);
        });
        Click("open", viewer, &TFormReadOnly::ButtonOpenClick);
        Click("open-from", viewer, &TFormReadOnly::ButtonOpenFromClick);
        Click("oeffne-ro", viewer, &TFormReadOnly::OeffneRO);
        script.On("show", [this](const std::string& what) { script.Say(Shown(what)); });
    }

    void AddHelpVerbs() {
        Click("introduction", help, &THilfeForm::ButEinfgClick);
        Click("abbreviations", help, &THilfeForm::ButAbkClick);
        Click("literature", help, &THilfeForm::ButLitClick);
        Click("faq", help, &THilfeForm::ButtonFAQClick);
        Click("list-ok", help, &THilfeForm::ButListClick);
        Click("help-help", help, &THilfeForm::ButHilfeClick);
        Click("help-rules", help, &THilfeForm::ButRegelnClick);
        Click("open-help", help, &THilfeForm::OpenHelp);
        Click("hide-help", help, &THilfeForm::Hide);
        Click("rules-help", regeln, &TRegelnForm::HilfeButtonClick);
        script.On("list", [this](const std::string& index) {
            help.ListBoxListen.ItemIndex = std::stoi(index);
        });
        script.On("help-memo",
                  [this](const std::string& line) { help.HilfeMemo.Lines.Assign({line}); });
        script.On("rule", [this](const std::string& number) {
            regeln.EditVXR.Text = number;
            regeln.RegelnWahlButtonClick();
        });
    }

    std::string Shown(const std::string& what) {
        if (what == "tabs") {
            std::string text = "tabs: active " +
                               std::to_string(viewer.PageControl.ActivePageIndex) +
                               ", first free " + std::to_string(viewer.FirstFreeTab()) +
                               (viewer.Visible ? ", shown" : ", hidden");
            for (std::size_t i = 0; i < viewer.PageControl.Pages.size(); ++i) {
                text += "\n  \"" + viewer.PageControl.Pages[i].Caption + "\" (" +
                        std::to_string(viewer.MemoRO[i].Lines.Count()) +
                        " lines): " + viewer.MemoRO[i].Lines[0];
            }
            return text;
        }
        if (what == "choice") {
            return "choice: overview " + viewer.OverviewPath + ", document " + viewer.DocumentPath +
                   " \"" + viewer.DocumentTitle + "\", element \"" + viewer.ComboBoxSelect.Text +
                   "\"" + test::Indented(viewer.ComboBoxSelect.Items, "  item ");
        }
        if (what == "help") {
            return std::string("help: ") + (help.Visible ? "shown" : "hidden") +
                   test::Indented(help.ListBoxGrp.Items, "  group ") +
                   test::Indented(help.HilfeMemo.Lines.Lines(), "  ");
        }
        return std::string("rules: ") + (regeln.Visible ? "shown" : "hidden") +
               test::Indented(regeln.RegelnMemo.Lines.Lines(), "  ");
    }

    test::WindowScript script{ui};
};

TEST_P(ViewerScripts, TranscriptAsExpected) {
    script.Check(Suites(), GetParam(), ini.vxPath);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ViewerScripts,
                         testing::ValuesIn(test::GoldenCasesInSuites(Suites())),
                         test::GoldenName());

TEST_F(ViewerWindows, HugeOddAndBinaryDocumentsAreShownUnchanged) {
    std::string list = "<Regeln>\r\n";
    for (int i = 0; i < 100000; ++i) {
        list += "VXR" + std::to_string(i) + ": rule\r\n";
    }
    install.Write("Lists/Regelvrz.txt", list);
    const std::string longLine(20000, 'x');
    const std::string bytes = std::string("caf\xE9 \x80\x9F\xFF ") + '\0' + "end";
    install.Write("Text/FAQ_HowTo.txt", longLine + "\r\n" + bytes + "\n");
    SetLanguage(1);
    viewer.ComboBoxType.Text = "vx Rules";
    viewer.ComboBoxTypeChange();
    EXPECT_EQ(viewer.ComboBoxSelect.Items.size(), 100002u);
    viewer.ButtonOpenClick();
    EXPECT_EQ(viewer.MemoRO[0].Lines.Count(), 100001);
    SetLanguage(0);
    viewer.OpenExtern("FAQ", "", "");
    EXPECT_EQ(viewer.MemoRO[1].Lines[0], longLine);
    EXPECT_EQ(viewer.MemoRO[1].Lines[1], bytes);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});
}

}  // namespace
}  // namespace vx
