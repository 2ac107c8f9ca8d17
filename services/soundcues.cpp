#include "services/soundcues.h"

#include "services/datadirectory.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QtEndian>

#include <cmath>

using namespace Qt::StringLiterals;

namespace abacolo {

SoundCues::SoundCues() = default;

SoundCues::~SoundCues() = default;

void SoundCues::index()
{
    if (!m_paths.isEmpty())
        return;
    QDirIterator it(u":/sounds"_s, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        m_paths.insert(QFileInfo(path).completeBaseName().toLower(), path);
    }
}

QStringList SoundCues::names()
{
    index();
    QStringList all = m_paths.keys();
    all.sort();
    return all;
}

QByteArray SoundCues::decodeWave(const QByteArray &file)
{
    const auto *bytes = reinterpret_cast<const uchar *>(file.constData());
    const qsizetype size = file.size();
    if (size < 12 || file.first(4) != "RIFF" || file.sliced(8, 4) != "WAVE")
        return {};

    int channels = 0;
    int rate = 0;
    int bits = 0;
    int encoding = 0;
    QByteArrayView data;
    for (qsizetype at = 12; at + 8 <= size;) {
        const QByteArrayView id(file.constData() + at, 4);
        const qsizetype length = qFromLittleEndian<quint32>(bytes + at + 4);
        const qsizetype body = at + 8;
        if (length > size - body)
            return {}; // a chunk running past the end of the file
        if (id == "fmt " && length >= 16) {
            encoding = qFromLittleEndian<quint16>(bytes + body);
            channels = qFromLittleEndian<quint16>(bytes + body + 2);
            rate = int(qFromLittleEndian<quint32>(bytes + body + 4));
            bits = qFromLittleEndian<quint16>(bytes + body + 14);
        } else if (id == "data") {
            data = QByteArrayView(file.constData() + body, length);
        }
        at = body + length + (length & 1); // chunks are padded to an even length
    }
    if (encoding != 1 || bits != 16 || (channels != 1 && channels != 2) || rate <= 0
        || rate > 384000 || data.isEmpty())
        return {};

    const qsizetype inFrames = data.size() / (2 * channels);
    const auto *in = reinterpret_cast<const uchar *>(data.data());
    auto sample = [&](qsizetype frame, int channel) {
        return double(qFromLittleEndian<qint16>(in + 2 * (frame * channels + channel)));
    };
    if (rate == CueRate && channels == CueChannels)
        return data.first(inFrames * CueFrameBytes).toByteArray();

    // Other rates and mono: linear interpolation onto the output rate, both channels.
    const qsizetype outFrames = qsizetype(std::llround(double(inFrames) * CueRate / rate));
    QByteArray out(outFrames * CueFrameBytes, Qt::Uninitialized);
    auto *target = reinterpret_cast<uchar *>(out.data());
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double position = double(i) * rate / CueRate;
        const qsizetype before = std::min<qsizetype>(qsizetype(position), inFrames - 1);
        const qsizetype after = std::min<qsizetype>(before + 1, inFrames - 1);
        const double share = position - double(before);
        for (int channel = 0; channel < CueChannels; ++channel) {
            const int from = std::min(channel, channels - 1);
            const double value = sample(before, from) * (1 - share) + sample(after, from) * share;
            qToLittleEndian<qint16>(qint16(std::lround(std::clamp(value, -32768.0, 32767.0))),
                                    target + 2 * (i * CueChannels + channel));
        }
    }
    return out;
}

const QByteArray *SoundCues::clip(const QString &key)
{
    if (const auto known = m_clips.constFind(key); known != m_clips.constEnd())
        return &known.value();
    index();
    const QString path = m_paths.value(key);
    if (path.isEmpty())
        return nullptr;
    QFile file(path);
    // A clip that cannot be read or decoded stays silent (kept empty, not read again).
    const QByteArray samples = file.open(QIODevice::ReadOnly) ? decodeWave(file.readAll()) : QByteArray();
    return &m_clips.insert(key, samples).value();
}

CueOutput *SoundCues::output()
{
    if (!m_outputTried) {
        m_outputTried = true;
        QPluginLoader loader(QDir(dataFolders().modules).filePath(u"abacolo_cueoutput.so"_s));
        // The sound server's libraries are not made to be unloaded: the module stays.
        loader.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto *factory = qobject_cast<CueOutputFactory *>(loader.instance()))
            m_output = factory->createOutput();
    }
    return m_output.get();
}

void SoundCues::prepare()
{
    if (!m_outputTried && output())
        m_output->prepare();
}

void SoundCues::PlayCue(const QString &name)
{
    const QString key = name.toLower();
    m_current = key;
    CueOutput *sound = output();
    if (!sound)
        return;
    // A new cue cuts off the one playing; an unknown clip is silent, as a cue that cannot
    // play is.
    const QByteArray *samples = clip(key);
    if (!samples || samples->isEmpty())
        sound->stop();
    else
        sound->play(*samples);
}

} // namespace abacolo
