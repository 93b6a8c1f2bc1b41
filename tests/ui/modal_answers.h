#pragma once

#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace vx::qt::test {

// Answers the message boxes that appear while it lives: records each text (line breaks as
// shown) and presses the default button, so that a test never waits for a person.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer();
    std::vector<std::string> Texts;

private:
    QTimer timer_;
};

// Runs `action` on the modal window that opens next (from inside its own event loop).
void OnNextModal(std::function<void(QWidget*)> action);

}  // namespace vx::qt::test
