#include "scoresheet/ScoresheetOverflow.h"

ScoresheetOverflow::ScoresheetOverflow(const QString &message, const QString &fieldName, int index)
    : std::runtime_error(message.toStdString())
    , m_message(message)
    , m_fieldName(fieldName)
    , m_index(index)
{
}
