#include <gtest/gtest.h>

#include <memory>

#include "logic/loaders.h"
#include "platform/errors.h"
#include "platform/scripted_ui.h"
#include "support/largest_config.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

TEST(LargestConfiguration, FillsEveryTableToItsLimitWithoutAMessage) {
    test::TempDir dir;
    test::WriteLargestLogicConfig(dir.SystemPath() + "Sessions\\_2BR_Big\\ini");
    logic::TwoBRSettings settings;
    settings.SessionsPath = dir.SystemPath() + "Sessions\\";
    settings.SessionName = "Big";
    auto model = std::make_unique<LogicModel>();
    ScriptedUi ui;
    ASSERT_EQ(logic::Read2BRIni(settings, *model, ui), 1);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});

    const TXW_Type& dw = model->DWType;
    EXPECT_EQ(dw.ValueCode[5], 35);
    // Unary 3 on position 4 gives position (4 + 3) mod 5 + 1 = 3, applied twice 2.
    EXPECT_EQ(dw.UnaryRow(3, 4)[1], 33);
    EXPECT_EQ(dw.TwiceRow(3, 4)[1], 32);
    // Binary 8 on positions 5 and 5: (5 + 5 + 8) mod 5 + 1 = 4.
    EXPECT_EQ(dw.BinaryRow(8, 5, 5)[2], 34);
    EXPECT_EQ(dw.LogRels.BinLogRel[8].MultiRes, -1);
    EXPECT_EQ(TXW_Type::BinaryRowIndex(5, 5, 5), kMaxTableRows);
    EXPECT_EQ(dw.PositionOf(35), 5);
    EXPECT_EQ(dw.PositionOf(40) + dw.PositionOf(0), 0);  // 0: the cells beyond the valence
    // Positions outside the valence and operators outside the table are refused; row
    // (1 - 1) * 5 + 6 would be a row of another left value.
    EXPECT_THROW(dw.UnaryRow(1, 6), IndexError);
    EXPECT_THROW(dw.UnaryRow(1, 0), IndexError);
    EXPECT_THROW(dw.BinaryRow(1, 1, 6), IndexError);
    EXPECT_THROW(dw.TwiceRow(10, 1), IndexError);
    // Operator 9 lists the four codes other than its result, here position 5.
    const auto& list = model->RLTypes[4].BinaryRow(9, 5, 5);
    EXPECT_EQ(std::vector<int>(list.begin(), list.end()),
              (std::vector<int>{95, 95, 91, 92, 93, 94}));
    EXPECT_EQ(model->RLTypes[4].LogRels.BinLogRel[9].MultiRes, 1);
    EXPECT_EQ(model->NewXWType.UnaryRow(9, 1)[0], 41);
    EXPECT_EQ(model->NewXWType.LogRels.UnLogRel[9].MultiRes, 1);
    EXPECT_EQ(model->RangeArrays.Meta[30].Req[10], "Requirement10");
    EXPECT_EQ(model->RangeArrays.Arrays[30].Def[100], "Definition 30.100");
}

}  // namespace
}  // namespace vx
