#pragma once

#include "services/DocumentOpener.h"

// Opens documents through the desktop's associations (QDesktopServices), in a
// process of its own; returns without waiting for the application.
class QtDocumentOpener final : public DocumentOpener
{
public:
    bool open(const QString &file, const QString &workingDirectory) override;
};
