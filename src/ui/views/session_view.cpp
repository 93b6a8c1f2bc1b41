#include "ui/views/session_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vx::qt {

SessionView::SessionView(GuiHost& host, TSessionForm& form)
    : FormView(host, form, NewWindow()), form_(form) {
    auto* pages = new QTabWidget;
    pages->setObjectName(QStringLiteral("PageControl"));
    pages->addTab(BuildBR1Page(), QString());
    pages->addTab(BuildBR2Page(), QString());
    (new QVBoxLayout(window()))->addWidget(pages);
    Bind<PageControlBinding>(pages, form.PageControl, runner(), Handler{});
    window()->resize(760, 520);
}

QWidget* SessionView::NewMemoPage(TMemo& memo, const char* name) {
    auto* editor = new QPlainTextEdit;
    editor->setObjectName(QString::fromLatin1(name));
    Bind<MemoBinding>(editor, memo);
    return editor;
}

QWidget* SessionView::BuildBR1Page() {
    TSessionForm& f = form_;
    auto* lists = new QTabWidget;
    lists->setObjectName(QStringLiteral("PageControlBR1"));
    lists->addTab(NewMemoPage(f.SessionMemo, "SessionMemo"), QString());
    lists->addTab(NewMemoPage(f.InterprtMemo, "InterprtMemo"), QString());
    lists->addTab(NewMemoPage(f.MemoLK, "MemoLK"), QString());
    lists->addTab(NewMemoPage(f.MemoLzB, "MemoLzB"), QString());
    Bind<PageControlBinding>(lists, f.PageControlBR1, runner(), Handler{});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewButton(f.SessionStartButton, "SessionStartButton",
                                 [&f] { f.SessionStartButtonClick(); }));
    buttons->addStretch();
    buttons->addWidget(
        NewButton(f.SessionHelpButton, "SessionHelpButton", [&f] { f.SessionHelpButtonClick(); }));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lists, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* SessionView::BuildBR2Page() {
    TSessionForm& f = form_;
    auto* lists = new QTabWidget;
    lists->setObjectName(QStringLiteral("PageControlBR2"));
    lists->addTab(NewMemoPage(f.Memo2BRSes, "Memo2BRSes"), QString());
    lists->addTab(NewMemoPage(f.MemoTS, "MemoTS"), QString());
    lists->addTab(NewMemoPage(f.MemoTH, "MemoTH"), QString());
    Bind<PageControlBinding>(lists, f.PageControlBR2, runner(), Handler{});

    auto* logic = new QComboBox;
    logic->setObjectName(QStringLiteral("ComboBoxSelectLogic"));
    Bind<ComboBoxBinding>(logic, f.ComboBoxSelectLogic, runner(), Handler{});
    auto* allMatches = new QCheckBox;
    allMatches->setObjectName(QStringLiteral("CheckBoxAllMatches"));
    Bind<CheckBoxBinding>(allMatches, f.CheckBoxAllMatches, runner(), Handler{});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(logic);
    buttons->addWidget(allMatches);
    buttons->addWidget(
        NewButton(f.ButtonTSStart, "ButtonTSStart", [&f] { f.ButtonTSStartClick(); }));
    buttons->addWidget(
        NewButton(f.ButtonComputeAll, "ButtonComputeAll", [&f] { f.ButtonComputeAllClick(); }));
    buttons->addStretch();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lists, 1);
    layout->addLayout(buttons);
    return page;
}

}  // namespace vx::qt
