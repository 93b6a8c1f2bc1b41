#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "deploy/comment_check.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;

// The result of a deploy run: the file, line and text of the first error, or "All ok !".
struct TCmtRes {
    std::string File;
    std::int32_t Line = 0;
    std::string Message;
    std::string Unused;
    std::string Text;
    std::string LastLine;
};

inline constexpr int kMaxDeployFiles = 254;
extern const char* const kDeployAllOk;   // "All ok !"
extern const char* const kDeployNoFile;  // "NoFile"

// How a run ended, for vx-check's exit status.
enum class DeployOutcome {
    NotRun,      // nothing checked, or the staging folder refused a file
    Clean,       // every file checked and staged
    SourceError  // a source file has a comment error or cannot be read
};

// "Deploy": checks the comments of the text files of a source folder, removes them and stages
// the cleaned copies in Temp\imports. The sources are never written.
class TDeployForm : public TForm {
public:
    // `sessionOpen` tells whether a session is open; the tool is refused while one is.
    TDeployForm(Ui& ui, const TIniForm& ini, std::function<bool()> sessionOpen);

    TLabel LabelSource, LabelDest, LabelImpType, LabelResult;
    TComboBox ComboBoxSource;   // "Source Path:"
    TComboBox ComboBoxDest;     // "Destination:"
    TComboBox ComboBoxImpType;  // "Import Type: "
    TMemo MemoDeploy;
    TButton ButtonStart, ButtonHelp;
    TCmtDelimiters Delimiters;

    // Opens the tool modally, unless a session is open.
    void deploy();
    // What opening does before the window shows: the deploy folder and the installation
    // root become the first entries of the source and destination lists, and the delimiters
    // are set.
    void PrepareOpen();
    void ButtonStartClick();
    void ButtonHelpClick();
    // Checks and stages every file of `sourceDir` that matches `mask` (a path ending in a
    // file pattern); stops at the first error.
    TCmtRes RemoveCmtLoop(const std::string& sourceDir, const std::string& mask);

    DeployOutcome Outcome() const { return outcome_; }

private:
    // Kept from file to file of a run, so that a large folder does not allocate anew for each.
    struct FileBuffers {
        std::string Source;
        std::vector<std::string_view> Lines;
        std::string Cleaned;
    };
    // Checks and stages one file; false after an error, which `result` then names.
    bool DeployFile(const std::string& sourceDir, const std::string& name, FileBuffers& buffers,
                    TCmtRes& result);
    // Replaces the staged copy atomically, so that a failed write keeps the older copy.
    bool StageFile(const std::string& name, const std::string& cleaned, TCmtRes& result);
    // Ends a run with a message box whose text the report repeats.
    TCmtRes Refuse(std::string file, const std::string& message);
    bool SourceIsStagingFolder(const std::string& sourceDir) const;
    void ShowReport(const TCmtRes& result);

    Ui& ui_;
    const TIniForm& ini_;
    std::function<bool()> sessionOpen_;
    DeployOutcome outcome_ = DeployOutcome::NotRun;
};

}  // namespace vx
