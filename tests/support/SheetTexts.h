#pragma once

#include "scoresheet/Scoresheet.h"

#include <QStringList>

// Every field's text, in the sheet's order: two sheets alike have equal lists.
inline QStringList textsOf(const Scoresheet &sheet)
{
    QStringList texts;
    for (const Field *field : sheet.fields())
        texts << field->text();
    return texts;
}
