#include "season/NameRules.h"

#include <QVarLengthArray>

#include <algorithm>

QString cleanName(QStringView text)
{
    return text.toString().simplified();
}

QString nameKey(QStringView text)
{
    return cleanName(text).normalized(QString::NormalizationForm_C).toCaseFolded();
}

QString accentFreeKey(QStringView key)
{
    const QString decomposed = key.toString().normalized(QString::NormalizationForm_D);
    QString kept;
    kept.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (!c.isMark())
            kept += c;
    return kept.toCaseFolded();
}

int editDistance(QStringView a, QStringView b, int limit)
{
    const qsizetype sizeDifference = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    if (sizeDifference > limit)
        return limit + 1;
    // One row of the usual table at a time.
    QVarLengthArray<int, 64> previous(b.size() + 1);
    QVarLengthArray<int, 64> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        int rowBest = current[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
            rowBest = std::min(rowBest, current[j]);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(previous, current);
    }
    return std::min(previous[b.size()], limit + 1);
}

bool areSimilarNames(QStringView a, QStringView b)
{
    if (a == b)
        return true;
    constexpr qsizetype ShortName = 6;
    const int allowed = std::max(a.size(), b.size()) <= ShortName ? 1 : 2;
    return editDistance(a, b, allowed) <= allowed;
}
