#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/scripted_ui.h"

namespace vx {
namespace {

struct NameDialog : TForm {
    NameDialog() : TForm("TNameDialog", "Name") {}
    std::string Typed;
};

TEST(ScriptedUi, NothingQueuedMeansCancelAndIsRecorded) {
    ScriptedUi ui;
    NameDialog dialog;
    EXPECT_EQ(ui.AskYesNoCancel("q"), ModalResult::Cancel);
    EXPECT_EQ(ui.ShowModal(dialog), ModalResult::Cancel);
    ui.QueueDialog([](ModalForm&) {}, "TOther");
    EXPECT_EQ(ui.ShowModal(dialog), ModalResult::Cancel);  // the action set no answer
    EXPECT_EQ(ui.Unexpected.size(), 3u);
}

}  // namespace
}  // namespace vx
