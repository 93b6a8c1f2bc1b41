#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/scripted_ui.h"

namespace vx {
namespace {

struct NameDialog : TForm {
    NameDialog() : TForm("TNameDialog", "Name") {}
    std::string Typed;
};

TEST(ScriptedUi, RecordsInOrderAndPlaysQueuedAnswersAndDialogs) {
    ScriptedUi ui;
    ui.QueueAnswer(ModalResult::No);
    ui.QueueDialog(
        [](ModalForm& form) {
            auto& dialog = dynamic_cast<NameDialog&>(form);
            EXPECT_TRUE(dialog.Visible);
            dialog.Typed = "abc";
            dialog.ModalAnswer = ModalResult::Ok;
        },
        "TNameDialog");
    NameDialog dialog;
    ui.ShowMessage("first");
    EXPECT_EQ(ui.AskYesNoCancel("save?"), ModalResult::No);
    EXPECT_EQ(ui.ShowModal(dialog), ModalResult::Ok);
    EXPECT_FALSE(dialog.Visible);
    EXPECT_EQ(dialog.Typed, "abc");
    EXPECT_EQ(ui.Log, (std::vector<std::string>{"message: first", "question: save?",
                                                "dialog: TNameDialog"}));
    EXPECT_TRUE(ui.Unexpected.empty());
    EXPECT_TRUE(ui.AllAnswersUsed());
}

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
