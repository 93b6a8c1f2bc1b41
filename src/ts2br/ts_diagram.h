#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "ts2br/ts_program.h"

// A compiled line as a decision diagram over its free TS: every value the program computes is
// a diagram whose levels are the columns, the highest at the top, and whose leaves are dense
// values or kFail. Equal sub-diagrams are shared, so a line whose TS occur many times costs
// what its structure costs, not what its number of rows costs.
namespace vx::ts {

// Nodes a line's diagram may grow to before the search gives up on it.
inline constexpr std::size_t kDiagramNodeBudget = 1u << 21;

// The first row (1-based, in row order) among all Base()^Columns() rows whose evaluation fails
// or gives the dense value `target` (-1: no value matches); 0 when there is none. Empty when
// the diagram would grow beyond `nodeBudget` nodes.
std::optional<std::int64_t> FirstDecisiveRowByDiagram(const TSProgram& program, int target,
                                                      std::size_t nodeBudget = kDiagramNodeBudget);

// How many of the Base()^Columns() rows give the dense value `target`, counted over the
// diagram's nodes: a node stands for every row that leads to it, and a level the diagram skips
// multiplies by Base(). Empty when the diagram would grow beyond `nodeBudget` nodes.
std::optional<std::uint64_t> CountMatchingRowsByDiagram(
    const TSProgram& program, int target, std::size_t nodeBudget = kDiagramNodeBudget);

// The same without giving up: where the diagram outgrows `nodeBudget` nodes, the rows are
// split by the value of the highest column and each part is counted on its own diagram, split
// again where it still outgrows the budget (at worst down to single rows).
std::uint64_t CountMatchingRows(const TSProgram& program, int target,
                                std::size_t nodeBudget = kDiagramNodeBudget);

}  // namespace vx::ts
