#pragma once

#include "services/Preferences.h"

#include <QSettings>

// The user's settings of this program, where the platform keeps them (QSettings).
class QtPreferences final : public Preferences
{
public:
    QString text(const QString &key) const override;
    void setText(const QString &key, const QString &value) override;

private:
    QSettings m_settings;
};
