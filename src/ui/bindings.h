#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/controls.h"
#include "platform/file_lists.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QObject;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace vx::qt {

// One control bound to its model both ways: Push copies the person's edit into the model
// (before a handler runs), Pull redraws the widget from the model (after a handler ran).
class Binding {
public:
    virtual ~Binding() = default;
    virtual void Push() {}
    virtual void Pull() = 0;
};

using Handler = std::function<void()>;
// Runs a handler the way every handler runs: edits in, handler, views redrawn. `origin` is
// the control the person used, named when the handler fails.
using Runner = std::function<void(const Handler&, const QObject* origin)>;

void PullControl(QWidget* widget, const TControl& control);

class MemoBinding : public Binding {
public:
    MemoBinding(QPlainTextEdit* widget, TMemo& memo);
    void Push() override;
    void Pull() override;

private:
    QPlainTextEdit* widget_;
    TMemo& memo_;
    std::uint64_t shownRevision_ = ~std::uint64_t{0};
};

class EditBinding : public Binding {
public:
    EditBinding(QLineEdit* widget, TEdit& edit, const Runner& run, Handler onReturn);
    void Push() override;
    void Pull() override;

private:
    QLineEdit* widget_;
    TEdit& edit_;
};

class LabelBinding : public Binding {
public:
    LabelBinding(QLabel* widget, TLabel& label) : widget_(widget), label_(label) {}
    void Pull() override;

private:
    QLabel* widget_;
    TLabel& label_;
};

class ButtonBinding : public Binding {
public:
    ButtonBinding(QPushButton* widget, TButton& button, const Runner& run, Handler onClick);
    void Pull() override;

private:
    QPushButton* widget_;
    TButton& button_;
};

class CheckBoxBinding : public Binding {
public:
    CheckBoxBinding(QCheckBox* widget, TCheckBox& box, const Runner& run, Handler onClick);
    void Push() override;
    void Pull() override;

private:
    QCheckBox* widget_;
    TCheckBox& box_;
};

class RadioButtonBinding : public Binding {
public:
    RadioButtonBinding(QRadioButton* widget, TRadioButton& button, const Runner& run,
                       Handler onClick);
    void Push() override;
    void Pull() override;

private:
    QRadioButton* widget_;
    TRadioButton& button_;
};

// A group box whose radio buttons are made from the group's Items.
class RadioGroupBinding : public Binding {
public:
    RadioGroupBinding(QGroupBox* widget, TRadioGroup& group, const Runner& run, Handler onClick);
    void Push() override;
    void Pull() override;

private:
    void Rebuild();

    QGroupBox* widget_;
    TRadioGroup& group_;
    Runner run_;
    Handler onClick_;
    std::vector<std::string> shownItems_;
    std::vector<QRadioButton*> buttons_;
};

class ComboBoxBinding : public Binding {
public:
    ComboBoxBinding(QComboBox* widget, TComboBox& combo, const Runner& run, Handler onChange);
    void Push() override;
    void Pull() override;

private:
    QComboBox* widget_;
    TComboBox& combo_;
    std::vector<std::string> shownItems_;
};

// A list of entries (a list box, or a file list, which also names its directory): the model
// gives the entries and the selected one; a row the person selects becomes ItemIndex and runs
// onSelect, double-click or Enter runs onDoubleClick.
class ListBinding : public Binding {
public:
    ListBinding(QListWidget* widget, TListBox& list, const Runner& run, Handler onSelect,
                Handler onDoubleClick);
    ListBinding(QListWidget* widget, TFileListBox& files, const Runner& run, Handler onSelect,
                Handler onDoubleClick);
    void Push() override;
    void Pull() override;

private:
    ListBinding(QListWidget* widget, const TControl& control, std::vector<std::string>& items,
                int& itemIndex, const std::string* directory, const Runner& run, Handler onSelect,
                Handler onDoubleClick);

    QListWidget* widget_;
    const TControl& control_;
    std::vector<std::string>& items_;
    int& itemIndex_;
    const std::string* directory_;  // null for a list box
    std::vector<std::string> shownItems_;
    std::string shownDirectory_;
};

class ProgressBarBinding : public Binding {
public:
    ProgressBarBinding(QProgressBar* widget, TProgressBar& bar) : widget_(widget), bar_(bar) {}
    void Pull() override;

private:
    QProgressBar* widget_;
    TProgressBar& bar_;
};

// A tab widget whose pages the view created; the model gives captions, visibility, enabled
// state and the active page.
class PageControlBinding : public Binding {
public:
    PageControlBinding(QTabWidget* widget, TPageControl& pages, const Runner& run,
                       Handler onChange);
    void Push() override;
    void Pull() override;

private:
    QTabWidget* widget_;
    TPageControl& pages_;
};

// A directory list: ".." and the sub-directories; double-click or Enter opens an entry and
// then runs onChange (which typically points the bound file list at the new directory).
class DirectoryListBinding : public Binding {
public:
    DirectoryListBinding(QListWidget* widget, QLabel* pathLabel, TDirectoryListBox& dirs,
                         const Runner& run, Handler onChange);
    void Push() override;
    void Pull() override;

private:
    QListWidget* widget_;
    QLabel* pathLabel_;
    TDirectoryListBox& dirs_;
    std::string shownDirectory_;
    std::vector<std::string> shownItems_;
};

}  // namespace vx::qt
