#pragma once

#include "ui/RollWindow.h"

// The stand-alone dice roller: the full roll panel, File / Sound / Help menus.
class frmRoller final : public RollWindow
{
    Q_OBJECT

public:
    explicit frmRoller(WindowContext &context, QWidget *parent = nullptr);
};
