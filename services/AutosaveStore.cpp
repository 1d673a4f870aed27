#include "services/AutosaveStore.h"

#include "roll/Clock.h"
#include "services/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QPointer>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>

namespace {
const QString OpenGame = QStringLiteral("open.quorvel");
const QString OpenBinding = QStringLiteral("open.json");
const QString OlderLastGame = QStringLiteral("last.quorvel"); // what earlier versions kept at a close
const QString GameSuffix = QStringLiteral(".quorvel");
const QString BindingSuffix = QStringLiteral(".json");
const QString FileKey = QStringLiteral("file");
const QString KeptKey = QStringLiteral("kept");

QByteArray bindingJson(const QString &boundFile, const QDateTime &keptAt = {})
{
    QJsonObject binding{{FileKey, boundFile}};
    if (keptAt.isValid())
        binding.insert(KeptKey, keptAt.toOffsetFromUtc(keptAt.offsetFromUtc()).toString(Qt::ISODate));
    return QJsonDocument(binding).toJson(QJsonDocument::Compact);
}

struct Binding
{
    QString file;
    QDateTime keptAt;
};

// A binding that cannot be read belongs to no file: the sheet is kept all the same.
Binding readBinding(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject object = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    return {object.value(FileKey).toString(), QDateTime::fromString(object.value(KeptKey).toString(), Qt::ISODate)};
}
} // namespace

AutosaveStore::AutosaveStore(QString folder, Clock &clock)
    : m_folder(std::move(folder))
    , m_clock(clock)
{
    // One writer: the sheets reach the disk in the order they were taken.
    m_writer.setMaxThreadCount(1);
    if (!claim())
        return;
    // Runs that ended with a sheet open in a slot nobody holds now: their sheets are kept.
    for (int slot = 1; slot <= MaxSlots; ++slot) {
        if (slot == m_slot)
            continue;
        const QString game = slotFile(slot, OpenGame);
        const QString older = slotFile(slot, OlderLastGame);
        if (!QFile::exists(game) && !QFile::exists(older))
            continue;
        QLockFile lock(QStringLiteral("%1/sheet-%2.lock").arg(m_folder).arg(slot));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        adopt(game, slotFile(slot, OpenBinding));
        adopt(older, {});
    }
    adopt(slotFile(m_slot, OlderLastGame), {});
}

AutosaveStore::~AutosaveStore()
{
    waitForWrites();
}

QString AutosaveStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/autosave");
}

void AutosaveStore::waitForWrites()
{
    m_writer.waitForDone();
}

QString AutosaveStore::slotFile(int slot, const QString &name) const
{
    return QStringLiteral("%1/sheet-%2-%3").arg(m_folder).arg(slot).arg(name);
}

QString AutosaveStore::keptFolder() const
{
    return m_folder + QStringLiteral("/kept");
}

bool AutosaveStore::claim()
{
    if (!QDir().mkpath(keptFolder())) {
        m_problem = tr("the folder could not be made");
        return false;
    }
    for (int slot = 1; slot <= MaxSlots; ++slot) {
        auto lock = std::make_unique<QLockFile>(QStringLiteral("%1/sheet-%2.lock").arg(m_folder).arg(slot));
        // A lock whose program is gone is taken over at once.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_slot = slot;
            m_lock = std::move(lock);
            return true;
        }
        if (lock->error() == QLockFile::PermissionError) {
            m_problem = tr("the folder is not writable");
            return false;
        }
    }
    m_problem = tr("%1 other copies of the program hold every autosave slot").arg(MaxSlots);
    return false;
}

void AutosaveStore::fail(const QString &reason)
{
    if (reason == m_lastFailure)
        return;
    m_lastFailure = reason;
    Q_EMIT failed(reason);
}

std::optional<KeptSheet> AutosaveStore::adopt(const QString &game, const QString &binding)
{
    if (!QFile::exists(game))
        return std::nullopt;
    const Binding bound = binding.isEmpty() ? Binding{} : readBinding(binding);
    KeptSheet kept;
    kept.keptAt = QFileInfo(game).lastModified();
    kept.id = kept.keptAt.toString(QStringLiteral("yyyyMMdd-HHmmsszzz")) + u'-'
              + QString::number(QRandomGenerator::global()->generate(), 16);
    kept.path = keptFolder() + u'/' + kept.id + GameSuffix;
    kept.boundFile = bound.file;
    QFile::remove(kept.path);
    if (!QFile::rename(game, kept.path)) {
        fail(tr("an unfinished sheet could not be moved among the kept sheets"));
        return std::nullopt;
    }
    writeFileAtomically(keptFolder() + u'/' + kept.id + BindingSuffix, bindingJson(kept.boundFile, kept.keptAt),
                        nullptr);
    if (!binding.isEmpty())
        QFile::remove(binding);
    return kept;
}

std::optional<KeptSheet> AutosaveStore::takeUnfinishedSheet()
{
    if (!m_slot) {
        fail(m_problem);
        return std::nullopt;
    }
    waitForWrites();
    std::optional<KeptSheet> kept = adopt(slotFile(m_slot, OpenGame), slotFile(m_slot, OpenBinding));
    if (kept)
        prune();
    return kept;
}

void AutosaveStore::keepOpenSheet(const QByteArray &game, const QString &boundFile)
{
    if (!m_slot) {
        fail(m_problem);
        return;
    }
    const QString gamePath = slotFile(m_slot, OpenGame);
    const QString bindingPath = slotFile(m_slot, OpenBinding);
    // The sheet was taken on this thread in a fraction of a millisecond; the disk has it later.
    m_writer.start([this, game, boundFile, gamePath, bindingPath, store = QPointer<AutosaveStore>(this)] {
        QString error;
        if (writeFileAtomically(bindingPath, bindingJson(boundFile), &error)
            && writeFileAtomically(gamePath, game, &error))
            return;
        QMetaObject::invokeMethod(
            this,
            [store, error] {
                if (store)
                    store->fail(error);
            },
            Qt::QueuedConnection);
    });
}

void AutosaveStore::closeCleanly(const std::optional<QByteArray> &unsaved, const QString &boundFile,
                                 const QString &replacing)
{
    if (!m_slot)
        return;
    waitForWrites();
    if (unsaved && keep(*unsaved, boundFile, replacing).isEmpty())
        return; // the open sheet stays, so that the next run offers it back
    QFile::remove(slotFile(m_slot, OpenGame));
    QFile::remove(slotFile(m_slot, OpenBinding));
}

bool AutosaveStore::writeKept(const QString &id, const QByteArray &game, const QString &boundFile, const QDateTime &at)
{
    QString error;
    if (!writeFileAtomically(keptFolder() + u'/' + id + GameSuffix, game, &error)
        || !writeFileAtomically(keptFolder() + u'/' + id + BindingSuffix, bindingJson(boundFile, at), &error)) {
        fail(error);
        return false;
    }
    return true;
}

QString AutosaveStore::keep(const QByteArray &game, const QString &boundFile, const QString &replacing)
{
    if (!m_slot) {
        fail(m_problem);
        return {};
    }
    if (!QDir().mkpath(keptFolder())) {
        fail(tr("the folder could not be made"));
        return {};
    }
    const QDateTime now = m_clock.now();
    const QString id = !replacing.isEmpty() ? replacing
                                            : now.toString(QStringLiteral("yyyyMMdd-HHmmsszzz")) + u'-'
                                                  + QString::number(QRandomGenerator::global()->generate(), 16);
    if (!writeKept(id, game, boundFile, now))
        return {};
    prune();
    return id;
}

QList<KeptSheet> AutosaveStore::keptSheets() const
{
    QList<KeptSheet> sheets;
    const QDir folder(keptFolder());
    for (const QFileInfo &file : folder.entryInfoList({QStringLiteral("*") + GameSuffix}, QDir::Files)) {
        KeptSheet kept;
        kept.id = file.completeBaseName();
        kept.path = file.absoluteFilePath();
        const Binding binding = readBinding(folder.filePath(kept.id + BindingSuffix));
        kept.boundFile = binding.file;
        kept.keptAt = binding.keptAt.isValid() ? binding.keptAt : file.lastModified();
        sheets.append(kept);
    }
    std::sort(sheets.begin(), sheets.end(), [](const KeptSheet &a, const KeptSheet &b) { return a.keptAt > b.keptAt; });
    return sheets;
}

void AutosaveStore::forget(const QString &id)
{
    if (id.isEmpty() || id.contains(u'/') || id.contains(u'\\'))
        return;
    QFile::remove(keptFolder() + u'/' + id + GameSuffix);
    QFile::remove(keptFolder() + u'/' + id + BindingSuffix);
}

void AutosaveStore::prune()
{
    const QDateTime oldest = m_clock.now().addDays(-MaxKeptDays);
    const QList<KeptSheet> sheets = keptSheets();
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        if (i >= MaxKept || sheets.at(i).keptAt < oldest)
            forget(sheets.at(i).id);
    }
}
