#include "common/core/siatka.h"

#include <gtest/gtest.h>

using common::TextGrid;

TEST(TextGrid, CellsOutsideTheCountsSurvive) {
  TextGrid g;
  g.setColCount(9);
  g.setRowCount(5);  // header + 4 data rows
  for (int w = 1; w <= 4; ++w) g.setCell(3, w, "11" + std::to_string(w));
  g.setRowCount(3);  // 2 data rows
  EXPECT_EQ(g.rowCount(), 3);
  g.setRowCount(5);
  EXPECT_EQ(g.cell(3, 3), "113");
  EXPECT_EQ(g.cell(3, 4), "114");
  EXPECT_EQ(g.cell(20, 40), "");  // never written
}

TEST(TextGrid, ClearDataEmptiesOnlyDataCellsWithinCounts) {
  TextGrid g;
  g.setColCount(4);
  g.setRowCount(3);
  g.setCell(0, 0, "");
  g.setCell(1, 0, "Nr węzła");
  g.setCell(0, 1, "W. el. 1");
  g.setCell(1, 1, "1");
  g.setCell(3, 2, "50");
  g.setCell(2, 5, "ukryta");  // row 5 lies beyond the count
  g.clearData();
  EXPECT_EQ(g.cell(1, 0), "Nr węzła");
  EXPECT_EQ(g.cell(0, 1), "W. el. 1");
  EXPECT_EQ(g.cell(1, 1), "");
  EXPECT_EQ(g.cell(3, 2), "");
  EXPECT_EQ(g.cell(2, 5), "ukryta");
}
