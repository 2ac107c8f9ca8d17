#pragma once

#include "shell/services.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

namespace abacolo {

// Voice cues played from the program's own sound resources. At most one cue sounds: a new
// cue stops the one playing; nothing queues.
class SoundCues : public QObject, public Cues
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundCues)

public:
    SoundCues() = default;

    void PlayCue(const QString &name) override;

    // The cue most recently started, in lower case; empty before the first.
    QString current() const { return m_current; }
    // Every clip carried, in lower case.
    QStringList names();

private:
    void index();
    QSoundEffect *effect(const QString &key);

    QHash<QString, QString> m_paths;
    QHash<QString, QSoundEffect *> m_effects;
    QString m_current;
};

} // namespace abacolo
