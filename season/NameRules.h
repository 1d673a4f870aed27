#pragma once

#include <QString>
#include <QStringView>

// How a season tells names apart. A name is compared as written, trimmed, with its inner
// blanks collapsed, in Unicode's composed form and case folded: "  McGraw " and "mcgraw"
// are one name; "Müller" and "Muller" are two, but similar ones.

// Trimmed, every run of blanks inside made one space.
QString cleanName(QStringView text);
// The name as a season compares it: clean, NFC, case folded.
QString nameKey(QStringView text);
// A key without accents (decomposed, combining marks dropped), for finding similar names.
QString accentFreeKey(QStringView key);
// The number of single-character edits that turn a into b, counted up to limit + 1.
int editDistance(QStringView a, QStringView b, int limit);
// Whether two different names may be one person's: equal without accents and case, or
// within one edit for names of up to six letters and two for longer ones. Both are
// accent-free keys.
bool areSimilarNames(QStringView a, QStringView b);
