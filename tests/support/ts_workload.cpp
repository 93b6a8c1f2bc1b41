#include "support/ts_workload.h"

#include <algorithm>
#include <map>
#include <memory>

#include "ts2br/ts_program.h"

namespace vx::ts_workload {
namespace {

int Pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

bool Chance(std::mt19937& rng, int percent) {
    return Pick(rng, 1, 100) <= percent;
}

std::vector<std::string> SignsOf(const ts::TLogopTable& table) {
    std::vector<std::string> signs;
    for (const T_D_Logic& op : table) {
        if (!op.Sign.empty()) {
            signs.push_back(op.Sign);
        }
    }
    return signs;
}

class LineMaker {
public:
    LineMaker(std::mt19937& rng, const LogicModel& logic, const LineOptions& options)
        : rng_(rng),
          options_(options),
          unary_(SignsOf(logic.UnaryOpDefs)),
          binary_(SignsOf(logic.BinaryOpDefs)) {
        std::vector<int> numbers(99);
        for (int i = 0; i < 99; ++i) {
            numbers[static_cast<std::size_t>(i)] = i + 1;
        }
        std::shuffle(numbers.begin(), numbers.end(), rng_);
        numbers.resize(static_cast<std::size_t>(options.distinctTS));
        for (int number : numbers) {
            std::string list;
            if (Chance(rng_, options.prescribedPercent)) {
                const int pick = Pick(rng_, 0, logic.WWType.Valence + 1);
                const int code = pick < logic.WWType.Valence
                                     ? logic.WWType.ValueCode[pick + 1]
                                     : (pick == logic.WWType.Valence ? 40 : 99);
                list = "[" + std::to_string(code) + "]";
            }
            terms_.push_back("TS" + std::to_string(number) + list);
        }
        used_.assign(terms_.size(), false);
    }

    std::string Line() {
        std::string text = Expression(0);
        for (std::size_t t = 0; t < terms_.size() && options_.useAll && !binary_.empty(); ++t) {
            if (!used_[t]) {
                text += Sign() + terms_[t];
            }
        }
        return text;
    }

private:
    std::string Sign() {
        return binary_[static_cast<std::size_t>(
            Pick(rng_, 0, static_cast<int>(binary_.size()) - 1))];
    }

    std::string Expression(int depth) {
        std::string text = Operand(depth);
        const int operands = Pick(rng_, 1, options_.maxOperands);
        for (int i = 1; i < operands && !binary_.empty(); ++i) {
            text += Sign();
            text += Operand(depth);
        }
        return text;
    }

    std::string Operand(int depth) {
        std::string text;
        if (!unary_.empty() && Chance(rng_, 20)) {
            text += unary_[static_cast<std::size_t>(
                Pick(rng_, 0, static_cast<int>(unary_.size()) - 1))];
        }
        if (depth < options_.maxDepth && Chance(rng_, 30)) {
            return text + "(" + Expression(depth + 1) + ")";
        }
        const auto term =
            static_cast<std::size_t>(Pick(rng_, 0, static_cast<int>(terms_.size()) - 1));
        used_[term] = true;
        return text + terms_[term];
    }

    std::mt19937& rng_;
    const LineOptions& options_;
    std::vector<std::string> unary_;
    std::vector<std::string> binary_;
    std::vector<std::string> terms_;
    std::vector<bool> used_;
};

}  // namespace

LogicModel MakeLogic(const LogicDefinition& definition) {
    LogicModel model;
    model.MiscLogic.IsMetalogic = "EMPTY";
    TXW_Type& ww = model.WWType;
    const int n = static_cast<int>(definition.codes.size());
    ww.Name = "WW";
    ww.Valence = static_cast<std::int16_t>(n);
    for (int p = 1; p <= n; ++p) {
        ww.ValueCode[p] =
            static_cast<std::uint16_t>(definition.codes[static_cast<std::size_t>(p - 1)]);
    }
    const auto code = [&](int p) { return definition.codes[static_cast<std::size_t>(p - 1)]; };
    const auto u16 = [](int value) { return static_cast<std::uint16_t>(value); };
    int j = 0;
    for (const auto& [sign, op] : definition.unary) {
        ++j;
        model.UnaryOpDefs[j] = {"UN" + std::to_string(j), sign, "VXR25"};
        TUnLogRel& rel = ww.LogRels.UnLogRel[j];
        rel.Name = "UN" + std::to_string(j);
        rel.Sign = sign;
        rel.MultiRes = -1;
        for (int p = 1; p <= n; ++p) {
            rel.Table[p] = {u16(code(p)), u16(op(code(p))), 0, 0, 0};
            rel.DblTable[p] = {u16(code(p)), u16(op(op(code(p)))), 0, 0, 0};
        }
    }
    j = 0;
    for (const auto& [sign, op] : definition.binary) {
        ++j;
        model.BinaryOpDefs[j] = {"BIN" + std::to_string(j), sign, "VXR25"};
        TBinLogRel& rel = ww.LogRels.BinLogRel[j];
        rel.Name = "BIN" + std::to_string(j);
        rel.Sign = sign;
        rel.MultiRes = -1;
        for (int p = 1; p <= n; ++p) {
            for (int q = 1; q <= n; ++q) {
                rel.Table[TXW_Type::BinaryRowIndex(n, p, q)] = {
                    u16(code(p)), u16(code(q)), u16(op(code(p), code(q))), 0, 0, 0};
            }
        }
    }
    return model;
}

LogicDefinition RankedLogic(const std::vector<int>& codes) {
    const auto rank = [codes](int c) {
        return static_cast<int>(std::find(codes.begin(), codes.end(), c) - codes.begin());
    };
    const int last = static_cast<int>(codes.size()) - 1;
    const auto neg = [codes, rank, last](int a) {
        return codes[static_cast<std::size_t>(last - rank(a))];
    };
    const auto conj = [rank](int a, int b) { return rank(a) >= rank(b) ? a : b; };
    const auto disj = [rank](int a, int b) { return rank(a) <= rank(b) ? a : b; };
    const auto imp = [neg, disj](int a, int b) { return disj(neg(a), b); };
    const auto eqv = [imp, conj](int a, int b) { return conj(imp(a, b), imp(b, a)); };
    return {codes, {{"~", neg}}, {{"u", conj}, {"o", disj}, {"=>", imp}, {"<=>", eqv}}};
}

LogicModel RandomLogic(std::mt19937& rng, bool holes) {
    std::vector<int> pool{10, 20, 30, 40, 50, 60, 70, 80};
    std::shuffle(pool.begin(), pool.end(), rng);
    pool.resize(static_cast<std::size_t>(Pick(rng, 2, 5)));
    std::vector<std::string> binarySigns{"u", "o", "=>", "<=>", "x"};
    std::shuffle(binarySigns.begin(), binarySigns.end(), rng);
    binarySigns.resize(static_cast<std::size_t>(Pick(rng, 2, 4)));
    std::vector<std::string> unarySigns{"~", "!"};
    unarySigns.resize(static_cast<std::size_t>(Pick(rng, 1, 2)));

    // Fixed random tables, drawn once per operator.
    const auto randomResult = [&rng, pool, holes]() {
        if (holes && Chance(rng, 3)) {
            return Chance(rng, 50) ? 0 : 99;
        }
        return pool[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(pool.size()) - 1))];
    };
    LogicDefinition definition{pool, {}, {}};
    for (const std::string& sign : unarySigns) {
        auto table = std::make_shared<std::map<int, int>>();
        for (int c : pool) {
            (*table)[c] = randomResult();
        }
        definition.unary.push_back({sign, [table](int a) {
                                        const auto at = table->find(a);
                                        return at == table->end() ? 0 : at->second;
                                    }});
    }
    for (const std::string& sign : binarySigns) {
        auto table = std::make_shared<std::map<std::pair<int, int>, int>>();
        for (int a : pool) {
            for (int b : pool) {
                (*table)[{a, b}] = randomResult();
            }
        }
        definition.binary.push_back({sign, [table](int a, int b) { return table->at({a, b}); }});
    }
    return MakeLogic(definition);
}

LogicModel CyclicLogic(int valence) {
    std::vector<int> codes;
    for (int code = 10; static_cast<int>(codes.size()) < valence; code += 10) {
        if (code != 40) {
            codes.push_back(code);
        }
    }
    const auto rank = [codes](int c) {
        return static_cast<int>(std::find(codes.begin(), codes.end(), c) - codes.begin());
    };
    const auto code = [codes](int r) { return codes[static_cast<std::size_t>(r)]; };
    return MakeLogic({codes,
                      {{"~", [=](int a) { return code((valence - rank(a)) % valence); }}},
                      {{"x", [=](int a, int b) { return code((rank(a) + rank(b)) % valence); }},
                       {"o", [=](int a, int b) { return code(std::min(rank(a), rank(b))); }}}});
}

namespace {

// The tokens joined by "x" in random brackets, at most eight deep.
std::string Chain(std::mt19937& rng, const std::vector<std::string>& tokens, std::size_t first,
                  std::size_t last, int depth) {
    if (first == last) {
        return tokens[first];
    }
    const auto split =
        static_cast<std::size_t>(Pick(rng, static_cast<int>(first), static_cast<int>(last) - 1));
    const auto side = [&](std::size_t a, std::size_t b) {
        const bool bracket = a != b && depth < 8 && Chance(rng, 50);
        const std::string text = Chain(rng, tokens, a, b, bracket ? depth + 1 : depth);
        return bracket ? "(" + text + ")" : text;
    };
    const std::string left = side(first, split);
    return left + "x" + side(split + 1, last);
}

}  // namespace

HardLine HardChainLine(std::mt19937& rng, int valence, int freeTS, bool match) {
    std::vector<std::string> tokens;
    for (int k = 1; k <= freeTS; ++k) {
        tokens.push_back("TS" + std::to_string(k));
        tokens.push_back("~TS" + std::to_string(k));
    }
    std::shuffle(tokens.begin(), tokens.end(), rng);
    HardLine line;
    line.part = Chain(rng, tokens, 0, tokens.size() - 1, 1);
    const int last = valence - 1;
    const auto codeAt = [](int rank) { return rank < 3 ? 10 * (rank + 1) : 10 * (rank + 2); };
    if (match) {
        std::string any = "TS1";
        for (int k = 2; k <= freeTS; ++k) {
            any += "oTS" + std::to_string(k);
        }
        line.part = "(" + line.part + ")x(" + any + ")";
        line.target = codeAt(last);
    } else {
        line.target = codeAt(Pick(rng, 1, last));
    }
    return line;
}

const ts::TLogopTable& NoLogops() {
    static const ts::TLogopTable kNone;
    return kNone;
}

std::string RandomTSPart(std::mt19937& rng, const LogicModel& logic, const LineOptions& options) {
    return LineMaker(rng, logic, options).Line();
}

LogicRun RunDefWW(TAnals2BR& anals, const std::vector<std::string>& lines,
                  const std::map<std::string, int>& targets, Evaluation evaluation,
                  const std::function<void(int line, int target)>& afterLine) {
    const std::string logic = "DefWW";
    LogicRun run;
    run.lines = lines;
    const auto step = [&](const std::string& name, const std::string& result) {
        run.results.push_back(name + "=" + result);
        return result;
    };
    TextList list{"//DefWW Results:"};
    for (const std::string& line : lines) {
        list.Add(line);
    }
    if (const std::string copied = anals.Copy_TSDefWW_ToAnal(list); copied != "ok") {
        step("Copy_TSDefWW_ToAnal", copied);
        return run;
    }
    if (step("AnalyzeLogics", anals.AnalyzeLogics(logic)) != "OK") {
        return run;
    }
    const int check = anals.SyntaxCheckTS(logic);
    step("SyntaxCheckTS", std::to_string(check));
    for (int i = 1; i < anals.WorkTarget.Count(); ++i) {
        run.target.push_back(anals.WorkTarget[i]);
    }
    if (check != 1 || step("Analyze_TS", anals.Analyze_TS(logic)) != "OK") {
        return run;
    }
    anals.MakeComputeAlgs(logic);
    if (step("IniAllComputeTS_2BRStructs", anals.IniAllComputeTS_2BRStructs()) != "OK") {
        return run;
    }
    for (int i = 1; i < anals.WorkSource.Count(); ++i) {
        if (anals.WorkSource[i].empty()) {
            continue;
        }
        anals.IniTS(i);
        const auto found = targets.find(anals.DepthStructe(i).SE);
        const int target = found == targets.end() ? -1 : found->second;
        std::string verdict;
        const std::string result = evaluation == Evaluation::Compiled
                                       ? anals.ComputeLineTS(logic, i, target, verdict)
                                       : anals.ComputeLineTSByWalk(logic, i, target, verdict);
        run.lines[static_cast<std::size_t>(anals.ResultLineOf(i) - 1)] += verdict;
        if (afterLine) {
            afterLine(i, target);
        }
        if (result != "OK") {
            step("line " + std::to_string(i), result);
        }
    }
    return run;
}

namespace {

// The value of a row, deeper layers first; 0 or less where it fails.
int WalkRow(TAnals2BR& anals, int line, int row) {
    TDepthStructe& depth = anals.DepthStructe(line);
    int value = -1;
    for (int l = depth.MaxLayer; l >= 0; --l) {
        const int segments = l == 0 ? 1 : depth.Layer(l).SegCount;
        for (int s = 1; s <= segments; ++s) {
            value = anals.EvalSegment(line, row, l, s, depth.Layer(l).SegStart[s]);
            if (value <= 0) {
                return value;
            }
        }
    }
    return value;
}

}  // namespace

std::uint64_t CountMatchesByWalkingEveryRow(TAnals2BR& anals, int line, int target) {
    const int values = anals.LogicsAnalysis[1].NumValues;
    int rows = 1;
    for (int k = 0; k < anals.LineLists.FreeCount && values > 0; ++k) {
        rows *= values;
    }
    std::uint64_t matches = 0;
    for (int row = 1; row <= rows; ++row) {
        matches += WalkRow(anals, line, row) == target ? 1 : 0;
    }
    return matches;
}

std::uint64_t CountMatchesByScanningEveryRow(TAnals2BR& anals, int line, int target) {
    ts::TSProgram program;
    if (!anals.CompiledLine(line, program)) {
        return CountMatchesByWalkingEveryRow(anals, line, target);
    }
    const int dense = program.IndexOfCode(target);
    std::vector<std::uint8_t> values = program.NewValues();
    std::vector<int> digits(static_cast<std::size_t>(program.Columns()), 0);
    for (int c = 0; c < program.Columns(); ++c) {
        values[static_cast<std::size_t>(c)] = program.DigitValue(0);
    }
    std::uint64_t matches = 0;
    for (bool more = true; more;) {
        matches += dense >= 0 && program.Evaluate(values.data()) == dense ? 1 : 0;
        more = false;
        for (int c = 0; c < program.Columns() && !more; ++c) {
            auto& digit = digits[static_cast<std::size_t>(c)];
            digit = digit + 1 < program.Base() ? digit + 1 : 0;
            values[static_cast<std::size_t>(c)] = program.DigitValue(digit);
            more = digit != 0;
        }
    }
    return matches;
}

}  // namespace vx::ts_workload
