#include "session/one_br_report.h"

#include "platform/strict_int.h"

namespace vx {
namespace {

const char* const kReportHeader = "//Session Results: vx2.0b, ";
const char* const kError0 = "Error0: Die Berechnung wurde nicht ausgefuehrt, weil...?";
const char* const kError3 = "Error3: Syntaxfehler in einem EingabeString";
const char* const kError9 = "Error9: Die Berechnung enthaellt einen unbekanten Fehler.";
const char* const kError9Input = "Fehler im EingabeString, in der Auswertung oder...";

std::string SentenceLine(const TFehlerStatus& status) {
    return "Fehler bei Satz: " + status.Sentence + " bei Zuweisung von W-Wert";
}

std::string MethodLine(const TFehlerStatus& status) {
    return "Bei Methode:  " + status.Method;
}

void AddPlace(std::vector<std::string>& lines, RunResult result) {
    lines.push_back("In Zeile: " + IntToStr(result.Line));
    lines.push_back("In Zyklus: " + IntToStr(result.Cycle));
}

void AddStatusLines(std::vector<std::string>& lines, const TFehlerStatus& status,
                    RunResult result) {
    const std::string cycles = "OK, Zyklen: " + IntToStr(result.Cycle);
    switch (status.Status) {
        case kStatusNothing:
            lines.push_back(kError0);
            lines.push_back(cycles);
            break;
        case kStatusOk:
            lines.push_back(cycles);
            break;
        case kStatusConflict:
            if (status.Value != 0 && status.Sentence != "0") {
                lines.push_back("Error1: " + SentenceLine(status));
                if (status.Method != "0") {
                    lines.push_back(MethodLine(status));
                }
                AddPlace(lines, result);
            }
            break;
        case kStatusSyntax:
            lines.push_back(kError3);
            break;
        case kStatusUnknown:
            lines.push_back(kError9);
            lines.push_back(kError9Input);
            lines.push_back(SentenceLine(status));
            lines.push_back(MethodLine(status));
            AddPlace(lines, result);
            break;
        default:
            break;
    }
}

}  // namespace

std::vector<std::string> OneBRReportLines(const TFehlerStatus& status, RunResult result,
                                          const TVxSETable* table, const std::string& date) {
    std::vector<std::string> lines{kReportHeader + date, " ", "Result: "};
    AddStatusLines(lines, status, result);
    lines.push_back(" ");
    lines.push_back("SE-Results: ");
    if (table != nullptr) {
        for (int i = 1; i <= table->Used(); ++i) {
            const TVxSEPapa& entry = (*table)[i];
            lines.push_back(entry.Key + entry.XWType + IntToStr(entry.Value));
        }
    }
    return lines;
}

}  // namespace vx
