#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"

namespace vx::test {

// "Session choose" from the menu as a person does it: the dialog, which opens in the sessions
// directory, enters `directory` ("" stays there), selects `file` and presses Select.
inline void ChooseSession(ScriptedUi& ui, VxApp& app, const std::string& directory,
                          const std::string& file) {
    ui.QueueDialog(
        [&app, directory, file](ModalForm& form) {
            auto& dialog = dynamic_cast<TWahleDlgBoxForm&>(form);
            EXPECT_EQ(dialog.FileListBox.Directory, app.IniForm.SessionsPath);
            if (!directory.empty()) {
                ASSERT_TRUE(dialog.DirectoryListBox.Enter(directory));
                dialog.DirectoryListBoxChange();
            }
            const auto& items = dialog.FileListBox.Items;
            const auto it = std::find(items.begin(), items.end(), file);
            ASSERT_NE(it, items.end()) << file;
            dialog.FileListBox.ItemIndex = static_cast<int>(it - items.begin());
            dialog.ButtonSelectClick();
        },
        "TWahleDlgBoxForm");
    app.MenueForm.Click("AuswaehlenSes");
}

}  // namespace vx::test
