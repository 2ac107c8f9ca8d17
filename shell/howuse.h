#pragma once

#include "toolkit/form.h"

#include <QPixmap>
#include <array>

namespace abacolo {

class FileTheme;
class PageControl;
struct Services;

// The how-to-use window "如何使用软件": a booklet of pages for parents on how the program is
// meant to be used, with next and previous buttons; it keeps its page between openings.
class TForm6 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm6)

public:
    explicit TForm6(Services &services);

    PageControl *RzPageControl1;
    FileTheme *suiFileTheme1;

    // Event handlers: every next button, every previous button.
    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    void buildPages();
    void buildOtherSoftware(QWidget *page);

    Services &m_services;
    std::array<QPixmap, 2> m_arrows; // previous, next: drawn when a page first needs one
};

extern TForm6 *Form6;

} // namespace abacolo
