#include "session/session_lines.h"

#include "platform/strict_int.h"
#include "platform/text_list.h"
#include "platform/ui.h"

namespace vx {
namespace {

const char* const kMsgNoInstructionEmpty =
    "Keine Rechenanweisungen\r___\rNo computation instruction.";
const char* const kMsgNoInstructionOther =
    "Keine Rechenanweisungen.\r___\rNo computation instruction.";

std::string MsgNoSentenceSign(int n) {
    const std::string line = IntToStr(n);
    return "Fehler in Zeile " + line + "\r" + " Kein Zeichen fuer Satz E im Thema S gefunden !" +
           "\r" + " Die Berechnnung wird nicht korrekt sein !!!" + "\r" + " ___" + "\r" +
           " Error in line " + line + "\r" + " The computation wouldnt be correct !!!";
}

std::string MsgNoXWSign(int n, const std::string& text) {
    const std::string line = IntToStr(n);
    return "Fehler in Zeile " + line + "\r" + " U.U. Kein Zeichen fuer XW im Satz E gefunden !" +
           "\r" + " Aktuelle Zeichenkette ist: " + text + "\r" +
           " Die Berechnnung wird nicht korrekt sein !!!" + "\r" + " ___" + "\r" +
           " Error in line " + line + "\r" + " Perhaps no sign for XW in sentence E found!" + "\r" +
           " Actual string is: " + text + "\r" + " The computation will not be correct sein !";
}

std::string MsgNoColon(int n) {
    const std::string line = IntToStr(n);
    return "Fehler in Zeile " + line + "\r" + "U.U. Kein : gefunden !" + "\r" +
           "Die Berechnnung wird nicht korrekt sein !!!" + "\r" + "___" + "\r" + "Error in line " +
           line + "\r" + "The computation will not be correct sein !";
}

// `sentenceReference`: the item names a sentence of any topic ("RS..."), else one of the
// line's own topic ("RE...").
std::string MsgNoFinalComma(int n, bool sentenceReference) {
    const std::string line = IntToStr(n);
    return "Fehler in Zeile " + line + "\r" +
           (sentenceReference ? "U.U. Kein abschliessendes Komma , gefunden !"
                              : "U.U. Kein abschliessendes Komma gefunden !") +
           "\r" + " Die Berechnnung wird nicht korrekt sein !!!" + "\r" + "___" + "\r" +
           "Error in line " + line + "\r" +
           (sentenceReference ? "Perhaps no final comma , found!"
                              : "Perhaps no final comma found!") +
           "\r" + "The computation will not be correct !!!";
}

}  // namespace

std::string MsgTooManySessionLines(int n) {
    const std::string line = IntToStr(n);
    const std::string limit = IntToStr(kSatzRecords);
    return "Die Session hat zu viele Zeilen: Zeile " + line + " liegt ueber der Grenze von " +
           limit + " Zeilen.\rDie Berechnung wird nicht ausgefuehrt.\r___\r" +
           "The session has too many lines: line " + line + " is beyond the limit of " + limit +
           " lines.\rThe computation is not carried out.";
}

std::string MsgTooManyRelations(int n) {
    const std::string line = IntToStr(n);
    const std::string limit = IntToStr(kSatzItems);
    return "Fehler in Zeile " + line + "\rDie Zeile hat mehr als " + limit +
           " Relationen.\rDie Berechnung wird nicht ausgefuehrt.\r___\rError in line " + line +
           "\rThe line has more than " + limit + " relations.\rThe computation is not carried out.";
}

namespace {

bool IsXWSignStart(char c) {
    return c == 'W' || c == 'D' || c == 'E';
}

// Appends the characters from `pos` up to, not including, the next `stop` (or the end) to
// `text`; `pos` ends on the stop character or after the end. False when the end came first.
bool ReadUpTo(const std::string& line, std::size_t& pos, char stop, std::string& text) {
    const auto end = line.find(stop, pos);
    const std::size_t last = end == std::string::npos ? line.size() : end;
    text.append(line, pos, last - pos);
    pos = last;
    return end != std::string::npos;
}

// Reads the relation items after the ":" at `colon`. Exactly one character (a blank after the
// ":", a "," between items) goes before each "R"; every other character costs an item slot.
bool SplitItems(const std::string& line, std::size_t colon, int n, TSatzEntry& record, Ui& ui) {
    const std::size_t size = line.size();
    std::size_t pos = colon + 1;
    int k = 1;
    while (pos < size) {
        if (line[pos] == '/') {
            break;
        }
        ++pos;
        if (pos < size && line[pos] == '/') {
            break;
        }
        if (pos >= size || line[pos] != 'R') {
            ++k;
            continue;
        }
        std::string item = "R";
        ++pos;
        if (pos < size && (line[pos] == 'S' || line[pos] == 'E')) {
            const bool sentenceReference = line[pos] == 'S';
            const bool closed = ReadUpTo(line, pos, ',', item);
            if (k > kSatzItems) {
                ui.ShowMessage(MsgTooManyRelations(n));
                return false;
            }
            record.Items[k] = std::move(item);
            if (!closed) {
                ui.ShowMessage(MsgNoFinalComma(n, sentenceReference));
            }
        }
        ++k;
    }
    return true;
}

}  // namespace

bool SplitSessionLine(const std::string& line, int n, TSatzEntry& record, Ui& ui) {
    const std::size_t size = line.size();
    record.Length = static_cast<std::int32_t>(size);
    std::size_t pos = 0;

    if (!ReadUpTo(line, pos, 'E', record.TopicPart)) {
        ui.ShowMessage(MsgNoSentenceSign(n));
    }
    if (pos < size) {
        record.SentencePart = "E";
        ++pos;
    }
    while (pos < size && !IsXWSignStart(line[pos])) {
        record.SentencePart += line[pos++];
    }
    if (pos >= size) {
        ui.ShowMessage(MsgNoXWSign(n, line));
    }
    if (!ReadUpTo(line, pos, ':', record.XWPart)) {
        ui.ShowMessage(MsgNoColon(n));
        return true;
    }
    if (pos + 1 < size) {
        return SplitItems(line, pos, n, record, ui);
    }
    return true;
}

SessionReading ReadSessionLines(const TextList& session, TSatzArray& records, Ui& ui) {
    records.Clear();
    SessionReading reading;
    int counter = session.Count() - 1;
    for (int n = 1; n < session.Count(); ++n) {
        const std::string& line = session[n];
        if (line.empty() || line.front() != 'S') {
            if (counter <= 1) {
                ui.ShowMessage(line.empty() ? kMsgNoInstructionEmpty : kMsgNoInstructionOther);
                reading.Stopped = true;
                return reading;
            }
            --counter;
            continue;
        }
        if (reading.Count == kSatzRecords) {
            ui.ShowMessage(MsgTooManySessionLines(n));
            reading.Stopped = true;
            return reading;
        }
        if (!SplitSessionLine(line, n, records[++reading.Count], ui)) {
            reading.Stopped = true;
            return reading;
        }
    }
    return reading;
}

}  // namespace vx
