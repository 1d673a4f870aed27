#include "ui/roll/RollBinding.h"

#include "roll/RollHistory.h"
#include "roll/RollSequencer.h"
#include "roll/SoundSetting.h"
#include "services/DataFiles.h"
#include "ui/WindowContext.h"
#include "ui/roll/RollPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QPushButton>

namespace {
// The dice sound where it is found; where it is found nowhere, the name in the first
// folder, which plays nothing.
QString diceSound(const QStringList &folders)
{
    const QString found = findDataFile(folders, QStringLiteral("dice.wav"));
    return found.isEmpty() && !folders.isEmpty() ? folders.first() + QStringLiteral("/dice.wav") : found;
}
} // namespace

RollBinding::RollBinding(WindowContext &context, RollPanel &panel, RollHistory &history, QWidget *window)
    : m_sequencer(std::make_unique<RollSequencer>(context.soundSetting, context.random, context.clock, context.sound,
                                                  diceSound(context.places.dataFolders), panel, context.timers, window))
    , m_mnuOn(new QAction(QObject::tr("Sound &On"), window))
    , m_mnuOff(new QAction(QObject::tr("Sound O&ff"), window))
{
    m_mnuOn->setObjectName(QStringLiteral("mnuOn"));
    m_mnuOff->setObjectName(QStringLiteral("mnuOff"));
    // An exclusive group: exactly one item is checked, and a click on it keeps it so.
    auto *choice = new QActionGroup(window);
    for (QAction *item : {m_mnuOn, m_mnuOff}) {
        item->setCheckable(true);
        choice->addAction(item);
    }

    SoundSetting &setting = context.soundSetting;
    const auto showSetting = [this](bool on) {
        m_mnuOn->setChecked(on);
        m_mnuOff->setChecked(!on);
    };
    QObject::connect(&setting, &SoundSetting::changed, window, showSetting);
    QObject::connect(m_mnuOn, &QAction::triggered, window, [&setting] { setting.setOn(true); });
    QObject::connect(m_mnuOff, &QAction::triggered, window, [&setting] { setting.setOn(false); });
    QObject::connect(panel.cmdRoll(), &QPushButton::clicked, window, [this] { m_sequencer->roll(); });
    // Only the roll that comes to rest is kept and told; a shuffle frame is neither.
    m_sequencer->recordInto(&history);
    QObject::connect(&history, &RollHistory::added, window, [&panel] { panel.announceValues(); });

    m_sequencer->load();
    showSetting(setting.isOn());
}

RollBinding::~RollBinding() = default;
