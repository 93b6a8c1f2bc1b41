#include "ts2br/ts_map_file.h"

#include <exception>

#include "platform/strict_int.h"
#include "platform/text_list.h"
#include "ts2br/ts_text.h"

namespace vx {
namespace {

const char* const kMsgOpenFailed =
    "Fehler beim oeffnen der TS-Datei.\rKontrollieren Sie bitte die Existenz.\r___\rError on "
    "opening the TS file.\rCheck its existence.";

std::string MsgEStringNotTraced(const std::string& line) {
    return "Fehler beim Lesen der TS-Datei.\rDer folgende E-String konnte nicht aufgeloest "
           "werden: " +
           line + "\r" + "___" + "\r" + "Error on reading the TS file." + "\r" +
           "Following E-String couldnt be traced: " + line;
}

std::string MsgHeaderIncomplete(const std::string& line) {
    return "Fehler beim Lesen der TS-Datei beim Lesen des *E-Headers: " + line + "\r" +
           "Der String ist unvollstaendig!" + "\r___\r" +
           "Error on reading the TS file at resolving the *E-header: " + line + "\r" +
           "The String isnt complete:";
}

std::string MsgBaseXWLength(const std::string& line, const std::string& xw) {
    return "Fehler beim Lesen der TS-Datei bei Aufloesung des Basis-XW aus:" + line + "\r" +
           "Der XW-String kann nicht eine andere Laenge als 2 haben: " + xw + "\r___\r" +
           "Error on reading the TS file at resolving the base XW from:" + line + "\r" +
           "Following XW-String couldnt be of other length then 2: " + xw;
}

std::string MsgBaseXWNoW(const std::string& line, const std::string& xw) {
    return "Fehler beim Lesen der TS-Datei bei Aufloesung des Basis-XW aus:" + line + "\r" +
           "Der XW-String muss an 2ter Stelle ein W haben: " + xw + "\r___\r" +
           "Error on reading the TS file at resolving the base XW from:" + line + "\r" +
           "The XW-String must have on 2nd position a W: " + xw;
}

std::string MsgTSCount(const std::string& line) {
    return "Fehler bei der Ermittlung der Anzahl TS in der TS-Datei: " + line + "\r___\r" +
           "Error at calculating the number of TS in the TS file: " + line;
}

std::string MsgTypeLength(const std::string& line) {
    return "Fehler beim Lesen der TS-Datei bei Ermittlung der XW der EinzelTS: " + line + "\r" +
           "Der XW-String kann nicht eine andere Laenge als 2 haben. " + "\r___\r" +
           "Error on reading the TS file at resolving the XW fof every TS from: " + line + "\r" +
           "Following XW-String couldnt be of other length then 2. ";
}

std::string MsgTypeNoW(const std::string& line, const std::string& xw) {
    return "Fehler beim Lesen der TS-Datei bei Ermittlung der XW der EinzelTS: " + line + "\r" +
           "Der XW-String muss an 2ter Stelle ein W haben: " + xw + "\r___\r" +
           "Error on reading the TS file at resolving the XW fof every TS from: " + line + "\r" +
           "The XW-String must have on 2nd position a W: " + xw;
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool IsEndLine(const std::string& stripped) {
    return stripped.size() >= 3 && stripped[0] == 'K' && stripped[2] == ':';
}

// Reads the lines of one block; `at` walks the file's lines.
class BlockReader {
public:
    BlockReader(Ui& ui, const TextList& lines) : ui_(ui), lines_(lines) {}

    int Read(int eNumber, const std::string& eText, TSMapBlock& block) {
        if (!FindHeader(eNumber, block)) {
            return -1;
        }
        if (!ReadTSString(block)) {
            return -1;
        }
        return ReadTypes(eText, block) ? 1 : -1;
    }

private:
    // The next non-empty line with its blanks removed; false at the end of the file.
    bool Next(std::string& stripped, std::string& raw) {
        while (at_ < lines_.Count()) {
            raw = lines_[at_++];
            stripped = ts::StripBlanks(raw);
            if (!stripped.empty()) {
                return true;
            }
        }
        return false;
    }

    bool FindHeader(int eNumber, TSMapBlock& block) {
        std::string stripped, raw;
        while (Next(stripped, raw)) {
            if (!StartsWith(stripped, "*E")) {
                continue;
            }
            const std::size_t comma = stripped.find(',');
            const auto number = TryStrToInt(
                stripped.substr(2, comma == std::string::npos ? std::string::npos : comma - 2));
            if (!number) {
                ui_.ShowMessage(MsgEStringNotTraced(raw));
                return false;
            }
            if (*number == eNumber) {
                return ReadBaseXW(stripped, raw, block);
            }
        }
        return false;
    }

    bool ReadBaseXW(const std::string& stripped, const std::string& raw, TSMapBlock& block) {
        if (stripped.size() < 6) {
            ui_.ShowMessage(MsgHeaderIncomplete(raw));
            return false;
        }
        std::string xw;
        for (std::size_t i = stripped.find(',') + 1; i < stripped.size(); ++i) {
            if (stripped[i] != ':') {
                xw += stripped[i];
                continue;
            }
            if (xw.size() != 2) {
                ui_.ShowMessage(MsgBaseXWLength(raw, xw));
                return false;
            }
            if (xw[1] != 'W') {
                ui_.ShowMessage(MsgBaseXWNoW(raw, xw));
                return false;
            }
        }
        block.BaseXW = xw;
        return true;
    }

    bool ReadTSString(TSMapBlock& block) {
        std::string stripped, raw;
        bool found = false;
        while (!found && Next(stripped, raw)) {
            found = stripped[0] != '/';
        }
        block.TSString = found ? Trim(raw) : std::string();
        block.TSCount = CountTSOf(block.TSString);
        if (block.TSCount < 1) {
            ui_.ShowMessage(MsgTSCount(block.TSString));
            return false;
        }
        return true;
    }

    bool ReadTypes(const std::string& eText, TSMapBlock& block) {
        std::string stripped, raw;
        const std::string start = eText + ",EN:";
        bool started = false;
        while (!started && Next(stripped, raw)) {
            started = stripped == start;
        }
        if (!started) {
            return false;
        }
        for (int k = 1; k <= block.TSCount; ++k) {
            // A block never runs into the next one: a header ends it incomplete.
            if (!Next(stripped, raw) || StartsWith(stripped, "*E")) {
                return false;
            }
            if (IsEndLine(stripped)) {
                return true;
            }
            if (!ReadTypeLine(stripped, raw, k, block)) {
                return false;
            }
        }
        return true;
    }

    // "XW,TS<k>:text"; false when the line does not name TS k.
    bool ReadTypeLine(const std::string& stripped, const std::string& raw, int k,
                      TSMapBlock& block) {
        const std::string name = ",TS" + std::to_string(k) + ":";
        const std::size_t comma = stripped.find(',');
        if (comma == std::string::npos || stripped.compare(comma, name.size(), name) != 0) {
            return false;
        }
        const std::string xw = stripped.substr(0, comma);
        if (xw.size() != 2) {
            ui_.ShowMessage(MsgTypeLength(raw));
        } else if (xw[1] != 'W') {
            ui_.ShowMessage(MsgTypeNoW(raw, xw));
        }
        block.TSTypes[k] = xw;
        const std::size_t colon = raw.find(':');
        block.TSTexts[k] = colon == std::string::npos ? std::string() : Trim(raw.substr(colon + 1));
        return true;
    }

    Ui& ui_;
    const TextList& lines_;
    int at_ = 0;
};

const char* ValueCodesOf(const std::string& xwType) {
    if (xwType == "WW") {
        return "10,20,30,40";
    }
    if (xwType == "EW") {
        return "50,60,40";
    }
    if (xwType == "DW") {
        return "70,80,40";
    }
    return "40";
}

}  // namespace

int ReadTSMapBlock(Ui& ui, const std::string& fileName, int eNumber, const std::string& eText,
                   TSMapBlock& result) {
    TextList lines;
    try {
        lines.LoadFromFile(fileName);
    } catch (const std::exception&) {
        ui.ShowMessage(kMsgOpenFailed);
        return -1;
    }
    return ReadTSMapBlock(ui, fileName, lines, eNumber, eText, result);
}

int ReadTSMapBlock(Ui& ui, const std::string& fileName, const TextList& lines, int eNumber,
                   const std::string& eText, TSMapBlock& result) {
    TSMapBlock block;
    block.FileName = fileName;
    block.EText = eText;
    if (BlockReader(ui, lines).Read(eNumber, eText, block) != 1) {
        return -1;
    }
    result = block;
    return 1;
}

int CountTSOf(const std::string& tsString) {
    for (int n = kMaxTSPerSentence; n >= 1; --n) {
        if (tsString.find("TS" + std::to_string(n)) != std::string::npos) {
            return n;
        }
    }
    return 0;
}

int ExceptionTSOf(const TSMapBlock& block) {
    int exception = 0;
    for (int k = 1; k <= block.TSCount; ++k) {
        if (block.TSTypes[k] == block.BaseXW) {
            continue;
        }
        if (exception != 0) {
            return -1;
        }
        exception = k;
    }
    return exception;
}

std::string CheckExceptionXW(const std::string& text, const std::string& expectedType) {
    if (text.empty()) {
        return "Err: TSString is empty.";
    }
    const std::size_t open = text.find('[');
    if (open == std::string::npos) {
        return "Err: No exception XW found here";
    }
    const std::string type = open >= 2 ? text.substr(open - 2, 2) : std::string();
    const std::size_t close = text.find(']', open);
    const auto value = TryStrToInt(
        text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
    if (type.size() != 2 || type[1] != 'W' || !value || *value <= 0) {
        return "Err: found XW number is not an int or 0";
    }
    if (type != expectedType) {
        return "Err: found XW Type doesnt matcht: " + type;
    }
    const std::string codes = std::string(",") + ValueCodesOf(type) + ",";
    if (codes.find("," + std::to_string(*value) + ",") == std::string::npos) {
        return "Err: found XW number doesnt match foud XW Type";
    }
    return std::to_string(*value);
}

std::string InsertTSValue(const std::string& tsString, int tsNumber, const std::string& value) {
    const std::string wanted = std::to_string(tsNumber);
    std::string result;
    std::size_t i = 0;
    while (i < tsString.size()) {
        if (tsString.compare(i, 2, "TS") != 0) {
            result += tsString[i++];
            continue;
        }
        std::size_t end = i + 2;
        while (end < tsString.size() && IsDigit(tsString[end])) {
            ++end;
        }
        const bool match = tsString.substr(i + 2, end - i - 2) == wanted;
        if (match && end < tsString.size() && tsString[end] == '\'') {
            ++end;
        }
        result += tsString.substr(i, end - i);
        if (match) {
            result += "[" + value + "]";
        }
        i = end;
    }
    return result;
}

std::string LogicOfXWType(const std::string& xwType) {
    if (xwType == "WW" || xwType == "EW" || xwType == "DW") {
        return "Def" + xwType;
    }
    return "NewXW";
}

}  // namespace vx
