#include "model_dump.h"

namespace vx::test {
namespace {

using Cells = std::map<std::string, std::string>;

std::string Index(int i) {
    return "[" + std::to_string(i) + "]";
}

template <typename Row>
std::string RowText(const Row& row) {
    std::string text;
    for (auto cell : row) {
        text += (text.empty() ? "" : ",") + std::to_string(cell);
    }
    return text;
}

template <typename T, std::size_t N>
void DumpStrings(Cells& cells, const std::string& name, const OneBased<T, N>& list) {
    for (int i = 1; i <= static_cast<int>(N); ++i) {
        cells[name + Index(i)] = list[i];
    }
}

template <std::size_t N>
void DumpDefs(Cells& cells, const std::string& name, const OneBased<T_D_Logic, N>& defs) {
    for (int j = 1; j <= static_cast<int>(N); ++j) {
        cells[name + Index(j) + ".Name"] = defs[j].Name;
        cells[name + Index(j) + ".Sign"] = defs[j].Sign;
        cells[name + Index(j) + ".Impl"] = defs[j].Impl;
    }
}

void DumpType(Cells& cells, const std::string& name, const TXW_Type& type) {
    cells[name + ".Name"] = type.Name;
    cells[name + ".Valence"] = std::to_string(type.Valence);
    for (int v = 1; v <= kMaxValence; ++v) {
        cells[name + ".ValueCode" + Index(v)] = std::to_string(type.ValueCode[v]);
    }
    DumpStrings(cells, name + ".ValueItp", type.ValueItp);
    DumpStrings(cells, name + ".ValueImpl", type.ValueImpl);
    for (int j = 1; j <= kMaxLogops; ++j) {
        const std::string un = name + ".UnLogRel" + Index(j);
        const TUnLogRel& u = type.LogRels.UnLogRel[j];
        cells[un + ".Name"] = u.Name.str();
        cells[un + ".Sign"] = u.Sign.str();
        cells[un + ".Impl"] = u.Impl;
        cells[un + ".MultiRes"] = std::to_string(u.MultiRes);
        const std::string bin = name + ".BinLogRel" + Index(j);
        const TBinLogRel& b = type.LogRels.BinLogRel[j];
        cells[bin + ".Name"] = b.Name.str();
        cells[bin + ".Sign"] = b.Sign.str();
        cells[bin + ".Impl"] = b.Impl;
        cells[bin + ".MultiRes"] = std::to_string(b.MultiRes);
        for (int r = 1; r <= kMaxTableRows; ++r) {
            cells[un + ".Table" + Index(r)] = RowText(u.Table[r]);
            cells[un + ".DblTable" + Index(r)] = RowText(u.DblTable[r]);
            cells[bin + ".Table" + Index(r)] = RowText(b.Table[r]);
        }
    }
}

void DumpLogops(Cells& cells, const std::string& name, const TDefault_unary_Logops& ops) {
    cells[name + ".NumberText"] = ops.NumberText;
    cells[name + ".Number"] = std::to_string(ops.Number);
    DumpStrings(cells, name + ".IniName", ops.IniName);
}

void DumpInfo(Cells& cells, const std::string& name, const TInfo_XW_Logic& info) {
    cells[name + ".DefName"] = info.DefName;
    cells[name + ".Removed"] = info.Removed;
    cells[name + ".Valence"] = info.Valence;
}

void DumpMain(Cells& cells, const LogicModel& m) {
    cells["IniFileLogic"] = m.IniFileLogic;
    cells["IniFileMeta"] = m.IniFileMeta;
    cells["IniFileRangeArrays"] = m.IniFileRangeArrays;
    cells["IniFileBVLKTH"] = m.IniFileBVLKTH;
    cells["MiscLogic.IsMetalogic"] = m.MiscLogic.IsMetalogic;
    for (int i = 1; i <= kMaxLogicEntries; ++i) {
        cells["UsedSections" + Index(i)] =
            std::to_string(m.UsedSections[i].Number) + "," + m.UsedSections[i].Name;
    }
    DumpStrings(cells, "VxLogicNames", m.VxLogicNames);
    DumpLogops(cells, "MainUnaryOps", m.MainUnaryOps);
    DumpLogops(cells, "MainBinaryOps", m.MainBinaryOps);
    DumpInfo(cells, "InfoWW", m.InfoWW);
    DumpInfo(cells, "InfoEW", m.InfoEW);
    DumpInfo(cells, "InfoDW", m.InfoDW);
    cells["InfoNewXW.Number"] = m.InfoNewXW.Number;
    cells["InfoNewXW.Valence"] = m.InfoNewXW.Valence;
    cells["InfoNewXW.Name"] = m.InfoNewXW.Name;
    cells["RangeLogicsInfo.NumberText"] = m.RangeLogicsInfo.NumberText;
    DumpStrings(cells, "RangeLogicsInfo.RLName", m.RangeLogicsInfo.RLName);
    DumpStrings(cells, "RangeLogicsInfo.RLType", m.RangeLogicsInfo.RLType);
    for (int i = 1; i <= kMaxRangeLogics; ++i) {
        const std::string rl = Index(i);
        cells["RLBindings" + rl + ".RL"] = std::to_string(m.RLBindings[i].RL);
        DumpStrings(cells, "RLBindings" + rl + ".BindingToRL", m.RLBindings[i].BindingToRL);
        DumpLogops(cells, "RLUnaryOps" + rl, m.RLUnaryOps[i]);
        DumpLogops(cells, "RLBinaryOps" + rl, m.RLBinaryOps[i]);
        const TMeta_Info_RLx_Logic& info = m.RLInfo[i];
        cells["RLInfo" + rl + ".Valence"] = info.Valence;
        cells["RLInfo" + rl + ".RangeDefName"] = info.RangeDefName;
        cells["RLInfo" + rl + ".Type"] = info.Type;
        cells["RLInfo" + rl + ".LinksToWW"] = info.LinksToWW;
        cells["RLInfo" + rl + ".LinksToEW"] = info.LinksToEW;
        cells["RLInfo" + rl + ".LinksToDW"] = info.LinksToDW;
        cells["RLInfo" + rl + ".LinksToNewXW"] = info.LinksToNewXW;
        DumpStrings(cells, "RLInfo" + rl + ".LinksToRL", info.LinksToRL);
    }
}

void DumpRangeArrays(Cells& cells, const TRangeArrays& arrays) {
    cells["RangeArrays.Count"] = std::to_string(arrays.Count);
    for (int a = 1; a <= kMaxRangeArrays; ++a) {
        const std::string meta = "RangeArrays.Meta" + Index(a);
        const TMeta_Info_RangeArrays& m = arrays.Meta[a];
        cells[meta + ".Name"] = m.Name;
        cells[meta + ".Impl"] = m.Impl;
        cells[meta + ".MapType"] = m.MapType;
        cells[meta + ".AuthorArea"] = m.AuthorArea;
        cells[meta + ".Base"] = m.Base;
        DumpStrings(cells, meta + ".ReqType", m.ReqType);
        DumpStrings(cells, meta + ".Req", m.Req);
        DumpStrings(cells, "RangeArrays.Arrays" + Index(a) + ".Def", arrays.Arrays[a].Def);
    }
}

void DumpLogicFiles(Cells& cells, const LogicModel& m) {
    DumpStrings(cells, "DefaultRules", m.DefaultRules);
    DumpStrings(cells, "DefaultRuleNames", m.DefaultRuleNames);
    DumpDefs(cells, "UnaryOpDefs", m.UnaryOpDefs);
    DumpDefs(cells, "BinaryOpDefs", m.BinaryOpDefs);
    for (int t = 1; t <= kXWTypes; ++t) {
        for (int v = 1; v <= kMaxValence; ++v) {
            const std::string at = Index(t) + Index(v);
            cells["XWValueCode" + at] = std::to_string(m.XWValueCode[t][v]);
            cells["XWValueItp" + at] = m.XWValueItp[t][v];
            cells["XWValueImpl" + at] = m.XWValueImpl[t][v];
        }
    }
    DumpType(cells, "WWType", m.WWType);
    DumpType(cells, "EWType", m.EWType);
    DumpType(cells, "DWType", m.DWType);
    DumpType(cells, "NewXWType", m.NewXWType);
    for (int r = 1; r <= kMaxRangeLogics; ++r) {
        DumpStrings(cells, "RLRules" + Index(r) + ".RuleName", m.RLRules[r].RuleName);
        DumpStrings(cells, "RLRules" + Index(r) + ".Rule", m.RLRules[r].Rule);
        DumpDefs(cells, "RLOpDefs" + Index(r) + ".Unary", m.RLOpDefs[r].Unary);
        DumpDefs(cells, "RLOpDefs" + Index(r) + ".Binary", m.RLOpDefs[r].Binary);
        DumpType(cells, "RLTypes" + Index(r), m.RLTypes[r]);
    }
}

void DumpUpgradeFiles(Cells& cells, const LogicModel& m) {
    cells["MaxDVXRNum"] = std::to_string(m.MaxDVXRNum);
    for (int i = 1; i <= kMaxDVXRNums; ++i) {
        cells["DVXRNums" + Index(i) + ".Num"] = std::to_string(m.DVXRNums[i].Num);
        cells["DVXRNums" + Index(i) + ".Copy"] = std::to_string(m.DVXRNums[i].Copy);
    }
    for (int k = 1; k <= kMaxLogicEntries; ++k) {
        const std::string upd = "UpdSEInfo" + Index(k);
        cells[upd + ".UpdNeeded"] = m.UpdSEInfo[k].UpdNeeded ? "1" : "0";
        cells[upd + ".UpdStrategy"] = m.UpdSEInfo[k].UpdStrategy;
        cells[upd + ".UpdReference"] = m.UpdSEInfo[k].UpdReference;
    }
}

}  // namespace

std::map<std::string, std::string> DumpLogicModel(const LogicModel& model) {
    Cells cells;
    DumpMain(cells, model);
    DumpRangeArrays(cells, model.RangeArrays);
    DumpLogicFiles(cells, model);
    DumpUpgradeFiles(cells, model);
    return cells;
}

}  // namespace vx::test
