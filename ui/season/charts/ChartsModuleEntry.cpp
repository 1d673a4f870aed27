#include "ui/season/charts/ChartsPage.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT SeasonPage *quorvelCreateChartsPage(WindowContext &context, QWidget *parent)
{
    return new ChartsPage(context, parent);
}
