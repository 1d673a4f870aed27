#pragma once

#include <QString>
#include <QStringView>

// Text put into HTML or SVG that is also well-formed XML: a name is shown as typed, never
// read as markup, and a character no such page may hold (a control character, a lone half
// of a surrogate pair) becomes U+FFFD.
namespace MarkupText {

// For element content and attribute values (in double or single quotes).
QString escaped(QStringView text);

} // namespace MarkupText
