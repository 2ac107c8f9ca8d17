#pragma once

#include <QSize>
#include <QString>

namespace abacolo::movies {

// Every movie is designed for the lesson viewer's area; players scale it to fit.
inline constexpr QSize kStage{1016, 704};

// The calm, looping title scene the players hold while idle.
void writeStartMovie(const QString &path);
// The lesson that writes one digit (0, 1 or 2) stroke by stroke on a writing grid.
void writeLessonMovie(int digit, const QString &path);
// Game 1 … 10 of the reward games.
void writeGameMovie(int game, const QString &path);

} // namespace abacolo::movies
