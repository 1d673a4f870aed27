#include "ui/RollPanel.h"

#include "ui/Appearance.h"
#include "ui/RollPanelLayout.h"
#include "ui/art/ArtPicture.h"
#include "ui/art/Fonts.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

const RollPanelLayout &RollPanel::layout(Variant variant)
{
    return variant == Variant::Roller ? rollerPanelLayout() : scoresheetPanelLayout();
}

RollPanel::RollPanel(Variant variant, QWidget *parent)
{
    const RollPanelLayout &table = layout(variant);

    // Widgets made later stand in front: box pictures first, then dice, then labels.
    for (const BoxPictureLayout &p : table.pictures) {
        if (!p.objectName)
            continue;
        auto *picture = new ArtPicture(p.picture, parent);
        picture->setObjectName(QString::fromLatin1(p.objectName));
        picture->move(twipsToPixels(p.left), twipsToPixels(p.top));
    }

    for (const DieLayout &d : table.dice) {
        auto *die = new ArtPicture(d.picture, parent);
        die->setObjectName(QStringLiteral("imgDice_%1").arg(d.die));
        die->move(toPixels(d.dieRect).topLeft());
    }

    for (int i = 0; i < Roll::FieldCount; ++i) {
        const DieLayout &d = table.dice.at(static_cast<size_t>(i));
        const ResultLabelLook &look = resultLabelLook(i);
        auto *label = new QLabel(parent);
        label->setObjectName(QString::fromLatin1(RollLabelNames.at(static_cast<size_t>(i))));
        label->setGeometry(toPixels(d.labelRect));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(Fonts::font(look.points, true));
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, look.background);
        palette.setColor(QPalette::WindowText, look.text);
        label->setPalette(palette);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAccessibleName(labelName(i));
        label->setAccessibleDescription(QObject::tr("The die's value after the last roll"));
        m_labels.at(static_cast<size_t>(i)) = label;
    }

    m_cmdRoll = makeButton(parent, QStringLiteral("cmdRoll"), QObject::tr("Click to Roll"), table.cmdRoll,
                           QColor(0, 255, 0));
    m_cmdRoll->setAccessibleName(QObject::tr("Roll the dice"));
    m_cmdRoll->setAccessibleDescription(QObject::tr("Throws all fourteen dice"));
    if (table.cmdLinescore.width > 0) {
        m_cmdLinescore = makeButton(parent, QStringLiteral("cmdLinescore"), QObject::tr("View Linescore"),
                                    table.cmdLinescore);
        m_cmdLinescore->setAccessibleDescription(QObject::tr("Shows the linescore in place of the dice"));
    }
}

QString RollPanel::labelName(int label)
{
    static const char *const names[Roll::FieldCount] = {
        QT_TRANSLATE_NOOP("RollPanel", "WHO, first die"),
        QT_TRANSLATE_NOOP("RollPanel", "WHO, second die"),
        QT_TRANSLATE_NOOP("RollPanel", "SCORE"),
        QT_TRANSLATE_NOOP("RollPanel", "WHERE, first die"),
        QT_TRANSLATE_NOOP("RollPanel", "WHERE, second die"),
        QT_TRANSLATE_NOOP("RollPanel", "HITS"),
        QT_TRANSLATE_NOOP("RollPanel", "K"),
        QT_TRANSLATE_NOOP("RollPanel", "W"),
        QT_TRANSLATE_NOOP("RollPanel", "RUNS 1st roll / reliever, red die"),
        QT_TRANSLATE_NOOP("RollPanel", "RUNS 1st roll / reliever, blue die"),
        QT_TRANSLATE_NOOP("RollPanel", "RUNS Roll Again, red die"),
        QT_TRANSLATE_NOOP("RollPanel", "RUNS Roll Again, blue die"),
        QT_TRANSLATE_NOOP("RollPanel", "RUNS unearned, red die"),
        QT_TRANSLATE_NOOP("RollPanel", "RUNS unearned, blue die"),
    };
    return QCoreApplication::translate("RollPanel", names[label]);
}

void RollPanel::announceValues()
{
    for (int i = 0; i < Roll::FieldCount; ++i) {
        QLabel *label = m_labels.at(static_cast<size_t>(i));
        label->setAccessibleName(QStringLiteral("%1, %2").arg(labelName(i), label->text()));
        QAccessibleValueChangeEvent event(label, label->text());
        QAccessible::updateAccessibility(&event);
    }
}

void RollPanel::setCaption(int label, const QString &text)
{
    m_labels.at(static_cast<size_t>(label))->setText(text);
}
