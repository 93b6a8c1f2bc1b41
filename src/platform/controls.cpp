#include "platform/controls.h"

#include "platform/errors.h"

namespace vx {
namespace {
const std::string kNothing;

const std::string& At(const std::vector<std::string>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size())
               ? items[static_cast<std::size_t>(index)]
               : kNothing;
}
}  // namespace

const std::string& TRadioGroup::SelectedText() const {
    return At(Items, ItemIndex);
}

const std::string& TListBox::SelectedText() const {
    return At(Items, ItemIndex);
}

void TComboBox::Select(int index) {
    ItemIndex = index;
    Text = At(Items, index);
}

bool LoadMemo(TMemo& memo, const std::string& path) {
    TextList lines;
    try {
        lines.LoadFromFile(path);
    } catch (const FileError&) {
        return false;
    }
    memo.Lines = std::move(lines);
    return true;
}

}  // namespace vx
