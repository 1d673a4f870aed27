#include "ui/ScoresheetWindow.h"

#include "scoresheet/Scoresheet.h"
#include "scoresheet/ScoresheetOverflow.h"
#include "services/Printer.h"
#include "services/Prompter.h"
#include "ui/Appearance.h"
#include "ui/LockedValidator.h"
#include "ui/ScoresheetLayout.h"
#include "ui/WindowContext.h"
#include "ui/art/ArtPicture.h"
#include "ui/art/Fonts.h"

#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace G = ScoresheetGeometry;

namespace {
QWidget *makePanel(QWidget *parent, const QString &objectName, const TwipRect &rect)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(objectName);
    panel->setGeometry(toPixels(rect));
    panel->setAutoFillBackground(true);
    return panel;
}
} // namespace

ScoresheetWindow::ScoresheetWindow(WindowContext &context, QWidget *parent)
    : RollWindow(context, QStringLiteral("frmScoresheet"), tr("Scoresheet"), parent)
    , m_sheet(std::make_unique<Scoresheet>())
{
    // A maximized window only shows more of the white paper; the sheet stays at the top left.
    m_client = makeClientArea(toPixels(G::ClientArea).size());
    QPalette paper = m_client->palette();
    paper.setColor(QPalette::Button, Qt::white);
    paper.setColor(QPalette::ButtonText, Qt::black);
    m_client->setPalette(paper);

    buildSheet(m_client);
    buildMenus();
    applyTabOrder();

    resize(sizeHint());
    centreOnScreen(this);
    m_client->findChild<QLineEdit *>(QStringLiteral("txtTeamA"))->setFocus();
}

ScoresheetWindow::~ScoresheetWindow() = default;

void ScoresheetWindow::buildSheet(QWidget *client)
{
    // Made back to front: the sheet picture, "View Rolls", the linescore panel, the
    // hidden buttons, the sheet's fields, and the roll panel in front of them all.
    auto *picture = new ArtPicture(Art::Picture::Sheet, client);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->move(toPixels(G::SheetPicture).topLeft());

    m_cmdViewRolls = makeButton(client, QStringLiteral("cmdViewRolls"), tr("View Rolls"), G::cmdViewRolls);

    m_frame1 = makePanel(client, QStringLiteral("Frame1"), G::Frame1);
    auto *linescore = new ArtPicture(Art::Picture::Linescore, m_frame1);
    linescore->setObjectName(QStringLiteral("Image5"));
    linescore->move(toPixels(G::LinescorePicture).topLeft());

    m_cmdReset = makeButton(client, QStringLiteral("cmdReset"), tr("Reset"), G::cmdReset);
    m_cmdPrint = makeButton(client, QStringLiteral("cmdPrint"), tr("Print Scoresheet"), G::cmdPrint);
    m_cmdRules = makeButton(client, QStringLiteral("cmdRules"), tr("View Rules"), G::cmdRules);
    for (QPushButton *hidden : {m_cmdReset, m_cmdPrint, m_cmdRules})
        hidden->hide();

    for (Field *field : m_sheet->fields())
        bindField(*field, client, m_frame1);

    m_frame2 = makePanel(client, QStringLiteral("Frame2"), G::Frame2);
    addRollPanel(RollPanel::Variant::Scoresheet, m_frame2);

    connect(m_cmdReset, &QPushButton::clicked, this, &ScoresheetWindow::resetSheet);
    connect(m_cmdPrint, &QPushButton::clicked, this, &ScoresheetWindow::printSheet);
    connect(m_cmdRules, &QPushButton::clicked, this, &ScoresheetWindow::openRules);
    connect(m_cmdViewRolls, &QPushButton::clicked, this, &ScoresheetWindow::showRolls);
    connect(panel().cmdLinescore(), &QPushButton::clicked, this, &ScoresheetWindow::showLinescore);
}

QLineEdit *ScoresheetWindow::bindField(Field &field, QWidget *sheetParent, QWidget *linescoreParent)
{
    const std::optional<FieldPlacement> placement = scoresheetFieldPlacement(field.name(), field.index());
    const bool inLinescore = placement && placement->panel == FieldPlacement::Panel::Linescore;
    auto *edit = new QLineEdit(field.text(), inLinescore ? linescoreParent : sheetParent);
    edit->setObjectName(field.objectName());
    edit->setFrame(false);

    if (field.entry() == Entry::Hidden || !placement) {
        // A column's hidden total: it has a control, but one that is never shown.
        edit->hide();
    } else {
        edit->setGeometry(toPixelsInside(placement->rect));
        edit->setAlignment(placement->alignment);
        edit->setTextMargins(0, 0, 0, 0);
        if (placement->points != 8.25 || placement->bold)
            edit->setFont(Fonts::font(placement->points, placement->bold));
        if (placement->colour != QColor(Qt::black)) {
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Text, placement->colour);
            edit->setPalette(palette);
        }
    }

    if (field.entry() == Entry::Typed) {
        // One edit, one write: the cascade runs inside it.
        connect(edit, &QLineEdit::textEdited, this, [this, &field](const QString &text) {
            guarded([&] { field.write(text); });
        });
        // What the sheet writes shows at once. The control that was typed into already
        // holds the text, and setText() would only move its caret.
        field.setView([edit](const QString &text) {
            if (edit->text() != text)
                edit->setText(text);
        });
    } else {
        auto *locked = new LockedValidator(edit);
        edit->setValidator(locked);
        field.setView([locked](const QString &text) { locked->show(text); });
    }
    return edit;
}

void ScoresheetWindow::buildMenus()
{
    QMenu *file = addMenu(QStringLiteral("mnuFile"), tr("&File"));
    QAction *reset = file->addAction(tr("&Reset Scoresheet"));
    reset->setObjectName(QStringLiteral("mnuReset"));
    QAction *print = file->addAction(tr("&Print Scoresheet"));
    print->setObjectName(QStringLiteral("mnuPrint"));
    QAction *exitItem = file->addAction(tr("E&xit"));
    exitItem->setObjectName(QStringLiteral("mnuExit"));
    // The menu items press the hidden buttons, where the commands' work lives.
    connect(reset, &QAction::triggered, m_cmdReset, &QPushButton::click);
    connect(print, &QAction::triggered, m_cmdPrint, &QPushButton::click);
    connect(exitItem, &QAction::triggered, this, &ScoresheetWindow::confirmExit);

    addSoundMenu();

    QAction *rules = addMenu(QStringLiteral("mnuHelp"), tr("&Help"))->addAction(tr("&View Rules"));
    rules->setObjectName(QStringLiteral("mnuRules"));
    connect(rules, &QAction::triggered, m_cmdRules, &QPushButton::click);
}

void ScoresheetWindow::applyTabOrder()
{
    QHash<QString, QWidget *> byName;
    for (QWidget *w : m_client->findChildren<QWidget *>())
        byName.insert(w->objectName(), w);
    QWidget *previous = nullptr;
    for (const QString &name : scoresheetTabOrder()) {
        QWidget *next = byName.value(name);
        Q_ASSERT_X(next, "frmScoresheet", "a control in the tab order does not exist");
        if (!next)
            continue;
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

template <typename Write> void ScoresheetWindow::guarded(Write &&write)
{
    try {
        write();
    } catch (const ScoresheetOverflow &overflow) {
        context().prompter.inform(this, overflow.message());
    }
}

void ScoresheetWindow::resetSheet()
{
    guarded([this] {
        m_sheet->reset([this] { return context().prompter.askYesNo(this, Scoresheet::resetQuestion()); });
    });
}

void ScoresheetWindow::showLinescore()
{
    m_frame2->hide();
    m_frame1->show();
}

void ScoresheetWindow::showRolls()
{
    m_frame1->hide();
    m_frame2->show();
}

void ScoresheetWindow::printSheet()
{
    m_frame1->show();
    m_frame2->hide();
    m_cmdViewRolls->hide();

    // The printout is the sheet as designed, with the linescore under it; a maximized
    // window's extra white is left out.
    const QImage image = m_client->grab(QRect(QPoint(0, 0), toPixels(G::ClientArea).size())).toImage();
    QString error;
    const bool printed = context().printer.printImage(image, &error);

    m_frame1->hide();
    m_frame2->show();
    m_cmdViewRolls->show();

    if (!printed)
        context().prompter.inform(this, error.isEmpty() ? tr("The scoresheet could not be printed.") : error);
}

void ScoresheetWindow::confirmExit()
{
    if (context().prompter.askYesNo(this, tr("Are you sure you want to Exit?")))
        close();
}
