#include "ui/views/deploy_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {

DeployView::DeployView(GuiHost& host, TDeployForm& form) : FormView(host, form, NewWindow()) {
    auto* grid = new QGridLayout;
    const auto addBox = [&](int row, TLabel& label, TComboBox& box, const char* name) {
        auto* caption = new QLabel;
        auto* combo = NewNamed<QComboBox>(name);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(40);
        grid->addWidget(caption, row, 0);
        grid->addWidget(combo, row, 1);
        Bind<LabelBinding>(caption, label);
        Bind<ComboBoxBinding>(combo, box, runner(), Handler{});
    };
    addBox(0, form.LabelSource, form.ComboBoxSource, "ComboBoxSource");
    addBox(1, form.LabelDest, form.ComboBoxDest, "ComboBoxDest");
    addBox(2, form.LabelImpType, form.ComboBoxImpType, "ComboBoxImpType");
    grid->setColumnStretch(1, 1);

    auto* resultLabel = new QLabel;
    auto* memo = NewNamed<QPlainTextEdit>("MemoDeploy");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(
        NewButton(form.ButtonStart, "ButtonStart", [&form] { form.ButtonStartClick(); }));
    buttons->addWidget(
        NewButton(form.ButtonHelp, "ButtonHelp", [&form] { form.ButtonHelpClick(); }));

    auto* layout = new QVBoxLayout(window());
    layout->addLayout(grid);
    layout->addWidget(resultLabel);
    layout->addWidget(memo, 1);
    layout->addLayout(buttons);

    Bind<LabelBinding>(resultLabel, form.LabelResult);
    Bind<MemoBinding>(memo, form.MemoDeploy);
    window()->resize(640, 460);
}

}  // namespace vx::qt
