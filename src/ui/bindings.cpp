#include "ui/bindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace vx::qt {
namespace {

void RunIfSet(const Runner& run, const Handler& handler, const QObject* origin) {
    if (handler) {
        run(handler, origin);
    }
}

QStringList ToQStringList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items) {
        list << FromLatin1(item);
    }
    return list;
}

void SetTextIfDifferent(QLabel* label, const std::string& text) {
    const QString shown = FromLatin1(text);
    if (label->text() != shown) {
        label->setText(shown);
    }
}

void SetRowIfDifferent(QListWidget* widget, int index) {
    if (widget->currentRow() != index) {
        QSignalBlocker block(widget);
        widget->setCurrentRow(index);
    }
}

}  // namespace

void PullControl(QWidget* widget, const TControl& control) {
    if (widget->isEnabled() != control.Enabled) {
        widget->setEnabled(control.Enabled);
    }
    // Only hide what the model hides: a widget on a page that is not shown is not visible
    // either, and must not be forced visible from here.
    if (widget->isHidden() == control.Visible) {
        widget->setVisible(control.Visible);
    }
}

// ---- Memo
MemoBinding::MemoBinding(QPlainTextEdit* widget, TMemo& memo) : widget_(widget), memo_(memo) {
    widget_->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void MemoBinding::Push() {
    if (widget_->document()->isModified()) {
        memo_.Lines.SetText(ToLatin1(widget_->toPlainText()));
        shownRevision_ = memo_.Lines.Revision();
        widget_->document()->setModified(false);
    }
}

void MemoBinding::Pull() {
    PullControl(widget_, memo_);
    widget_->setReadOnly(memo_.ReadOnly);
    if (shownRevision_ == memo_.Lines.Revision()) {
        return;
    }
    QString text;
    for (int i = 0; i < memo_.Lines.Count(); ++i) {
        if (i > 0) {
            text += QChar('\n');
        }
        text += FromLatin1(memo_.Lines[i]);
    }
    QSignalBlocker block(widget_);
    widget_->setPlainText(text);
    widget_->document()->setModified(false);
    shownRevision_ = memo_.Lines.Revision();
}

// ---- Edit
EditBinding::EditBinding(QLineEdit* widget, TEdit& edit, const Runner& run, Handler onReturn)
    : widget_(widget), edit_(edit) {
    if (onReturn) {
        QObject::connect(widget_, &QLineEdit::returnPressed, widget_,
                         [run, onReturn, this] { run(onReturn, widget_); });
    }
}

void EditBinding::Push() {
    edit_.Text = ToLatin1(widget_->text());
}

void EditBinding::Pull() {
    PullControl(widget_, edit_);
    widget_->setReadOnly(edit_.ReadOnly);
    const QString text = FromLatin1(edit_.Text);
    if (widget_->text() != text) {
        QSignalBlocker block(widget_);
        widget_->setText(text);
    }
}

// ---- Label
void LabelBinding::Pull() {
    PullControl(widget_, label_);
    SetTextIfDifferent(widget_, label_.Caption);
}

// ---- Button
ButtonBinding::ButtonBinding(QPushButton* widget, TButton& button, const Runner& run,
                             Handler onClick)
    : widget_(widget), button_(button) {
    QObject::connect(widget_, &QPushButton::clicked, widget_,
                     [run, onClick, this] { RunIfSet(run, onClick, widget_); });
}

void ButtonBinding::Pull() {
    PullControl(widget_, button_);
    const QString caption = FromLatin1(button_.Caption);
    if (widget_->text() != caption) {
        widget_->setText(caption);
    }
}

// ---- Check box
CheckBoxBinding::CheckBoxBinding(QCheckBox* widget, TCheckBox& box, const Runner& run,
                                 Handler onClick)
    : widget_(widget), box_(box) {
    QObject::connect(widget_, &QCheckBox::clicked, widget_,
                     [run, onClick, this] { RunIfSet(run, onClick, widget_); });
}

void CheckBoxBinding::Push() {
    box_.Checked = widget_->isChecked();
}

void CheckBoxBinding::Pull() {
    PullControl(widget_, box_);
    const QString caption = FromLatin1(box_.Caption);
    if (widget_->text() != caption) {
        widget_->setText(caption);
    }
    if (widget_->isChecked() != box_.Checked) {
        QSignalBlocker block(widget_);
        widget_->setChecked(box_.Checked);
    }
}

// ---- Radio button
RadioButtonBinding::RadioButtonBinding(QRadioButton* widget, TRadioButton& button,
                                       const Runner& run, Handler onClick)
    : widget_(widget), button_(button) {
    QObject::connect(widget_, &QRadioButton::clicked, widget_,
                     [run, onClick, this] { RunIfSet(run, onClick, widget_); });
}

void RadioButtonBinding::Push() {
    button_.Checked = widget_->isChecked();
}

void RadioButtonBinding::Pull() {
    PullControl(widget_, button_);
    const QString caption = FromLatin1(button_.Caption);
    if (widget_->text() != caption) {
        widget_->setText(caption);
    }
    if (widget_->isChecked() != button_.Checked) {
        QSignalBlocker block(widget_);
        widget_->setAutoExclusive(false);
        widget_->setChecked(button_.Checked);
        widget_->setAutoExclusive(true);
    }
}

// ---- Radio group
RadioGroupBinding::RadioGroupBinding(QGroupBox* widget, TRadioGroup& group, const Runner& run,
                                     Handler onClick)
    : widget_(widget), group_(group), run_(run), onClick_(std::move(onClick)) {
    if (widget_->layout() == nullptr) {
        widget_->setLayout(new QVBoxLayout);
    }
}

void RadioGroupBinding::Rebuild() {
    for (QRadioButton* button : buttons_) {
        delete button;
    }
    buttons_.clear();
    for (std::size_t i = 0; i < group_.Items.size(); ++i) {
        auto* button = new QRadioButton(FromLatin1(group_.Items[i]), widget_);
        widget_->layout()->addWidget(button);
        const int index = static_cast<int>(i);
        QObject::connect(button, &QRadioButton::clicked, button, [this, index] {
            group_.ItemIndex = index;
            RunIfSet(run_, onClick_, widget_);
        });
        buttons_.push_back(button);
    }
    shownItems_ = group_.Items;
}

void RadioGroupBinding::Push() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]->isChecked()) {
            group_.ItemIndex = static_cast<int>(i);
        }
    }
}

void RadioGroupBinding::Pull() {
    PullControl(widget_, group_);
    const QString caption = FromLatin1(group_.Caption);
    if (widget_->title() != caption) {
        widget_->setTitle(caption);
    }
    if (shownItems_ != group_.Items) {
        Rebuild();
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool checked = static_cast<int>(i) == group_.ItemIndex;
        if (buttons_[i]->isChecked() != checked) {
            QSignalBlocker block(buttons_[i]);
            buttons_[i]->setAutoExclusive(false);
            buttons_[i]->setChecked(checked);
            buttons_[i]->setAutoExclusive(true);
        }
    }
}

// ---- Combo box
ComboBoxBinding::ComboBoxBinding(QComboBox* widget, TComboBox& combo, const Runner& run,
                                 Handler onChange)
    : widget_(widget), combo_(combo) {
    QObject::connect(widget_, &QComboBox::activated, widget_, [this, run, onChange](int index) {
        combo_.ItemIndex = index;
        combo_.Text = ToLatin1(widget_->itemText(index));
        RunIfSet(run, onChange, widget_);
    });
}

void ComboBoxBinding::Push() {
    combo_.ItemIndex = widget_->currentIndex();
    combo_.Text = ToLatin1(widget_->currentText());
}

void ComboBoxBinding::Pull() {
    PullControl(widget_, combo_);
    QSignalBlocker block(widget_);
    widget_->setEditable(combo_.Editable);
    if (shownItems_ != combo_.Items) {
        widget_->clear();
        widget_->addItems(ToQStringList(combo_.Items));
        shownItems_ = combo_.Items;
    }
    if (widget_->currentIndex() != combo_.ItemIndex) {
        widget_->setCurrentIndex(combo_.ItemIndex);
    }
    const QString text = FromLatin1(combo_.Text);
    if (combo_.Editable && widget_->currentText() != text) {
        widget_->setEditText(text);
    }
}

// ---- List box
ListBinding::ListBinding(QListWidget* widget, TListBox& list, const Runner& run, Handler onSelect,
                         Handler onDoubleClick)
    : ListBinding(widget, list, list.Items, list.ItemIndex, nullptr, run, std::move(onSelect),
                  std::move(onDoubleClick)) {}

ListBinding::ListBinding(QListWidget* widget, TFileListBox& files, const Runner& run,
                         Handler onSelect, Handler onDoubleClick)
    : ListBinding(widget, files, files.Items, files.ItemIndex, &files.Directory, run,
                  std::move(onSelect), std::move(onDoubleClick)) {}

ListBinding::ListBinding(QListWidget* widget, const TControl& control,
                         std::vector<std::string>& items, int& itemIndex,
                         const std::string* directory, const Runner& run, Handler onSelect,
                         Handler onDoubleClick)
    : widget_(widget),
      control_(control),
      items_(items),
      itemIndex_(itemIndex),
      directory_(directory) {
    QObject::connect(widget_, &QListWidget::currentRowChanged, widget_,
                     [this, run, onSelect](int row) {
                         itemIndex_ = row;
                         RunIfSet(run, onSelect, widget_);
                     });
    QObject::connect(
        widget_, &QListWidget::itemActivated, widget_,
        [run, onDoubleClick, this](QListWidgetItem*) { RunIfSet(run, onDoubleClick, widget_); });
}

void ListBinding::Push() {
    itemIndex_ = widget_->currentRow();
}

void ListBinding::Pull() {
    PullControl(widget_, control_);
    const bool directoryChanged = directory_ != nullptr && shownDirectory_ != *directory_;
    if (directoryChanged || shownItems_ != items_) {
        QSignalBlocker block(widget_);
        widget_->clear();
        widget_->addItems(ToQStringList(items_));
        shownItems_ = items_;
        if (directory_ != nullptr) {
            shownDirectory_ = *directory_;
        }
    }
    SetRowIfDifferent(widget_, itemIndex_);
}

// ---- Progress bar
void ProgressBarBinding::Pull() {
    PullControl(widget_, bar_);
    widget_->setRange(bar_.Min, bar_.Max);
    widget_->setValue(bar_.Position);
}

// ---- Page control
PageControlBinding::PageControlBinding(QTabWidget* widget, TPageControl& pages, const Runner& run,
                                       Handler onChange)
    : widget_(widget), pages_(pages) {
    QObject::connect(widget_, &QTabWidget::tabBarClicked, widget_,
                     [this, run, onChange](int index) {
                         if (index >= 0) {
                             pages_.ActivePageIndex = index;
                             RunIfSet(run, onChange, widget_);
                         }
                     });
}

void PageControlBinding::Push() {
    pages_.ActivePageIndex = widget_->currentIndex();
}

void PageControlBinding::Pull() {
    PullControl(widget_, pages_);
    QSignalBlocker block(widget_);
    const int count = std::min(widget_->count(), static_cast<int>(pages_.Pages.size()));
    for (int i = 0; i < count; ++i) {
        const TTabSheet& page = pages_.Pages[static_cast<std::size_t>(i)];
        const QString caption = FromLatin1(page.Caption);
        if (widget_->tabText(i) != caption) {
            widget_->setTabText(i, caption);
        }
        widget_->setTabVisible(i, page.Visible);
        widget_->setTabEnabled(i, page.Enabled);
    }
    if (pages_.ActivePageIndex >= 0 && pages_.ActivePageIndex < count &&
        widget_->currentIndex() != pages_.ActivePageIndex) {
        widget_->setCurrentIndex(pages_.ActivePageIndex);
    }
}

// ---- Directory list
DirectoryListBinding::DirectoryListBinding(QListWidget* widget, QLabel* pathLabel,
                                           TDirectoryListBox& dirs, const Runner& run,
                                           Handler onChange)
    : widget_(widget), pathLabel_(pathLabel), dirs_(dirs) {
    QObject::connect(widget_, &QListWidget::itemActivated, widget_,
                     [this, run, onChange](QListWidgetItem* item) {
                         const int row = widget_->row(item);
                         if (row < 0) {
                             return;  // not an item of this list (any more)
                         }
                         run(
                             [this, row, onChange] {
                                 if (row == 0) {
                                     dirs_.Up();
                                 } else if (static_cast<std::size_t>(row) <= dirs_.Items.size()) {
                                     dirs_.Enter(dirs_.Items[static_cast<std::size_t>(row - 1)]);
                                 }
                                 if (onChange) {
                                     onChange();
                                 }
                             },
                             widget_);
                     });
}

void DirectoryListBinding::Push() {
    const int row = widget_->currentRow();
    dirs_.ItemIndex = row > 0 ? row - 1 : -1;
}

void DirectoryListBinding::Pull() {
    PullControl(widget_, dirs_);
    if (pathLabel_ != nullptr) {
        SetTextIfDifferent(pathLabel_, dirs_.Directory);
    }
    if (shownDirectory_ != dirs_.Directory || shownItems_ != dirs_.Items) {
        QSignalBlocker block(widget_);
        widget_->clear();
        widget_->addItem(QStringLiteral(".."));
        widget_->addItems(ToQStringList(dirs_.Items));
        shownDirectory_ = dirs_.Directory;
        shownItems_ = dirs_.Items;
    }
    SetRowIfDifferent(widget_, dirs_.ItemIndex >= 0 ? dirs_.ItemIndex + 1 : -1);
}

}  // namespace vx::qt
