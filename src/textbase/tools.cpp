#include "textbase/tools.h"

#include <optional>

#include "platform/latin1.h"
#include "platform/safe_name.h"
#include "platform/strict_int.h"
#include "platform/ui.h"
#include "settings/ini_form.h"

namespace vx {

const char* const kMsgConvertTopicOrSentence =
    "Fehler beim Konvertieren eines E odes S nach Integer.\r"
    "Kontrollieren Sie bitte die Syntax in den Textfiles.\r___\r"
    "Error at converting a E or S number to integer.\rCheck the syntax in the textfiles.";
const char* const kMsgNameMustStartWithS =
    "Fehler im Namen.\rDer Name muss mit S anfangen\r___ \rThe name has to start with S!";

namespace {

bool InRange(std::int32_t n, std::int32_t begin, std::int32_t end) {
    return begin <= n && n <= end;
}

std::int32_t OrMinusOne(std::optional<std::int32_t> value) {
    return value ? *value : -1;
}

// Characters 2..end of a topic name as a number.
std::optional<std::int32_t> DigitsOfName(std::string_view name) {
    if (name.size() < 2) {
        return std::nullopt;
    }
    return TryStrToInt(name.substr(1));
}

}  // namespace

TextBaseSettings TextBaseSettingsOf(const TIniForm& ini) {
    TextBaseSettings s;
    s.AuthorRangeBegin = ini.AuthorRangeBegin;
    s.AuthorRangeEnd = ini.AuthorRangeEnd;
    s.UsersRangeBegin = ini.UsersRangeBegin;
    s.UsersRangeEnd = ini.UsersRangeEnd;
    s.GroupsRangeBegin = ini.GroupsRangeBegin;
    s.GroupsRangeEnd = ini.GroupsRangeEnd;
    s.EveryoneRangeBegin = ini.EveryoneRangeBegin;
    s.EveryoneRangeEnd = ini.EveryoneRangeEnd;
    s.Root = ini.vxPath;
    s.UsersPath = ini.UsersPath;
    s.GroupPath = ini.GroupPath;
    s.EveryOnePath = ini.EveryOnePath;
    return s;
}

bool IsInvalidArea(std::string_view area) {
    return area == "E0" || area == "E1" || area == "TBD";
}

std::string StripR(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != 'R') {
            result += c;
        }
    }
    return result;
}

std::string PrefixBeforeColon(std::string_view text) {
    if (text.empty() || text.front() == '<') {
        return "-1";
    }
    return std::string(text.substr(0, text.find(':')));
}

std::string TopicArea(std::string_view topicName, const TextBaseSettings& s) {
    if (topicName.size() > 6) {
        return "E0";
    }
    const auto number = DigitsOfName(topicName);
    // The name becomes the topic's file and relation directory.
    if (!number || !IsSafeName(topicName)) {
        return "E1";
    }
    const std::int32_t n = *number;
    if (InRange(n, s.EveryoneRangeBegin, s.EveryoneRangeEnd)) {
        return kAreaEveryone;
    }
    if (InRange(n, s.GroupsRangeBegin, s.GroupsRangeEnd)) {
        return kAreaGroups;
    }
    if (InRange(n, s.UsersRangeBegin, s.UsersRangeEnd)) {
        return kAreaUsers;
    }
    if (n == 30000) {
        return kAreaTest;
    }
    if (InRange(n, s.AuthorRangeBegin, s.AuthorRangeEnd)) {
        return kAreaAuthor;
    }
    return "TBD";
}

std::string FirstTwoChars(std::string_view text) {
    return text.size() >= 4 ? std::string(text.substr(0, 2)) : std::string();
}

std::int32_t CharsThreeFourAsInt(std::string_view text) {
    if (text.size() < 4) {
        return 0;
    }
    return OrMinusOne(TryStrToInt(text.substr(2, 2)));
}

std::int32_t TopicNumber(std::string_view text) {
    const auto s = text.find('S');
    if (s == std::string_view::npos) {
        return -1;
    }
    const std::string_view rest = text.substr(s + 1);
    return OrMinusOne(TryStrToInt(rest.substr(0, rest.find('E'))));
}

std::int32_t SentenceNumber(std::string_view text) {
    const auto e = text.find('E');
    if (e == std::string_view::npos) {
        return -1;
    }
    return OrMinusOne(TryStrToInt(text.substr(e + 1)));
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::int32_t UserGroupDirNumber(std::int32_t topicNumber, std::string_view area) {
    const std::string digits = std::to_string(topicNumber);
    if (area == kAreaUsers && InRange(topicNumber, 1001, 9999)) {
        return StrToInt(digits.substr(0, 2) + "01");
    }
    if (area == kAreaGroups && topicNumber >= 10001) {
        return StrToInt(digits.substr(0, 3) + "01");
    }
    return 0;
}

std::string OwnerBase(std::string_view topicName, std::string_view area,
                      const TextBaseSettings& s) {
    if (area == kAreaAuthor) {
        return s.Root;
    }
    if (area == kAreaEveryone) {
        return s.EveryOnePath;
    }
    const bool users = area == kAreaUsers;
    if (!users && area != kAreaGroups) {
        return {};
    }
    const auto number = DigitsOfName(topicName);
    const std::int32_t dir = number ? UserGroupDirNumber(*number, area) : 0;
    return (users ? s.UsersPath + "usr" : s.GroupPath + "grp") + std::to_string(dir) + "\\";
}

std::string TopicFilePath(std::string_view topicName, std::string_view area,
                          const TextBaseSettings& s) {
    const std::string base = OwnerBase(topicName, area, s);
    return base.empty() ? base : base + "Saetze\\" + std::string(topicName) + ".txt";
}

std::string RelationDirectory(std::string_view topicName, std::string_view area,
                              const TextBaseSettings& s) {
    const std::string base = OwnerBase(topicName, area, s);
    return base.empty() ? base : base + "RELATION\\" + std::string(topicName) + "\\";
}

std::string TSMapFilePath(std::string_view topicName, std::string_view area,
                          const TextBaseSettings& s) {
    const std::string base = OwnerBase(topicName, area, s);
    return base.empty() ? base : TSMapFolder(base) + "T" + std::string(topicName) + ".txt";
}

std::string TSMapFolder(std::string_view base) {
    return std::string(base) + "Saetze\\FormaleSE\\TSmapg\\";
}

std::string SemiFormalPath(std::string_view topicDigits, const TextBaseSettings& s) {
    const std::string topicName = "S" + std::string(topicDigits);
    const std::string area = TopicArea(topicName, s);
    if (IsInvalidArea(area)) {
        return "Error";
    }
    const std::string base = OwnerBase(topicName, area, s);
    return base.empty() ? base : base + "RELATION\\FormaleR\\MO_" + topicName + ".txt";
}

SplitResult SplitSE(std::string_view se, Ui& ui) {
    SplitResult result;
    if (se.empty() || se.front() != 'S') {
        ui.ShowMessage(kMsgNameMustStartWithS);
        return result;
    }
    const auto e = se.find('E');
    if (e == std::string_view::npos) {
        result.TopicPart = std::string(se);
        return result;
    }
    result.TopicPart = std::string(se.substr(0, e));
    result.SentencePart = std::string(se.substr(e));
    result.Ok = true;
    return result;
}

std::int32_t TopicNumberOfName(std::string_view part, Ui& ui) {
    if (const auto number = DigitsOfName(part)) {
        return *number;
    }
    ui.ShowMessage(kMsgConvertTopicOrSentence);
    return 0;
}

std::string XWTypeOfRelationFile(std::string_view fileName, std::string_view sentencePart) {
    const std::string prefix = std::string(sentencePart) + "_";
    if (fileName.size() != prefix.size() + 6 ||
        !SameTextLatin1(fileName.substr(0, prefix.size()), prefix)) {
        return {};
    }
    const std::string_view extension = fileName.substr(prefix.size() + 2);
    if (extension != ".txt" && extension != ".TXT") {
        return {};
    }
    const std::string_view code = fileName.substr(prefix.size(), 2);
    if (code == "10" || code == "20" || code == "30") {
        return "WWType";
    }
    if (code == "50" || code == "60") {
        return "EWType";
    }
    if (code == "70" || code == "80") {
        return "DWType";
    }
    return {};
}

}  // namespace vx
