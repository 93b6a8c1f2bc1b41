#include <gtest/gtest.h>

#include "logic/logic_model.h"
#include "platform/errors.h"

namespace vx {
namespace {

// A type of valence 3 (codes 10, 20, 30) whose rows carry their own row number as result.
TXW_Type ThreeValued() {
    TXW_Type type;
    type.Name = "WW";
    type.Valence = 3;
    type.ValueCode[1] = 10;
    type.ValueCode[2] = 20;
    type.ValueCode[3] = 30;
    for (int r = 1; r <= kMaxTableRows; ++r) {
        type.LogRels.UnLogRel[2].Table[r][1] = static_cast<std::uint16_t>(r);
        type.LogRels.UnLogRel[2].DblTable[r][1] = static_cast<std::uint16_t>(100 + r);
        type.LogRels.BinLogRel[4].Table[r][2] = static_cast<std::uint16_t>(r);
    }
    return type;
}

TEST(LogicModel, PositionOfACodeIsItsIndexAmongTheValues) {
    const TXW_Type type = ThreeValued();
    EXPECT_EQ(type.PositionOf(10), 1);
    EXPECT_EQ(type.PositionOf(30), 3);
    EXPECT_EQ(type.PositionOf(40), 0);
    // Cells beyond the valence hold 0, which is no value of the type.
    EXPECT_EQ(type.PositionOf(0), 0);
}

TEST(LogicModel, RowsOfUnaryTwiceAndBinaryTables) {
    const TXW_Type type = ThreeValued();
    EXPECT_EQ(type.UnaryRow(2, 3)[1], 3);
    EXPECT_EQ(type.TwiceRow(2, 1)[1], 101);
    // Left 20 (position 2), right 30 (position 3): row (2 - 1) * 3 + 3.
    EXPECT_EQ(type.BinaryRow(4, 2, 3)[2], 6);
    EXPECT_EQ(type.BinaryRow(4, 3, 3)[2], 9);
    EXPECT_EQ(TXW_Type::BinaryRowIndex(5, 5, 5), kMaxTableRows);
}

TEST(LogicModel, PositionsOutsideTheValenceAndOperatorsOutsideTheTableAreRefused) {
    const TXW_Type type = ThreeValued();
    EXPECT_THROW(type.UnaryRow(1, 4), IndexError);
    EXPECT_THROW(type.UnaryRow(1, 0), IndexError);
    // Row (1 - 1) * 3 + 4 would be a row of another left value.
    EXPECT_THROW(type.BinaryRow(1, 1, 4), IndexError);
    EXPECT_THROW(type.TwiceRow(10, 1), IndexError);
}

}  // namespace
}  // namespace vx
