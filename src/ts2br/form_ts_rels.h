#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"

namespace vx {

class TFormTSRels : public TForm {
public:
    TFormTSRels() : TForm("TFormTSRels", "TS Relations") {}

    // Opens the window for the TS of one sentence, read from the topic's TS map file. The map
    // file reader is not built yet: the call is accepted and nothing opens.
    void ActivateTS(const std::string& /*tsMapFile*/, const std::string& /*topicName*/,
                    std::int32_t /*sentenceNumber*/, std::int32_t /*topicNumber*/,
                    const std::string& /*sentencePart*/) {}
};

}  // namespace vx
