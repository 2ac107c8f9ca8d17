#pragma once

#include <QLabel>
#include <QUrl>

namespace abacolo {

// A link label (`suiURLLabel`): a caption that opens its web address in the user's browser
// when clicked. It shows a hand cursor and underlines its caption while the mouse is over it.
class UrlLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UrlLabel)

public:
    UrlLabel(const QString &name, const QString &caption, const QUrl &url, QWidget *parent);

    QUrl url() const { return m_url; }
    void setUrl(const QUrl &url) { m_url = url; }

    // Opens the address with the desktop's handler for its scheme.
    void openUrl() const;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setUnderlined(bool underlined);

    QUrl m_url;
    bool m_pressed = false;
};

} // namespace abacolo
