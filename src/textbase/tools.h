#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

class TIniForm;
class Ui;

// What the text helpers need of the settings: the eight owner-area bounds and the
// directories of the owner areas (each ending with a backslash).
struct TextBaseSettings {
    std::int32_t AuthorRangeBegin = 0, AuthorRangeEnd = 0;
    std::int32_t UsersRangeBegin = 0, UsersRangeEnd = 0;
    std::int32_t GroupsRangeBegin = 0, GroupsRangeEnd = 0;
    std::int32_t EveryoneRangeBegin = 0, EveryoneRangeEnd = 0;
    std::string Root;  // the installation root, home of the author area
    std::string UsersPath, GroupPath, EveryOnePath;
};

TextBaseSettings TextBaseSettingsOf(const TIniForm& ini);

// Owner-area codes of a topic. "E0", "E1" and "TBD" are invalid; "TEST" is valid but has
// no directory.
inline constexpr const char* kAreaAuthor = "A";
inline constexpr const char* kAreaUsers = "U";
inline constexpr const char* kAreaGroups = "G";
inline constexpr const char* kAreaEveryone = "EvOne";
inline constexpr const char* kAreaTest = "TEST";
bool IsInvalidArea(std::string_view area);

// The message of a topic or sentence part whose digits do not convert.
extern const char* const kMsgConvertTopicOrSentence;
// The message of a name that does not start with S.
extern const char* const kMsgNameMustStartWithS;

std::string StripR(std::string_view text);
// "-1" for an empty text or one starting with "<"; else the text before the first ":".
std::string PrefixBeforeColon(std::string_view text);
std::string TopicArea(std::string_view topicName, const TextBaseSettings& settings);
std::string FirstTwoChars(std::string_view text);
std::int32_t CharsThreeFourAsInt(std::string_view text);
// The digits between the first "S" and the next "E" (or the end); -1 when they do not convert.
std::int32_t TopicNumber(std::string_view text);
// Everything after the first "E"; -1 when it does not convert.
std::int32_t SentenceNumber(std::string_view text);
bool IsBlank(std::string_view text);
// The number of the "usr"/"grp" directory that holds a users or groups topic; 0 for none.
std::int32_t UserGroupDirNumber(std::int32_t topicNumber, std::string_view area);
// Path of the semi-formal relation file of topic "S" + digits; "Error" for an invalid area,
// empty for "TEST".
std::string SemiFormalPath(std::string_view topicDigits, const TextBaseSettings& settings);

struct SplitResult {
    std::string TopicPart;     // "S254"
    std::string SentencePart;  // "E10"
    bool Ok = false;
};
// Splits at the first "E"; a text not starting with "S" is reported and fails.
SplitResult SplitSE(std::string_view se, Ui& ui);
// Characters 2.. of a topic or sentence part as a number; 0 after the conversion message.
std::int32_t TopicNumberOfName(std::string_view part, Ui& ui);

// Directories and files of a topic in its owner area; empty for an area without directory.
// Users and groups topics live in the "usr"/"grp" directory of their directory number.
std::string OwnerBase(std::string_view topicName, std::string_view area,
                      const TextBaseSettings& settings);
std::string TopicFilePath(std::string_view topicName, std::string_view area,
                          const TextBaseSettings& settings);
std::string RelationDirectory(std::string_view topicName, std::string_view area,
                              const TextBaseSettings& settings);
std::string TSMapFilePath(std::string_view topicName, std::string_view area,
                          const TextBaseSettings& settings);
// The folder of the TS map files below a base directory that ends with a separator.
std::string TSMapFolder(std::string_view base);

// XW type marked by a relation file name (sentence part + "_" + code + ".txt"/".TXT"):
// "WWType", "EWType", "DWType", or empty when the code marks nothing.
std::string XWTypeOfRelationFile(std::string_view fileName, std::string_view sentencePart);

}  // namespace vx
