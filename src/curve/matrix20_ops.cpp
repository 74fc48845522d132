#include "curve/matrix20_ops.h"

namespace wattora {
namespace {

constexpr int kSize = Matrix20::kSize;

bool CountInRange(int count) { return count >= 0 && count <= kSize; }

// Cofactor expansion on m itself; every operation is undone, so m leaves as it came.
double DeterminantInPlace(Matrix20& m) {
  const int n = m.RowCount;
  if (m.ColumnCount != n) return 0;
  if (n < 1 || n > kSize) return 0;
  if (n == 1) return m.At(1, 1);
  if (n == 2) return m.At(1, 1) * m.At(2, 2) - m.At(2, 1) * m.At(1, 2);

  double firstRow[kSize];
  for (int c = 1; c <= n; ++c) firstRow[c - 1] = m.At(1, c);
  DeleteRow(m, 1);
  double sum = 0;
  int sign = 1;
  for (int c = 1; c <= n; ++c) {
    DeleteColumn(m, c);
    // Each term in double precision (no wider type): the same result
    // on every platform, and the exact cancellations of equal columns stay exact.
    const double term = sign * firstRow[c - 1] * DeterminantInPlace(m);
    sum += term;
    RestoreColumn(m, c);
    sign = -sign;
  }
  RestoreRow(m, 1);
  return sum;
}

}  // namespace

void DeleteRow(Matrix20& m, int r) {
  const int rows = m.RowCount;
  const int columns = m.ColumnCount;
  if (!CountInRange(rows) || !CountInRange(columns) || r < 1 || r > rows) return;
  double saved[kSize];
  for (int c = 1; c <= columns; ++c) saved[c - 1] = m.At(r, c);
  for (int i = r; i < rows; ++i) {
    for (int c = 1; c <= columns; ++c) m.At(i, c) = m.At(i + 1, c);
  }
  for (int c = 1; c <= columns; ++c) m.At(rows, c) = saved[c - 1];
  m.RowCount = static_cast<std::int16_t>(rows - 1);
}

void DeleteColumn(Matrix20& m, int c) {
  const int rows = m.RowCount;
  const int columns = m.ColumnCount;
  if (!CountInRange(rows) || !CountInRange(columns) || c < 1 || c > columns) return;
  double saved[kSize];
  for (int r = 1; r <= rows; ++r) saved[r - 1] = m.At(r, c);
  for (int j = c; j < columns; ++j) {
    for (int r = 1; r <= rows; ++r) m.At(r, j) = m.At(r, j + 1);
  }
  for (int r = 1; r <= rows; ++r) m.At(r, columns) = saved[r - 1];
  m.ColumnCount = static_cast<std::int16_t>(columns - 1);
}

void RestoreColumn(Matrix20& m, int c) {
  const int rows = m.RowCount;
  const int columns = m.ColumnCount + 1;
  if (!CountInRange(rows) || columns < 1 || columns > kSize || c < 1 || c > columns) return;
  m.ColumnCount = static_cast<std::int16_t>(columns);
  double saved[kSize];
  for (int r = 1; r <= rows; ++r) saved[r - 1] = m.At(r, columns);
  for (int j = columns; j > c; --j) {
    for (int r = 1; r <= rows; ++r) m.At(r, j) = m.At(r, j - 1);
  }
  for (int r = 1; r <= rows; ++r) m.At(r, c) = saved[r - 1];
}

void RestoreRow(Matrix20& m, int r) {
  const int rows = m.RowCount + 1;
  const int columns = m.ColumnCount;
  if (!CountInRange(columns) || rows < 1 || rows > kSize || r < 1 || r > rows) return;
  m.RowCount = static_cast<std::int16_t>(rows);
  double saved[kSize];
  for (int c = 1; c <= columns; ++c) saved[c - 1] = m.At(rows, c);
  for (int i = rows; i > r; --i) {
    for (int c = 1; c <= columns; ++c) m.At(i, c) = m.At(i - 1, c);
  }
  for (int c = 1; c <= columns; ++c) m.At(r, c) = saved[c - 1];
}

double Determinant(const Matrix20& m) {
  Matrix20 work = m;
  return DeterminantInPlace(work);
}

}  // namespace wattora
