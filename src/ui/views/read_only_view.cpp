#include "ui/views/read_only_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace vx::qt {
namespace {

QComboBox* NewCombo(const char* name) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    // Long list lines must not widen the window.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(28);
    return combo;
}

}  // namespace

ReadOnlyView::ReadOnlyView(GuiHost& host, TFormReadOnly& form)
    : FormView(host, form, NewWindow()), form_(form), tabs_(new QTabWidget) {
    auto* language = new QGroupBox;
    language->setObjectName(QStringLiteral("RadioGroupLang"));
    language->setLayout(new QHBoxLayout);

    auto* listsBox = new QGroupBox(QStringLiteral("optional Lists"));
    auto* type = NewCombo("ComboBoxType");
    auto* element = NewCombo("ComboBoxSelect");
    auto* listsGrid = new QGridLayout(listsBox);
    listsGrid->addWidget(new QLabel(QStringLiteral("Select Type: ")), 0, 0);
    listsGrid->addWidget(type, 0, 1);
    listsGrid->addWidget(new QLabel(QStringLiteral("Select Element:")), 1, 0);
    listsGrid->addWidget(element, 1, 1);
    listsGrid->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout;
    const auto addButton = [&](TButton& model, const char* name, Handler handler) {
        buttons->addWidget(NewButton(model, name, std::move(handler)));
    };
    addButton(form.ButtonOpen, "ButtonOpen", [&form] { form.ButtonOpenClick(); });
    addButton(form.ButtonOpenFrom, "ButtonOpenFrom", [&form] { form.ButtonOpenFromClick(); });
    addButton(form.ButtonClose, "ButtonClose", [&form] { form.ButtonCloseClick(); });
    addButton(form.ButtonHelp, "ButtonHelp", [&form] { form.ButtonHelpClick(); });

    auto* top = new QHBoxLayout;
    top->addWidget(language);
    top->addWidget(listsBox, 1);
    top->addLayout(buttons);

    tabs_->setObjectName(QStringLiteral("PageControl"));
    for (int i = 0; i < TFormReadOnly::kTabs; ++i) {
        auto* memo = new QPlainTextEdit;
        memo->setObjectName(QStringLiteral("Memo%1RO").arg(i + 1));
        tabs_->addTab(memo, QString());
        Bind<MemoBinding>(memo, form.MemoRO[static_cast<std::size_t>(i)]);
    }
    auto* layout = new QVBoxLayout(window());
    layout->addLayout(top);
    layout->addWidget(tabs_, 1);

    Bind<RadioGroupBinding>(language, form.RadioGroupLang, runner(),
                            [&form] { form.RadioGroupLangClick(); });
    Bind<ComboBoxBinding>(type, form.ComboBoxType, runner(),
                          [&form] { form.ComboBoxTypeChange(); });
    Bind<ComboBoxBinding>(element, form.ComboBoxSelect, runner(),
                          [&form] { form.ComboBoxSelectChange(); });
    window()->resize(900, 640);
}

void ReadOnlyView::Push() {
    const int current = tabs_->currentIndex();
    if (form_.TabInUse(current)) {
        form_.PageControl.ActivePageIndex = current;
    }
}

void ReadOnlyView::Pull() {
    for (int i = 0; i < TFormReadOnly::kTabs; ++i) {
        const QString caption =
            FromLatin1(form_.PageControl.Pages[static_cast<std::size_t>(i)].Caption);
        if (tabs_->tabText(i) != caption) {
            tabs_->setTabText(i, caption);
        }
        tabs_->setTabVisible(i, form_.TabInUse(i));
    }
    const int active = form_.PageControl.ActivePageIndex;
    if (form_.TabInUse(active) && tabs_->currentIndex() != active) {
        tabs_->setCurrentIndex(active);
    }
}

}  // namespace vx::qt
