#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui_test.h"
#include "platform/controls.h"
#include "ui/form_view.h"

namespace vx::qt {
namespace {

// A window model with one control of each kind, and a handler that reads and writes them.
struct ProbeForm : TForm {
    ProbeForm() : TForm("TProbeForm", "Probe") {}
    TMemo Memo;
    TEdit Edit;
    TComboBox Combo;
    TCheckBox Check;
    TListBox List;
    TButton Go;
    TPageControl Pages;
    std::string Seen;
    void GoClick() {
        Seen = Memo.Lines[1] + "|" + Edit.Text + "|" + Combo.Text + "|" +
               (Check.Checked ? "on" : "off") + "|" + std::to_string(List.ItemIndex);
        Memo.Lines.Add("handled");
        Edit.Text = "from model";
        Check.Checked = false;
        Go.Caption = "Again";
        Pages.Pages[1].Visible = false;
    }
};

struct ProbeView : FormView {
    ProbeView(GuiHost& host, ProbeForm& form) : FormView(host, form, NewWindow()) {
        auto* layout = new QVBoxLayout(window());
        for (QWidget* w :
             std::initializer_list<QWidget*>{memo, edit, combo, check, list, go, tabs}) {
            layout->addWidget(w);
        }
        tabs->addTab(new QWidget, QString());
        tabs->addTab(new QWidget, QString());
        Bind<MemoBinding>(memo, form.Memo);
        Bind<EditBinding>(edit, form.Edit, runner(), Handler{});
        Bind<ComboBoxBinding>(combo, form.Combo, runner(), Handler{});
        Bind<CheckBoxBinding>(check, form.Check, runner(), Handler{});
        Bind<ListBinding>(list, form.List, runner(), Handler{}, Handler{});
        Bind<ButtonBinding>(go, form.Go, runner(), [&form] { form.GoClick(); });
        Bind<PageControlBinding>(tabs, form.Pages, runner(), Handler{});
    }
    QPlainTextEdit* memo = new QPlainTextEdit;
    QLineEdit* edit = new QLineEdit;
    QComboBox* combo = new QComboBox;
    QCheckBox* check = new QCheckBox;
    QListWidget* list = new QListWidget;
    QPushButton* go = new QPushButton;
    QTabWidget* tabs = new QTabWidget;
};

class Binding : public test::GuiTest {
protected:
    Binding() { Start(install.ProgramFileName()); }
    vx::test::TempInstallation install;
    ProbeForm form;
};

TEST_F(Binding, EditsReachTheModelBeforeAHandlerAndTheViewFollowsAfterIt) {
    form.Memo.Lines = TextList{"//vx2.0b, "};
    form.Combo.Items = {"DefWW", "DefEW"};
    form.Combo.Editable = false;
    form.List.Items = {"a", "b", "c"};
    form.Go.Caption = "Go";
    form.Pages.Pages = {TabSheet("BR1"), TabSheet("BR2")};
    // The view is created after the form's controls are set.
    auto owned = std::make_unique<ProbeView>(host, form);
    ProbeView* view = owned.get();
    host.AddView(std::move(owned));
    form.Show();
    host.PullAll();
    ASSERT_TRUE(view->window()->isVisible());
    EXPECT_EQ(view->memo->toPlainText(), "//vx2.0b, ");
    EXPECT_EQ(view->go->text(), "Go");
    EXPECT_EQ(view->tabs->tabText(1), "BR2");

    // The person types and picks.
    view->memo->setPlainText("//vx2.0b, \nS1E1 WW10 :");
    view->memo->document()->setModified(true);
    view->edit->setText(QString::fromLatin1("typed \xFC"));
    view->combo->setCurrentIndex(1);
    view->check->setChecked(true);
    view->list->setCurrentRow(2);
    view->go->click();

    EXPECT_EQ(form.Seen, "S1E1 WW10 :|typed \xFC|DefEW|on|2");
    EXPECT_EQ(view->memo->toPlainText(), "//vx2.0b, \nS1E1 WW10 :\nhandled");
    EXPECT_EQ(view->edit->text(), "from model");
    EXPECT_FALSE(view->check->isChecked());
    EXPECT_EQ(view->go->text(), "Again");
    EXPECT_FALSE(view->tabs->isTabVisible(1));

    // Closing the window runs the model's Close and hides it.
    view->window()->close();
    EXPECT_FALSE(form.Visible);
    EXPECT_FALSE(view->window()->isVisible());
}

}  // namespace
}  // namespace vx::qt
