#pragma once

#include "ui/roll/RollWindow.h"

// The stand-alone dice roller: the full roll panel, File / Sound / Help menus.
class RollerWindow final : public RollWindow
{
    Q_OBJECT

public:
    explicit RollerWindow(WindowContext &context, QWidget *parent = nullptr);
};
