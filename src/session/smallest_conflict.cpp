#include "session/smallest_conflict.h"

#include <memory>
#include <new>

#include "platform/strict_int.h"
#include "platform/text_list.h"
#include "platform/ui.h"
#include "session/method_files.h"
#include "session/one_br_run.h"
#include "session/session_lines.h"
#include "textbase/tools.h"

namespace vx {
namespace {

const char* const kSmallestHeader = "//Smallest conflict: vx2.0b";
const char* const kNoConflict = "The session does not end in a conflict.";
const char* const kOneLine = "1 line of the session ends in a conflict on its own:";

// The runs of the search show nothing: their messages would repeat those of the session's
// own run once for every subset tried.
class SilentUi : public Ui {
public:
    void ShowMessage(std::string_view) override {}
    ModalResult AskYesNoCancel(std::string_view) override { return ModalResult::Cancel; }
    ModalResult ShowModal(ModalForm&) override { return ModalResult::Cancel; }
    std::string ShortDateToday() override { return {}; }
};

// Runs chosen records of a session on their own, in their order.
class SubsetRunner {
public:
    SubsetRunner(const TSatzArray& records, const TextBaseSettings& settings,
                 MethodFileSource& files)
        : records_(records), settings_(settings), files_(files) {}

    bool Conflicts(const std::vector<int>& chosen) {
        ++runs_;
        const int count = Copy(chosen);
        const OneBRComputation run = ComputeOneBR(*scratch_, count, settings_, files_, ui_);
        return run.Table != nullptr && EndsInConflict(run.Status);
    }

    OneBRTrace Trace(const std::vector<int>& chosen, const std::vector<TracedLine>& lines) {
        OneBRTrace trace;
        for (int record : chosen) {
            trace.Lines.push_back(lines[static_cast<std::size_t>(record - 1)]);
        }
        OneBRTraceRecorder recorder(trace);
        const int count = Copy(chosen);
        const OneBRComputation run =
            ComputeOneBR(*scratch_, count, settings_, files_, ui_, nullptr, &recorder);
        if (!EndsInConflict(run.Status)) {
            trace.Conflict.reset();
        }
        return trace;
    }

    int Runs() const { return runs_; }

private:
    int Copy(const std::vector<int>& chosen) {
        int count = 0;
        for (int record : chosen) {
            (*scratch_)[++count] = records_[record];
        }
        return count;
    }

    const TSatzArray& records_;
    const TextBaseSettings& settings_;
    MethodFileSource& files_;
    SilentUi ui_;
    std::unique_ptr<TSatzArray> scratch_ = std::make_unique<TSatzArray>();
    int runs_ = 0;
};

// `keep` without its pieces [start, start + length).
std::vector<int> Without(const std::vector<int>& keep, std::size_t start, std::size_t length) {
    std::vector<int> rest(keep.begin(), keep.begin() + static_cast<std::ptrdiff_t>(start));
    const std::size_t end = std::min(keep.size(), start + length);
    rest.insert(rest.end(), keep.begin() + static_cast<std::ptrdiff_t>(end), keep.end());
    return rest;
}

// One sweep over `keep` in pieces of `length`: every piece whose removal keeps the conflict
// is removed. True when something was removed.
bool DeletePieces(std::vector<int>& keep, std::size_t length, SubsetRunner& runner) {
    bool removed = false;
    std::size_t start = 0;
    while (start < keep.size() && keep.size() > 1) {
        std::vector<int> rest = Without(keep, start, length);
        if (runner.Conflicts(rest)) {
            keep = std::move(rest);
            removed = true;
        } else {
            start += length;
        }
    }
    return removed;
}

std::vector<int> Minimize(int count, SubsetRunner& runner) {
    std::vector<int> keep;
    for (int record = 1; record <= count; ++record) {
        keep.push_back(record);
    }
    for (std::size_t length = keep.size() / 2; length > 1; length /= 2) {
        DeletePieces(keep, length, runner);
    }
    // Single lines until none can go: a line kept earlier may become removable once another
    // has gone, since a line can also prevent a conflict.
    while (DeletePieces(keep, 1, runner)) {
    }
    return keep;
}

}  // namespace

SmallestConflict FindSmallestConflict(const TextList& session, const TextBaseSettings& settings,
                                      MethodFileSource* files) {
    SmallestConflict found;
    const std::vector<TracedLine> lines = RecordLines(session);
    std::unique_ptr<TSatzArray> records;
    try {
        records = std::make_unique<TSatzArray>();
    } catch (const std::bad_alloc&) {
        return found;
    }
    SilentUi ui;
    const SessionReading reading = ReadSessionLines(session, *records, ui);
    if (reading.Stopped || reading.Count != static_cast<int>(lines.size())) {
        return found;
    }
    IndexedMethodFiles indexed;
    SubsetRunner runner(*records, settings, files != nullptr ? *files : indexed);
    std::vector<int> all;
    for (int record = 1; record <= reading.Count; ++record) {
        all.push_back(record);
    }
    found.SessionConflicts = runner.Conflicts(all);
    if (found.SessionConflicts) {
        const std::vector<int> keep = Minimize(reading.Count, runner);
        for (int record : keep) {
            found.Lines.push_back(lines[static_cast<std::size_t>(record - 1)]);
        }
        found.Trace = runner.Trace(keep, lines);
    }
    found.Runs = runner.Runs();
    return found;
}

std::vector<std::string> SmallestConflictLines(const SmallestConflict& found) {
    std::vector<std::string> lines{kSmallestHeader, " "};
    if (!found.SessionConflicts) {
        lines.push_back(kNoConflict);
        return lines;
    }
    const int count = static_cast<int>(found.Lines.size());
    lines.push_back(count == 1 ? std::string(kOneLine)
                               : IntToStr(count) + " lines of the session end in a conflict on "
                                                   "their own:");
    for (const TracedLine& line : found.Lines) {
        lines.push_back("line " + IntToStr(line.SessionLine) + ": " + line.Text);
    }
    if (found.Trace.Conflict) {
        lines.push_back(ConflictSummary(found.Trace));
    }
    return lines;
}

}  // namespace vx
