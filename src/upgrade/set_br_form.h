#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;
class TListsForm;
class TSessionForm;

// The 2BR set-up wizard: leads the open 1BR session to 2BR in four upgrade steps. It keeps
// no state of its own between openings; the mode is IniState and the progress ComputeMode.
class TSetBRForm : public TForm {
public:
    // Runs the pre-analysis of the logics of the 2BR configuration ("All").
    using AnalyzeLogicsFn = std::function<std::string(const std::string&)>;
    // Creates one directory (its parent exists); true when it exists afterwards.
    using CreateDirFn = std::function<bool(const std::string&)>;

    TSetBRForm(Ui& ui, TIniForm& ini, TSessionForm& session, TListsForm& lists,
               AnalyzeLogicsFn analyzeLogics);

    TGroupBox GroupBoxBRStep;  // "BR Step"
    TRadioButton RadioButton1BR, RadioButton2BRupgS1, RadioButton2BRupgS2, RadioButton2BRupgS3,
        RadioButton2BRupgS4, RadioButton2BR, RadioButton3BR;
    TButton ButtonOK, ButtonCancel, ButtonHelp;

    int Mode = 1;          // IniState when the window opened
    std::string DynRules;  // result text of the dynamic rules list
    std::string Step;      // the step shown, "0" to "4"

    // Directories of the 2BR tree that the last step 2 created, in order.
    std::vector<std::string> CreatedDirectories;
    // How a directory is made; tests put a failing one in.
    CreateDirFn CreateDir;

    void Oeffne();
    void ButtonOKClick();
    void ButtonCancelClick();
    void ButtonHelpClick();

    // The steps; true on success. Each shows its own messages.
    bool Step1();
    bool Step21();
    bool Step22();
    bool Step3();
    bool Step4();

private:
    void Check(TRadioButton& button);
    bool CreateDirectoryTree();
    void ReportCreatedDirectories();
    bool RunStep2();

    Ui& ui_;
    TIniForm& ini_;
    TSessionForm& session_;
    TListsForm& lists_;
    AnalyzeLogicsFn analyzeLogics_;
};

}  // namespace vx
