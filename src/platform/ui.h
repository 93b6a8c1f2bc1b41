#pragma once

#include <string>
#include <string_view>

namespace vx {

enum class ModalResult { None, Ok, Cancel, Yes, No };

class TForm;
using ModalForm = TForm;

// What a handler may ask of the person: message boxes, questions and modal dialogs. Texts use
// "\r" for line breaks. The GUI realises it with real boxes; tests use ScriptedUi.
class Ui {
public:
    virtual ~Ui() = default;
    virtual void ShowMessage(std::string_view text) = 0;  // information box, one OK
    virtual ModalResult AskYesNoCancel(std::string_view text) = 0;
    // Runs a dialog form until its ModalAnswer is set or the person closes it (Cancel).
    virtual ModalResult ShowModal(ModalForm& dialog) = 0;
    virtual std::string ShortDateToday() = 0;  // system short date format
    virtual void ProcessEvents() {}            // keeps progress bars alive
};

}  // namespace vx
