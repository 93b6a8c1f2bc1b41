#include "session/one_br_types.h"

namespace vx {

TSatzEntry& TSatzArray::operator[](int i) {
    const std::size_t index = OneBasedIndex(i, kSatzRecords);
    if (index >= records_.size()) {
        records_.resize(index + 1);
    }
    return records_[index];
}

const TSatzEntry& TSatzArray::operator[](int i) const {
    static const TSatzEntry kEmpty;
    const std::size_t index = OneBasedIndex(i, kSatzRecords);
    return index < records_.size() ? records_[index] : kEmpty;
}

TVxSEPapa* TVxSETable::FindKey(std::string_view key) {
    for (TVxSEPapa& entry : entries_) {
        if (entry.Key == key) {
            return &entry;
        }
    }
    return nullptr;
}

TVxSEPapa* TVxSETable::FindNumbers(std::int32_t topic, std::int32_t sentence) {
    for (TVxSEPapa& entry : entries_) {
        if (entry.TopicNumber == topic && entry.SentenceNumber == sentence) {
            return &entry;
        }
    }
    return nullptr;
}

TVxSEPapa* TVxSETable::TakeFree() {
    if (Used() == kSEEntries) {
        return nullptr;
    }
    return &entries_.emplace_back();
}

}  // namespace vx
