#include "ui/views/hilfe_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vx::qt {

HilfeView::HilfeView(GuiHost& host, THilfeForm& form) : FormView(host, form, NewWindow()) {
    auto* tabs = new QTabWidget;
    auto* de = new QWidget;
    tabs->addTab(de, QString());
    tabs->addTab(new QWidget, QString());
    tabs->addTab(new QWidget, QString());

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](TButton& model, const char* name, Handler handler) {
        auto* button = new QPushButton;
        button->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(button);
        Bind<ButtonBinding>(button, model, runner(), std::move(handler));
    };
    addButton(form.ButEinfg, "ButEinfg", [&form] { form.ButEinfgClick(); });
    addButton(form.ButAbk, "ButAbk", [&form] { form.ButAbkClick(); });
    addButton(form.ButLit, "ButLit", [&form] { form.ButLitClick(); });
    addButton(form.ButtonFAQ, "ButtonFAQ", [&form] { form.ButtonFAQClick(); });
    addButton(form.ButHilfe, "ButHilfe", [&form] { form.ButHilfeClick(); });
    addButton(form.ButRegeln, "ButRegeln", [&form] { form.ButRegelnClick(); });
    buttons->addStretch();

    auto* lists = new QListWidget;
    lists->setObjectName(QStringLiteral("ListBoxListen"));
    lists->setMaximumHeight(130);
    auto* groups = new QListWidget;
    groups->setObjectName(QStringLiteral("ListBoxGrp"));
    groups->setMaximumHeight(130);
    auto* ok = new QPushButton;
    ok->setObjectName(QStringLiteral("ButList"));
    auto* listGrid = new QGridLayout;
    listGrid->addWidget(new QLabel(QStringLiteral("Listen: ")), 0, 0);
    listGrid->addWidget(new QLabel(QStringLiteral("Gruppe: ")), 0, 1);
    listGrid->addWidget(lists, 1, 0);
    listGrid->addWidget(groups, 1, 1);
    listGrid->addWidget(ok, 1, 2, Qt::AlignBottom);
    listGrid->setColumnStretch(0, 2);
    listGrid->setColumnStretch(1, 1);

    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("HilfeMemo"));
    auto* deLayout = new QVBoxLayout(de);
    deLayout->addLayout(buttons);
    deLayout->addLayout(listGrid);
    deLayout->addWidget(memo, 1);
    (new QVBoxLayout(window()))->addWidget(tabs);

    Bind<PageControlBinding>(tabs, form.PageControl, runner(), Handler{});
    Bind<ListBinding>(lists, form.ListBoxListen, runner(), Handler{},
                      [&form] { form.ButListClick(); });
    Bind<ListBinding>(groups, form.ListBoxGrp, runner(), Handler{}, Handler{});
    Bind<ButtonBinding>(ok, form.ButList, runner(), [&form] { form.ButListClick(); });
    Bind<MemoBinding>(memo, form.HilfeMemo);
    window()->resize(720, 560);
}

}  // namespace vx::qt
