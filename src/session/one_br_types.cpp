#include "session/one_br_types.h"

#include "platform/errors.h"

namespace vx {

namespace {

std::size_t RecordIndex(int i) {
    if (i < 1 || i > kSatzRecords) {
        throw IndexError("table index " + std::to_string(i) + " outside 1.." +
                         std::to_string(kSatzRecords));
    }
    return static_cast<std::size_t>(i - 1);
}

}  // namespace

TSatzEntry& TSatzArray::operator[](int i) {
    const std::size_t index = RecordIndex(i);
    if (index >= records_.size()) {
        records_.resize(index + 1);
    }
    return records_[index];
}

const TSatzEntry& TSatzArray::operator[](int i) const {
    static const TSatzEntry kEmpty;
    const std::size_t index = RecordIndex(i);
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
    if (used_ == kSEEntries) {
        return nullptr;
    }
    ++used_;
    return &entries_.emplace_back();
}

}  // namespace vx
