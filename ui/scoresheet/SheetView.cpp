#include "ui/scoresheet/SheetView.h"

#include "scoresheet/Scoresheet.h"
#include "ui/Appearance.h"
#include "ui/art/ArtPicture.h"
#include "ui/art/Fonts.h"
#include "ui/roll/RollPanel.h"
#include "ui/scoresheet/LockedValidator.h"
#include "ui/scoresheet/ScoresheetLayout.h"
#include "ui/scoresheet/ScoresheetPage.h"
#include "ui/scoresheet/SheetCell.h"

#include <QPushButton>

namespace G = ScoresheetGeometry;

namespace {
void makePanel(QWidget *panel, const QString &objectName, const TwipRect &rect)
{
    panel->setObjectName(objectName);
    panel->setGeometry(toPixels(rect));
    panel->setAutoFillBackground(true);
}
} // namespace

SheetView::SheetView(Scoresheet &sheet, RollPanel &panel, QWidget *rollArea, QWidget *parent)
    : QWidget(parent)
    , m_sheet(sheet)
    , m_panel(panel)
{
    // Made back to front: the sheet picture, "View Rolls", the linescore panel, the hidden
    // buttons, the sheet's fields, and the roll panel in front of them all.
    auto *picture = new ArtPicture(Art::Picture::Sheet, this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->move(toPixels(G::SheetPicture).topLeft());

    m_cmdViewRolls = makeButton(this, QStringLiteral("cmdViewRolls"), tr("View Rolls"), G::cmdViewRolls);

    m_frame1 = new QWidget(this);
    makePanel(m_frame1, QStringLiteral("Frame1"), G::Frame1);
    auto *linescore = new ArtPicture(Art::Picture::Linescore, m_frame1);
    linescore->setObjectName(QStringLiteral("Image5"));
    linescore->move(toPixels(G::LinescorePicture).topLeft());

    // The commands' hidden buttons: they lie outside the client area, and the user never sees them.
    m_cmdReset = makeButton(this, QStringLiteral("cmdReset"), tr("Reset"), G::cmdReset);
    m_cmdPrint = makeButton(this, QStringLiteral("cmdPrint"), tr("Print Scoresheet"), G::cmdPrint);
    m_cmdRules = makeButton(this, QStringLiteral("cmdRules"), tr("View Rules"), G::cmdRules);
    for (QPushButton *hidden : {m_cmdReset, m_cmdPrint, m_cmdRules})
        hidden->hide();

    for (Field *field : m_sheet.fields()) {
        SheetCell *cell = bind(*field);
        m_cells.insert(field, cell);
        m_fields.insert(cell, field);
    }
    const std::vector<EntryStop> &entryOrder = scoresheetEntryOrder();
    for (qsizetype i = 0; i < qsizetype(entryOrder.size()); ++i) {
        const TabStop &stop = entryOrder[std::size_t(i)].stop;
        m_entryPlace.insert(cell(m_sheet.field(stop.column, stop.side, stop.index)), i);
    }
    m_page = std::make_unique<ScoresheetPage>(*this, *m_frame1);

    m_frame2 = rollArea;
    m_frame2->setParent(this);
    makePanel(m_frame2, QStringLiteral("Frame2"), G::Frame2);

    applyTabOrder(panel);
    // What Frame2 covers is hidden, so that Tab never lands on a field nobody can see.
    showRolls();

    connect(m_cmdViewRolls, &QPushButton::clicked, this, &SheetView::showRolls);
    connect(panel.cmdLinescore(), &QPushButton::clicked, this, &SheetView::showLinescore);
}

SheetView::~SheetView() = default;

SheetCell *SheetView::bind(Field &field)
{
    const std::optional<FieldPlacement> placement = scoresheetFieldPlacement(field.column(), field.side(),
                                                                             field.index());
    const bool inLinescore = placement && placement->panel == FieldPlacement::Panel::Linescore;
    auto *cell = new SheetCell(field.text(), inLinescore ? m_frame1 : this);
    cell->setObjectName(field.objectName());
    cell->setFrame(false);
    cell->setAccessibleName(spokenFieldName(field.column(), field.side(), field.index()));
    if (field.entry() != Entry::Typed)
        cell->setAccessibleDescription(tr("Computed by the sheet; read only"));
    connect(cell, &SheetCell::enterPressed, this, [this, cell](bool back) { moveOn(cell, back); });
    connect(cell, &SheetCell::arrowPressed, this, [this, cell](bool up) { moveVertically(cell, up); });
    cell->setNumberCell(field.column().holdsNumbers());

    if (!placement) {
        // A column's hidden total: it has a control, but one that is never shown.
        cell->hide();
    } else {
        cell->setGeometry(toPixelsInside(placement->rect));
        cell->setAlignment(placement->alignment);
        cell->setTextMargins(0, 0, 0, 0);
        if (placement->points != 8.25 || placement->bold)
            cell->setFont(Fonts::font(placement->points, placement->bold));
        if (placement->colour != QColor(Qt::black)) {
            QPalette palette = cell->palette();
            palette.setColor(QPalette::Text, placement->colour);
            cell->setPalette(palette);
        }
    }

    if (field.entry() == Entry::Typed) {
        // One edit, one write: the cascade runs inside it.
        connect(cell, &QLineEdit::textEdited, this, [this, &field](const QString &text) { Q_EMIT typed(field, text); });
        // What the sheet writes shows at once. The control that was typed into already
        // holds the text, and setText() would only move its caret.
        field.setView([cell](const QString &text) {
            if (cell->text() != text)
                cell->setText(text);
        });
    } else {
        auto *locked = new LockedValidator(cell);
        cell->setValidator(locked);
        field.setView([locked](const QString &text) { locked->show(text); });
    }
    return cell;
}

void SheetView::applyTabOrder(RollPanel &panel)
{
    QWidget *previous = nullptr;
    const auto next = [&](QWidget *widget) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    };
    for (const TabStop &stop : scoresheetTabOrder())
        next(cell(m_sheet.field(stop.column, stop.side, stop.index)));
    next(panel.cmdRoll());
    next(panel.cmdLinescore());
    next(m_cmdViewRolls);
}

void SheetView::reach(SheetCell *cell)
{
    // As Tab does: the whole value selected, so that typing replaces it.
    cell->setFocus(Qt::TabFocusReason);
    cell->selectAll();
}

void SheetView::moveOn(SheetCell *from, bool back)
{
    const auto place = m_entryPlace.constFind(from);
    if (place == m_entryPlace.constEnd()) {
        // A computed field: Enter goes on as Tab does.
        focusNextPrevChild(!back);
        return;
    }
    const std::vector<EntryStop> &order = scoresheetEntryOrder();
    const qsizetype count = qsizetype(order.size());
    qsizetype i = *place;
    do {
        i = (i + (back ? count - 1 : 1)) % count;
    } while (!order[std::size_t(i)].entered);
    const TabStop &stop = order[std::size_t(i)].stop;
    reach(cell(m_sheet.field(stop.column, stop.side, stop.index)));
}

void SheetView::moveVertically(SheetCell *from, bool up)
{
    const Field *field = m_fields.value(from);
    const SheetColumn &column = field->column();
    const int rows = column.block == Block::Batting   ? SheetColumn::BattingRows
                     : column.block == Block::Innings ? SheetColumn::InningRows
                                                      : 0;
    const int row = field->row() + (up ? -1 : 1);
    if (row < 1 || row > rows)
        return;
    reach(cell(m_sheet.field(column.id, field->side(), column.element(field->side(), row))));
}

bool SheetView::showsLinescore() const
{
    return m_frame1->isVisibleTo(this);
}

void SheetView::showLinescore()
{
    showLowerPanel(true);
}

void SheetView::showRolls()
{
    showLowerPanel(false);
}

void SheetView::showPrintView()
{
    m_frame1->show();
    m_frame2->hide();
    m_cmdViewRolls->hide();
}

void SheetView::showLowerPanel(bool linescore)
{
    // The panel not shown is hidden, not merely covered: Tab skips hidden fields.
    QWidget *focus = window()->focusWidget();
    const bool hadFocus = m_frame1->isAncestorOf(focus) || m_frame2->isAncestorOf(focus) || focus == m_cmdViewRolls;
    m_frame1->setVisible(linescore);
    m_cmdViewRolls->setVisible(linescore);
    m_frame2->setVisible(!linescore);
    // The button that switched the panels went with them; the focus goes to the one that switches back.
    if (hadFocus)
        (linescore ? static_cast<QWidget *>(m_cmdViewRolls) : m_panel.cmdLinescore())->setFocus();
}
