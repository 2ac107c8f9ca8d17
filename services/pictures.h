#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace abacolo {

class PictureTarget;

// The pictures the program carries, by name (matched without regard to case).
class Pictures
{
public:
    // The named picture; raises AppError for a name the program does not carry.
    QPixmap picture(const QString &name);
    // Replaces the picture of a control with the named picture. An unknown name raises
    // AppError and leaves the control's picture as it was.
    void LoadPictureResource(PictureTarget &target, const QString &name);

    // Every name carried, in lower case.
    QStringList names();

private:
    void index();

    QHash<QString, QString> m_paths;  // lower-case name → resource path
    QHash<QString, QPixmap> m_loaded; // decoded once; the animations swap them every second
};

} // namespace abacolo
