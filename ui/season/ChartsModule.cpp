#include "ui/season/ChartsModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLibrary>
#include <QVBoxLayout>

#ifndef QUORVEL_CHARTS_MODULE_FILE
// The program links the charts: the page is made directly.
extern "C" SeasonPage *quorvelCreateChartsPage(WindowContext &context, QWidget *parent);
#endif

namespace ChartsModule {

#ifdef QUORVEL_CHARTS_MODULE_FILE
namespace {
QStringList folders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/../") + QLatin1String(InstalledFolder))};
}
} // namespace

QString location()
{
    for (const QString &folder : folders()) {
        const QString path = QDir(folder).filePath(QLatin1String(FileName));
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

SeasonPage *createPage(WindowContext &context, QWidget *parent, QString *error)
{
    const QString path = location();
    if (path.isEmpty()) {
        *error = QCoreApplication::translate("ChartsModule", "%1 was not found in %2.")
                     .arg(QLatin1String(FileName), QDir::toNativeSeparators(folders().join(QStringLiteral(", "))));
        return nullptr;
    }
    // Loaded once, and kept for as long as the program runs: its pages may come and go.
    QLibrary module(path);
    const auto create = reinterpret_cast<CreatePage>(module.resolve(CreatePageSymbol));
    if (!create) {
        *error = module.errorString();
        return nullptr;
    }
    return create(context, parent);
}
#else
QString location()
{
    return {};
}

SeasonPage *createPage(WindowContext &context, QWidget *parent, QString *)
{
    return quorvelCreateChartsPage(context, parent);
}
#endif

} // namespace ChartsModule

ChartsSlot::ChartsSlot(WindowContext &context, QWidget *parent)
    : SeasonPage(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("slotCharts"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void ChartsSlot::refresh()
{
    if (!m_tried) {
        m_tried = true;
        QString error;
        m_page = ChartsModule::createPage(m_context, this, &error);
        if (m_page) {
            layout()->addWidget(m_page);
            m_page->show();
        } else {
            auto *problem =
                new QLabel(tr("The charts could not be loaded: %1\nThe tables show the same figures.").arg(error),
                           this);
            problem->setObjectName(QStringLiteral("lblChartsProblem"));
            problem->setWordWrap(true);
            problem->setAlignment(Qt::AlignCenter);
            layout()->addWidget(problem);
        }
    }
    if (m_page)
        m_page->setSeason(sharedFigures(), team());
}
