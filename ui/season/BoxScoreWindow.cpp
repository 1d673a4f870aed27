#include "ui/season/BoxScoreWindow.h"

#include "scoresheet/TextRules.h"
#include "services/FileDialogs.h"
#include "services/Printer.h"
#include "services/Prompter.h"
#include "ui/Appearance.h"
#include "ui/ScreenFit.h"
#include "ui/WindowContext.h"
#include "ui/season/print/BoxScorePage.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

BoxScoreWindow::BoxScoreWindow(const BoxScore &box, WindowContext &context, const QString &gameFile, Source source,
                               QWidget *parent)
    : QDialog(parent)
    , m_box(box)
    , m_context(context)
    , m_gameFile(gameFile)
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("dlgBoxScore"));
    setWindowTitle(tr("Box Score - %1").arg(box.headline()));
    setAttribute(Qt::WA_DeleteOnClose);

    m_text->setObjectName(QStringLiteral("txtBoxScore"));
    m_text->setAccessibleName(tr("Box score"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(box.toText());

    auto *buttons = new QDialogButtonBox(this);
    const auto button = [&](const char *objectName, const QString &text, auto slot) {
        QPushButton *b = buttons->addButton(text, QDialogButtonBox::ActionRole);
        b->setObjectName(QLatin1String(objectName));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    button("cmdCopy", tr("&Copy as Text"), &BoxScoreWindow::copyText);
    button("cmdPrint", tr("&Print..."), &BoxScoreWindow::print);
    button("cmdExportPdf", tr("Export P&DF..."), &BoxScoreWindow::exportPdf);
    if (source == Source::Season && !gameFile.isEmpty())
        button("cmdOpenGame", tr("&Open in Scoresheet"), [this] { Q_EMIT gameChosen(m_gameFile); });
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);

    // As wide and tall as the text, where the screen has the room.
    const QFontMetrics metrics(m_text->font());
    int width = 0;
    const QStringList lines = m_text->toPlainText().split(u'\n');
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    const QSize text(width + 4 * metrics.averageCharWidth() + m_text->verticalScrollBar()->sizeHint().width(),
                     (int(lines.size()) + 2) * metrics.lineSpacing());
    const QSize wanted(qMax(text.width(), buttons->sizeHint().width()) + 2 * layout->contentsMargins().left(),
                       text.height() + buttons->sizeHint().height() + 3 * layout->contentsMargins().top());
    resize(wanted.boundedTo(ScreenFit::room(this)));
    ScreenFit::keepInside(this);
    m_text->setFocus();
}

void BoxScoreWindow::copyText()
{
    QApplication::clipboard()->setText(m_box.toText());
}

void BoxScoreWindow::print()
{
    QString error;
    if (!m_context.printer.print(BoxScorePage(m_box), &error))
        m_context.prompter.inform(this, error);
}

void BoxScoreWindow::exportPdf()
{
    const BoxScore::Team &away = m_box.team(Side::Away);
    const BoxScore::Team &home = m_box.team(Side::Home);
    const QString folder = m_gameFile.isEmpty() ? m_context.places.documents : QFileInfo(m_gameFile).absolutePath();
    const QString suggested = QDir(folder).filePath(
        suggestedFileName(away.name, home.name, m_box.date, tr(" box score.pdf")));
    const QString file = m_context.dialogs.exportPdf(this, suggested);
    if (file.isEmpty())
        return;
    QString error;
    if (!m_context.printer.writePdf(BoxScorePage(m_box), file, &error))
        m_context.prompter.inform(this, error);
}
