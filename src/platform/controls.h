#pragma once

#include <string>
#include <vector>

#include "platform/text_list.h"

namespace vx {

// The state of the controls that handlers read and write. The Qt layer copies edits into
// these before a handler runs and redraws from them after it.

struct TControl {
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
};

struct TButton : TControl {};

inline TButton Button(std::string caption) {
    TButton button;
    button.Caption = std::move(caption);
    return button;
}
struct TLabel : TControl {};
struct TGroupBox : TControl {};

struct TEdit : TControl {
    std::string Text;
    bool ReadOnly = false;
};

struct TCheckBox : TControl {
    bool Checked = false;
};

struct TRadioButton : TControl {
    bool Checked = false;
};

struct TRadioGroup : TControl {
    std::vector<std::string> Items;
    int ItemIndex = -1;
    const std::string& SelectedText() const;
};

// A list of texts with one selected entry (-1: none).
struct TListBox : TControl {
    std::vector<std::string> Items;
    int ItemIndex = -1;
    const std::string& SelectedText() const;
};

// A combo box: its Items, the selected entry and the text shown in its edit part.
struct TComboBox : TControl {
    std::vector<std::string> Items;
    int ItemIndex = -1;
    std::string Text;
    bool Editable = true;
    void Select(int index);
};

struct TMemo : TControl {
    TextList Lines;
    bool ReadOnly = false;
};

// Loads a file into a memo; the memo keeps its lines when the file cannot be read.
bool LoadMemo(TMemo& memo, const std::string& path);

struct TProgressBar : TControl {
    int Min = 0;
    int Max = 100;
    int Position = 0;
};

struct TTabSheet : TControl {
    std::string Name;
};

inline TTabSheet TabSheet(std::string caption, bool visible = true) {
    TTabSheet page;
    page.Caption = std::move(caption);
    page.Visible = visible;
    return page;
}

// A page control whose pages are fixed by the window's design (their captions, visibility
// and enabled state may change); windows that create pages at run time keep their own list.
struct TPageControl : TControl {
    std::vector<TTabSheet> Pages;
    int ActivePageIndex = 0;
};

}  // namespace vx
