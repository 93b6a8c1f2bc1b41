#include "ui/views/ts_rels_view.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace vx::qt {

TSSettingsTabs::TSSettingsTabs(const char* name) : widget_(NewNamed<QTabWidget>(name)) {}

std::vector<std::string> TSSettingsTabs::Signature(const std::vector<TTSSettingsPage>& pages) {
    std::vector<std::string> signature;
    for (const TTSSettingsPage& page : pages) {
        std::string entry = page.Name + "|" + page.Caption + "|" + page.LabelXWType.Caption + "|" +
                            page.LabelTBD.Caption + "|" + page.LabelTSText.Caption;
        for (const std::string& item : page.Values.Items) {
            entry += "|" + item;
        }
        signature.push_back(entry);
    }
    return signature;
}

void TSSettingsTabs::Rebuild(const std::vector<TTSSettingsPage>& pages) {
    while (widget_->count() > 0) {
        QWidget* page = widget_->widget(0);
        widget_->removeTab(0);
        delete page;
    }
    buttons_.clear();
    for (const TTSSettingsPage& model : pages) {
        auto* page = new QWidget;
        page->setObjectName(FromLatin1(model.Name));
        auto* layout = new QVBoxLayout(page);
        auto* form = new QFormLayout;
        form->addRow(QStringLiteral("TS:"), new QLabel(FromLatin1(model.LabelTSText.Caption)));
        form->addRow(QStringLiteral("XW type of the sentence:"),
                     new QLabel(FromLatin1(model.LabelXWType.Caption)));
        form->addRow(QStringLiteral("Relations:"), new QLabel(FromLatin1(model.LabelTBD.Caption)));
        layout->addLayout(form);
        auto* group = new QGroupBox(model.IsException ? QStringLiteral("Prescribed value")
                                                      : QStringLiteral("Value"));
        auto* radios = new QHBoxLayout(group);
        auto* exclusive = new QButtonGroup(group);
        std::vector<QRadioButton*> buttons;
        for (const std::string& item : model.Values.Items) {
            auto* button = new QRadioButton(FromLatin1(item));
            button->setObjectName(FromLatin1(model.Name + "_" + item));
            exclusive->addButton(button);
            radios->addWidget(button);
            buttons.push_back(button);
        }
        radios->addStretch();
        layout->addWidget(group);
        layout->addStretch();
        widget_->addTab(page, FromLatin1(model.Caption));
        buttons_.push_back(std::move(buttons));
    }
    shown_ = Signature(pages);
}

void TSSettingsTabs::Push(std::vector<TTSSettingsPage>& pages, int& activePage) {
    if (buttons_.size() != pages.size()) {
        return;
    }
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (std::size_t i = 0; i < buttons_[p].size(); ++i) {
            if (buttons_[p][i]->isChecked()) {
                pages[p].Values.ItemIndex = static_cast<int>(i);
            }
        }
    }
    activePage = widget_->currentIndex();
}

void TSSettingsTabs::Pull(const std::vector<TTSSettingsPage>& pages, int activePage) {
    if (Signature(pages) != shown_) {
        Rebuild(pages);
    }
    for (std::size_t p = 0; p < pages.size(); ++p) {
        widget_->setTabVisible(static_cast<int>(p), pages[p].Visible);
        for (std::size_t i = 0; i < buttons_[p].size(); ++i) {
            buttons_[p][i]->setEnabled(pages[p].Values.Enabled);
            buttons_[p][i]->setChecked(static_cast<int>(i) == pages[p].Values.ItemIndex);
        }
    }
    if (activePage >= 0 && activePage < widget_->count() && widget_->currentIndex() != activePage) {
        widget_->setCurrentIndex(activePage);
    }
}

TSRelsView::TSRelsView(GuiHost& host, TFormTSRels& form)
    : FormView(host, form, NewWindow()), form_(form), tabs_("PageControlSetTS") {
    TFormTSRels& f = form;
    auto* header = new QFormLayout;
    auto* se = NewNamed<QLabel>("LabelSE");
    Bind<LabelBinding>(se, f.LabelSE);
    auto* base = NewNamed<QLabel>("LabelBaseXW");
    Bind<LabelBinding>(base, f.LabelBaseXW);
    auto* full = NewNamed<QLineEdit>("EditShowFullTSStr");
    Bind<EditBinding>(full, f.EditShowFullTSStr, runner(), Handler{});
    header->addRow(QStringLiteral("SE:"), se);
    header->addRow(QStringLiteral("Base XW type:"), base);
    header->addRow(QStringLiteral("TS string:"), full);

    auto* pages = NewNamed<QTabWidget>("PageControl");
    pages->addTab(SetTSPage(), QString());
    pages->addTab(FreeEditPage(), QString());
    auto* relations = NewNamed<QPlainTextEdit>("MemoTSRelations");
    relations->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Bind<MemoBinding>(relations, f.MemoTSRelations);
    // A memo is a page's content, never the page: the page control hides pages itself.
    auto* relationsPage = new QWidget;
    (new QVBoxLayout(relationsPage))->addWidget(relations);
    pages->addTab(relationsPage, QString());
    Bind<PageControlBinding>(pages, f.PageControl, runner(), Handler{});

    auto* layout = new QVBoxLayout(window());
    layout->addLayout(header);
    layout->addWidget(pages, 1);
    window()->resize(620, 380);
}

QWidget* TSRelsView::SetTSPage() {
    TFormTSRels& f = form_;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(tabs_.widget(), 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(NewButton(f.ButtonActivateAllTS, "ButtonActivateAllTS",
                             [&f] { f.ButtonActivateAllTSClick(); }));
    row->addWidget(
        NewButton(f.ButtonResetAllTS, "ButtonResetAllTS", [&f] { f.ButtonResetAllTSClick(); }));
    row->addWidget(
        NewButton(f.ButtonHelpSetTS, "ButtonHelpSetTS", [&f] { f.ButtonHelpSetTSClick(); }));
    layout->addLayout(row);
    return page;
}

QWidget* TSRelsView::FreeEditPage() {
    TFormTSRels& f = form_;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("TS line, e.g. S120E3 (DefWW;;) : TS1[10] u TS2")));
    auto* edit = NewNamed<QLineEdit>("EditTSFree");
    Bind<EditBinding>(edit, f.EditTSFree, runner(), [&f] { f.ButtonActivateFreeTSClick(); });
    layout->addWidget(edit);
    layout->addStretch();
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(NewButton(f.ButtonActivateFreeTS, "ButtonActivateFreeTS",
                             [&f] { f.ButtonActivateFreeTSClick(); }));
    row->addWidget(
        NewButton(f.ButtonHelpFreeTS, "ButtonHelpFreeTS", [&f] { f.ButtonHelpFreeTSClick(); }));
    layout->addLayout(row);
    return page;
}

void TSRelsView::Push() {
    tabs_.Push(form_.PageControlSetTS, form_.ActiveSetTSPage);
}

void TSRelsView::Pull() {
    tabs_.Pull(form_.PageControlSetTS, form_.ActiveSetTSPage);
}

}  // namespace vx::qt
