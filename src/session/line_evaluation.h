#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "session/method_files.h"
#include "session/one_br_trace.h"
#include "session/one_br_types.h"
#include "textbase/tools.h"

namespace vx {

class Ui;

// Evaluates session lines against the SE table of a run: enters a line's own value, then
// applies its relation items through the semi-formal method file of its topic.
class TLineEvaluator {
public:
    TLineEvaluator(TVxSETable& table, TextBaseSettings settings, MethodFileSource& files, Ui& ui);

    // With a recorder, every value entered and the conflict met are recorded there.
    void SetRecorder(OneBRTraceRecorder* recorder) { recorder_ = recorder; }

    TFehlerStatus EvaluateSessionLine(const std::string& topicPart, const std::string& sentencePart,
                                      const std::string& xwPart, const TSatzItems& items);

    // Checks or assigns the values that a rule's consequence names, for topic `topic`.
    // Returns "ok", "0" (nothing checked), "No_Method", an error text or a conflict text.
    // A value it assigns is recorded in `status.Changed`.
    std::string ApplyMethod(std::int32_t topic, const std::string& consequence, int count,
                            TFehlerStatus& status);

private:
    struct LineValues {
        std::int32_t Topic = 0;
        std::int32_t Sentence = 0;
        std::int32_t Value = 0;
    };
    // One item of a consequence, read into its fields.
    struct MethodItem {
        std::int32_t Topic = 0;
        std::int32_t Sentence = 0;
        std::string Operator;
        std::string ValuePart;
    };
    // A value token ("WW10") read with its three checks.
    struct XWToken {
        std::string Type;
        std::int32_t Value = 0;
        std::string Error;  // the appended error texts, empty when the token is readable
    };

    LineValues ReadLineValues(const std::string& topicPart, const std::string& sentencePart,
                              const std::string& xwPart);
    // What entering the line's own value into the SE table came to.
    enum class OwnValue { Holds, Differs, TableFull };
    // `entry` becomes the SE entry of the line's own sentence (0 when the table is full).
    OwnValue EnterOwnSentence(const std::string& topicPart, const std::string& sentencePart,
                              const std::string& xwPart, const LineValues& values,
                              TFehlerStatus& status, int& entry);
    // What applying one relation item came to: its rule applied (the next item follows), its
    // block held no rule that changed anything (the line holds), or the line conflicts with
    // `Consequence` (the rule's consequence, empty when no rule was found).
    struct ItemVerdict {
        enum class Kind { Applied, Unchanged, Conflict };
        Kind Outcome;
        std::string Consequence;
    };
    ItemVerdict ApplyItem(const MethodFile& file, const std::string& path,
                          const std::string& headerKey, const std::string& method,
                          const std::string& sentencePart, const std::string& xwPart,
                          std::int32_t topic, TFehlerStatus& status);
    // Marks the line as a conflict; `method` names the consequence that failed, if any.
    static void MarkConflict(TFehlerStatus& status, const LineValues& values,
                             const std::string& sentence, const std::string* method);
    bool ReadMethodItem(const std::string& item, std::int32_t topic, MethodItem& read);
    // The result of one item and whether it ends the method (a conflict, a full table).
    struct ItemOutcome {
        std::string Result;
        bool Ends = false;
    };
    ItemOutcome ApplyEQ(const std::string& item, const MethodItem& read, TVxSEPapa* entry,
                        TFehlerStatus& status);
    ItemOutcome ApplyNEQ(const std::string& item, const MethodItem& read, const TVxSEPapa& entry,
                         const std::string& resultSoFar);
    static XWToken ReadXWToken(std::string_view token, const std::string& item);
    // "RS" + topic + "E" + sentence + item: the text of a conflict and of an assignment.
    static std::string TargetText(const MethodItem& read, const std::string& item);
    void ReportNotFound(const std::string& path, const std::string& text);

    // What the trace needs of the item being applied; the texts live as long as the item.
    struct ItemInUse {
        int Item = 0;
        const std::string* ItemText = nullptr;
        const std::string* Path = nullptr;
        const std::string* Header = nullptr;
        int RuleLine = 0;
        const std::string* Rule = nullptr;
        int OwnEntry = 0;
        int Held = 0;        // the SE entry a consequence item conflicted with
        std::string Failed;  // that consequence item
    };
    Derivation ItemDerivation(std::string value) const;
    // Notes the entry that consequence item `item` conflicted with.
    void NoteHeld(const TVxSEPapa& entry, const std::string& item);
    void RecordItemConflict(ConflictKind kind, const std::string& demanded);

    TVxSETable& table_;
    TextBaseSettings settings_;
    MethodFileSource& files_;
    Ui& ui_;
    OneBRTraceRecorder* recorder_ = nullptr;
    ItemInUse inUse_;
};

}  // namespace vx
