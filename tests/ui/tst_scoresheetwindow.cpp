#include "app/Navigator.h"
#include "scoresheet/Scoresheet.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/roll/Dice.h"
#include "ui/roll/RollPanelLayout.h"
#include "ui/scoresheet/CellText.h"
#include "ui/scoresheet/ScoresheetLayout.h"
#include "ui/scoresheet/ScoresheetWindow.h"
#include "ui/scoresheet/SheetCell.h"
#include "ui/scoresheet/SheetView.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Collects the regions a widget is asked to paint.
class PaintSpy final : public QObject
{
public:
    explicit PaintSpy(QWidget *widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
    }
    ~PaintSpy() override { m_widget->removeEventFilter(this); }

    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    QWidget *m_widget;
};

class TestScoresheetWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestContext> m_ctx;
    QPointer<ScoresheetWindow> m_window;

    template <typename T = QWidget> T *find(const QString &name) const
    {
        T *child = m_window->findChild<T *>(name);
        if (!child)
            qWarning("no control named %s", qPrintable(name));
        return child;
    }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QString text(const QString &name) const { return edit(name)->text(); }
    void type(const QString &name, const QString &keys)
    {
        QLineEdit *e = edit(name);
        e->setFocus();
        e->end(false);
        QTest::keyClicks(e, keys);
    }
    void trigger(const char *action) { find<QAction>(QString::fromLatin1(action))->trigger(); }
    QStringList hiddenNames() const
    {
        return {"txtRBIA_0", "txtRBIH_0", "txtHitPA_0", "txtHitPH_0", "cmdReset", "cmdPrint", "cmdRules"};
    }
    void verifyHiddenStayHidden()
    {
        for (const QString &name : hiddenNames())
            QVERIFY2(!find(name)->isVisible(), qPrintable(name));
    }
    void openWindow()
    {
        m_window = new ScoresheetWindow(m_ctx->context);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

private Q_SLOTS:
    void initTestCase() { applyAppearance(*qApp); }

    void init()
    {
        m_ctx = std::make_unique<TestContext>();
        openWindow();
    }

    void cleanup()
    {
        delete m_window.data();
        m_ctx.reset();
    }

    // The window opens with its caption, 734 x 711 client area, the rolls view, hidden extras hidden and the focus in
    // txtTeamA.
    void opensAsDesigned()
    {
        QCOMPARE(shownTitle(m_window), QStringLiteral("Scoresheet"));
        QCOMPARE(m_window->view().size(), QSize(734, 711));
        QVERIFY(isCentredOnScreen(m_window));
        QVERIFY(m_window->windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(QApplication::focusWidget(), find("txtTeamA"));
        QVERIFY(find("Frame2")->isVisible());
        // Frame2 lies in front of Frame1 and of "View Rolls" and covers them.
        const QObjectList &order = m_window->view().children();
        QVERIFY(order.indexOf(find("Frame2")) > order.indexOf(find("Frame1")));
        QVERIFY(order.indexOf(find("Frame2")) > order.indexOf(find("cmdViewRolls")));
        QVERIFY(find("Frame2")->geometry().contains(find("cmdViewRolls")->geometry()));
        verifyHiddenStayHidden();
        for (const char *counter : {"txtNeedHRBIA", "txtNeedHA", "txtRunsA", "txtHitsA", "txtRunsH2", "txtHitsH2"})
            QCOMPARE(text(QString::fromLatin1(counter)), QStringLiteral("0"));
        QVERIFY(text("txtHitA_1").isEmpty());
        QVERIFY(m_ctx->soundSetting.isOn());
        QVERIFY(find<QAction>("mnuOn")->isChecked());
        QVERIFY(!find<QAction>("mnuOff")->isChecked());
    }

    // Menus stand in order with the captions of the sheet's commands and their shortcut keys.
    void menus()
    {
        QStringList titles;
        for (QAction *a : m_window->menuBar()->actions())
            titles << a->text().remove(QLatin1Char('&'));
        QCOMPARE(titles, (QStringList{"File", "Edit", "View", "Sound", "Help"}));
        QStringList file;
        for (QAction *a : find<QMenu>("mnuFile")->actions())
            file << a->objectName() + ':' + a->text().remove(QLatin1Char('&')) + ':'
                        + a->shortcut().toString(QKeySequence::PortableText);
        QCOMPARE(file,
                 (QStringList{"mnuNew:New Game:Ctrl+N", "mnuNewSameLineups:New Game with These Lineups:Ctrl+Shift+N",
                              "mnuOpen:Open Game...:Ctrl+O", "mnuSave:Save Game:Ctrl+S",
                              "mnuSaveAs:Save Game As...:Ctrl+Shift+S",
                              "::", "mnuReset:Reset Scoresheet:", "mnuPrint:Print Scoresheet:",
                              "mnuExportPdf:Export PDF...:", "::", "mnuGameDetails:Game Details...:",
                              "mnuSeason:Season Book...:", "::", "mnuRecover:Recover Last Sheet:",
                              "mnuRecoverUnsaved:Recover Unsaved Games...:", "::", "mnuExit:Exit:"}));
        QStringList edit;
        for (QAction *a : find<QMenu>("mnuEdit")->actions())
            edit << a->objectName() + ':' + a->shortcut().toString(QKeySequence::PortableText);
        QCOMPARE(edit, (QStringList{"mnuUndo:Ctrl+Z", "mnuRedo:Ctrl+Shift+Z"}));
        QCOMPARE(find<QAction>("mnuRedo")->shortcuts().size(), 2);
        QCOMPARE(find<QAction>("mnuRules")->text().remove(QLatin1Char('&')), QStringLiteral("View Rules"));
    }

    // Every field of the sheet has a control of its name, inside its cell and with its look.
    void controlsAtTheirRectangles()
    {
        int placed = 0;
        for (Field *field : m_window->sheet().fields()) {
            QLineEdit *e = edit(field->objectName());
            QVERIFY(e);
            const auto placement = scoresheetFieldPlacement(field->column(), field->side(), field->index());
            if (field->entry() == Entry::Hidden) {
                QVERIFY(!placement);
                continue;
            }
            QVERIFY2(placement, qPrintable(field->objectName()));
            QCOMPARE(e->geometry(), toPixelsInside(placement->rect));
            QCOMPARE(e->hasFrame(), false);
            ++placed;
        }
        QCOMPARE(placed, 2 * (7 * 12 + 7 * 14) + 2 * 14 + 18);
        QCOMPARE(find("Frame2")->geometry(), toPixels(ScoresheetGeometry::Frame2));
        QCOMPARE(find("Frame1")->geometry(), toPixels(ScoresheetGeometry::Frame1));
        QCOMPARE(find("cmdViewRolls")->geometry(), toPixels(ScoresheetGeometry::cmdViewRolls));
        QCOMPARE(find("txtHitterA_1")->geometry(), QRect(56, 37, 116, 15));
        // A few looks: red counters, the bold runs total, left-aligned names.
        QCOMPARE(edit("txtNeedHA")->palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(edit("txtRunsA")->font().bold());
        QCOMPARE(edit("txtHitsA")->palette().color(QPalette::Text), QColor(0, 0, 0));
        QVERIFY(edit("txtHitterA_3")->alignment() & Qt::AlignLeft);
        QVERIFY(edit("txtHitA_3")->alignment() & Qt::AlignHCenter);
        QCOMPARE(edit("txtTeamA3")->parentWidget(), find("Frame1"));
    }

    // The roll panel in Frame2 is the scoresheet variant: its dice, labels, pictures and buttons at their rectangles.
    void rollPanelLayout()
    {
        const RollPanelLayout &table = scoresheetPanelLayout();
        QWidget *frame = find("Frame2");
        for (int i = 0; i < Roll::FieldCount; ++i) {
            const DieLayout &d = table.dice.at(size_t(i));
            QWidget *label = find(die(i).labelName());
            QCOMPARE(label->parentWidget(), frame);
            QCOMPARE(label->geometry(), toPixels(d.labelRect));
            QCOMPARE(find(diePictureName(i))->geometry(), toPixels(d.dieRect));
        }
        QCOMPARE(find("Image2")->pos(), QPoint(8, 0));
        QCOMPARE(find("Image3")->pos(), QPoint(336, -2));
        QCOMPARE(find("Image4")->pos(), QPoint(174, 87));
        QCOMPARE(find("cmdRoll")->geometry(), toPixels({720, 1800, 1455, 495}));
        QCOMPARE(find("cmdLinescore")->geometry(), toPixels({7560, 1680, 1455, 615}));
        QCOMPARE(find<QPushButton>("cmdLinescore")->text(), QStringLiteral("View Linescore"));
        // Image3 in front of Image4 in front of Image2; the dice and labels in front of all three.
        const QObjectList &order = frame->children();
        const auto at = [&](const char *name) { return order.indexOf(find(QString::fromLatin1(name))); };
        QVERIFY(at("Image2") < at("Image4"));
        QVERIFY(at("Image4") < at("Image3"));
        QVERIFY(at("Image3") < at("imgDice_1"));
        QVERIFY(at("imgDice_14") < at("lblWho1"));
    }

    // Every field lies inside exactly one drawn cell: no black pixel of the picture under it,
    // and a grid cell's lines close around it on all four sides, so its grid lines stay visible.
    void fieldsLieInsideOneCell()
    {
        struct Picture
        {
            QWidget *panel;
            QImage image;
            QPoint origin; // of the picture in its panel
        };
        const auto pictureOf = [&](const char *name) {
            QWidget *picture = find(QString::fromLatin1(name));
            return Picture{picture->parentWidget(), picture->grab().toImage(), picture->pos()};
        };
        const Picture pictures[] = {pictureOf("Image1"), pictureOf("Image5")};
        int inCells = 0;
        for (Field *field : m_window->sheet().fields()) {
            QLineEdit *cell = edit(field->objectName());
            if (cell->isHidden())
                continue;
            const Picture &p = cell->parentWidget() == pictures[0].panel ? pictures[0] : pictures[1];
            const QRect r = cell->geometry().translated(-p.origin);
            const auto black = [&](int x, int y) {
                return p.image.rect().contains(x, y) && p.image.pixelColor(x, y) == QColor(Qt::black);
            };
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    QVERIFY2(!black(x, y), qPrintable(field->objectName() + QStringLiteral(" covers a line")));
            const Block block = field->column().block;
            if (block != Block::Batting && block != Block::Innings && block != Block::Linescore)
                continue;
            // A line within three pixels of each side, as long as the field is.
            const auto lineAcross = [&](int from, int step) {
                for (int y = from; qAbs(y - from) < 3; y += step) {
                    bool whole = true;
                    for (int x = r.left(); x <= r.right() && whole; ++x)
                        whole = black(x, y);
                    if (whole)
                        return true;
                }
                return false;
            };
            const auto lineDown = [&](int from, int step) {
                for (int x = from; qAbs(x - from) < 3; x += step) {
                    bool whole = true;
                    for (int y = r.top(); y <= r.bottom() && whole; ++y)
                        whole = black(x, y);
                    if (whole)
                        return true;
                }
                return false;
            };
            QVERIFY2(lineAcross(r.top() - 1, -1) && lineAcross(r.bottom() + 1, 1) && lineDown(r.left() - 1, -1)
                         && lineDown(r.right() + 1, 1),
                     qPrintable(field->objectName() + QStringLiteral(" is not closed in by its cell's lines")));
            ++inCells;
        }
        QCOMPARE(inCells, 2 * (7 * 12 + 7 * 14) + 2 * 14 + 6);
    }

    // In the away hits column the fifth row holds element 7, the sixth element 5, the seventh element 6.
    void awayHitsRowsFiveToSeven()
    {
        const auto rowOf = [&](int element) {
            return edit(QStringLiteral("txtHitA_%1").arg(element))->geometry().top();
        };
        QCOMPARE(rowOf(7), edit("txtHitterA_5")->geometry().top());
        QCOMPARE(rowOf(5), edit("txtHitterA_6")->geometry().top());
        QCOMPARE(rowOf(6), edit("txtHitterA_7")->geometry().top());
        QWidget *fifthRowCell = m_window->view().childAt(edit("txtHitA_1")->geometry().center().x(),
                                                         edit("txtHitterA_5")->geometry().center().y());
        QCOMPARE(fifthRowCell->objectName(), QStringLiteral("txtHitA_7"));
        type(fifthRowCell->objectName(), "2");
        QCOMPARE(m_window->sheet().field("txtHitA", 7).text(), QStringLiteral("2"));
        QCOMPARE(text("txtHitsA"), QStringLiteral("2"));
    }

    // A keystroke reaches every control that depends on it, in both halves.
    void keystrokesReachEveryDependent()
    {
        type("txtRA_3", "2");
        QCOMPARE(text("txtRunsA"), QStringLiteral("2"));
        QCOMPARE(text("txtRunsA2"), QStringLiteral("2"));
        QCOMPARE(text("txtInnA_3"), QStringLiteral("2"));
        QCOMPARE(text("txtNeedHRBIA"), QStringLiteral("2"));
        QCOMPARE(text("txtPullA_3"), QStringLiteral("3"));
        QVERIFY(text("txtInnA_2").isEmpty());

        type("txtRBIA_1", "1");
        QCOMPARE(text("txtNeedHRBIA"), QStringLiteral("1"));
        QCOMPARE(text("txtRBIA_0"), QStringLiteral("1"));

        type("txtHitPH_1", "3");
        QCOMPARE(text("txtHitsH"), QStringLiteral("3"));
        QCOMPARE(text("txtHitsH2"), QStringLiteral("3"));
        QCOMPARE(text("txtNeedHH"), QStringLiteral("3"));
        type("txtHitH_2", "1");
        QCOMPARE(text("txtHitsH"), QStringLiteral("1"));
        QCOMPARE(text("txtNeedHH"), QStringLiteral("2"));

        type("txtRH_10", "1");
        type("txtRH_10", "2"); // "12": two edits, each a write
        QCOMPARE(text("txtRunsH"), QStringLiteral("12"));
        QCOMPARE(text("txtInnH_10"), QStringLiteral("12"));

        // Each keystroke in a team name shows at once in both of its copies.
        type("txtTeamH", "Mi");
        QCOMPARE(text("txtTeamH2"), QStringLiteral("Mi"));
        QCOMPARE(text("txtTeamH3"), QStringLiteral("Mi"));
        QTest::keyClick(edit("txtTeamH"), Qt::Key_Backspace);
        QCOMPARE(text("txtTeamH3"), QStringLiteral("M"));
        // The other half is untouched.
        QCOMPARE(text("txtRunsA"), QStringLiteral("2"));
        QCOMPARE(text("txtTeamA2"), QString());
    }

    // A keystroke repaints the cells whose text changed and nothing else of the sheet: the
    // sheet's picture under them is painted only inside their rectangles.
    void keystrokeRepaintsOnlyItsCells()
    {
        QWidget *sheet = find("Image1");
        const QStringList changed = {"txtRA_5", "txtRunsA", "txtNeedHRBIA", "txtPullA_5", "txtInnA_5", "txtRunsA2"};
        QRegion cells;
        for (const QString &name : changed) {
            QWidget *cell = find(name);
            cells += QRect(cell->mapTo(m_window, QPoint()) - sheet->mapTo(m_window, QPoint()), cell->size());
        }
        edit("txtRA_5")->setFocus();
        QCoreApplication::processEvents();

        PaintSpy sheetPaints(sheet);
        PaintSpy runsPaints(find("txtRunsA"));
        QTest::keyClick(edit("txtRA_5"), Qt::Key_2);
        QCOMPARE(text("txtRunsA"), QStringLiteral("2"));
        QTRY_VERIFY(!runsPaints.painted.isEmpty()); // the repaint has happened
        const QRegion outside = sheetPaints.painted - cells;
        QVERIFY2(outside.isEmpty(),
                 qPrintable(QStringLiteral("the sheet was painted outside the changed cells, at %1,%2")
                                .arg(outside.boundingRect().x())
                                .arg(outside.boundingRect().y())));
    }

    // Read-only fields take the focus and a caret but no typing, deleting or pasting.
    void readOnlyFieldsRefuseTyping_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"txtNeedHRBIA", "txtNeedHH", "txtRunsA", "txtHitsH", "txtTeamA2", "txtTeamH3",
                              "txtInnA_1", "txtRunsH2", "txtHitsA2"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void readOnlyFieldsRefuseTyping()
    {
        QFETCH(QString, name);
        QLineEdit *e = edit(name);
        const QString before = e->text();
        e->setFocus();
        QCOMPARE(QApplication::focusWidget(), e);
        QVERIFY(!e->isReadOnly()); // a read-only QLineEdit would hide the caret
        QTest::keyClicks(e, "7x");
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClick(e, Qt::Key_Home);
        QTest::keyClick(e, Qt::Key_Delete);
        e->insert(QStringLiteral("9"));
        QCOMPARE(e->text(), before);
    }

    // A text wider than its cell shows from its first character, in a smaller size or cut short with "...", never
    // as another value ("2769" for "-32769"); the whole text is the tooltip. A typed cell shows its start too once
    // the focus has left it.
    void wideValuesShowTheirStart_data()
    {
        const QString longName = QStringLiteral("The Extraordinarily Long-Named Nine Club");
        QCOMPARE(longName.size(), 40);
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("cutShort");
        QTest::newRow("linescore inning") << "txtInnA_1"
                                          << "-32769" << false << false;
        QTest::newRow("linescore hits") << "txtHitsH2"
                                        << "30308" << false << false;
        QTest::newRow("linescore team") << "txtTeamA3" << longName << false << true;
        QTest::newRow("pitching header team") << "txtTeamA2" << longName << false << true;
        QTest::newRow("typed hitter") << "txtHitterA_1" << longName << true << true;
        QTest::newRow("fits as it is") << "txtRunsA"
                                       << "12" << false << false;
    }
    void wideValuesShowTheirStart()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(bool, typed);
        QFETCH(bool, cutShort);
        find<QPushButton>("cmdLinescore")->click();
        if (typed) {
            type(name, written);
            QTest::keyClick(edit(name), Qt::Key_Tab);
        } else {
            m_window->sheet().findControl(name)->restoreText(written);
        }
        auto *cell = find<SheetCell>(name);
        QVERIFY(!cell->hasFocus());
        QCOMPARE(cell->text(), written);
        const CellText shown = cell->fitted();
        QCOMPARE(shown.shown().front(), written.front());
        QCOMPARE(shown.shown().endsWith(QLatin1String("...")), cutShort);
        QCOMPARE(cell->toolTip(), shown.isWhole() ? QString() : written);
        QVERIFY(shown.font().pixelSize() >= CellText::MinimumPixelSize);
        // What is painted stands whole inside the cell: no ink runs off either side.
        const QImage painted = cell->grab().toImage();
        QRect ink;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                if (qGray(painted.pixel(x, y)) < 160 || qRed(painted.pixel(x, y)) > qGreen(painted.pixel(x, y)) + 80)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.left() > 0 && ink.right() < painted.width() - 1,
                 qPrintable(QStringLiteral("ink %1..%2 of %3").arg(ink.left()).arg(ink.right()).arg(painted.width())));
    }

    // Typing in the middle of a field keeps the caret where the user typed.
    void caretStaysWhereTyped()
    {
        QLineEdit *e = edit("txtHitA_1");
        e->setFocus();
        QTest::keyClicks(e, "2");
        QTest::keyClick(e, Qt::Key_Home);
        QTest::keyClicks(e, "13");
        QCOMPARE(e->text(), QStringLiteral("132"));
        QCOMPARE(e->cursorPosition(), 2);
        QCOMPARE(text("txtHitsA"), QStringLiteral("132"));
    }

    // Tab visits the fields in the sheet's order, from txtTeamA round to the lower panel's buttons and back,
    // and never lands on a field the panel in front hides: the linescore under the dice, or the dice under
    // the linescore.
    void tabOrder()
    {
        const auto walk = [] {
            QStringList visited;
            QWidget *start = QApplication::focusWidget();
            do {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget *now = QApplication::focusWidget();
                if (!now->isVisible())
                    visited << QStringLiteral("hidden ") + now->objectName();
                visited << now->objectName();
            } while (QApplication::focusWidget() != start && visited.size() < 1000);
            return visited;
        };
        const auto after = [](const QStringList &visited, const char *name) {
            const qsizetype i = visited.indexOf(QString::fromLatin1(name));
            return i >= 0 && i + 1 < visited.size() ? visited.at(i + 1) : QString();
        };
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtTeamA"));
        const QStringList rolls = walk();
        // Sheet fields and counters; the 34 linescore fields and "View Rolls" stay out.
        QCOMPARE(rolls.size(), 2 * (7 * 12 + 7 * 14) + 12 + 2);
        QCOMPARE(rolls.first(), QStringLiteral("txtTeamH"));
        QCOMPARE(after(rolls, "txtHitsH"), QStringLiteral("txtHitterA_1"));
        QCOMPARE(after(rolls, "txtPitcherH_14"), QStringLiteral("txtHitA_2"));
        QCOMPARE(after(rolls, "txtHitA_2"), QStringLiteral("txtHitA_3"));
        QCOMPARE(after(rolls, "txtHitA_3"), QStringLiteral("txtHitA_1"));
        QCOMPARE(after(rolls, "txtRA_1"), QStringLiteral("txtERA_1"));
        QCOMPARE(after(rolls, "txtPullA_1"), QStringLiteral("txtRA_2"));
        QCOMPARE(after(rolls, "txtPullA_14"), QStringLiteral("txtRH_1"));
        QCOMPARE(after(rolls, "txtRBIA_12"), QStringLiteral("txtRBIH_1"));
        QCOMPARE(after(rolls, "txtSBH_12"), QStringLiteral("txtNeedHRBIA"));
        QCOMPARE(after(rolls, "txtTeamA2"), QStringLiteral("cmdRoll"));
        QCOMPARE(after(rolls, "cmdRoll"), QStringLiteral("cmdLinescore"));
        QCOMPARE(rolls.last(), QStringLiteral("txtTeamA"));

        find<QPushButton>("cmdLinescore")->click();
        find("txtTeamA")->setFocus();
        const QStringList linescore = walk();
        QCOMPARE(linescore.size(), 2 * (7 * 12 + 7 * 14) + 2 * 14 + 18 + 1);
        QCOMPARE(after(linescore, "txtTeamA2"), QStringLiteral("txtHitsH2"));
        QCOMPARE(after(linescore, "txtRunsA2"), QStringLiteral("txtInnH_14"));
        QCOMPARE(after(linescore, "txtInnH_1"), QStringLiteral("txtInnA_14"));
        QCOMPARE(after(linescore, "txtTeamA3"), QStringLiteral("cmdViewRolls"));
        QCOMPARE(linescore.last(), QStringLiteral("txtTeamA"));
        QVERIFY(!linescore.contains(QStringLiteral("cmdRoll")));
    }

    // Enter walks across each row as on paper, skipping the computed "*", from the away
    // batting rows to the away innings, the home batting rows and the home innings; Shift+Enter
    // walks back. In the away H column it reaches the cell the user sees in the row.
    void enterWalksAcrossRows()
    {
        const auto enter = [](int times, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, modifiers);
            return QApplication::focusWidget()->objectName();
        };
        QLineEdit *team = edit("txtTeamA");
        QCOMPARE(QApplication::focusWidget(), team);
        QTest::keyClicks(team, "Cats");
        QCOMPARE(enter(1), QStringLiteral("txtHitterA_1"));
        QCOMPARE(text("txtTeamA"), QStringLiteral("Cats"));
        QCOMPARE(enter(7), QStringLiteral("txtHitterA_2"));
        edit("txtHitterA_5")->setFocus();
        QCOMPARE(enter(1), QStringLiteral("txtHitA_7"));
        // "value, Enter" across a row puts each value in its own column.
        for (const char *value : {"2", "1", "1", "", "", "1"}) {
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(value));
            enter(1);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtHitterA_6"));
        QCOMPARE(m_window->sheet().field("txtHitA", 7).text(), QStringLiteral("2"));
        QCOMPARE(text("txtRBIA_5"), QStringLiteral("1"));
        QCOMPARE(text("txtSBA_5"), QStringLiteral("1"));
        edit("txtSBA_12")->setFocus();
        QCOMPARE(enter(1), QStringLiteral("txtPitcherA_1"));
        QCOMPARE(enter(6), QStringLiteral("txtPitcherA_2")); // R, ER, H, K, BB, and past the "*"
        edit("txtBBA_14")->setFocus();
        QCOMPARE(enter(1), QStringLiteral("txtTeamH"));
        QCOMPARE(enter(1), QStringLiteral("txtHitterH_1"));
        edit("txtBBH_14")->setFocus();
        QCOMPARE(enter(1), QStringLiteral("txtTeamA"));
        QCOMPARE(enter(1, Qt::ShiftModifier), QStringLiteral("txtBBH_14"));
        QCOMPARE(enter(4, Qt::ShiftModifier), QStringLiteral("txtRH_14"));
        // From the "*", Enter goes on to the next inning's pitcher; from a counter, as Tab does.
        edit("txtPullA_3")->setFocus();
        QCOMPARE(enter(1), QStringLiteral("txtPitcherA_4"));
        edit("txtNeedHRBIA")->setFocus();
        QCOMPARE(enter(1), QStringLiteral("txtNeedHRBIH"));
    }

    // Up and Down move within a column as the user sees it, the away H column's swapped rows
    // included; the "*" column is reached from itself only; at a block's edge nothing moves.
    void arrowsMoveWithinAColumn()
    {
        const auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
            return QApplication::focusWidget()->objectName();
        };
        edit("txtHitA_4")->setFocus();
        QCOMPARE(press(Qt::Key_Down), QStringLiteral("txtHitA_7"));
        QCOMPARE(press(Qt::Key_Down), QStringLiteral("txtHitA_5"));
        QCOMPARE(press(Qt::Key_Down), QStringLiteral("txtHitA_6"));
        QCOMPARE(press(Qt::Key_Down), QStringLiteral("txtHitA_8"));
        QCOMPARE(press(Qt::Key_Up), QStringLiteral("txtHitA_6"));
        edit("txtHitterH_12")->setFocus();
        QCOMPARE(press(Qt::Key_Down), QStringLiteral("txtHitterH_12"));
        edit("txtPullH_2")->setFocus();
        QCOMPARE(press(Qt::Key_Up), QStringLiteral("txtPullH_1"));
        QCOMPARE(press(Qt::Key_Up), QStringLiteral("txtPullH_1"));
        edit("txtBBH_1")->setFocus();
        QCOMPARE(press(Qt::Key_Down), QStringLiteral("txtBBH_2"));
    }

    // A cell reached by Enter, an arrow or a first click has its whole value selected, so that
    // typing replaces it; a second click places the caret.
    void reachedCellsSelectTheirValue()
    {
        type("txtHitA_1", "12");
        type("txtRBIA_1", "3");
        edit("txtHitterA_1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "4");
        QCOMPARE(text("txtHitA_1"), QStringLiteral("4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(edit("txtHitA_1")->selectedText(), QStringLiteral("4"));

        QLineEdit *rbi = edit("txtRBIA_1");
        QTest::mouseClick(rbi, Qt::LeftButton, Qt::NoModifier, QPoint(2, rbi->height() / 2));
        QCOMPARE(QApplication::focusWidget(), rbi);
        QCOMPARE(rbi->selectedText(), QStringLiteral("3"));
        QTest::keyClicks(rbi, "5");
        QCOMPARE(text("txtRBIA_1"), QStringLiteral("5"));
        QTest::mouseClick(rbi, Qt::LeftButton, Qt::NoModifier, QPoint(rbi->width() - 2, rbi->height() / 2));
        QVERIFY(!rbi->hasSelectedText());
        QTest::keyClicks(rbi, "0");
        QCOMPARE(text("txtRBIA_1"), QStringLiteral("50"));
    }

    // A number cell whose text the sheet counts otherwise than it reads is marked on screen
    // with how it is counted, and the sheet counts as before; on paper there is no mark.
    void oddValuesAreShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("runs");
        QTest::newRow("plain") << "7"
                               << ""
                               << "7";
        QTest::newRow("words after") << "3 singles"
                                     << "Counted as 3."
                                     << "3";
        QTest::newRow("fraction") << "1.5"
                                  << "Counted as 1.5; totals round it to a whole number."
                                  << "2";
        QTest::newRow("exponent") << "1e3"
                                  << "Counted as 1000."
                                  << "1000";
        QTest::newRow("word") << "three"
                              << "Counted as 0."
                              << "0";
        QTest::newRow("blanks between digits") << "1 2"
                                               << "Counted as 12."
                                               << "12";
        QTest::newRow("a pasted roll") << "2026-05-01 20:31:05\t17 3"
                                       << "Counted as 2026."
                                       << "2026";
    }
    void oddValuesAreShown()
    {
        QFETCH(QString, typed);
        QFETCH(QString, tip);
        QFETCH(QString, runs);
        auto *cell = find<SheetCell>("txtRA_1");
        cell->setFocus();
        QApplication::clipboard()->setText(typed);
        QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(cell->isMarked(), !tip.isEmpty());
        QCOMPARE(cell->toolTip().section(u'\n', 0, 0), tip);
        QCOMPARE(cell->accessibleDescription(), tip);
        QCOMPARE(text("txtRunsA"), runs);
        edit("txtTeamA")->setFocus();
        // On screen the corner of a marked cell is orange; on paper it is what it always was.
        const QImage screen = cell->grab().toImage();
        const QColor corner = screen.pixelColor(screen.width() - 2, 1);
        QCOMPARE(corner.red() > 200 && corner.blue() < 60, !tip.isEmpty());
        QImage paper(cell->size(), QImage::Format_RGB32);
        QPainter painter(&paper);
        cell->paintCell(painter, paper.rect());
        painter.end();
        QCOMPARE(paper.pixelColor(paper.width() - 2, 1), QColor(Qt::white));
        // Names are never counted, so never marked.
        type("txtHitterA_1", "three");
        QVERIFY(!find<SheetCell>("txtHitterA_1")->isMarked());
    }

    // A value of a megabyte in a cell costs no more to fit than a short one: the cell shows its
    // start cut short, its tooltip the start of it, and typing elsewhere is not slowed.
    void longValuesStayQuick()
    {
        const QString huge = QStringLiteral("Harbor Cats ") + QString(1024 * 1024, u'x');
        QElapsedTimer timer;
        timer.start();
        const CellText fitted(huge, edit("txtTeamA")->font(), edit("txtTeamA")->size());
        QVERIFY2(timer.elapsed() < 200, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!fitted.isWhole());
        QVERIFY(fitted.shown().startsWith(QStringLiteral("Harbor Cats ")));
        QVERIFY(fitted.shown().endsWith(QStringLiteral("...")));
        QVERIFY(fitted.shown().size() < 200);

        auto *team = find<SheetCell>("txtTeamA");
        team->setFocus();
        QApplication::clipboard()->setText(huge);
        QTest::keyClick(team, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text("txtTeamA").size(), huge.size());
        QVERIFY(team->toolTip().size() < 1000);
        timer.restart();
        type("txtRA_1", "1234");
        QCOMPARE(text("txtRunsA"), QStringLiteral("1234"));
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    }

    // "View Linescore" and "View Rolls" switch the lower area; a reset does not change the view.
    void viewCommands()
    {
        QTest::mouseClick(find<QPushButton>("cmdLinescore"), Qt::LeftButton);
        QVERIFY(!find("Frame2")->isVisible());
        QVERIFY(find("Frame1")->isVisible());
        QVERIFY(find("cmdViewRolls")->isVisible());
        trigger("mnuReset");
        QVERIFY(!find("Frame2")->isVisible());
        QTest::mouseClick(find<QPushButton>("cmdViewRolls"), Qt::LeftButton);
        QVERIFY(find("Frame2")->isVisible());
        QVERIFY(!find("Frame1")->isVisible());
    }

    // Printing shows the linescore (not the roll panel) to the printer and comes back to the rolls view.
    void printSequence_data()
    {
        QTest::addColumn<bool>("fromLinescore");
        QTest::addColumn<bool>("fail");
        QTest::newRow("from rolls view") << false << false;
        QTest::newRow("from linescore view") << true << false;
        QTest::newRow("printer fails") << false << true;
    }
    void printSequence()
    {
        QFETCH(bool, fromLinescore);
        QFETCH(bool, fail);
        m_ctx->printer.fail = fail;
        type("txtTeamA", "Cats");
        if (fromLinescore)
            find<QPushButton>("cmdLinescore")->click();
        trigger("mnuPrint");

        QCOMPARE(m_ctx->printer.images.size(), size_t(1));
        const QImage printed = m_ctx->printer.images.front();
        QCOMPARE(printed.size(), QSize(734, 711));
        // The roll button's green and "View Rolls" are not in it; the linescore's frame lines are.
        const QRect rollButton = find("cmdRoll")->geometry().translated(find("Frame2")->pos());
        QVERIFY(QColor(printed.pixel(rollButton.center())) != QColor(0, 255, 0));
        for (int y = 0; y < printed.height(); y += 3)
            for (int x = 0; x < printed.width(); x += 3)
                QVERIFY(QColor(printed.pixel(x, y)).rgb() != QColor(0, 255, 0).rgb());
        const QRect viewRolls = find("cmdViewRolls")->geometry();
        QCOMPARE(QColor(printed.pixel(viewRolls.center())).rgb(), QColor(Qt::white).rgb());
        const QPoint linescoreOrigin = find("Frame1")->pos() + find("Image5")->pos();
        QCOMPARE(QColor(printed.pixel(linescoreOrigin + QPoint(300, 17))).rgb(), QColor(Qt::black).rgb());
        // The linescore's team name stands in the printout.
        QCOMPARE(text("txtTeamA3"), QStringLiteral("Cats"));

        QVERIFY(find("Frame2")->isVisible());
        QVERIFY(!find("Frame1")->isVisible());
        find<QPushButton>("cmdLinescore")->click();
        QVERIFY(find("Frame1")->isVisible());
        QVERIFY(find("cmdViewRolls")->isVisible());
        QCOMPARE(m_ctx->prompter.messages.size(), fail ? 1 : 0);
        if (fail)
            QCOMPARE(m_ctx->prompter.messages.first(), m_ctx->printer.failure);
        QCOMPARE(text("txtTeamA"), QStringLiteral("Cats"));
        verifyHiddenStayHidden();
    }

    // Export PDF suggests "<away> at <home> <date>.pdf" in the documents folder and writes the page where the user
    // chose; a cancelled dialog writes nothing, a failed write is told with its reason.
    void exportPdf_data()
    {
        QTest::addColumn<QString>("away");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("fail");
        QTest::addColumn<QString>("suggestedName");
        QTest::newRow("written") << "Cats"
                                 << "Owls"
                                 << "/tmp/game.pdf" << false << "Cats at Owls %1.pdf";
        QTest::newRow("names unsafe in a file name") << "A/B"
                                                     << "C:D"
                                                     << "/tmp/game.pdf" << false << "A-B at C-D %1.pdf";
        QTest::newRow("no names yet") << ""
                                      << ""
                                      << "/tmp/game.pdf" << false << "Away at Home %1.pdf";
        QTest::newRow("cancelled") << "Cats"
                                   << "Owls"
                                   << "" << false << "Cats at Owls %1.pdf";
        QTest::newRow("write fails") << "Cats"
                                     << "Owls"
                                     << "/tmp/game.pdf" << true << "Cats at Owls %1.pdf";
    }
    void exportPdf()
    {
        QFETCH(QString, away);
        QFETCH(QString, home);
        QFETCH(QString, answer);
        QFETCH(bool, fail);
        QFETCH(QString, suggestedName);
        type("txtTeamA", away);
        type("txtTeamH", home);
        m_ctx->dialogs.pdfAnswer = answer;
        m_ctx->printer.fail = fail;
        m_ctx->printer.failure = QStringLiteral("The PDF file /tmp/game.pdf could not be written: Disk full.");
        trigger("mnuExportPdf");

        // In the folder of the games, dated by the clock.
        const QString suggested =
            QDir(m_ctx->context.places.documents).filePath(suggestedName.arg(QStringLiteral("2024-06-11")));
        QCOMPARE(m_ctx->dialogs.suggestedPdfPaths, QStringList{suggested});
        QCOMPARE(m_ctx->printer.pdfFiles, answer.isEmpty() ? QStringList() : QStringList{answer});
        QCOMPARE(m_ctx->prompter.messages, fail ? QStringList{m_ctx->printer.failure} : QStringList());
        if (!answer.isEmpty()) {
            // The page is the sheet with its linescore, though the window shows the roll panel.
            QCOMPARE(m_ctx->printer.images.back().size(), QSize(734, 711));
            QVERIFY(find("Frame2")->isVisible());
        }
    }

    // "Reset Scoresheet" asks its question; No changes nothing, Yes clears the sheet and keeps the names.
    void reset()
    {
        type("txtTeamA", "Cats");
        type("txtRA_1", "3");
        type("txtHitPA_1", "2");
        m_ctx->prompter.answers = {false};
        trigger("mnuReset");
        QCOMPARE(m_ctx->prompter.questions, QStringList{"Are you sure you want to Reset the Scoresheet?"});
        QCOMPARE(text("txtRA_1"), QStringLiteral("3"));
        QCOMPARE(text("txtRunsA2"), QStringLiteral("3"));

        m_ctx->prompter.answers = {true};
        trigger("mnuReset");
        QCOMPARE(m_ctx->prompter.questions.size(), 2);
        QVERIFY(text("txtRA_1").isEmpty());
        QVERIFY(text("txtPullA_1").isEmpty());
        QVERIFY(text("txtInnA_1").isEmpty());
        QCOMPARE(text("txtRunsA"), QStringLiteral("0"));
        QCOMPARE(text("txtRunsA2"), QStringLiteral("0"));
        QCOMPARE(text("txtTeamA"), QStringLiteral("Cats"));
        QCOMPARE(text("txtTeamA3"), QStringLiteral("Cats"));
        verifyHiddenStayHidden();
        // The pull counter works again after a reset.
        type("txtBBA_2", "1");
        QCOMPARE(text("txtPullA_2"), QStringLiteral("2"));
    }

    // An overflow while typing is told in a box; the window and the sheet go on.
    void overflowIsReported()
    {
        type("txtHitPA_1", "32767");
        type("txtHitPA_2", "1");
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(!m_ctx->prompter.messages.first().isEmpty());
        QCOMPARE(text("txtHitPA_2"), QStringLiteral("1"));
        QCOMPARE(text("txtHitsA"), QStringLiteral("32767"));
        type("txtRA_1", "4");
        QCOMPARE(text("txtRunsA"), QStringLiteral("4"));
    }

    // File, Exit asks first: No keeps the sheet, Yes closes it. The close box asks nothing.
    void exitQuestion()
    {
        QSignalSpy unloaded(m_window.data(), &ScoresheetWindow::closed);
        type("txtHitterA_1", "Alvarez");
        m_ctx->prompter.answers = {false};
        trigger("mnuExit");
        QCOMPARE(m_ctx->prompter.questions, QStringList{"Are you sure you want to Exit?"});
        QCOMPARE(unloaded.size(), 0);
        QCOMPARE(text("txtHitterA_1"), QStringLiteral("Alvarez"));
        m_ctx->prompter.answers = {true};
        trigger("mnuExit");
        QCOMPARE(unloaded.size(), 1);
        flushDeletes();
        QVERIFY(m_window.isNull());

        openWindow();
        QSignalSpy closed(m_window.data(), &ScoresheetWindow::closed);
        m_window->close();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(m_ctx->prompter.questions.size(), 2);
    }

    // A sheet opened again is blank, and the previous sheet's inning hits do not carry over.
    void reopenedSheetIsBlank()
    {
        type("txtHitPA_1", "5");
        QCOMPARE(m_window->sheet().state().pitchHitsA, qint16(5));
        delete m_window.data();
        openWindow();
        QCOMPARE(m_window->sheet().state().pitchHitsA, qint16(0));
        QVERIFY(text("txtHitPA_1").isEmpty());
        QCOMPARE(text("txtHitsA"), QStringLiteral("0"));
        type("txtHitA_1", "1");
        QCOMPARE(text("txtNeedHA"), QStringLiteral("-1"));
    }

    // The roll panel rolls here as in the roller: at once with sound off, behind the shuffle with sound on.
    void rollPanelRolls()
    {
        m_ctx->random.fallback = 0.0f;
        trigger("mnuOff");
        find<QPushButton>("cmdRoll")->click();
        QCOMPARE(find<QLabel>("lblWho1")->text(), QStringLiteral("1"));
        QVERIFY(m_ctx->sound.played.isEmpty());
        trigger("mnuOn");
        find<QPushButton>("cmdRoll")->click();
        QCOMPARE(m_ctx->sound.played.size(), 1);
        FakeTimer *shuffle = m_ctx->timers.latest("Timer2");
        FakeTimer *stop = m_ctx->timers.latest("Timer1");
        QVERIFY(shuffle->isEnabled() && stop->isEnabled());
        m_ctx->random.fallback = 0.999f;
        QVERIFY(shuffle->fire());
        QCOMPARE(find<QLabel>("lblScore")->text(), QStringLiteral("20"));
        QCOMPARE(find<QLabel>("lblHits")->text(), QStringLiteral("20"));
        QVERIFY(stop->fire());
        QVERIFY(!shuffle->isEnabled() && !stop->isEnabled());
    }

    // "View Rules" on the menu presses the hidden button and reports a missing document.
    void viewRules()
    {
        trigger("mnuRules");
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("QUORVEL rules.pdf")));
        verifyHiddenStayHidden();
    }

    // Maximizing shows more white paper; every control keeps its place at the top left.
    void growingMovesNothing()
    {
        const QRect before = find("txtSBH_12")->geometry();
        m_window->resize(m_window->width() + 300, m_window->height() + 200);
        QCOMPARE(find("txtSBH_12")->geometry(), before);
        QCOMPARE(find("Frame2")->geometry(), toPixels(ScoresheetGeometry::Frame2));
    }
};

QTEST_MAIN(TestScoresheetWindow)
#include "tst_scoresheetwindow.moc"
