#include "sheets/doitmyself.h"

#include "services/datadirectory.h"
#include "services/random.h"
#include "services/services.h"
#include "sheets/sheetpictures.h"
#include "tables/tables.h"
#include "toolkit/dbedit.h"
#include "toolkit/fonts.h"
#include "toolkit/handlers.h"
#include "toolkit/panel.h"
#include "toolkit/progressbar.h"
#include "toolkit/skin.h"
#include "toolkit/skinframe.h"
#include "toolkit/timer.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

using namespace Qt::StringLiterals;

namespace abacolo {

TForm10 *Form10 = nullptr;

namespace {

constexpr int FullBar = 100;
constexpr int RowStep = 96;
constexpr int LeftRowTop = 95;   // exercises 1 … 5
constexpr int RightRowTop = 103; // exercises 6 … 10

// The speeds of `suiComboBox3` and the tick interval of each.
const QStringList SpeedItems{u"很慢"_s, u"慢"_s, u"一般"_s, u"较快"_s, u"很快"_s};
constexpr std::array<int, 5> SpeedIntervals{1000, 750, 500, 400, 300};

// The labels of the signs and of "=" in exercise order (`Label1` is the sign of exercise 1).
constexpr std::array<int, 10> SignLabels{1, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr std::array<int, 10> EqualsLabels{2, 3, 5, 7, 9, 11, 13, 15, 17, 19};

const QString NewSheetQuestion = u"需 要 重 新 出 题 吗？"_s;
const QString GoOnCaption = u"要努力，时间可不等人噢！"_s;
const QString GoOnQuestion = u"需 要 继 续 做 题 吗？"_s;
const QString ErrorCaption = u"错误"_s;
const QString NotFinished = u"请做完所有题目，答案不能为空！"_s;
const QString NotANumber = u"答案只能输入数字!"_s;

int rowTop(int exercise)
{
    return exercise <= 5 ? LeftRowTop + RowStep * (exercise - 1)
                         : RightRowTop + RowStep * (exercise - 6);
}

QLabel *panelLabel(int number, const QString &text, QWidget *parent, QPoint at, int pixels,
                   bool bold = false)
{
    return makeLabel(u"Label"_s + QString::number(number), text, parent, at,
                     uiFont(pixels, bold), Qt::white);
}

QComboBox *comboBox(const QString &name, const QStringList &items, QWidget *parent, QPoint at)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setGeometry(at.x(), at.y(), 97, 22);
    box->setFont(uiFont(13));
    // A box that does not apply (the range under multiplication and division) looks it.
    box->setStyleSheet(u"QComboBox:disabled { color: #8a8a8a; background-color: #d6d6d6; }"_s);
    return box;
}

QPushButton *pictureButton(const QString &name, const QString &tip, const QPixmap &picture,
                           QWidget *parent, QPoint at)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(at.x(), at.y(), 57, 49);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(48, 48));
    button->setToolTip(tip);
    button->setCursor(Qt::PointingHandCursor);
    // The picture fills the button: no room for the skin's padding.
    button->setStyleSheet(u"QPushButton { padding: 0px; }"_s);
    return button;
}

} // namespace

TForm10::TForm10(Services &services)
    : Form(u"Form10"_s, u"聪明宝宝算一算"_s, QSize(1018, 686))
    , suiFileTheme1(new FileTheme(this))
    , Table1(new Table(services.session, u"fillblank.db"_s, this))
    , m_services(services)
    , m_answer(services.clock, services.answers, u"sheet"_s)
{
    Table1->setObjectName(u"Table1"_s);
    setStaysOnTop(true);
    setPlacement(Placement::MainWindowCentre);
    suiForm1->setColor(QColor(232, 232, 232));

    Panel1 = new Panel(u"Panel1"_s, suiForm1, Qt::black);
    Panel1->setGeometry(0, 29, 1018, 768 - 29);

    // The exercises: first number, sign, second number, "=", answer box.
    const QFont digits = uiFont(67, true);
    // Three digits of this size fill the answer box; set a little closer they keep clear of
    // its rim.
    QFont answerDigits = digits;
    answerDigits.setLetterSpacing(QFont::AbsoluteSpacing, -3);
    for (int k = 1; k <= 10; ++k) {
        const bool left = k <= 5;
        const int top = rowTop(k);
        for (int side = 0; side < 2; ++side) {
            const int n = 2 * k - 1 + side;
            auto *number = new DBEdit(u"suiDBEdit"_s + QString::number(n), suiForm1);
            number->setGeometry((left ? 32 : 528) + side * (left ? 144 : 152), top, 80, 80);
            number->setFont(digits);
            number->setAlignment(Qt::AlignCenter);
            number->setFrame(false);
            number->setFocusPolicy(Qt::NoFocus);
            number->setEnabled(false);
            number->setStyleSheet(u"QLineEdit, QLineEdit:disabled { border: none; padding: 0px; "
                                  "background-color: black; color: white; }"_s);
            number->setDataField(Table1, u"Num"_s + QString::number(n));
            m_numbers.at(size_t(n - 1)) = number;
        }

        auto *answer = new QLineEdit(suiForm1);
        answer->setObjectName(u"suiEdit"_s + QString::number(k));
        answer->setGeometry(left ? 320 : 816, top, 120, 80);
        answer->setFont(answerDigits);
        answer->setAlignment(Qt::AlignCenter);
        answer->setMaxLength(3);
        answer->setStyleSheet(u"QLineEdit { background-color: white; color: red; "
                              "padding: 0px; border: 3px solid #ffb300; border-radius: 10px; }"
                              "QLineEdit:focus { border-color: #ff5a4e; }"_s);
        answer->installEventFilter(this);
        m_answers.at(size_t(k - 1)) = answer;

        // Signs and "=" sit on the panel, whose top is the title bar's foot: the same top
        // there puts them at the middle of their row.
        m_signs.at(size_t(k - 1)) = panelLabel(SignLabels.at(size_t(k - 1)), u"+"_s, Panel1,
                                               QPoint(left ? 136 : 632, top), 32, true);
        m_equals.at(size_t(k - 1)) = panelLabel(EqualsLabels.at(size_t(k - 1)), u"="_s, Panel1,
                                                QPoint(left ? 280 : 776, top), 32, true);
    }
    // Every sign keeps the width of the widest, so a changed sign is never clipped.
    for (QLabel *sign : m_signs)
        sign->setMinimumWidth(sign->fontMetrics().horizontalAdvance(u"÷"_s) + 4);

    suiProgressBar1 = new ProgressBar(u"suiProgressBar1"_s, suiForm1, Qt::Vertical);
    suiProgressBar1->setGeometry(976, 103, 12, 465);
    suiProgressBar1->setRange(0, FullBar);
    suiProgressBar1->setPosition(FullBar);

    Label21 = panelLabel(21, u"运算类型"_s, Panel1, {72, 578}, 11);
    Label22 = panelLabel(22, u"数值范围"_s, Panel1, {72, 602}, 11);
    Label25 = panelLabel(25, u"速度"_s, Panel1, {99, 626}, 11);

    suiComboBox1 = comboBox(u"suiComboBox1"_s, OperationItems, suiForm1, {132, 603});
    suiComboBox1->setFocusPolicy(Qt::ClickFocus);
    suiComboBox1->setProperty("tag", 0);
    suiComboBox2 = comboBox(u"suiComboBox2"_s, RangeItems, suiForm1, {132, 627});
    suiComboBox2->setFocusPolicy(Qt::ClickFocus);
    suiComboBox3 = comboBox(u"suiComboBox3"_s, SpeedItems, suiForm1, {132, 651});
    suiComboBox3->setCurrentIndex(2); // "一般"; the timer keeps 1000 ms until the box changes

    suiButton1 = pictureButton(u"suiButton1"_s, u"出题"_s, newSheetPicture(), suiForm1,
                               {432, 623});
    suiButton2 = pictureButton(u"suiButton2"_s, u"答案"_s, markPicture(), suiForm1, {520, 623});

    const QColor fuchsia(255, 0, 255);
    Label24 = makeLabel(u"Label24"_s, u"100"_s, suiForm1, {816, 583}, songFont(32), fuchsia);
    Label24->setFixedWidth(57);
    Label24->setAlignment(Qt::AlignRight | Qt::AlignVCenter); // the score stands by its "分!!"
    Label24->hide();
    Label23 = makeLabel(u"Label23"_s, u"分!!"_s, suiForm1, {880, 583}, songFont(32), fuchsia);
    Label23->hide();

    Timer1 = new Timer(u"Timer1"_s, this, 1000, false);
    Timer1->setOnTimer([this] { Timer1Timer(); });

    // Tab order: the answers, then the new-sheet button, the speed box and the answer button.
    QWidget *previous = m_answers.front();
    for (size_t i = 1; i < m_answers.size(); ++i) {
        setTabOrder(previous, m_answers.at(i));
        previous = m_answers.at(i);
    }
    setTabOrder(previous, suiButton1);
    setTabOrder(suiButton1, suiComboBox3);
    setTabOrder(suiComboBox3, suiButton2);

    onEvent(suiComboBox1, &QComboBox::activated, this, [this](int) { suiComboBox1Change(); });
    onEvent(suiComboBox2, &QComboBox::activated, this, [this](int) { suiComboBox2Change(); });
    onEvent(suiComboBox3, &QComboBox::activated, this, [this](int) { suiComboBox3Change(); });
    onEvent(suiButton1, &QAbstractButton::clicked, this, [this](auto &&...) { suiButton1Click(); });
    onEvent(suiButton2, &QAbstractButton::clicked, this, [this](auto &&...) { suiButton2Click(); });

    FormCreate();
}

void TForm10::FormCreate()
{
    resize(width(), 768);
    suiFileTheme1->setThemeFile(DataDirectory() + u"/skin/diamond.ssk"_s);
}

void TForm10::FormActivate()
{
    // The range starts again at "10以内". The operation box shows the operation last chosen,
    // which the signs show and the marking follows; selecting by program runs no change
    // handler, so nothing is drawn.
    restoreLastOperation();
    suiComboBox2->setCurrentIndex(0);
    m_answer.asked(QString());
}

void TForm10::restoreLastOperation()
{
    suiComboBox1->setCurrentIndex(suiComboBox1->property("tag").toInt());
}

void TForm10::openTables(const QString &directory)
{
    Table1->setDatabaseName(directory);
    Table1->setActive(true);
}

void TForm10::suiComboBox1Change()
{
    const int operation = suiComboBox1->currentIndex();
    if (operation >= SheetOperation::Addition && operation <= SheetOperation::Division) {
        for (QLabel *sign : m_signs)
            sign->setText(OperationSigns.at(operation));
        suiComboBox2->setEnabled(operation == SheetOperation::Addition
                                 || operation == SheetOperation::Subtraction);
    }
    suiComboBox1->setProperty("tag", operation);
    suiButton1->click();
}

void TForm10::suiComboBox2Change()
{
    suiButton1->click();
}

void TForm10::suiComboBox3Change()
{
    const int speed = suiComboBox3->currentIndex();
    if (speed >= 0 && speed < int(SpeedIntervals.size()))
        Timer1->setInterval(SpeedIntervals.at(size_t(speed)));
}

void TForm10::suiButton1Click()
{
    if (m_services.dialogs.ask(u"提示"_s, NewSheetQuestion) != Dialogs::Answer::Yes)
        return;
    Label23->hide();
    Label24->hide();
    Timer1->setEnabled(true);
    suiProgressBar1->setPosition(FullBar);
    m_services.counters.IncrementCounter(u"num1"_s);
    for (QLineEdit *answer : m_answers)
        answer->clear();

    m_services.random.seed(m_services.clock.secondsNow());
    const std::optional<SheetNumbers> numbers
        = drawSheet(suiComboBox1->currentIndex(), suiComboBox2->currentIndex(),
                    [this](int n) { return m_services.random.below(n); });
    // Anything else draws nothing: the old numbers stay.
    if (numbers)
        storeSheet(*numbers);

    m_answer.asked(QString());
    suiEdit(1)->setFocus();
}

void TForm10::storeSheet(const SheetNumbers &numbers)
{
    // A sheet that cannot be stored leaves the record as it was, and unlocked.
    TableEdit edit(*Table1);
    for (int position = 1; position <= 20; ++position)
        Table1->field(position).setAsInteger(numbers.at(size_t(position - 1)));
    edit.post();
}

void TForm10::suiButton2Click()
{
    int filled = 0;
    for (const QLineEdit *answer : m_answers)
        filled += answer->text().isEmpty() ? 0 : 1;
    if (filled < int(m_answers.size())) {
        m_services.dialogs.tell(ErrorCaption, NotFinished);
        suiEdit(1)->setFocus();
        return;
    }

    Timer1->setEnabled(false);
    const int operation = suiComboBox1->currentIndex();
    if (operation < SheetOperation::Addition || operation > SheetOperation::Division)
        return;

    // Every text is read first: one that is not a number stops the marking before any score.
    struct Exercise
    {
        qint64 first;
        qint64 second;
        qint64 answer;
    };
    std::array<Exercise, 10> exercises{};
    for (int k = 1; k <= 10; ++k) {
        const auto first = wholeNumber(suiDBEdit(2 * k - 1)->text());
        const auto second = wholeNumber(suiDBEdit(2 * k)->text());
        const auto answer = wholeNumber(suiEdit(k)->text());
        if (!first || !second || !answer) {
            m_services.dialogs.tell(ErrorCaption, NotANumber);
            return;
        }
        exercises.at(size_t(k - 1)) = {*first, *second, *answer};
    }
    int score = 0;
    for (const Exercise &e : exercises) {
        const bool right = isRight(operation, e.first, e.second, e.answer);
        score += right ? 10 : 0;
        m_answer.given(QString::number(e.first) + OperationSigns.at(operation) + QString::number(e.second),
                       QString::number(e.answer), right);
    }

    if (score == 100) {
        m_services.cues.PlayCue(u"vright"_s);
        m_answer.report();
        if (m_reward)
            m_reward->Show();
        hide();
    } else {
        m_services.cues.PlayCue(u"cat"_s);
        m_answer.report();
    }
    Label23->show();
    Label24->show();
    Label24->setText(QString::number(score));
}

void TForm10::Timer1Timer()
{
    suiProgressBar1->setPosition(suiProgressBar1->position() - 1);
    if (suiProgressBar1->position() != 0)
        return;
    if (m_services.dialogs.ask(GoOnCaption, GoOnQuestion) == Dialogs::Answer::Yes)
        suiProgressBar1->setPosition(FullBar);
    else
        suiButton1->click();
}

bool TForm10::suiEditKeyPress(QLineEdit *, int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    focusNextChild();
    return true;
}

void TForm10::FormClose()
{
    Timer1->setEnabled(false);
    suiProgressBar1->setPosition(FullBar);
}

bool TForm10::FormCloseQuery()
{
    FormClose();
    return true;
}

bool TForm10::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *box = qobject_cast<QLineEdit *>(watched);
        if (box && std::find(m_answers.begin(), m_answers.end(), box) != m_answers.end())
            return suiEditKeyPress(box, static_cast<QKeyEvent *>(event)->key());
    }
    return Form::eventFilter(watched, event);
}

} // namespace abacolo
