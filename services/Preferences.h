#pragma once

#include <QString>

// What the program remembers between runs, by key ("games/folder"). Windows ask through
// this so that tests never touch the user's own settings.
class Preferences
{
public:
    virtual ~Preferences() = default;
    // Empty when nothing is remembered.
    virtual QString text(const QString &key) const = 0;
    virtual void setText(const QString &key, const QString &value) = 0;
};
