#include "ui/views/regeln_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {

RegelnView::RegelnView(GuiHost& host, TRegelnForm& form) : FormView(host, form, NewWindow()) {
    auto* label = new QLabel;
    auto* edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("EditVXR"));
    auto* choose = new QPushButton;
    choose->setObjectName(QStringLiteral("RegelnWahlButton"));
    auto* help = new QPushButton;
    help->setObjectName(QStringLiteral("HilfeButton"));
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("RegelnMemo"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit, 1);
    row->addWidget(choose);
    row->addWidget(help);
    auto* layout = new QVBoxLayout(window());
    layout->addLayout(row);
    layout->addWidget(memo, 1);

    Bind<LabelBinding>(label, form.VXRLabel);
    Bind<EditBinding>(edit, form.EditVXR, runner(), [&form] { form.RegelnWahlButtonClick(); });
    Bind<ButtonBinding>(choose, form.RegelnWahlButton, runner(),
                        [&form] { form.RegelnWahlButtonClick(); });
    Bind<ButtonBinding>(help, form.HilfeButton, runner(), [&form] { form.HilfeButtonClick(); });
    Bind<MemoBinding>(memo, form.RegelnMemo);
    window()->resize(560, 420);
}

}  // namespace vx::qt
