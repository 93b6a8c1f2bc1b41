#pragma once

#include <string>

#include "session/one_br_types.h"

namespace vx {

class TextList;
class Ui;

// Splits session line `n` (counted from 1 after the header) into `record`: topic part,
// sentence part, XW part and relation items. A line that breaks the grammar is reported and
// split as far as it goes. Returns false when the line has a relation item beyond slot 32;
// the message naming the line has then been shown.
bool SplitSessionLine(const std::string& line, int n, TSatzEntry& record, Ui& ui);

// How reading the session text into line records ended.
struct SessionReading {
    int Count = 0;         // records read
    bool Stopped = false;  // the run must stop: a message has been shown
};

// Reads the lines after the header into `records` (cleared first). Lines that are empty or do
// not begin with "S" are skipped; a text of skipped lines only, a line beyond the 1024 records
// or one with more than 32 relation items stops the run.
SessionReading ReadSessionLines(const TextList& session, TSatzArray& records, Ui& ui);

// The refusals of a session list beyond its limits, naming list line `n`: a line beyond the
// 1024 records, and a line with more than 32 relation items.
std::string MsgTooManySessionLines(int n);
std::string MsgTooManyRelations(int n);

}  // namespace vx
