#pragma once

#include "tools/swf/sound.h"

#include <QString>

namespace abacolo::movies {

// Where the spoken clips are read from (tools/swf/voices, made by tools/swf/make_voices.sh).
void setVoiceFolder(const QString &folder);

// The clip <name>.wav of the voice folder: mono, 16-bit PCM at a movie sound rate. Throws
// swf::WriteError naming the file when it is missing or in another format.
swf::Sound voice(const QString &name);

} // namespace abacolo::movies
