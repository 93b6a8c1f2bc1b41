#include "ui/views/result_view.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vx::qt {
namespace {

// A tab page holding one bound widget. The bindings show what their model shows, so a bound
// widget must not be a tab page itself: the tab widget hides the pages that are not current.
QWidget* Page(QWidget* content) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return page;
}

}  // namespace

ResultView::ResultView(GuiHost& host, TResultForm& form) : FormView(host, form, NewWindow()) {
    auto* progress = new QProgressBar;
    progress->setObjectName(QStringLiteral("ProgressBarErgebnis"));
    Bind<ProgressBarBinding>(progress, form.ProgressBarErgebnis);

    QTabWidget* main = NewPages("PageControl", form.PageControl);
    QTabWidget* oneBR = NewPages("PageControl1BR", form.PageControl1BR);
    QTabWidget* twoBR = NewPages("PageControl2BR", form.PageControl2BR);
    QTabWidget* tsResults = NewPages("PageControlTS", form.PageControlTS);
    main->addTab(Page(oneBR), QString());
    main->addTab(Page(twoBR), QString());

    oneBR->addTab(NewMemo("ResultMemo", form.ResultMemo), QString());
    oneBR->addTab(NewMemo("Memo_Last_Results", form.Memo_Last_Results), QString());
    oneBR->addTab(NewExplanationPage(form), QString());

    for (const TSResultList& list : kTSResultLists) {
        tsResults->addTab(NewMemo(list.MemoName, form.*list.Memo), QString());
    }
    twoBR->addTab(NewMemo("Memo_Results", form.Memo_Results), QString());
    twoBR->addTab(NewMemo("Memo_SessionResults", form.Memo_SessionResults), QString());
    twoBR->addTab(Page(tsResults), QString());
    twoBR->addTab(NewMemo("Memo_TSRelations", form.Memo_TSRelations), QString());
    twoBR->addTab(NewMemo("Memo_MixedRelations", form.Memo_MixedRelations), QString());

    auto* layout = new QVBoxLayout(window());
    layout->addWidget(progress);
    layout->addWidget(main, 1);
    window()->resize(760, 560);
}

QTabWidget* ResultView::NewPages(const char* name, TPageControl& pages) {
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QString::fromLatin1(name));
    Bind<PageControlBinding>(tabs, pages, runner(), Handler{});
    return tabs;
}

QWidget* ResultView::NewExplanationPage(TResultForm& form) {
    auto* values = NewNamed<QListWidget>("ListBoxSEValues");
    Bind<ListBinding>(values, form.ListBoxSEValues, runner(),
                      Handler([&form] { form.ListBoxSEValuesClick(); }), Handler{});
    auto* text = NewNamed<QPlainTextEdit>("Memo_Explanation");
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    Bind<MemoBinding>(text, form.Memo_Explanation);

    auto* split = new QSplitter;
    split->addWidget(values);
    split->addWidget(text);
    split->setStretchFactor(1, 1);
    split->setSizes({160, 600});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewButton(form.ButtonSmallestConflict, "ButtonSmallestConflict",
                                 [&form] { form.ButtonSmallestConflictClick(); }));
    buttons->addStretch();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* ResultView::NewMemo(const char* name, TMemo& memo) {
    auto* widget = new QPlainTextEdit;
    widget->setObjectName(QString::fromLatin1(name));
    Bind<MemoBinding>(widget, memo);
    return Page(widget);
}

}  // namespace vx::qt
