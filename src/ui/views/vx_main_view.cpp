#include "ui/views/vx_main_view.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace vx::qt {
namespace {

// Two group boxes side by side above the page's memo.
QWidget* PageOf(QWidget* left, QWidget* right, QWidget* memo) {
    auto* page = new QWidget;
    auto* top = new QHBoxLayout;
    top->addWidget(left, 1);
    top->addWidget(right, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(memo, 1);
    return page;
}

}  // namespace

VxMainView::VxMainView(GuiHost& host, TVxMainFormSaetze& form)
    : FormView(host, form, NewWindow()), form_(form) {
    auto* pages = new QTabWidget;
    pages->setObjectName(QStringLiteral("PageControl"));
    pages->addTab(BuildBR1Page(), QString());
    pages->addTab(BuildTSPage(), QString());
    pages->addTab(Build2BRPage(), QString());
    pages->addTab(Build3BRPage(), QString());
    (new QVBoxLayout(window()))->addWidget(pages);
    Bind<PageControlBinding>(pages, form.PageControl, runner(), Handler{});
    window()->resize(860, 600);
}

void VxMainView::AddPopup(QPlainTextEdit* memo, const QString& item, Handler onOpen,
                          Handler onItem) {
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(memo, &QPlainTextEdit::customContextMenuRequested, memo,
                     [this, memo, item, onOpen, onItem](const QPoint& pos) {
                         if (onOpen) {
                             Run(onOpen);
                         }
                         QMenu menu;
                         QAction* action = menu.addAction(item);
                         if (menu.exec(memo->viewport()->mapToGlobal(pos)) == action) {
                             Run(onItem);
                         }
                     });
}

bool VxMainView::eventFilter(QObject* watched, QEvent* event) {
    // Typing goes into the topic field as soon as the window opens.
    if (watched == window() && event->type() == QEvent::Show) {
        topicEdit_->setFocus(Qt::OtherFocusReason);
    }
    return FormView::eventFilter(watched, event);
}

QWidget* VxMainView::BuildBR1Page() {
    TVxMainFormSaetze& f = form_;
    auto* topics = new QGroupBox(QStringLiteral("Topics S"));
    auto* satz = NewNamed<QLineEdit>("SatzEdit");
    topicEdit_ = satz;
    auto* topicsRow = new QHBoxLayout(topics);
    topicsRow->addWidget(satz, 1);
    topicsRow->addWidget(NewButton(f.ButtonOK, "ButtonOK", [&f] { f.ButtonOKClick(); }));
    topicsRow->addWidget(NewButton(f.ButtonHelpS, "ButtonHelpS", [&f] { f.ButtonHelpSClick(); }));

    auto* xws = new QGroupBox(QStringLiteral("set XWs"));
    auto* aktiviere = NewNamed<QLineEdit>("EditAktiviere");
    auto* xwsRow = new QHBoxLayout(xws);
    xwsRow->addWidget(new QLabel(QStringLiteral("Methods to:")));
    xwsRow->addWidget(aktiviere, 1);
    xwsRow->addWidget(
        NewButton(f.ButtonAktiviere, "ButtonAktiviere", [&f] { f.ButtonAktiviereClick(); }));
    xwsRow->addWidget(NewButton(f.ButtonHelpE, "ButtonHelpE", [&f] { f.ButtonHelpEClick(); }));

    mainMemo_ = NewNamed<QPlainTextEdit>("VxMainMemo");
    AddPopup(
        mainMemo_, QStringLiteral("Aktiviere Satz"), [&f] { f.AktiviereSelSatzPopup(); },
        [&f] { f.AktiviereSatzClick(); });

    Bind<EditBinding>(satz, f.SatzEdit, runner(), [&f] { f.ButtonOKClick(); });
    Bind<EditBinding>(aktiviere, f.EditAktiviere, runner(), [&f] { f.ButtonAktiviereClick(); });
    Bind<MemoBinding>(mainMemo_, f.VxMainMemo);
    return PageOf(topics, xws, mainMemo_);
}

QWidget* VxMainView::BuildTSPage() {
    TVxMainFormSaetze& f = form_;
    auto* openTS = NewNamed<QLineEdit>("OpenTS");
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Type an SE number:")));
    row->addWidget(openTS, 1);
    row->addWidget(NewButton(f.ButtonReadTS, "ButtonReadTS", [&f] { f.ButtonReadTSClick(); }));
    row->addWidget(
        NewButton(f.ButtonActivateTS, "ButtonActivateTS", [&f] { f.ButtonActivateTSClick(); }));
    row->addWidget(NewButton(f.ButtonActivateMixedTypes, "ButtonActivateMixedTypes", Handler{}));
    row->addWidget(NewButton(f.ButtonHelpTS, "ButtonHelpTS", [&f] { f.ButtonHelpTSClick(); }));

    auto* owner = new QLabel;
    owner->setObjectName(QStringLiteral("LabelOwner"));
    auto* ownerRow = new QHBoxLayout;
    ownerRow->addWidget(new QLabel(QStringLiteral("Loaded from owner:")));
    ownerRow->addWidget(owner, 1);

    auto* memo = NewNamed<QPlainTextEdit>("MemoTS");
    AddPopup(memo, QStringLiteral("Open ReadOnly"), Handler{}, [&f] { f.OpenTSReadOnlyClick(); });

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addLayout(ownerRow);
    layout->addWidget(memo, 1);

    Bind<EditBinding>(openTS, f.OpenTS, runner(), [&f] { f.ButtonReadTSClick(); });
    Bind<LabelBinding>(owner, f.LabelOwner);
    Bind<MemoBinding>(memo, f.MemoTS);
    return page;
}

QWidget* VxMainView::Build2BRPage() {
    TVxMainFormSaetze& f = form_;
    auto* range = new QGroupBox(QStringLiteral("RangeInput"));
    auto* satz = NewNamed<QLineEdit>("EditSatz2BR");
    auto* rangeRow = new QHBoxLayout(range);
    rangeRow->addWidget(new QLabel(QStringLiteral("Satz S: ")));
    rangeRow->addWidget(satz, 1);
    rangeRow->addWidget(NewButton(f.Button2BR, "Button2BR", [&f] { f.Button2BRClick(); }));
    rangeRow->addWidget(
        NewButton(f.ButtonHelp2BR, "ButtonHelp2BR", [&f] { f.ButtonHelp2BRClick(); }));

    auto* xws = new QGroupBox(QStringLiteral("set_XWs"));
    auto* methods = NewNamed<QLineEdit>("EditXW_Methods");
    auto* xwsRow = new QHBoxLayout(xws);
    xwsRow->addWidget(methods, 1);
    xwsRow->addWidget(
        NewButton(f.ButtonActivateXW, "ButtonActivateXW", [&f] { f.ButtonActivateXWClick(); }));
    xwsRow->addWidget(
        NewButton(f.ButtonMixedTypesRelations, "ButtonMixedTypesRelations", Handler{}));
    xwsRow->addWidget(NewButton(f.ButtonHelpXW, "ButtonHelpXW", [&f] { f.ButtonHelpXWClick(); }));

    auto* memo = NewNamed<QPlainTextEdit>("Memo2BR");
    Bind<EditBinding>(satz, f.EditSatz2BR, runner(), [&f] { f.Button2BRClick(); });
    Bind<EditBinding>(methods, f.EditXW_Methods, runner(), Handler{});
    Bind<MemoBinding>(memo, f.Memo2BR);
    return PageOf(range, xws, memo);
}

QWidget* VxMainView::Build3BRPage() {
    TVxMainFormSaetze& f = form_;
    auto* group = new QGroupBox(QStringLiteral("DFormal SE:"));
    auto* combo = new QComboBox;
    combo->setObjectName(QStringLiteral("ComboBoxDF"));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(16);
    auto* row = new QHBoxLayout(group);
    row->addWidget(combo, 1);
    row->addWidget(NewButton(f.ButtonOpenDF, "ButtonOpenDF", [&f] { f.ButtonOpenDFClick(); }));
    row->addWidget(NewButton(f.ButtonHelpDF, "ButtonHelpDF", [&f] { f.ButtonHelpDFClick(); }));

    auto* memo = NewNamed<QPlainTextEdit>("Memo3BR");
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(memo, 1);

    Bind<ComboBoxBinding>(combo, f.ComboBoxDF, runner(), Handler{});
    Bind<MemoBinding>(memo, f.Memo3BR);
    return page;
}

void VxMainView::Push() {
    QString selected = mainMemo_->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QChar('\n'));
    form_.VxMainMemoSelection = ToLatin1(selected);
}

}  // namespace vx::qt
