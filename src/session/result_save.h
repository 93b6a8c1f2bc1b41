#pragma once

#include "platform/ui.h"

namespace vx {

class TIniForm;
class TResultForm;
class TSaveAsResForm;
class TSessionForm;

// "Result save": the report of the page the result window shows (1BR or 2BR) goes into a file
// of the sessions directory that the person names, as JSON when the name ends in ".json" and
// as its lines otherwise. The file is replaced atomically, and only when the person agrees.
// Refused while a computation runs.
class ResultSaver {
public:
    ResultSaver(Ui& ui, const TIniForm& ini, const TResultForm& result, TSaveAsResForm& dialog,
                const TSessionForm& session);

    void Save();

private:
    // The session's name with ".res", or "Result.res" without an open session.
    std::string SuggestedName() const;
    void Write(const std::string& path, bool json) const;

    Ui& ui_;
    const TIniForm& ini_;
    const TResultForm& result_;
    TSaveAsResForm& dialog_;
    const TSessionForm& session_;
};

// True when a report saved under `name` is JSON: the name ends in ".json", in any case.
bool IsJsonReportName(const std::string& name);

}  // namespace vx
