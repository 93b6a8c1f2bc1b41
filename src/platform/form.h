#pragma once

#include <cstdint>
#include <string>

#include "platform/ui.h"

namespace vx {

// Base of every window model. A window holds its controls as data and its operations as
// member functions; the Qt layer draws it and binds it both ways.
class TForm {
public:
    TForm(std::string name, std::string caption);
    virtual ~TForm() = default;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    std::string Name;  // the class name, e.g. "TSessionForm"
    std::string Caption;
    bool Visible = false;
    // Set by a dialog's buttons; ShowModal ends when it is no longer None.
    ModalResult ModalAnswer = ModalResult::None;

    // Shows the window and brings it to the front.
    void Show();
    void Hide() { Visible = false; }
    // The person closes the window: unless CloseQuery refuses, FormClose runs and the window
    // is hidden. False when the window stays open.
    bool Close();
    std::uint64_t ShowRequests() const { return showRequests_; }

    // Asked before the window closes (the person may still keep it open); most windows close.
    virtual bool CloseQuery() { return true; }
    // What the window does when it is closed; most windows do nothing more than hide.
    virtual void FormClose() {}

private:
    std::uint64_t showRequests_ = 0;
};

}  // namespace vx
