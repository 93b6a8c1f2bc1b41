#include "session/one_br_types.h"

namespace vx {

TVxSEPapa* TVxSETable::FindKey(std::string_view key) {
    for (int i = 1; i <= used_; ++i) {
        if (entries_[i].Key == key) {
            return &entries_[i];
        }
    }
    return nullptr;
}

TVxSEPapa* TVxSETable::FindNumbers(std::int32_t topic, std::int32_t sentence) {
    for (int i = 1; i <= used_; ++i) {
        const TVxSEPapa& entry = entries_[i];
        if (entry.TopicNumber == topic && entry.SentenceNumber == sentence) {
            return &entries_[i];
        }
    }
    return nullptr;
}

TVxSEPapa* TVxSETable::TakeFree() {
    if (used_ == kSEEntries) {
        return nullptr;
    }
    return &entries_[++used_];
}

}  // namespace vx
