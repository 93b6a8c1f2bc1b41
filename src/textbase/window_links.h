#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/controls.h"

namespace vx {

// The read-only viewer's OpenExtern(kind, title, path), as the text-base windows reach it:
// the viewer lives in a higher layer and is wired in by the application.
using OpenExternFunction =
    std::function<void(const std::string& kind, const std::string& title, const std::string& path)>;

// The TS relations window's ActivateTS(TS map file, topic name, sentence number, topic number,
// sentence part), wired in the same way.
using ActivateTSFunction = std::function<void(
    const std::string& tsMapFile, const std::string& topicName, std::int32_t sentenceNumber,
    std::int32_t topicNumber, const std::string& sentencePart)>;

// The lists of the session window that activating a relation tab writes into, and its
// opened flag. The session window lives in a higher layer; the application hands these in.
struct SessionLinks {
    TMemo& SessionMemo;
    TMemo& InterprtMemo;
    TMemo& MemoLK;
    TMemo& MemoLzB;
    const unsigned char& Opened;
};

}  // namespace vx
