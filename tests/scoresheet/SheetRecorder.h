#pragma once

#include "scoresheet/Scoresheet.h"

#include <QStringList>

// Watches every field of a sheet through its view hook and keeps the real changes in
// order, as "objectName=text".
class SheetRecorder
{
public:
    explicit SheetRecorder(Scoresheet &sheet)
    {
        for (Field *field : sheet.fields()) {
            const QString name = field->objectName();
            field->setView([this, name](const QString &text) { m_changes << name + u'=' + text; });
        }
    }

    const QStringList &changes() const { return m_changes; }
    // Changes of one field (by objectName), in order.
    QStringList of(const QString &objectName) const
    {
        QStringList texts;
        const QString prefix = objectName + u'=';
        for (const QString &change : m_changes)
            if (change.startsWith(prefix))
                texts << change.mid(prefix.size());
        return texts;
    }
    void clear() { m_changes.clear(); }

private:
    QStringList m_changes;
};
