#pragma once

#include "ui/form_view.h"
#include "ui/views/ts_rels_view.h"
#include "upgrade/form_1br_logic.h"
#include "upgrade/lists_form.h"
#include "upgrade/set_br_form.h"
#include "upgrade/step4_upgr_man.h"

class QTabWidget;

namespace vx::qt {

// "Set BR Step": the group of BR steps and OK, Cancel, Help.
class SetBRView : public FormView {
public:
    SetBRView(GuiHost& host, TSetBRForm& form);
};

// "Lists": one page per text of the upgrade, each with the buttons that write it.
class ListsView : public FormView {
public:
    ListsView(GuiHost& host, TListsForm& form);

protected:
    void Push() override;
    void Pull() override;

private:
    QWidget* MemoPage(TMemo& memo, const char* name, std::initializer_list<QWidget*> buttons);
    QWidget* LogicPage();
    QWidget* UpgradeBasePage();
    QWidget* IniTSPage();
    QWidget* DynRulesPage();
    QWidget* NewMemo(TMemo& memo, const char* name);

    TListsForm& form_;
    TSSettingsTabs tsTabs_;
};

// "1BR Logic": the general logic text with Save and Help.
class Form1BRLogicView : public FormView {
public:
    Form1BRLogicView(GuiHost& host, TForm1BRLogic& form);
};

// "Step4 Upgr Manual": the session text and its companions, Save and Save and Fin upgrade.
class Step4UpgrManView : public FormView {
public:
    Step4UpgrManView(GuiHost& host, TStep4UpgrMan& form);
};

}  // namespace vx::qt
