#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "support/file_tree.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

using namespace std::string_literals;
using Tree = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

// The paths created, changed or removed between two trees; with `guarded`, only those outside
// the installation or in its sessions directory, where no name may lead.
Lines Changes(const Tree& before, const Tree& after, bool guarded = false) {
    Lines changed;
    for (const auto& [path, content] : after) {
        const auto it = before.find(path);
        if (it == before.end() || it->second != content) {
            changed.push_back(path);
        }
    }
    for (const auto& [path, content] : before) {
        if (after.count(path) == 0) {
            changed.push_back(path + " (removed)");
        }
    }
    std::erase_if(changed, [guarded](const std::string& path) {
        return guarded && path.rfind("vx/", 0) == 0 && path.rfind("vx/Sessions/", 0) != 0;
    });
    return changed;
}

// Names a person might type, or a list file might hold, that would lead out of the
// directory they are put into: up into the folder that holds the installation, to the
// host's root, onto a drive, cut short by a NUL, or longer than a file name may be.
Lines EscapingNames() {
    Lines names = test::Words(R"(.. ..\..\escape ../../escape ..\..\..\..\escape ../../../../escape
                                 a/b a\b /tmp/escape \escape C:escape C:\escape)");
    names.push_back("nul\0byte"s);
    names.push_back(std::string(300, 'n'));
    return names;
}
const Lines kEscapingNames = EscapingNames();

// Types the name into the session name dialog that opens next; without `pressOK` the dialog
// answers OK as if its own check were missed.
void TypeSessionName(ScriptedUi& ui, const std::string& name, bool pressOK) {
    ui.QueueDialog([name, pressOK](ModalForm& dialog) {
        auto& form = dynamic_cast<TSessionNameDialog&>(dialog);
        auto* neue = dynamic_cast<TNeueSessionForm*>(&form);
        (neue != nullptr ? neue->EditNeueSession : dynamic_cast<TFormSaveAs&>(form).EditSaveAs)
            .Text = name;
        pressOK ? form.ButtonOKClick() : void(form.ModalAnswer = ModalResult::Ok);
    });
}

// A place where a name is typed or read from a list. Something is said for every name, but
// where a name typed without the dialog's check (`pressOK` false) may still name a place inside
// the installation: there only what lies outside must be refused.
struct Place {
    const char* Name;
    bool SaidWithoutCheck;
    std::function<void(const std::string& name, bool pressOK)> Attempt;
};

// The demo installation in a folder beside files that hold "OUTSIDE": wherever a name could
// lead out of the installation, such a file waits to be read or overwritten, and no list may
// show it.
TEST(NamesStayInside, NoTypedOrListedNameReadsOrWritesOutsideTheInstallation) {
    test::TempDir outer;
    test::CopyTree(test::DemoDir(), outer.path() / "vx");
    for (const char* name : {"escape", "escape.txt", "b", "b.txt", "escape.ipr"}) {
        outer.Write(name, "OUTSIDE\r\n");
    }
    std::string list;
    for (const std::string& name : kEscapingNames) {
        list += name + ": a rule\r\n";
    }
    outer.Write("vx/Lists/Regelvrz.txt", list);
    ScriptedUi ui;
    VxApp app(ui, outer.SystemPath() + "vx\\System\\vx");
    TSessionForm& session = app.SessionForm;
    ASSERT_TRUE(session.OpenSession("Morning", false, ""));
    TVxMainFormSaetze& topics = app.VxMainFormSaetze;
    TFormReadOnly& viewer = app.FormReadOnly;
    std::vector<const TextList*> shown = {&session.SessionMemo.Lines, &topics.VxMainMemo.Lines,
                                          &topics.Memo3BR.Lines, &app.RegelnForm.RegelnMemo.Lines};
    for (const TMemo& memo : viewer.MemoRO) {
        shown.push_back(&memo.Lines);
    }
    const Tree before = test::FilesBelow(outer.path(), true);
    ASSERT_EQ(before.at("escape"), "OUTSIDE\r\n");
    const Place places[] = {
        {"Session new", true,
         [&](const std::string& name, bool pressOK) {
             ui.QueueAnswer(ModalResult::No);  // do not save the open session first
             TypeSessionName(ui, name, pressOK);
             app.MenueForm.Click("NeueSes");
         }},
        {"Session save as", true,
         [&](const std::string& name, bool pressOK) {
             TypeSessionName(ui, name, pressOK);
             app.MenueForm.Click("SpeichernUnterSes");
         }},
        {"Topic save as", false,
         [&](const std::string& name, bool pressOK) {
             ui.QueueDialog([&, name, pressOK](ModalForm&) {
                 TFormSSaveAs& dialog = app.FormSSaveAs;
                 dialog.EditName.Text = name;
                 if (pressOK) {
                     dialog.ButtonOKClick();
                 } else {
                     dialog.FileName = topics.Root() + name;
                     dialog.ModalAnswer = ModalResult::Ok;
                 }
             });
             topics.SpeicherThemaUnter();
         }},
        {"Choose S", true,
         [&](const std::string& name, bool) {
             topics.SatzEdit.Text = name;
             topics.ButtonOKClick();
         }},
        {"Activate E", true,
         [&](const std::string& name, bool) {
             topics.EditAktiviere.Text = "S254E" + name;
             topics.ButtonAktiviereClick();
         }},
        {"Open DF", true,
         [&](const std::string& name, bool) {
             topics.ComboBoxDF.Text = name;
             topics.OpenDF();
         }},
        {"Regeln", true,
         [&](const std::string& name, bool) {
             app.RegelnForm.EditVXR.Text = name;
             app.RegelnForm.RegelnWahlButtonClick();
         }},
        {"Viewer", true,
         [&](const std::string& name, bool) {
             viewer.RadioGroupLang.ItemIndex = 1;
             viewer.ComboBoxType.Text = "vx Rules";
             viewer.ComboBoxTypeChange();
             viewer.ComboBoxSelect.Text = name + ": a rule";
             viewer.ComboBoxSelectChange();
             viewer.ButtonOpenClick();
             viewer.ButtonCloseClick();
         }},
        // Choosing a session reads, and rewrites Temp\AktSes.ini: last, since it replaces the
        // open session's lists.
        {"Session choose", true,
         [&](const std::string& name, bool) {
             EXPECT_FALSE(session.OpenSession(name, false, ""));
             EXPECT_FALSE(session.OpenSession("Breakfast", true, app.IniForm.SessionsPath + name));
         }},
    };
    for (const Place& place : places) {
        for (const std::string& name : kEscapingNames) {
            for (bool pressOK : {true, false}) {
                const std::size_t said = ui.Messages.size();
                place.Attempt(name, pressOK);
                ui.DropQueued();
                EXPECT_TRUE((!place.SaidWithoutCheck && !pressOK) || ui.Messages.size() > said)
                    << place.Name << " said nothing for " << name;
                for (const TextList* lines : shown) {
                    EXPECT_EQ(lines->Text().find("OUTSIDE"), std::string::npos)
                        << place.Name << ": " << name;
                }
            }
        }
        EXPECT_EQ(session.SesName, "Morning") << place.Name;
        EXPECT_EQ(Changes(before, test::FilesBelow(outer.path(), true), true), Lines{})
            << place.Name;
    }
    // The choosers of a session and of a topic's directory stop at the installation.
    EXPECT_FALSE(app.WahleDlgBoxForm.DirectoryListBox.Up());
    EXPECT_FALSE(app.FormSSaveAs.DirectoryListBox.Up());

    // The check itself sees a write: a good name is saved where the person said.
    ASSERT_TRUE(session.OpenSession("Morning", false, ""));
    TypeSessionName(ui, "Evening.ses", true);
    app.MenueForm.Click("SpeichernUnterSes");
    EXPECT_EQ(Changes(before, test::FilesBelow(outer.path(), true), true),
              (Lines{"vx/Sessions/Evening.ipr", "vx/Sessions/Evening.lnb",
                     "vx/Sessions/Evening.lzb", "vx/Sessions/Evening.ses"}));
    EXPECT_EQ(ui.Messages.back(), "Session abgespeichert.\r___\rSession saved.");
}

}  // namespace
}  // namespace vx
