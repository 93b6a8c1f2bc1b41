#include "ts2br/analysis_structs.h"

#include "platform/errors.h"

namespace vx {

int TAnalyzeLayer::ElementCount() const {
    int count = 0;
    while (count < kMaxElements && Elements[count + 1].Order != 0) {
        ++count;
    }
    return count;
}

void TAnalyzeLayer::Reset() {
    if (Touched == 0 && SegCount == 0) {
        return;
    }
    for (int k = 1; k <= Touched; ++k) {
        Elements[k] = TSubstrTS{};
        if (k <= kMaxBinLogops) {
            BinLogops[k] = TBinLogop{};
        }
    }
    Touched = 0;
    SegLen.Fill(0);
    SegStart.Fill(0);
    SegEnd.Fill(0);
    SegCount = 0;
}

TAnalyzeLayer& TDepthStructe::Layer(int layer) {
    return const_cast<TAnalyzeLayer&>(static_cast<const TDepthStructe&>(*this).Layer(layer));
}

const TAnalyzeLayer& TDepthStructe::Layer(int layer) const {
    if (layer < 0 || layer > kMaxLayerIndex) {
        throw IndexError("layer " + std::to_string(layer) + " outside 0..12");
    }
    return Layers[static_cast<std::size_t>(layer)];
}

void TDepthStructe::Reset() {
    for (auto& layer : Layers) {
        layer.Reset();
    }
    UniqueTS.Fill(TUniqueTS{});
    SE.clear();
    MultiEvalFlag = 0;
    DistinctCount = 0;
    MaxLayer = 0;
}

TCombinationTable::TCombinationTable()
    : cells_(std::make_unique<
             std::array<std::array<std::uint16_t, kCombinationCols>, kCombinationRows>>()) {}

namespace {

std::size_t CheckedIndex(int index, int size, const char* what) {
    if (index < 1 || index > size) {
        throw IndexError(std::string("combination ") + what + " " + std::to_string(index) +
                         " outside the table");
    }
    return static_cast<std::size_t>(index - 1);
}

}  // namespace

std::uint16_t& TCombinationTable::Cell(int row, int col) {
    return (*cells_)[CheckedIndex(row, kCombinationRows, "row")]
                    [CheckedIndex(col, kCombinationCols, "column")];
}

std::array<std::uint16_t, kCombinationCols>& TCombinationTable::Row(int row) {
    return (*cells_)[CheckedIndex(row, kCombinationRows, "row")];
}

std::uint16_t TCombinationTable::Cell(int row, int col) const {
    return (*cells_)[CheckedIndex(row, kCombinationRows, "row")]
                    [CheckedIndex(col, kCombinationCols, "column")];
}

void TCombinationTable::ClearCells() {
    for (auto& row : *cells_) {
        row.fill(0);
    }
}

}  // namespace vx
