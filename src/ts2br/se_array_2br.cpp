#include "ts2br/se_array_2br.h"

#include "platform/strict_int.h"
#include "platform/text_list.h"
#include "platform/ui.h"
#include "session/session_lines.h"
#include "ts2br/ts_text.h"

namespace vx {
namespace {

const char* const kMsgSEEmpty =
    "Error: Kein Eintrag im SE Memo.\rEs existiert nichts zum Vergleich mit den TS.\r\r"
    "Error: No SE entry in SE Memo.\rNothing to compare with the TS.";

const char* const kNoSentenceSign = " Kein Zeichen fuer Satz E im Thema S gefunden !";
const char* const kTopicNotConverted =
    " Die S-Nummer konnte nicht in eine Zahl konvertiert werden !";
const char* const kNoXWSign = " U.U. Kein Zeichen fuer XW im Satz E gefunden !";
const char* const kNoXWValue = " U.U. Keine XW Bewertung im Satz E gefunden !";
const char* const kValueNotConverted = " XW Wert-Konvertierung gescheitert: ";
const char* const kValueEmpty = " XW Wert-Konvertierung gescheitert: Wert ist leer";
const char* const kNoFinalComma = "U.U. Kein abschliessendes Komma , gefunden !";

const char* const kTooManyLines = "Error: too many SE lines";
const char* const kTooManyRelations = "Error: too many relations on an SE line";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsOneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

enum class LineEnd { Next, EndOfReading, TooManyRelations };

// Reads one SE line (comment and blanks removed, beginning with "S") into its entry.
class SELineReader {
public:
    SELineReader(const std::string& line, int number, T2BRSEEntry& entry, Ui& ui)
        : s_(line), number_(number), entry_(entry), ui_(ui) {}

    LineEnd Read(bool twoBRMode) {
        ReadTopic();
        if (!ReadSentence()) {
            Report(kNoXWSign, true);
            return LineEnd::Next;
        }
        ReadXWType();
        if (AtEnd()) {
            Report(kNoXWValue, true);
            return LineEnd::EndOfReading;
        }
        ReadValue();
        if (twoBRMode) {
            ReadVirtualSentence();
            ReadRange();
        }
        return ReadRelations();
    }

private:
    bool AtEnd() const { return pos_ >= s_.size(); }
    char At(std::size_t i) const { return i < s_.size() ? s_[i] : '\0'; }

    void Report(const std::string& text, bool quoteLine) {
        std::string message = "Fehler in Zeile " + IntToStr(number_) + "\r" + text + "\r";
        if (quoteLine) {
            message += " Aktuelle Zeichenkette ist: " + s_ + "\r";
        }
        ui_.ShowMessage(message + " Die Berechnnung wird nicht korrekt sein !!!");
    }

    // Appends the characters up to, not including, the next one of `stops` to `text`.
    void ReadUpTo(std::string_view stops, std::string& text) {
        while (!AtEnd() && !IsOneOf(s_[pos_], stops)) {
            text += s_[pos_++];
        }
    }

    void ReadTopic() {
        const std::size_t e = s_.find('E', 1);
        const std::string digits = s_.substr(1, e == std::string::npos ? std::string::npos : e - 1);
        entry_.SText = "S" + digits;
        if (e == std::string::npos) {
            Report(kNoSentenceSign, false);
        }
        if (const auto number = TryStrToInt(digits)) {
            entry_.SNumber = *number;
        } else {
            Report(kTopicNotConverted, false);
        }
        pos_ = e == std::string::npos ? s_.size() : e + 1;
        if (e != std::string::npos) {
            entry_.EText = "E";
        }
    }

    // The sentence digits up to the first "W"; false when the line ends first.
    bool ReadSentence() {
        for (; !AtEnd() && s_[pos_] != 'W'; ++pos_) {
            if (IsDigit(s_[pos_])) {
                entry_.EText += s_[pos_];
            }
        }
        return !AtEnd();
    }

    // At the first "W": "WW" when another "W" follows, else the letter before it and "W".
    void ReadXWType() {
        if (At(pos_ + 1) == 'W') {
            entry_.XWType = "WW";
            pos_ += 2;
        } else {
            entry_.XWType = std::string(1, s_[pos_ - 1]) + "W";
            ++pos_;
        }
    }

    void ReadValue() {
        std::string digits;
        for (; !AtEnd() && !IsOneOf(s_[pos_], ":(_"); ++pos_) {
            if (IsDigit(s_[pos_])) {
                digits += s_[pos_];
            }
        }
        if (digits.empty()) {
            Report(kValueEmpty, true);
        } else if (const auto value = TryStrToInt(digits)) {
            entry_.XWValue = *value;
        } else {
            Report(kValueNotConverted + digits, true);
        }
    }

    // "_F" right after the value: "F" and the name, then "_" and the second field.
    void ReadVirtualSentence() {
        if (At(pos_) != '_' || At(pos_ + 1) != 'F') {
            return;
        }
        ++pos_;
        ReadUpTo("_(", entry_.Virtual1);
        if (At(pos_) == '_') {
            entry_.VirtualFlag = At(pos_ + 1) == 'F' ? 1 : 0;
            entry_.Virtual2 = "_";
            ++pos_;
            ReadUpTo("_(:", entry_.Virtual2);
        }
    }

    void ReadRange() {
        if (At(pos_) != '(') {
            return;
        }
        ++pos_;
        ReadUpTo("):", entry_.Range);
        if (At(pos_) == ')') {
            ++pos_;
        }
    }

    // Every "R" after the ":" begins an item that ends before the next ",".
    LineEnd ReadRelations() {
        const std::size_t colon = s_.find(':', pos_);
        int count = 0;
        for (std::size_t p = colon == std::string::npos ? s_.size() : colon + 1; p < s_.size();) {
            if (s_[p] != 'R') {
                ++p;
                continue;
            }
            if (++count > kMaxSERelations) {
                ui_.ShowMessage(MsgTooManyRelations(number_));
                return LineEnd::TooManyRelations;
            }
            const std::size_t comma = s_.find(',', p);
            entry_.Relations[count] =
                s_.substr(p, comma == std::string::npos ? s_.npos : comma - p);
            if (comma == std::string::npos) {
                if (At(p + 1) == 'S') {
                    Report(kNoFinalComma, false);
                }
                break;
            }
            p = comma + 1;
        }
        return LineEnd::Next;
    }

    const std::string s_;
    const int number_;
    T2BRSEEntry& entry_;
    Ui& ui_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string Read2BRSEList(const TextList& list, std::string_view mode, T2BRSEArray& entries,
                          Ui& ui) {
    if (list.Count() <= 1) {
        ui.ShowMessage(kMsgSEEmpty);
        return "SEempty";
    }
    int count = 0;
    for (int k = 1; k < list.Count(); ++k) {
        const std::string& raw = list[k];
        const std::size_t comment = raw.find("//");
        const std::string line = ts::StripBlanks(std::string_view(raw).substr(0, comment));
        if (line.empty() || line.front() != 'S') {
            continue;
        }
        if (count == kMaxSEEntries) {
            ui.ShowMessage(MsgTooManySessionLines(k));
            return kTooManyLines;
        }
        T2BRSEEntry& entry = entries[++count];
        entry.Length = static_cast<int>(raw.size());
        entry.Line = raw;
        if (comment != std::string::npos) {
            entry.Comment = raw.substr(comment);
        }
        switch (SELineReader(line, k, entry, ui).Read(mode == "2BRMode")) {
            case LineEnd::Next:
                break;
            case LineEnd::EndOfReading:
                return "OK";
            case LineEnd::TooManyRelations:
                return kTooManyRelations;
        }
    }
    return "OK";
}

}  // namespace vx
