#include "logic/logic_model.h"

#include "platform/errors.h"

namespace vx {

int TXW_Type::PositionOf(std::uint16_t code) const {
    for (int p = 1; p <= Valence && p <= kMaxValence; ++p) {
        if (ValueCode[p] == code) {
            return p;
        }
    }
    return 0;
}

void TXW_Type::CheckPosition(int p) const {
    if (p < 1 || p > Valence) {
        throw IndexError("value position " + std::to_string(p) + " outside 1.." +
                         std::to_string(Valence) + " of " + Name);
    }
}

const TUnTableRow& TXW_Type::UnaryRow(int j, int p) const {
    CheckPosition(p);
    return LogRels.UnLogRel[j].Table[p];
}

const TUnTableRow& TXW_Type::TwiceRow(int j, int p) const {
    CheckPosition(p);
    return LogRels.UnLogRel[j].DblTable[p];
}

const TBinTableRow& TXW_Type::BinaryRow(int j, int p, int q) const {
    CheckPosition(p);
    CheckPosition(q);
    return LogRels.BinLogRel[j].Table[BinaryRowIndex(Valence, p, q)];
}

TXW_Type& LogicModel::XWType(int t) {
    return const_cast<TXW_Type&>(static_cast<const LogicModel&>(*this).XWType(t));
}

const TXW_Type& LogicModel::XWType(int t) const {
    switch (t) {
        case 1:
            return WWType;
        case 2:
            return EWType;
        case 3:
            return DWType;
        case 4:
            return NewXWType;
        default:
            throw IndexError("value type " + std::to_string(t) + " outside 1..4");
    }
}

}  // namespace vx
