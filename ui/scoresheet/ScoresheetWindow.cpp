#include "ui/scoresheet/ScoresheetWindow.h"

#include "roll/RollHistory.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "scoresheet/ScoresheetOverflow.h"
#include "services/FileDialogs.h"
#include "services/Printer.h"
#include "services/Prompter.h"
#include "ui/Appearance.h"
#include "ui/WindowContext.h"
#include "ui/art/ArtPicture.h"
#include "ui/art/Fonts.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/LockedValidator.h"
#include "ui/scoresheet/ScoresheetLayout.h"
#include "ui/scoresheet/ScoresheetPage.h"
#include "ui/scoresheet/SheetCell.h"
#include "ui/scoresheet/SheetEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStyle>
#include <QUndoStack>

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
    , m_history(new QUndoStack(this))
    , m_rolls(new RollHistory(this))
{
    // A maximized window only shows more of the white paper; the sheet stays at the top left.
    m_client = makeClientArea(toPixels(G::ClientArea).size());
    QPalette paper = m_client->palette();
    paper.setColor(QPalette::Button, Qt::white);
    paper.setColor(QPalette::ButtonText, Qt::black);
    m_client->setPalette(paper);

    m_keeper = new GameKeeper(context, *m_sheet, *m_history, *m_rolls, this);
    buildSheet(m_client);
    buildMenus();
    applyTabOrder();

    // Keystrokes merge into one step until the focus moves on.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this] { ++m_typingRun; });
    connect(m_history, &QUndoStack::indexChanged, m_keeper, &GameKeeper::sheetChanged);
    connect(m_history, &QUndoStack::cleanChanged, this, &ScoresheetWindow::showTitle);
    connect(m_keeper, &GameKeeper::filePathChanged, this, &ScoresheetWindow::showTitle);

    fitIntoScreen();
    m_client->findChild<QLineEdit *>(QStringLiteral("txtTeamA"))->setFocus();
}

void ScoresheetWindow::fitIntoScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize wanted = sizeHint();
    if (!screen) {
        resize(wanted);
        return;
    }
    const QRect available = screen->availableGeometry();
    // The frame is known only once the window is shown: a title bar and borders of the
    // usual size stand in for it.
    const int border = 4;
    const QMargins frame(border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border);
    const QSize room = available.size().shrunkBy(frame);
    const QPoint inside = available.topLeft() + QPoint(frame.left(), frame.top());
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) {
        resize(wanted);
        centreOnScreen(this);
        // Centred, the title bar must still be on the screen.
        move(qMax(x(), inside.x()), qMax(y(), inside.y()));
        return;
    }
    // A screen smaller than the sheet: the window takes the room there is, title bar and
    // all inside the screen, and the sheet scrolls inside it.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sheetScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(takeCentralWidget());
    setCentralWidget(scroll);
    resize(wanted.boundedTo(room));
    move(inside);
}

ScoresheetWindow::~ScoresheetWindow()
{
    // Focus moves and the history tells of its end while the children go; by then this
    // is no ScoresheetWindow any more.
    disconnect(m_focusWatch);
    m_history->disconnect();
}

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
    m_page = std::make_unique<ScoresheetPage>(*client, *m_frame1);

    m_frame2 = makePanel(client, QStringLiteral("Frame2"), G::Frame2);
    addRollPanel(RollPanel::Variant::Scoresheet, m_frame2);

    // What Frame2 covers is hidden, so that Tab never lands on a field nobody can see.
    showRolls();

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
    auto *edit = new SheetCell(field.text(), inLinescore ? linescoreParent : sheetParent);
    edit->setObjectName(field.objectName());
    edit->setFrame(false);
    edit->setAccessibleName(spokenFieldName(field));
    if (field.entry() != Entry::Typed)
        edit->setAccessibleDescription(tr("Computed by the sheet; read only"));
    // Enter moves on to the next field, as on a paper form.
    edit->installEventFilter(this);

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
        connect(edit, &QLineEdit::textEdited, this, [this, &field](const QString &text) { typeInto(field, text); });
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
    // A command from a menu ends the typing step that was going on.
    const auto addCommand = [this](QMenu *menu, const char *objectName, const QString &text,
                                   const QList<QKeySequence> &keys, std::function<void()> command) {
        QAction *item = menu->addAction(text);
        item->setObjectName(QLatin1String(objectName));
        item->setShortcuts(keys);
        connect(item, &QAction::triggered, this, [this, command = std::move(command)] {
            ++m_typingRun;
            command();
        });
        return item;
    };
    addCommand(file, "mnuOpen", tr("&Open Game..."), {QKeySequence::Open}, [this] { m_keeper->openGame(); });
    addCommand(file, "mnuSave", tr("&Save Game"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { m_keeper->save(); });
    addCommand(file, "mnuSaveAs", tr("Save Game &As..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
               [this] { m_keeper->saveAs(); });
    file->addSeparator();
    // These two press the hidden buttons, where the commands' work lives.
    addCommand(file, "mnuReset", tr("&Reset Scoresheet"), {}, [this] { m_cmdReset->click(); });
    addCommand(file, "mnuPrint", tr("&Print Scoresheet"), {}, [this] { m_cmdPrint->click(); });
    addCommand(file, "mnuExportPdf", tr("Export P&DF..."), {}, [this] { exportPdf(); });
    file->addSeparator();
    addCommand(file, "mnuRecover", tr("Re&cover Last Sheet"), {}, [this] { m_keeper->recoverLastSheet(); });
    file->addSeparator();
    addCommand(file, "mnuExit", tr("E&xit"), {}, [this] { confirmExit(); });

    QMenu *edit = addMenu(QStringLiteral("mnuEdit"), tr("&Edit"));
    QAction *undo = m_history->createUndoAction(edit, tr("&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction *redo = m_history->createRedoAction(edit, tr("&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addActions({undo, redo});
    // The typing step in hand closes before it is undone.
    connect(undo, &QAction::triggered, this, [this] { ++m_typingRun; });

    addSoundMenu(*m_rolls);

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

void ScoresheetWindow::typeInto(Field &field, const QString &text)
{
    // A field holds one line: what a paste brings of line breaks and other control
    // characters becomes blanks, so that every sheet can be saved and opened again.
    QString line = text;
    for (QChar &c : line) {
        if (c != u'\t'
            && (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
                || c.category() == QChar::Separator_Paragraph))
            c = u' ';
    }
    SheetChangeRecorder recorder(*m_sheet);
    guarded([&] { field.write(line); });
    record(new SheetEdit(*m_sheet, tr("Typing in %1").arg(describeField(field)), recorder, &field, m_typingRun));
}

void ScoresheetWindow::resetSheet()
{
    ++m_typingRun;
    SheetChangeRecorder recorder(*m_sheet);
    guarded(
        [this] { m_sheet->reset([this] { return context().prompter.askYesNo(this, Scoresheet::resetQuestion()); }); });
    record(new SheetEdit(*m_sheet, tr("Reset Scoresheet"), recorder));
}

void ScoresheetWindow::record(SheetEdit *step)
{
    if (step->isEmpty()) {
        delete step;
        return;
    }
    // The stack tells the autosave of every push, a merged keystroke too.
    m_history->push(step);
}

void ScoresheetWindow::showTitle()
{
    const QString path = m_keeper->filePath();
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty() ? tr("Scoresheet") : QFileInfo(path).fileName() + QStringLiteral("[*]"));
    setWindowModified(!path.isEmpty() && !m_history->isClean());
}

bool ScoresheetWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            focusNextPrevChild(true);
            return true;
        }
    }
    // The sheet keeps the one history of edits: a field's own undo stays out of it.
    // Ctrl+Z and its kin in a field go to the sheet's Undo and Redo, not the field's own.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)
            || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z)) {
            // Unaccepted, the override lets the window's shortcuts have the keys.
            event->ignore();
            return true;
        }
    }
    return RollWindow::eventFilter(watched, event);
}

void ScoresheetWindow::showEvent(QShowEvent *event)
{
    RollWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        // After the window is up, so that a question stands in front of it.
        QMetaObject::invokeMethod(m_keeper, &GameKeeper::windowShown, Qt::QueuedConnection);
    }
}

void ScoresheetWindow::closeEvent(QCloseEvent *event)
{
    m_keeper->windowClosing();
    RollWindow::closeEvent(event);
}

void ScoresheetWindow::showLinescore()
{
    showLowerPanel(true);
}

void ScoresheetWindow::showRolls()
{
    showLowerPanel(false);
}

void ScoresheetWindow::showLowerPanel(bool linescore)
{
    // The panel not shown is hidden, not merely covered: Tab skips hidden fields.
    const bool hadFocus = m_frame1->isAncestorOf(focusWidget()) || m_frame2->isAncestorOf(focusWidget())
                          || focusWidget() == m_cmdViewRolls;
    m_frame1->setVisible(linescore);
    m_cmdViewRolls->setVisible(linescore);
    m_frame2->setVisible(!linescore);
    // The button that switched the panels went with them; the focus goes to the one that switches back.
    if (hadFocus)
        (linescore ? static_cast<QWidget *>(m_cmdViewRolls) : panel().cmdLinescore())->setFocus();
}

void ScoresheetWindow::printSheet()
{
    m_frame1->show();
    m_frame2->hide();
    m_cmdViewRolls->hide();

    QString error;
    const bool printed = context().printer.print(*m_page, &error);

    showRolls();

    if (!printed)
        context().prompter.inform(this, error.isEmpty() ? tr("The scoresheet could not be printed.") : error);
}

QString ScoresheetWindow::suggestedPdfPath() const
{
    const auto team = [this](const char *name, const QString &fallback) {
        QString text = m_sheet->findControl(QString::fromLatin1(name))->text().simplified();
        // A name may hold what a file name may not.
        static const QString notInFileNames = QStringLiteral("/\\:*?\"<>|");
        for (QChar &c : text)
            if (notInFileNames.contains(c))
                c = u'-';
        return text.isEmpty() ? fallback : text;
    };
    const QString name = tr("%1 at %2 %3.pdf")
                             .arg(team("txtTeamA", tr("Away")), team("txtTeamH", tr("Home")),
                                  QDate::currentDate().toString(Qt::ISODate));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name);
}

void ScoresheetWindow::exportPdf()
{
    const QString file = context().dialogs.exportPdf(this, suggestedPdfPath());
    if (file.isEmpty())
        return;
    QString error;
    if (!context().printer.writePdf(*m_page, file, &error))
        context().prompter.inform(this, error.isEmpty() ? tr("The PDF file could not be written.") : error);
}

void ScoresheetWindow::confirmExit()
{
    if (context().prompter.askYesNo(this, tr("Are you sure you want to Exit?")))
        close();
}
