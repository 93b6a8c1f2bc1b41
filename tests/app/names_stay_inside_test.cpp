#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/vx_app.h"
#include "platform/safe_name.h"
#include "platform/scripted_ui.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Tree = std::map<std::string, std::string>;

// Every file and directory below `root` with its content.
Tree TreeBelow(const fs::path& root) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        tree[relative] = entry.is_directory() ? "<dir>" : test::ReadBytes(entry.path());
    }
    return tree;
}

// The entries of `tree` whose path begins with `prefix` ("" for all), or that do not.
Tree Part(const Tree& tree, const std::string& prefix, bool below = true) {
    Tree part;
    for (const auto& [path, content] : tree) {
        if ((path.rfind(prefix, 0) == 0) == below) {
            part.emplace(path, content);
        }
    }
    return part;
}

// The paths created, changed or removed between two trees.
std::vector<std::string> Changes(const Tree& before, const Tree& after) {
    std::vector<std::string> changed;
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
    return changed;
}

// Names a person might type, or a list file might hold, that would lead out of the
// directory they are put into: up into the folder that holds the installation, to the
// host's root, onto a drive, cut short by a NUL, or longer than a file name may be.
std::vector<std::string> EscapingNames() {
    return {"..",
            "..\\..\\escape",
            "../../escape",
            "..\\..\\..\\..\\escape",
            "../../../../escape",
            "a/b",
            "a\\b",
            "/tmp/escape",
            "\\escape",
            "C:escape",
            "C:\\escape",
            "nul\0byte"s,
            std::string(300, 'n')};
}

// The demo installation in a folder beside files that hold "OUTSIDE": wherever a name could
// lead out of the installation, such a file waits to be read or overwritten.
class NamesStayInside : public ::testing::Test {
protected:
    NamesStayInside() {
        test::CopyTree(test::DemoDir(), outer.path() / "vx");
        for (const char* name : {"escape", "escape.txt", "b", "b.txt", "escape.ipr"}) {
            outer.Write(name, "OUTSIDE\r\n");
        }
        std::string list;
        for (const std::string& name : EscapingNames()) {
            list += name + ": a rule\r\n";
        }
        outer.Write("vx/Lists/Regelvrz.txt", list);
        app = std::make_unique<VxApp>(ui, outer.SystemPath() + "vx\\System\\vx");
        app->SessionForm.OpenSession("Morning", false, "");
        ui.ClearRecords();
    }

    // Runs one attempt with a name: something must be said, nothing may open that lies
    // outside, no list may show what is outside.
    void Attempt(const std::string& place, const std::string& name,
                 const std::function<void()>& attempt, bool refused = true) {
        const std::size_t before = ui.Messages.size();
        attempt();
        ui.DropQueued();
        if (refused) {
            EXPECT_GT(ui.Messages.size(), before) << place << " said nothing for " << name;
        }
        for (const TextList* list :
             {&app->SessionForm.SessionMemo.Lines, &app->VxMainFormSaetze.VxMainMemo.Lines,
              &app->VxMainFormSaetze.Memo3BR.Lines, &app->RegelnForm.RegelnMemo.Lines}) {
            EXPECT_EQ(list->Text().find("OUTSIDE"), std::string::npos) << place << ": " << name;
        }
        for (const TMemo& memo : app->FormReadOnly.MemoRO) {
            EXPECT_EQ(memo.Lines.Text().find("OUTSIDE"), std::string::npos)
                << place << ": " << name;
        }
    }

    void TypeSessionName(const std::string& name, bool pressOK) {
        ui.QueueDialog([name, pressOK](ModalForm& dialog) {
            auto& form = dynamic_cast<TSessionNameDialog&>(dialog);
            auto& edit = dynamic_cast<TNeueSessionForm*>(&form) != nullptr
                             ? dynamic_cast<TNeueSessionForm&>(form).EditNeueSession
                             : dynamic_cast<TFormSaveAs&>(form).EditSaveAs;
            edit.Text = name;
            if (pressOK) {
                form.ButtonOKClick();
            } else {
                form.ModalAnswer = ModalResult::Ok;  // as if the dialog's own check were missed
            }
        });
    }

    test::TempDir outer;
    ScriptedUi ui;
    std::unique_ptr<VxApp> app;
};

TEST_F(NamesStayInside, NoTypedOrListedNameReadsOrWritesOutsideTheInstallation) {
    TSessionForm& session = app->SessionForm;
    TVxMainFormSaetze& topics = app->VxMainFormSaetze;
    const Tree before = TreeBelow(outer.path());

    for (const std::string& name : EscapingNames()) {
        for (bool pressOK : {true, false}) {
            Attempt("Session new", name, [&] {
                ui.QueueAnswer(ModalResult::No);  // do not save the open session first
                TypeSessionName(name, pressOK);
                app->MenueForm.Click("NeueSes");
            });
            Attempt("Session save as", name, [&] {
                TypeSessionName(name, pressOK);
                app->MenueForm.Click("SpeichernUnterSes");
            });
            // Without the dialog's check a name may still name a place inside the
            // installation; only what lies outside must be refused.
            Attempt(
                "Topic save as", name,
                [&] {
                    ui.QueueDialog([&, name, pressOK](ModalForm&) {
                        app->FormSSaveAs.EditName.Text = name;
                        if (pressOK) {
                            app->FormSSaveAs.ButtonOKClick();
                        } else {
                            app->FormSSaveAs.FileName = topics.Root() + name;
                            app->FormSSaveAs.ModalAnswer = ModalResult::Ok;
                        }
                    });
                    topics.SpeicherThemaUnter();
                },
                pressOK);
        }
        EXPECT_EQ(session.SesName, "Morning");
        Attempt("Choose S", name, [&] {
            topics.SatzEdit.Text = name;
            topics.ButtonOKClick();
        });
        Attempt("Activate E", name, [&] {
            topics.EditAktiviere.Text = "S254E" + name;
            topics.ButtonAktiviereClick();
        });
        Attempt("Open DF", name, [&] {
            topics.ComboBoxDF.Text = name;
            topics.OpenDF();
        });
        Attempt("Regeln", name, [&] {
            app->RegelnForm.EditVXR.Text = name;
            app->RegelnForm.RegelnWahlButtonClick();
        });
        Attempt("Viewer", name, [&] {
            TFormReadOnly& viewer = app->FormReadOnly;
            viewer.RadioGroupLang.ItemIndex = 1;
            viewer.ComboBoxType.Text = "vx Rules";
            viewer.ComboBoxTypeChange();
            viewer.ComboBoxSelect.Text = name + ": a rule";
            viewer.ComboBoxSelectChange();
            viewer.ButtonOpenClick();
            viewer.ButtonCloseClick();
        });
    }
    EXPECT_EQ(Changes(Part(before, "vx/", false), Part(TreeBelow(outer.path()), "vx/", false)),
              std::vector<std::string>{});
    EXPECT_EQ(Changes(Part(before, "vx/Sessions/"), Part(TreeBelow(outer.path()), "vx/Sessions/")),
              std::vector<std::string>{});

    // Choosing a session reads, and rewrites Temp\AktSes.ini: last, since it replaces the
    // open session's lists.
    for (const std::string& name : EscapingNames()) {
        Attempt("Session choose", name, [&] {
            EXPECT_FALSE(session.OpenSession(name, false, ""));
            EXPECT_FALSE(session.OpenSession("Breakfast", true, app->IniForm.SessionsPath + name));
        });
    }
    EXPECT_EQ(Changes(Part(before, "vx/", false), Part(TreeBelow(outer.path()), "vx/", false)),
              std::vector<std::string>{});
    EXPECT_EQ(Changes(Part(before, "vx/Sessions/"), Part(TreeBelow(outer.path()), "vx/Sessions/")),
              std::vector<std::string>{});

    // The choosers of a session and of a topic's directory stop at the installation.
    EXPECT_FALSE(app->WahleDlgBoxForm.DirectoryListBox.Up());
    EXPECT_FALSE(app->FormSSaveAs.DirectoryListBox.Up());
}

// The check itself sees a write: a good name is saved where the person said.
TEST_F(NamesStayInside, AGoodNameIsStillSavedInTheSessionsDirectory) {
    const Tree before = TreeBelow(outer.path());
    TypeSessionName("Evening.ses", true);
    app->MenueForm.Click("SpeichernUnterSes");
    const Tree after = TreeBelow(outer.path());
    EXPECT_EQ(Changes(before, after),
              (std::vector<std::string>{"vx/Sessions/Evening.ipr", "vx/Sessions/Evening.lnb",
                                        "vx/Sessions/Evening.lzb", "vx/Sessions/Evening.ses",
                                        "vx/Temp/AktSes.ini"}));
    EXPECT_EQ(ui.Messages.back(), "Session abgespeichert.\r___\rSession saved.");
}

}  // namespace
}  // namespace vx
