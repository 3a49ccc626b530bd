#pragma once

#include <QStringList>

// Sorts names ascending, comparing case-insensitively; names that compare equal keep their
// order. Stable O(n log n).
void SortStrings(QStringList& names);
