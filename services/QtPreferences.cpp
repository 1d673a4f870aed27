#include "services/QtPreferences.h"

QString QtPreferences::text(const QString &key) const
{
    return m_settings.value(key).toString();
}

void QtPreferences::setText(const QString &key, const QString &value)
{
    m_settings.setValue(key, value);
}
