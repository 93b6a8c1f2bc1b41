#pragma once

namespace vx {

// The application object's one duty in the core: a request to end the program. A request
// made while the windows are created takes effect instead of the event loop.
class TApplication {
public:
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

private:
    bool terminated_ = false;
};

}  // namespace vx
