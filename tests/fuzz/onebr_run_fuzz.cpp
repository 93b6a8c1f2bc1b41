// A 1BR run of the demo installation: the session text, then after a NUL byte the method file
// that every topic's relations are looked up in.
#include "fuzz_support.h"
#include "platform/application.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session/method_files.h"
#include "session/one_br_run.h"
#include "session/result_form.h"
#include "settings/ini_form.h"

using namespace vx;

namespace {

class OneMethodFile : public MethodFileSource {
public:
    explicit OneMethodFile(std::string_view text) {
        TextList lines;
        lines.SetText(text);
        file_.emplace(lines.Lines());
    }
    const MethodFile* Open(const std::string& path) override {
        return path.empty() || path == "Error" ? nullptr : &*file_;
    }

private:
    std::optional<MethodFile> file_;
};

TIniForm& DemoSettings() {
    static ScriptedUi ui;
    static TApplication application;
    static TIniForm ini(ui, application, fuzz::DemoPath("bin/vx"));
    return ini;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(fuzz::Text(data, size), 2);
    TextList session;
    session.SetText(parts[0]);
    OneMethodFile files(parts[1]);
    ScriptedUi ui;
    TResultForm result;
    RunOneBRSession(session, DemoSettings(), result, ui, &files, ResultFile::Keep);
    return 0;
}
