#include "services/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QtEndian>

namespace {
// Wave files larger than this are not a dice sound; they are not read into memory.
constexpr qint64 MaxWaveBytes = 16 * 1024 * 1024;

QAudioFormat::SampleFormat sampleFormat(quint16 encoding, quint16 bits)
{
    constexpr quint16 Pcm = 1;
    constexpr quint16 IeeeFloat = 3;
    if (encoding == Pcm && bits == 8)
        return QAudioFormat::UInt8;
    if (encoding == Pcm && bits == 16)
        return QAudioFormat::Int16;
    if (encoding == Pcm && bits == 32)
        return QAudioFormat::Int32;
    if (encoding == IeeeFloat && bits == 32)
        return QAudioFormat::Float;
    return QAudioFormat::Unknown;
}

// Reads a RIFF/WAVE file's format and sample bytes; false for anything else.
bool decodeWave(const QByteArray &file, QAudioFormat &format, QByteArray &samples)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return false;
    format = QAudioFormat();
    samples.clear();
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(file.constData() + at + 4));
        const char *body = file.constData() + at + 8;
        const qsizetype available = std::min<qsizetype>(size, file.size() - at - 8);
        if (id == "fmt " && available >= 16) {
            format.setSampleFormat(
                sampleFormat(qFromLittleEndian<quint16>(body), qFromLittleEndian<quint16>(body + 14)));
            format.setChannelCount(qFromLittleEndian<quint16>(body + 2));
            format.setSampleRate(static_cast<int>(qFromLittleEndian<quint32>(body + 4)));
        } else if (id == "data") {
            samples = file.mid(at + 8, available);
        }
        at += 8 + size + (size & 1);
    }
    const int frame = format.isValid() ? format.bytesPerFrame() : 0;
    if (frame <= 0 || samples.size() < frame)
        return false;
    samples.truncate(samples.size() - samples.size() % frame);
    return true;
}
} // namespace

// One play: an output stream reading the decoded sound from memory.
struct QtSoundPlayer::Voice
{
    Voice(const QAudioDevice &device, const QAudioFormat &format, const QByteArray &samples)
        : sink(device, format)
    {
        buffer.setData(samples); // shares the bytes, copies nothing
        buffer.open(QIODevice::ReadOnly);
    }
    QBuffer buffer;
    QAudioSink sink; // made after the buffer, so it stops reading before the buffer goes
};

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer()
{
    // The stream is stopped and closed at once: nothing is waited for.
    if (m_voice)
        m_voice->sink.disconnect();
}

QString QtSoundPlayer::loadedFile() const
{
    return m_file;
}

void QtSoundPlayer::preload(const QString &file)
{
    load(file);
}

void QtSoundPlayer::play(const QString &file)
{
    if (!load(file) || !hasSample())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    // A fresh stream for every play, from the sound's beginning.
    auto voice = std::make_unique<Voice>(device, m_format, m_samples);
    Voice *started = voice.get();
    voice->sink.start(&voice->buffer);
    if (voice->sink.error() == QAudio::OpenError)
        return;
    QObject::connect(&voice->sink, &QAudioSink::stateChanged, &m_anchor, [this, started](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState)
            retireLater(started);
    });
    // The play before keeps the output busy until this one runs, then goes at once:
    // what the server still holds of it is dropped, not played out.
    if (m_voice) {
        m_voice->sink.disconnect();
        m_voice->sink.reset();
    }
    m_voice = std::move(voice);
}

void QtSoundPlayer::retireLater(Voice *voice)
{
    // The stream has ended its sound; it is closed once its own signal has returned.
    if (m_voice.get() != voice)
        return;
    voice->sink.disconnect();
    m_retired.push_back(std::move(m_voice));
    QMetaObject::invokeMethod(
        &m_anchor, [this] { m_retired.clear(); }, Qt::QueuedConnection);
}

bool QtSoundPlayer::load(const QString &file)
{
    // A file that is not there is never handed to the output: no default sound, no
    // warning, and it is looked for again on the next press.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return false;
    if (file != m_file) {
        m_file = file;
        m_samples.clear();
        QFile wave(file);
        // A file that cannot be read or decoded stays silent.
        if (wave.size() <= MaxWaveBytes && wave.open(QIODevice::ReadOnly))
            if (!decodeWave(wave.readAll(), m_format, m_samples))
                m_samples.clear();
    }
    return true;
}
