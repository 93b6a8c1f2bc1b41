#include "textbase/ww_rel_form.h"

namespace vx {
namespace {

const char* const kMsgHelpRelations =
    "Waehlen Sie den WW TAB den Sie fuer den gewaehlten Satz SE fuer richtig halten. \r"
    "Wenn Sie weiters eine der implementierten Relationen fuer korrekt halten hakeln Sie sie "
    "an.\r"
    "Aktivieren Sie beides mit dem Activate-Button in die Session.\r___\r"
    "Choose the WW Tab You think its the correct one for the choosen sentence SE.\r"
    "If You think also a given relation is correct choose it to.\r"
    "Then activet both into the open session.";

TButton Button(const char* caption) {
    TButton button;
    button.Caption = caption;
    return button;
}

}  // namespace

TWWRelForm::TWWRelForm(Ui& ui, const TIniForm& ini)
    : TVater2MethodenForm("TWWRelForm", "Relations", ui, ini),
      ButtonShowSemiForm1(Button("Show SemiForm.")),
      ButtonShowSemiForm2(Button("Show SemiForm.")),
      ButtonShowSemiForm3(Button("Show SemiForm")),
      ButtonShowSemiForm4(Button("Show SemiForm")) {}

std::string TWWRelForm::EvaluateRels(const std::string& /*topicPart*/,
                                     const std::string& /*sentencePart*/,
                                     const std::string& /*relationDirectory*/,
                                     const std::string& /*xwType*/) {
    return "ok";
}

TButton* TWWRelForm::ShowSemiFormButton(int tab) {
    switch (tab) {
        case 0:
            return &ButtonShowSemiForm1;
        case 1:
            return &ButtonShowSemiForm2;
        case 2:
            return &ButtonShowSemiForm3;
        case 3:
            return &ButtonShowSemiForm4;
        default:
            return nullptr;
    }
}

void TWWRelForm::AfterTabHelp() {
    ui_.ShowMessage(kMsgHelpRelations);
}

}  // namespace vx
