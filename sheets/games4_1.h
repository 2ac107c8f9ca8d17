#pragma once

#include "services/answerrecorder.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

#include <QPoint>
#include <QPushButton>
#include <array>

class QCheckBox;
class QLabel;
class QProgressBar;

namespace abacolo {

class Bevel;
class ColourTile;
class DBText;
class FileTheme;
class PictureCard;
class Table;
class Timer;
struct Services;

// The practice window's unit-level state: shared by its twelve draggable controls and lasting
// for the run of the program.
namespace games4_1 {
extern bool dragging;   // a picture or tile is being dragged
extern int grabX;       // where the pointer pressed the control, within the control
extern int grabY;
extern int orderTheme;  // 1 … 5: the theme of the next ordering question
} // namespace games4_1

// The practice window "自己练一练": two drag-and-drop exercises on two pages lying on top of
// each other. On the ordering page `Panel1` the child drags five pictures into five boxes so
// that they run from the quality named at the left to the one named at the right; on the
// colouring page `Panel2` the child drags seven coloured tiles into the boxes named with their
// colours, the names and colours coming from the colour sets of "changcolor.db".
class TForm5 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    explicit TForm5(Services &services);

    FileTheme *suiFileTheme1;
    Table *Table1;
    Timer *Timer1;

    // The colouring page, below the ordering page at creation.
    Panel *Panel2 = nullptr;
    Bevel *Bevel12, *Bevel11, *Bevel10, *Bevel9, *Bevel8, *Bevel7, *Bevel6; // boxes 1 … 7
    DBText *DBText1, *DBText2, *DBText3, *DBText4, *DBText5, *DBText6, *DBText7;
    QLabel *Label9;                                                  // hidden reference line
    ColourTile *Image12, *Image11, *Image10, *Image9, *Image8, *Image7, *Image6;
    QProgressBar *suiProgressBar2;
    QCheckBox *suiCheckBox1;
    QCheckBox *suiCheckBox2;
    QPushButton *suiButton5;  // new colouring question
    QPushButton *suiButton3;  // show or hide the colouring score bar
    Panel *Panel4;            // hidden: the next and prior colour set buttons
    QPushButton *Button1;     // "next"
    QPushButton *Button2;     // "prew"

    // The ordering page.
    Panel *Panel1 = nullptr;
    Bevel *Bevel1, *Bevel2, *Bevel3, *Bevel4, *Bevel5;
    QLabel *Label1;  // the quality at the left end
    QLabel *Label5;  // the quality at the right end
    QLabel *Label2, *Label3, *Label4, *Label6, *Label7;  // counts under boxes 1 … 5
    PictureCard *Image1, *Image2, *Image3, *Image4, *Image5;
    QProgressBar *suiProgressBar1;
    QLabel *Label24;  // the score
    QLabel *Label23;  // "分!!"
    QPushButton *suiButton2;  // new ordering question
    QPushButton *suiButton1;  // show or hide the ordering score bar

    // Event handlers: the toolkit runs them through the handler boundary; tests and other
    // windows may run them as a click would ("perform a click").
    void FormActivate() override;
    void Image1MouseDown(QWidget *control, QPoint at);  // all twelve controls
    void Image1MouseMove(QWidget *control, QPoint at);  // all twelve controls
    void Image1MouseUp(QWidget *control);               // the five pictures
    void Image6MouseUp(QWidget *control);               // the seven tiles
    void suiButton2Click();
    void suiButton1Click();
    void suiButton5Click();
    void suiButton3Click();
    void suiCheckBox1Click();
    void suiCheckBox2Click();
    void Button1Click();
    void Button2Click();
    void Timer1Timer();

    // What the main window's topics open: a page brought to the front (the colouring page
    // with its two buttons and a new question).
    void showColouringPage();
    void showOrderingPage();
    // Opens the colour sets in the data directory.
    void openTables(const QString &directory);

    // The pages' operations.
    void SnapOrderPictures();
    void SnapColourTiles();
    void CountColumns();
    void ScoreOrder();
    void ScoreColours();
    void ApplyColourSet();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    void createColouringPage();
    void createOrderingPage();
    void placePages();
    void watchDrags(QWidget *control, bool isPicture);
    QPushButton *makeButton(const QString &name, QWidget *page, QRect geometry,
                            const QPixmap &glyph, const QString &hint);

    Services &m_services;
    AnswerRecorder m_ordering;
    AnswerRecorder m_colouring;
    QString m_lastOrder;    // the arrangements last reported, so that a drop that changes
    QString m_lastColours;  // nothing is no new answer
    std::array<PictureCard *, 5> m_pictures{};  // Image1 … Image5
    std::array<Bevel *, 5> m_orderBoxes{};      // Bevel1 … Bevel5
    std::array<QLabel *, 5> m_counts{};         // Label2, Label3, Label4, Label6, Label7
    std::array<ColourTile *, 7> m_tiles{};      // Image6 … Image12
    std::array<Bevel *, 7> m_colourBoxes{};     // Bevel6 … Bevel12
};

extern TForm5 *Form5;

} // namespace abacolo
