#include "ui/views/upgrade_views.h"

#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace vx::qt {
namespace {

// Ini files and rule lists line up in a fixed-width font and are not wrapped.
QPlainTextEdit* NewTextEdit(const char* name) {
    auto* editor = NewNamed<QPlainTextEdit>(name);
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the buttons instead of typing a tab into the text.
    editor->setTabChangesFocus(true);
    return editor;
}

QWidget* Titled(const QString& title, QWidget* content) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(title));
    layout->addWidget(content, 1);
    return box;
}

}  // namespace

SetBRView::SetBRView(GuiHost& host, TSetBRForm& form) : FormView(host, form, NewWindow()) {
    auto* group = NewNamed<QGroupBox>("GroupBoxBRStep");
    group->setTitle(FromLatin1(form.GroupBoxBRStep.Caption));
    auto* radios = new QVBoxLayout(group);
    const struct {
        TRadioButton& model;
        const char* name;
    } buttons[] = {{form.RadioButton1BR, "RadioButton1BR"},
                   {form.RadioButton2BRupgS1, "RadioButton2BRupgS1"},
                   {form.RadioButton2BRupgS2, "RadioButton2BRupgS2"},
                   {form.RadioButton2BRupgS3, "RadioButton2BRupgS3"},
                   {form.RadioButton2BRupgS4, "RadioButton2BRupgS4"},
                   {form.RadioButton2BR, "RadioButton2BR"},
                   {form.RadioButton3BR, "RadioButton3BR"}};
    for (const auto& button : buttons) {
        auto* radio = NewNamed<QRadioButton>(button.name);
        radios->addWidget(radio);
        Bind<RadioButtonBinding>(radio, button.model, runner(), Handler{});
    }
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* ok = NewButton(form.ButtonOK, "ButtonOK", [&form] { form.ButtonOKClick(); });
    row->addWidget(ok);
    row->addWidget(
        NewButton(form.ButtonCancel, "ButtonCancel", [&form] { form.ButtonCancelClick(); }));
    row->addWidget(NewButton(form.ButtonHelp, "ButtonHelp", [&form] { form.ButtonHelpClick(); }));
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(group);
    layout->addLayout(row);
    // Enter presses OK here: choosing a step and confirming it is all this window does.
    ok->setAutoDefault(true);
    ok->setDefault(true);
    window()->resize(300, 300);
}

ListsView::ListsView(GuiHost& host, TListsForm& form)
    : FormView(host, form, NewWindow()), form_(form), tsTabs_("PageControlSetTS") {
    TListsForm& f = form;
    auto* pages = NewNamed<QTabWidget>("PageControl");
    pages->addTab(DynRulesPage(), QString());
    pages->addTab(LogicPage(), QString());
    pages->addTab(
        MemoPage(f.Memo_TS_Settings, "Memo_TS_Settings",
                 {NewButton(f.ButtonTSsave, "ButtonTSsave", [&f] { f.ButtonTSsaveClick(); }),
                  NewButton(f.Button_Finish_Step1, "Button_Finish_Step1",
                            [&f] { f.Button_Finish_Step1Click(); })}),
        QString());
    pages->addTab(UpgradeBasePage(), QString());
    pages->addTab(IniTSPage(), QString());
    pages->addTab(MemoPage(f.MemoStep3Logics, "MemoStep3Logics", {}), QString());
    pages->addTab(MemoPage(f.MemoS3updateRules, "MemoS3updateRules",
                           {NewButton(f.ButtonSaveUpdRulesOnly, "ButtonSaveUpdRulesOnly",
                                      [&f] { f.ButtonSaveUpdRulesOnlyClick(); }),
                            NewButton(f.ButtonFinishSaveUpdRules, "ButtonFinishSaveUpdRules",
                                      [&f] { f.ButtonFinishSaveUpdRulesClick(); })}),
                  QString());
    pages->addTab(MemoPage(f.MemoStep3Ranges, "MemoStep3Ranges",
                           {NewButton(f.ButtonSaveRanges, "ButtonSaveRanges",
                                      [&f] { f.ButtonSaveRangesClick(); }),
                            NewButton(f.ButtonHelpRanges, "ButtonHelpRanges",
                                      [&f] { f.ButtonHelpRangesClick(); })}),
                  QString());
    pages->addTab(
        MemoPage(
            f.MemoMapSETStoLogics, "MemoMapSETStoLogics",
            {NewButton(f.ButtonS4MapSave, "ButtonS4MapSave", [&f] { f.ButtonS4MapSaveClick(); }),
             NewButton(f.ButtonFinishUpgr, "ButtonFinishUpgr", [&f] { f.ButtonFinishUpgrClick(); }),
             NewButton(f.ButtonHelpStep4, "ButtonHelpStep4", [&f] { f.ButtonHelpStep4Click(); })}),
        QString());
    pages->addTab(MemoPage(f.MemoS4ManualList, "MemoS4ManualList",
                           {NewButton(f.ButtonSaveManualList, "ButtonSaveManualList",
                                      [&f] { f.ButtonSaveManualListClick(); }),
                            NewButton(f.ButtonHelpManualList, "ButtonHelpManualList",
                                      [&f] { f.ButtonHelpManualListClick(); })}),
                  QString());
    (new QVBoxLayout(window()))->addWidget(pages);
    Bind<PageControlBinding>(pages, f.PageControl, runner(), Handler{});
    window()->resize(1120, 600);
}

QWidget* ListsView::NewMemo(TMemo& memo, const char* name) {
    QPlainTextEdit* editor = NewTextEdit(name);
    Bind<MemoBinding>(editor, memo);
    return editor;
}

QWidget* ListsView::MemoPage(TMemo& memo, const char* name,
                             std::initializer_list<QWidget*> buttons) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(NewMemo(memo, name), 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons) {
        row->addWidget(button);
    }
    layout->addLayout(row);
    return page;
}

QWidget* ListsView::DynRulesPage() {
    TListsForm& f = form_;
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(Titled(QStringLiteral("Fixed dynamic rules (with the user's)"),
                            NewMemo(f.MemoFixed_dynRules, "MemoFixed_dynRules")));
    split->addWidget(Titled(QStringLiteral("User's dynamic rules"),
                            NewMemo(f.MemoUserTmp_dynRules, "MemoUserTmp_dynRules")));
    split->addWidget(Titled(QStringLiteral("Active dynamic rules of the session"),
                            NewMemo(f.MemoActiveDynRules, "MemoActiveDynRules")));
    return split;
}

QWidget* ListsView::LogicPage() {
    TListsForm& f = form_;
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(Titled(QStringLiteral("General logic (Options - Set 1BR Logic)"),
                            NewMemo(f.MemoGeneral_Logic, "MemoGeneral_Logic")));
    split->addWidget(Titled(QStringLiteral("Exception logic"),
                            NewMemo(f.MemoExceptionLogic, "MemoExceptionLogic")));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(split, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(NewButton(f.Button_Save, "Button_Save", [&f] { f.Button_SaveClick(); }));
    row->addWidget(
        NewButton(f.ButtonHelpLogic, "ButtonHelpLogic", [&f] { f.ButtonHelpLogicClick(); }));
    layout->addLayout(row);
    return page;
}

QWidget* ListsView::UpgradeBasePage() {
    TListsForm& f = form_;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(NewMemo(f.Memo_SEupgrBase, "Memo_SEupgrBase"), 1);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("SE to set theTS or choose next:")));
    auto* edit = NewNamed<QLineEdit>("Edit_SE");
    Bind<EditBinding>(edit, f.Edit_SE, runner(), Handler{});
    row->addWidget(edit, 1);
    row->addWidget(NewButton(f.Button_Choose_Next_SE, "Button_Choose_Next_SE",
                             [&f] { f.Button_Choose_Next_SEClick(); }));
    row->addWidget(NewButton(f.Button_GetTS, "Button_GetTS", [&f] { f.Button_GetTSClick(); }));
    layout->addLayout(row);
    return page;
}

QWidget* ListsView::IniTSPage() {
    TListsForm& f = form_;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* full = NewNamed<QLineEdit>("EditShowFullTSStr");
    Bind<EditBinding>(full, f.EditShowFullTSStr, runner(), Handler{});
    auto* comment = NewNamed<QLineEdit>("EditComment");
    Bind<EditBinding>(comment, f.EditComment, runner(), Handler{});
    auto* labels = new QHBoxLayout;
    const struct {
        TLabel& model;
        const char* name;
        const char* title;
    } shown[] = {{f.LabelShowSEXWType, "LabelShowSEXWType", "XW type of the SE:"},
                 {f.LabelLeadComText, "LabelLeadComText", "Get TS:"},
                 {f.LabelDefaulValRes, "LabelDefaulValRes", "Exception TS value:"}};
    for (const auto& label : shown) {
        auto* widget = NewNamed<QLabel>(label.name);
        Bind<LabelBinding>(widget, label.model);
        labels->addWidget(new QLabel(QString::fromLatin1(label.title)));
        labels->addWidget(widget);
        labels->addSpacing(16);
    }
    labels->addStretch();
    layout->addWidget(new QLabel(QStringLiteral("TS string:")));
    layout->addWidget(full);
    layout->addLayout(labels);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(tsTabs_.widget());
    split->addWidget(Titled(QStringLiteral("TS map file of the topic"),
                            NewMemo(f.Memo_AktTS_Text, "Memo_AktTS_Text")));
    layout->addWidget(split, 1);
    layout->addWidget(new QLabel(QStringLiteral("Comment:")));
    layout->addWidget(comment);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(
        NewButton(f.ButtonSetAllTS, "ButtonSetAllTS", [&f] { f.ButtonSetAllTSClick(); }));
    row->addWidget(
        NewButton(f.ButtonIniTSCancel, "ButtonIniTSCancel", [&f] { f.ButtonIniTSCancelClick(); }));
    layout->addLayout(row);
    return page;
}

void ListsView::Push() {
    tsTabs_.Push(form_.PageControlSetTS, form_.ActiveSetTSPage);
}

void ListsView::Pull() {
    tsTabs_.Pull(form_.PageControlSetTS, form_.ActiveSetTSPage);
}

Form1BRLogicView::Form1BRLogicView(GuiHost& host, TForm1BRLogic& form)
    : FormView(host, form, NewWindow()) {
    QPlainTextEdit* editor = NewTextEdit("MemoGeneralLogic");
    Bind<MemoBinding>(editor, form.MemoGeneralLogic);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(NewButton(form.ButtonSave, "ButtonSave", [&form] { form.ButtonSaveClick(); }));
    row->addWidget(NewButton(form.ButtonHelp, "ButtonHelp", [&form] { form.ButtonHelpClick(); }));
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(editor, 1);
    layout->addLayout(row);
    window()->resize(760, 460);
}

Step4UpgrManView::Step4UpgrManView(GuiHost& host, TStep4UpgrMan& form)
    : FormView(host, form, NewWindow()) {
    auto* pages = NewNamed<QTabWidget>("PageControl");
    const struct {
        TMemo& memo;
        const char* name;
    } memos[] = {{form.MemoSession, "MemoSession"},
                 {form.MemoBV, "MemoBV"},
                 {form.MemoLnB, "MemoLnB"},
                 {form.MemoLzB, "MemoLzB"},
                 {form.MemoTS, "MemoTS"}};
    for (const auto& memo : memos) {
        QPlainTextEdit* editor = NewTextEdit(memo.name);
        Bind<MemoBinding>(editor, memo.memo);
        pages->addTab(editor, QString());
    }
    Bind<PageControlBinding>(pages, form.PageControl, runner(), Handler{});
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(NewButton(form.ButtonSave, "ButtonSave", [&form] { form.ButtonSaveClick(); }));
    row->addWidget(
        NewButton(form.ButtonSaveFin, "ButtonSaveFin", [&form] { form.ButtonSaveFinClick(); }));
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(pages, 1);
    layout->addLayout(row);
    window()->resize(720, 460);
}

}  // namespace vx::qt
