#include "ui/views/cfg_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vx::qt {

CfgView::CfgView(GuiHost& host, TvxCfgForm& cfg) : FormView(host, cfg, NewWindow()) {
    auto* tabs = new QTabWidget;
    auto* general = new QWidget;
    auto* generalLayout = new QVBoxLayout(general);
    auto* language = new QGroupBox;
    generalLayout->addWidget(language);
    auto* buttons = new QHBoxLayout;
    auto* help = new QPushButton;
    auto* apply = new QPushButton;
    auto* cancel = new QPushButton;
    buttons->addWidget(help);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    generalLayout->addLayout(buttons);
    auto* sessions = new QWidget;
    auto* sessionsLayout = new QVBoxLayout(sessions);
    auto* interpretation = new QCheckBox;
    sessionsLayout->addWidget(interpretation);
    tabs->addTab(general, QString());
    tabs->addTab(sessions, QString());
    (new QVBoxLayout(window()))->addWidget(tabs);

    Bind<PageControlBinding>(tabs, cfg.PageControl, runner(), Handler{});
    Bind<RadioGroupBinding>(language, cfg.PreferedLanguage, runner(), Handler{});
    Bind<ButtonBinding>(help, cfg.HelpButton, runner(), Handler{});
    Bind<ButtonBinding>(apply, cfg.ApplyButton, runner(), Handler{});
    Bind<ButtonBinding>(cancel, cfg.CancelButton, runner(), Handler{});
    Bind<CheckBoxBinding>(interpretation, cfg.SessionInterpretation, runner(), Handler{});
}

}  // namespace vx::qt
