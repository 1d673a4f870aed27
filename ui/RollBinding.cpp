#include "ui/RollBinding.h"

#include "roll/RollSequencer.h"
#include "ui/RollPanel.h"
#include "ui/WindowContext.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

RollBinding::RollBinding(WindowContext &context, RollPanel &panel, QMenu *soundMenu, QWidget *window)
    : m_sequencer(std::make_unique<RollSequencer>(context.shared, context.random, context.sound, context.programDir,
                                                  panel, context.timers, window))
    , m_mnuOn(soundMenu->addAction(QObject::tr("Sound &On")))
    , m_mnuOff(soundMenu->addAction(QObject::tr("Sound O&ff")))
{
    m_mnuOn->setObjectName(QStringLiteral("mnuOn"));
    m_mnuOff->setObjectName(QStringLiteral("mnuOff"));
    for (QAction *item : {m_mnuOn, m_mnuOff})
        item->setCheckable(true);

    // A checkable action toggles itself before the handler runs; the marks are the
    // sequencer's to decide, so they are shown again from it after every click.
    QObject::connect(m_mnuOn, &QAction::triggered, window, [this] {
        m_sequencer->mnuOn_Click();
        showChecks();
    });
    QObject::connect(m_mnuOff, &QAction::triggered, window, [this] {
        m_sequencer->mnuOff_Click();
        showChecks();
    });
    QObject::connect(panel.cmdRoll(), &QPushButton::clicked, window, [this] { m_sequencer->cmdRoll_Click(); });

    m_sequencer->Form_Load();
    showChecks();
}

RollBinding::~RollBinding() = default;

void RollBinding::showChecks()
{
    m_mnuOn->setChecked(m_sequencer->soundOnChecked());
    m_mnuOff->setChecked(m_sequencer->soundOffChecked());
}
