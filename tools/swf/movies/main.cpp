// make_movies <voice-folder> <folder>
//
// Writes the program's movies into a folder (normally data/numbers/): start.swf, the
// digit lessons 0x.swf … 9x.swf and the games fgames/1.swf … fgames/10.swf, with the spoken
// clips of the voice folder (normally tools/swf/voices/) inside them.

#include "tools/swf/movie.h"
#include "tools/swf/movies/movies.h"
#include "tools/swf/movies/voices.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: make_movies <voice-folder> <folder>" << Qt::endl;
        return 2;
    }
    abacolo::movies::setVoiceFolder(args.at(1));
    const QDir folder(args.at(2));
    if (!folder.mkpath(u"fgames"_s)) {
        err << "make_movies: cannot make " << folder.filePath(u"fgames"_s) << Qt::endl;
        return 1;
    }
    try {
        using namespace abacolo::movies;
        writeStartMovie(folder.filePath(u"start.swf"_s));
        for (int digit = 0; digit <= 9; ++digit)
            writeLessonMovie(digit, folder.filePath(QString::number(digit) + u"x.swf"_s));
        for (int game = 1; game <= 10; ++game)
            writeGameMovie(game, folder.filePath(u"fgames/"_s + QString::number(game) + u".swf"_s));
    } catch (const std::exception &e) {
        err << "make_movies: " << e.what() << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << "movies written to " << folder.absolutePath() << Qt::endl;
    return 0;
}
