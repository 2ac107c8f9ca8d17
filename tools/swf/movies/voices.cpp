#include "tools/swf/movies/voices.h"

#include "tools/swf/movie.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace abacolo::movies {

namespace {

QString &voiceFolder()
{
    static QString folder;
    return folder;
}

[[noreturn]] void refuse(const QString &path, const char *why)
{
    throw swf::WriteError(path.toStdString() + ": " + why);
}

} // namespace

void setVoiceFolder(const QString &folder)
{
    voiceFolder() = folder;
}

swf::Sound voice(const QString &name)
{
    const QString path = QDir(voiceFolder()).filePath(name + u".wav"_s);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, "cannot read the clip (run tools/swf/make_voices.sh)");
    const QByteArray wav = file.readAll();
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        refuse(path, "not a WAVE file");

    swf::Sound sound;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const auto size = qsizetype(qFromLittleEndian<quint32>(wav.constData() + at + 4));
        const qsizetype body = at + 8;
        if (size < 0 || body + size > wav.size())
            refuse(path, "a chunk runs past the end of the file");
        if (id == "fmt ") {
            if (size < 16)
                refuse(path, "format chunk too short");
            const auto format = qFromLittleEndian<quint16>(wav.constData() + body);
            const auto channels = qFromLittleEndian<quint16>(wav.constData() + body + 2);
            const auto rate = qFromLittleEndian<quint32>(wav.constData() + body + 4);
            const auto bits = qFromLittleEndian<quint16>(wav.constData() + body + 14);
            if (format != 1 || channels != 1 || bits != 16)
                refuse(path, "not mono 16-bit PCM");
            sound.rate = int(rate);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                refuse(path, "samples before the format");
            sound.samples.resize(std::size_t(size / 2));
            for (std::size_t i = 0; i < sound.samples.size(); ++i)
                sound.samples[i] = qFromLittleEndian<qint16>(wav.constData() + body + 2 * qsizetype(i));
        }
        at = body + size + (size & 1);
    }
    if (sound.samples.empty())
        refuse(path, "no samples");
    if (sound.rate != 5512 && sound.rate != 11025 && sound.rate != 22050 && sound.rate != 44100)
        refuse(path, "sample rate is not 5512, 11025, 22050 or 44100");
    return sound;
}

} // namespace abacolo::movies
