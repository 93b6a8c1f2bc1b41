#include "logic/logic_sections.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "logic/ini_reading.h"
#include "platform/strict_int.h"
#include "platform/ui.h"

namespace vx::logic {
namespace {

constexpr std::int32_t kMaxCode = 0xFFFF;  // a table cell holds an unsigned 16-bit code

bool FitsCell(std::int32_t code) {
    return code >= 0 && code <= kMaxCode;
}

// Reads the tables of one type; every bad entry is reported and reading goes on.
class TableReader {
public:
    TableReader(const IniFile& ini, const TableLayout& layout, const TableTexts& texts,
                TXW_Type& type, Ui& ui)
        : ini_(ini),
          layout_(layout),
          texts_(texts),
          type_(type),
          ui_(ui),
          valence_(std::clamp<int>(type.Valence, 0, kMaxValence)) {}

    bool Read(const TDefault_unary_Logops& unaryOps, const TDefault_binary_Logops& binaryOps) {
        const int unaryCount = std::min(unaryOps.Number, kMaxLogops);
        const int binaryCount = std::min(binaryOps.Number, kMaxLogops);
        for (int j = 1; j <= unaryCount; ++j) {
            ReadUnary(j, unaryOps.IniName[j], TableKind::Unary);
        }
        for (int j = 1; j <= unaryCount; ++j) {
            ReadUnary(j, unaryOps.IniName[j], TableKind::Twice);
        }
        if (!layout_.BinarySection.empty()) {
            for (int j = 1; j <= binaryCount; ++j) {
                ReadBinary(j, binaryOps.IniName[j]);
            }
        }
        return ok_;
    }

private:
    static void SettleMultiRes(std::int16_t& multiRes) {
        if (multiRes != 1) {
            multiRes = -1;
        }
    }

    void ReadUnary(int j, const std::string& logop, TableKind kind) {
        TUnLogRel& rel = type_.LogRels.UnLogRel[j];
        const bool twice = kind == TableKind::Twice;
        auto& table = twice ? rel.DblTable : rel.Table;
        const std::string& section = twice ? layout_.TwiceSection : layout_.UnarySection;
        const std::string keyStart = twice ? logop + "_" + logop : logop;
        for (int p = 1; p <= valence_; ++p) {
            const std::uint16_t code = type_.ValueCode[p];
            table[p][0] = code;
            const BadEntry where{kind, keyStart + layout_.KeyInfix + N(code), logop, p};
            ReadEntry(section, where, std::span(table[p]).subspan(1), rel.MultiRes);
        }
        SettleMultiRes(rel.MultiRes);
    }

    void ReadBinary(int j, const std::string& logop) {
        TBinLogRel& rel = type_.LogRels.BinLogRel[j];
        for (int p = 1; p <= valence_; ++p) {
            for (int q = 1; q <= valence_; ++q) {
                auto& row = rel.Table[TXW_Type::BinaryRowIndex(valence_, p, q)];
                row[0] = type_.ValueCode[p];
                row[1] = type_.ValueCode[q];
                const BadEntry where{
                    TableKind::Binary,
                    layout_.KeyPrefix + N(row[0]) + "_" + logop + layout_.KeyInfix + N(row[1]),
                    logop, p};
                ReadEntry(layout_.BinarySection, where, std::span(row).subspan(2), rel.MultiRes);
            }
        }
        SettleMultiRes(rel.MultiRes);
    }

    // A result code, or a list "(" of valence - 1 two-digit codes each followed by one
    // separator character, into the result cells of a row.
    void ReadEntry(const std::string& section, const BadEntry& where,
                   std::span<std::uint16_t> results, std::int16_t& multiRes) {
        const std::string value = ini_.ReadString(section, where.Key, where.Key + "_Error");
        if (!value.empty() && value.front() == '(') {
            multiRes = 1;
            ReadList(value, where, results);
            return;
        }
        const auto code = TryStrToInt(value);
        if (!code || !FitsCell(*code)) {
            Error(texts_.Entry(where));
            return;
        }
        results[0] = static_cast<std::uint16_t>(*code);
    }

    void ReadList(std::string_view value, const BadEntry& where, std::span<std::uint16_t> results) {
        const int elements = valence_ - 1;
        if (static_cast<int>(value.size()) != 1 + 3 * elements) {
            Error(texts_.Entry(where));
            return;
        }
        for (int k = 1; k <= elements; ++k) {
            const auto code = TryStrToInt(value.substr(static_cast<std::size_t>(3 * k - 2), 2));
            if (!code) {
                Error(texts_.Element(where));
            }
            if (!code || *code <= 0) {
                Error(texts_.Entry(where));
                continue;
            }
            results[static_cast<std::size_t>(k - 1)] = static_cast<std::uint16_t>(*code);
        }
    }

    void Error(const std::string& message) {
        ui_.ShowMessage(message);
        ok_ = false;
    }

    const IniFile& ini_;
    const TableLayout& layout_;
    const TableTexts& texts_;
    TXW_Type& type_;
    Ui& ui_;
    const int valence_;
    bool ok_ = true;
};

}  // namespace

bool ReadLogopDefs(const IniFile& ini, const std::string& section, const std::string& prefix,
                   int count, bool warnFirst, const LogopTexts& texts,
                   OneBased<T_D_Logic, kMaxLogops>& defs, Ui& ui) {
    bool ok = true;
    const auto error = [&](const std::string& message) {
        ui.ShowMessage(message);
        ok = false;
    };
    // Reads a key whose default marks it as missing; a missing key leaves the field empty.
    const auto required = [&](const std::string& key, const NumberedText& message, int i) {
        const std::string missing = key + "_Error";
        std::string value = ini.ReadString(section, key, missing);
        if (value == missing) {
            error(message(i));
            value.clear();
        }
        return value;
    };
    for (int i = 1; i <= std::min(count, kMaxLogops); ++i) {
        const std::string key = prefix + N(i);
        T_D_Logic def;
        def.Name = ini.ReadString(section, key + "_Name", "EMPTY");
        if (def.Name == "EMPTY" && i == 1 && warnFirst) {
            ui.ShowMessage(texts.FirstUnnamed(i));
            def.Name.clear();
        } else {
            def.Sign = required(key + "_Sign", texts.MissingSign, i);
        }
        if (def.Name.size() > static_cast<std::size_t>(kMaxLogopNameLength)) {
            error(texts.LongName(i));
        }
        if (def.Sign.size() > static_cast<std::size_t>(kMaxLogopSignLength)) {
            error(texts.LongSign(i));
        }
        def.Impl = required(key + "_Impl", texts.MissingImpl, i);
        defs[i] = def;
    }
    return ok;
}

bool ReadValues(const IniFile& ini, const ValueLayout& layout, int valence, const ValueTexts& texts,
                ValueList& values, Ui& ui) {
    bool ok = true;
    const auto error = [&](const std::string& message) {
        ui.ShowMessage(message);
        ok = false;
    };
    for (int v = 1; v <= std::min(valence, kMaxValence); ++v) {
        const std::string key = "Value" + N(v);
        const std::string code = ini.ReadString(layout.Section, key + layout.CodeSuffix, "EMPTY");
        if (code == "EMPTY") {
            error(texts.Empty(v));
        }
        const auto number = TryStrToInt(code);
        if (number && FitsCell(*number)) {
            values.Code[v] = *number;
        } else {
            error(texts.NoNumber(v));
        }
        values.Itp[v] = ini.ReadString(layout.Section, key + layout.ItpSuffix, "EMPTY");
        if (values.Itp[v] == "EMPTY") {
            error(texts.NoItp(v));
        }
        values.Impl[v] = ini.ReadString(layout.Section, key + layout.ImplSuffix, "EMPTY");
        if (values.Impl[v] == "EMPTY") {
            error(texts.NoImpl(v));
        }
    }
    return ok;
}

void SetTypeValues(TXW_Type& type, const ValueList& values) {
    for (int v = 1; v <= std::min<int>(type.Valence, kMaxValence); ++v) {
        type.ValueCode[v] = static_cast<std::uint16_t>(values.Code[v]);
        type.ValueItp[v] = values.Itp[v];
        type.ValueImpl[v] = values.Impl[v];
    }
}

void SetTypeLogops(TXW_Type& type, const OneBased<T_D_Logic, kMaxLogops>& unary, int unaryCount,
                   const OneBased<T_D_Logic, kMaxLogops>& binary, int binaryCount) {
    for (int j = 1; j <= std::min(unaryCount, kMaxLogops); ++j) {
        TUnLogRel& rel = type.LogRels.UnLogRel[j];
        rel.Name = unary[j].Name;
        rel.Sign = unary[j].Sign;
        rel.Impl = unary[j].Impl;
    }
    for (int j = 1; j <= std::min(binaryCount, kMaxLogops); ++j) {
        TBinLogRel& rel = type.LogRels.BinLogRel[j];
        rel.Name = binary[j].Name;
        rel.Sign = binary[j].Sign;
        rel.Impl = binary[j].Impl;
    }
}

bool ReadTypeTables(const IniFile& ini, const TableLayout& layout,
                    const TDefault_unary_Logops& unaryOps, const TDefault_binary_Logops& binaryOps,
                    const TableTexts& texts, TXW_Type& type, Ui& ui) {
    return TableReader(ini, layout, texts, type, ui).Read(unaryOps, binaryOps);
}

}  // namespace vx::logic
