#pragma once

#include <QColor>
#include <QObject>
#include <QString>

namespace abacolo {

class Form;

// What a skin file says about the drawn frame of a window, and the style sheet it gives the
// window's controls.
struct Skin
{
    int titleHeight = 29;
    int borderWidth = 3;
    int cornerRadius = 13;
    QColor titleTop{0x4f, 0x7c, 0xc9};
    QColor titleBottom{0x2c, 0x56, 0xa0};
    QColor titleText{Qt::white};
    QColor border{0x2c, 0x56, 0xa0};
    QColor closeBox{0xe8, 0x4a, 0x3c};
    QString styleSheet;

    // Reads a skin file: "key = value" lines in a [frame] section and a Qt style sheet in a
    // [style] section. Returns false, leaving `skin` untouched, for a missing or broken file.
    static bool read(const QString &path, Skin &skin);
};

// The skin component of a window: given a skin file, it skins the window that owns it.
class FileTheme : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileTheme)

public:
    explicit FileTheme(Form *form);

    // A file that cannot be read leaves the window's look as it was.
    void setThemeFile(const QString &path);
    QString themeFile() const { return m_file; }

private:
    Form *m_form;
    QString m_file;
};

} // namespace abacolo
