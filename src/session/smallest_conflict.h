#pragma once

#include <string>
#include <vector>

#include "session/one_br_trace.h"

namespace vx {

class MethodFileSource;
class TextList;
struct TextBaseSettings;

// A smallest set of a session's lines that still ends in a conflict when it is run alone.
struct SmallestConflict {
    bool SessionConflicts = false;  // the whole session ends in a conflict
    std::vector<TracedLine> Lines;  // in session order, with their numbers in the session text
    int Runs = 0;                   // runs of the deletion search, the first on the whole session
    OneBRTrace Trace;               // the run of the found lines alone
};

// Deletes lines from the session's records as long as the rest still ends in a conflict:
// first halves, then ever smaller pieces down to single lines, so that the number of runs grows
// with the size of the answer times the logarithm of the number of lines. No single line of
// the answer can be left out. The runs are silent and change neither the session nor a file;
// method files come from `files`, or are read once for the whole search.
SmallestConflict FindSmallestConflict(const TextList& session, const TextBaseSettings& settings,
                                      MethodFileSource* files = nullptr);

// The text of a search's answer: its lines with their numbers.
std::vector<std::string> SmallestConflictLines(const SmallestConflict& found);

}  // namespace vx
