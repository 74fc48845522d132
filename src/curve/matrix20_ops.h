#pragma once
// The row and column operations and the cofactor determinant of the program's matrix record
// Matrix20 (rows and columns 1-based). The operations move elements inside the record and
// never allocate; a deleted row or column is parked in the last used place, where the
// matching restore takes it back from.

#include "curve/curve_model.h"

namespace wattora {

// Row r moves to the last used row, the rows below it move up one place; RowCount drops by
// one. Only the first ColumnCount elements of each row move. A row outside 1..RowCount
// changes nothing.
void DeleteRow(Matrix20& m, int r);
// The same for column c over the used rows; ColumnCount drops by one.
void DeleteColumn(Matrix20& m, int c);
// Undoes DeleteColumn(m, c): ColumnCount grows by one, the column in the last used place
// goes back to place c and the columns from c on move right one place.
void RestoreColumn(Matrix20& m, int c);
// Undoes DeleteRow(m, r), the same for rows.
void RestoreRow(Matrix20& m, int r);

// The determinant by cofactor expansion along row 1: 0 when the matrix is not square, the
// closed form for 2 x 2. Specified for sizes 2 to 20 (size 1 gives the element, size 0 or
// a count beyond 20 gives 0). Works on one copy of m; the caller's matrix is never changed.
double Determinant(const Matrix20& m);

}  // namespace wattora
