#pragma once

#include <QStringView>

// The row of the sheet in which an element of a column stands, as the user sees it.
// Element r stands in row r, except in the away team's batting H column (txtHitA),
// whose cells were laid out with three of them swapped: element 7 stands in row 5,
// element 5 in row 6 and element 6 in row 7.
int sheetRow(QStringView arrayName, int element);
