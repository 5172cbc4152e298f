// What each cell of the statistics window's grid says: a label in the
// language, or a figure. The window fills its cells from here, and the
// clipboard's table is the same grid as tab-separated text (pastes into a
// spreadsheet as rows and columns).
#pragma once

#include "station/allowance.h"
#include "station/stats/stats_figures.h"

#include <string>
#include <string_view>

namespace orva {

// Whether the grid has a control at this row and column.
bool StatsCellExists(int row, int column);

// The text of an existing cell; empty for any other.
std::string StatsCellText(std::string_view curLanguage, const FigureTexts& figures, const Allowance& allowance,
                          int row, int column);

// Each row of the grid as its cells with a tab between them and CR LF after
// them, an empty line where the window leaves a gap.
std::string FiguresTable(std::string_view curLanguage, const FigureTexts& figures, const Allowance& allowance);

} // namespace orva
