#include "ui/views/relations_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace vx::qt {

namespace {

// Object names of the controls of each value tab, in the order of the tabs.
const char* const kRelationPageNames[] = {"RPageControlW", "RPageControlF", "RPageControlUn",
                                          "RPageControlUr"};
const char* const kTabPrefixes[] = {"W", "F", "Un", "Ur"};
const char* const kMemoNames[] = {"WMemo", "FMemo", "UnMemo", "UrMemo"};
const char* const kResetNames[] = {"WResetButton", "FResetButton", "UnResetButton",
                                   "URResetButton"};

}  // namespace

RelationsView::RelationsView(GuiHost& host, TVater2MethodenForm& form)
    : FormView(host, form, NewWindow()), form_(form) {
    auto* valueTabs = new QTabWidget;
    valueTabs->setObjectName(QStringLiteral("WWPageControl"));
    for (int tab = 0; tab < TVater2MethodenForm::kTabs; ++tab) {
        const TVater2MethodenForm::TabControls controls = form.Tab(tab);
        auto* page = new QWidget;
        auto* relationPages = new QTabWidget;
        relationPages->setObjectName(QString::fromLatin1(kRelationPageNames[tab]));
        relationPages->setMinimumHeight(90);
        relations_[static_cast<std::size_t>(tab)].widget = relationPages;
        auto* memo = new QPlainTextEdit;
        memo->setObjectName(QString::fromLatin1(kMemoNames[tab]));
        auto* buttons = new QHBoxLayout;
        const QString prefix = QString::fromLatin1(kTabPrefixes[tab]);
        const auto addButton = [&](TButton& model, const QString& name, Handler handler) {
            buttons->addWidget(NewButton(model, name, std::move(handler)));
        };
        addButton(controls.Aktiv, prefix + "AktivButton",
                  [&form, tab] { form.AktivButtonClick(tab); });
        addButton(controls.Reset, QString::fromLatin1(kResetNames[tab]),
                  [&form, tab] { form.ResetButtonClick(tab); });
        addButton(controls.Help, prefix + "HelpButton",
                  [&form, tab] { form.HelpButtonClick(tab); });
        if (TButton* semiForm = form.ShowSemiFormButton(tab)) {
            addButton(*semiForm, QStringLiteral("ButtonShowSemiForm%1").arg(tab + 1),
                      [&form, tab] { form.ShowSemiFormButtonClick(tab); });
        }
        buttons->addStretch();
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(relationPages);
        layout->addWidget(memo, 1);
        layout->addLayout(buttons);
        valueTabs->addTab(page, QString());
        Bind<MemoBinding>(memo, controls.Memo);
    }
    (new QVBoxLayout(window()))->addWidget(valueTabs);
    Bind<PageControlBinding>(valueTabs, form.WWPageControl, runner(), Handler{});
    window()->resize(640, 520);
}

void RelationsView::RebuildPages(RelationTabs& tabs, const TRelationPageControl& model) {
    while (tabs.widget->count() > 0) {
        QWidget* page = tabs.widget->widget(0);
        tabs.widget->removeTab(0);
        delete page;
    }
    tabs.boxes.clear();
    tabs.shownCaptions.clear();
    for (const TRelationPage& relation : model.Pages) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        std::array<QCheckBox*, 6> boxes{};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            boxes[i] = new QCheckBox(FromLatin1(relation.Boxes[i].Caption));
            boxes[i]->setObjectName(FromLatin1(relation.Boxes[i].Caption));
            grid->addWidget(boxes[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
        }
        tabs.widget->addTab(page, FromLatin1(relation.Caption));
        tabs.boxes.push_back(boxes);
        tabs.shownCaptions.push_back(relation.Caption);
    }
}

void RelationsView::Push() {
    for (int tab = 0; tab < TVater2MethodenForm::kTabs; ++tab) {
        RelationTabs& tabs = relations_[static_cast<std::size_t>(tab)];
        TRelationPageControl& model = form_.Tab(tab).Relations;
        if (tabs.boxes.size() != model.Pages.size()) {
            continue;
        }
        for (std::size_t p = 0; p < model.Pages.size(); ++p) {
            for (std::size_t i = 0; i < 6; ++i) {
                model.Pages[p].Boxes[i].Checked = tabs.boxes[p][i]->isChecked();
            }
        }
        model.ActivePageIndex = tabs.widget->currentIndex();
    }
}

void RelationsView::Pull() {
    for (int tab = 0; tab < TVater2MethodenForm::kTabs; ++tab) {
        RelationTabs& tabs = relations_[static_cast<std::size_t>(tab)];
        const TRelationPageControl& model = form_.Tab(tab).Relations;
        std::vector<std::string> captions;
        for (const TRelationPage& page : model.Pages) {
            captions.push_back(page.Caption);
        }
        if (captions != tabs.shownCaptions) {
            RebuildPages(tabs, model);
        }
        for (std::size_t p = 0; p < model.Pages.size(); ++p) {
            for (std::size_t i = 0; i < 6; ++i) {
                const TCheckBox& box = model.Pages[p].Boxes[i];
                tabs.boxes[p][i]->setEnabled(box.Enabled);
                tabs.boxes[p][i]->setChecked(box.Checked);
            }
        }
        PullControl(tabs.widget, model);
        if (model.ActivePageIndex >= 0 && model.ActivePageIndex < tabs.widget->count()) {
            tabs.widget->setCurrentIndex(model.ActivePageIndex);
        }
    }
}

}  // namespace vx::qt
