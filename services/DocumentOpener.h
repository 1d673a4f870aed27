#pragma once

#include <QString>

// Opens a document in the application the desktop associates with it, in a
// process of its own, without waiting for it.
class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;

    // Returns false when the desktop could not hand the document to an application.
    virtual bool open(const QString &file, const QString &workingDirectory) = 0;
};
