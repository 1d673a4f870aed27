#pragma once

#include "roll/Roll.h"

#include <array>

class ArtPicture;
class QLabel;
class QPushButton;
class QWidget;
struct RollPanelLayout;

// The dice, their boxes, the fourteen result labels and "Click to Roll", built into
// a parent widget (the roller's client area, or the scoresheet's Frame2). The same
// control names in both places; the scoresheet variant adds "View Linescore".
class RollPanel final : public RollLabels
{
public:
    enum class Variant { Roller, Scoresheet };

    RollPanel(Variant variant, QWidget *parent);

    void setCaption(int label, const QString &text) override;
    // The roll on the labels has come to rest: each label's accessible name takes its
    // value, and a screen reader is told of the new values.
    void announceValues();

    QPushButton *cmdRoll() const { return m_cmdRoll; }
    QPushButton *cmdLinescore() const { return m_cmdLinescore; } // null in the roller

    static const RollPanelLayout &layout(Variant variant);

private:
    std::array<QLabel *, Roll::FieldCount> m_labels{};
    QPushButton *m_cmdRoll = nullptr;
    QPushButton *m_cmdLinescore = nullptr;
};
