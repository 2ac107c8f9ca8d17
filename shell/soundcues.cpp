#include "shell/soundcues.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace abacolo {

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

QSoundEffect *SoundCues::effect(const QString &key)
{
    if (QSoundEffect *known = m_effects.value(key))
        return known;
    index();
    const QString path = m_paths.value(key);
    if (path.isEmpty())
        return nullptr;
    auto *created = new QSoundEffect(this);
    created->setSource(QUrl(u"qrc"_s + path));
    m_effects.insert(key, created);
    return created;
}

void SoundCues::PlayCue(const QString &name)
{
    const QString key = name.toLower();
    if (QSoundEffect *playing = m_effects.value(m_current))
        playing->stop();
    m_current = key;
    // An unknown clip or a missing audio device is silent, as a cue that cannot play is.
    if (QSoundEffect *next = effect(key))
        next->play();
}

} // namespace abacolo
