#include "ui/roll/RollPanel.h"

#include "ui/Appearance.h"
#include "ui/art/ArtPicture.h"
#include "ui/art/Fonts.h"
#include "ui/roll/Dice.h"
#include "ui/roll/RollPanelLayout.h"

#include <QAccessible>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStaticText>

namespace {

// A die's value. During a shuffle it is painted some sixty times a second; each value's
// text is laid out once (QStaticText) and then only drawn, where a plain label would
// shape its text anew at every paint. Centred at the top, in the label's font and text
// colour, as the label would draw it.
class DieValueLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QString value = text();
        if (value.isEmpty())
            return;
        auto laidOut = m_laidOut.find(value);
        if (laidOut == m_laidOut.end()) {
            QStaticText staticText(value);
            staticText.setTextFormat(Qt::PlainText);
            staticText.prepare(QTransform(), font());
            laidOut = m_laidOut.insert(value, staticText);
        }
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        const QRect area = contentsRect();
        painter.drawStaticText(QPointF(area.left() + (area.width() - laidOut->size().width()) / 2.0, area.top()),
                               *laidOut);
    }

private:
    QHash<QString, QStaticText> m_laidOut; // by value: a die shows a few dozen at most
};

} // namespace

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

    for (int i = 0; i < Roll::FieldCount; ++i) {
        auto *picture = new ArtPicture(die(i).picture, parent);
        picture->setObjectName(diePictureName(i));
        picture->move(toPixels(table.dice.at(std::size_t(i)).dieRect).topLeft());
    }

    for (int i = 0; i < Roll::FieldCount; ++i) {
        const DieLayout &d = table.dice.at(static_cast<size_t>(i));
        const Die &look = die(i);
        auto *label = new DieValueLabel(parent);
        label->setObjectName(look.labelName());
        label->setGeometry(toPixels(d.labelRect));
        // A label of fixed size asks nobody to lay it out again when its text changes,
        // which during a shuffle it does fourteen times every 5 ms.
        label->setFixedSize(label->size());
        label->setTextFormat(Qt::PlainText); // a number: no looking for markup in every new text
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(Fonts::font(look.points, true));
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, look.background);
        palette.setColor(QPalette::WindowText, look.text);
        label->setPalette(palette);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAccessibleName(look.spokenName());
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

void RollPanel::announceValues()
{
    for (int i = 0; i < Roll::FieldCount; ++i) {
        QLabel *label = m_labels.at(static_cast<size_t>(i));
        label->setAccessibleName(QStringLiteral("%1, %2").arg(die(i).spokenName(), label->text()));
        QAccessibleValueChangeEvent event(label, label->text());
        QAccessible::updateAccessibility(&event);
    }
}

void RollPanel::setCaption(int label, const QString &text)
{
    m_labels.at(static_cast<size_t>(label))->setText(text);
}
