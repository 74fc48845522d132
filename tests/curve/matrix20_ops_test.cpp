#include "curve/matrix20_ops.h"

#include <gtest/gtest.h>

#include <vector>

namespace wattora {
namespace {

// A Matrix20 whose leading block holds the rows given; every other element carries a
// sentinel so that a stray write shows.
Matrix20 MatrixOf(const std::vector<std::vector<double>>& rows) {
  Matrix20 m;
  for (int r = 1; r <= Matrix20::kSize; ++r) {
    for (int c = 1; c <= Matrix20::kSize; ++c) m.At(r, c) = 1000 + 100 * r + c;
  }
  m.RowCount = static_cast<std::int16_t>(rows.size());
  m.ColumnCount = static_cast<std::int16_t>(rows.empty() ? 0 : rows[0].size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) m.At(int(r) + 1, int(c) + 1) = rows[r][c];
  }
  return m;
}

bool SameRecord(const Matrix20& a, const Matrix20& b) {
  return a.RowCount == b.RowCount && a.ColumnCount == b.ColumnCount && a.Elements == b.Elements;
}

struct DeterminantCase {
  const char* name;
  std::vector<std::vector<double>> rows;
  double expected;  // worked out by hand (cofactor expansion) or a textbook example
  friend std::ostream& operator<<(std::ostream& os, const DeterminantCase& c) {
    return os << c.name;
  }
};

class DeterminantOf : public ::testing::TestWithParam<DeterminantCase> {};

TEST_P(DeterminantOf, KnownValueAndTheInputUnchanged) {
  const DeterminantCase& c = GetParam();
  const Matrix20 m = MatrixOf(c.rows);
  const Matrix20 before = m;
  EXPECT_DOUBLE_EQ(Determinant(m), c.expected);
  EXPECT_TRUE(SameRecord(m, before));
}

INSTANTIATE_TEST_SUITE_P(
    Small, DeterminantOf,
    ::testing::Values(
        DeterminantCase{"TwoByTwo", {{1, 2}, {3, 4}}, -2},                          // 1*4 - 3*2
        DeterminantCase{"ThreeByThree", {{6, 1, 1}, {4, -2, 5}, {2, 8, 7}}, -306},  // textbook
        DeterminantCase{"Identity3", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, 1},
        DeterminantCase{"SingularTwoEqualColumns", {{2, 5, 2}, {1, 3, 1}, {7, 4, 7}}, 0},
        DeterminantCase{
            "FourByFour", {{1, 0, 2, -1}, {3, 0, 0, 5}, {2, 1, 4, -3}, {1, 0, 5, 0}}, 30},
        DeterminantCase{
            "FiveByFive",
            {{2, 1, 0, 3, 1}, {1, 3, 2, 0, 4}, {0, 2, 5, 1, 1}, {3, 0, 1, 4, 2}, {1, 4, 1, 2, 6}},
            -224},  // exact rational cofactor expansion
        DeterminantCase{
            "RowSwapOfIdentity4", {{0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}, -1},
        DeterminantCase{"NotSquare", {{1, 2, 3}, {4, 5, 6}}, 0}));

TEST(Determinant, EightByEightTriangularIsTheProductOfItsDiagonal) {
  std::vector<std::vector<double>> rows(8, std::vector<double>(8, 0));
  double product = 1;
  for (int r = 0; r < 8; ++r) {
    for (int c = r; c < 8; ++c) rows[r][c] = (r == c) ? r + 1.5 : (r + 2 * c) % 5 - 2;
    product *= r + 1.5;
  }
  // Lower triangular by transposition gives the same determinant.
  std::vector<std::vector<double>> transposed(8, std::vector<double>(8, 0));
  for (int r = 0; r < 8; ++r) {
    for (int c = 0; c < 8; ++c) transposed[c][r] = rows[r][c];
  }
  EXPECT_DOUBLE_EQ(Determinant(MatrixOf(rows)), product);
  EXPECT_DOUBLE_EQ(Determinant(MatrixOf(transposed)), product);
}

TEST(Matrix20Ops, DeleteRowParksTheRowLastAndRestoreRowUndoesIt) {
  Matrix20 m = MatrixOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  const Matrix20 before = m;
  DeleteRow(m, 1);
  EXPECT_EQ(m.RowCount, 2);
  EXPECT_EQ(m.ColumnCount, 3);
  EXPECT_EQ(m.At(1, 1), 4);
  EXPECT_EQ(m.At(2, 3), 9);
  EXPECT_EQ(m.At(3, 1), 1);  // the deleted row in the last used place
  EXPECT_EQ(m.At(3, 3), 3);
  EXPECT_EQ(m.At(1, 4), before.At(1, 4));  // only the used columns move
  EXPECT_EQ(m.At(2, 4), before.At(2, 4));
  RestoreRow(m, 1);
  EXPECT_TRUE(SameRecord(m, before));
}

TEST(Matrix20Ops, DeleteColumnParksTheColumnLastAndRestoreColumnUndoesIt) {
  Matrix20 m = MatrixOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  const Matrix20 before = m;
  DeleteColumn(m, 2);
  EXPECT_EQ(m.ColumnCount, 2);
  EXPECT_EQ(m.RowCount, 3);
  EXPECT_EQ(m.At(1, 2), 3);
  EXPECT_EQ(m.At(3, 2), 9);
  EXPECT_EQ(m.At(1, 3), 2);  // the deleted column in the last used place
  EXPECT_EQ(m.At(3, 3), 8);
  EXPECT_EQ(m.At(4, 2), before.At(4, 2));  // only the used rows move
  RestoreColumn(m, 2);
  EXPECT_TRUE(SameRecord(m, before));
}

TEST(Matrix20Ops, NestedDeletesRestoreInReverseOrder) {
  Matrix20 m = MatrixOf({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
  const Matrix20 before = m;
  DeleteRow(m, 3);
  DeleteColumn(m, 1);
  DeleteColumn(m, 2);
  EXPECT_EQ(m.At(1, 1), 2);
  EXPECT_EQ(m.At(1, 2), 4);
  EXPECT_EQ(m.At(3, 2), 16);
  RestoreColumn(m, 2);
  RestoreColumn(m, 1);
  RestoreRow(m, 3);
  EXPECT_TRUE(SameRecord(m, before));
}

TEST(Matrix20Ops, PlacesOutsideTheUsedBlockChangeNothing) {
  Matrix20 m = MatrixOf({{1, 2}, {3, 4}});
  const Matrix20 before = m;
  DeleteRow(m, 3);
  DeleteRow(m, 0);
  DeleteColumn(m, 5);
  EXPECT_TRUE(SameRecord(m, before));
}

}  // namespace
}  // namespace wattora
