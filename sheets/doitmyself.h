#pragma once

#include "services/answerrecorder.h"
#include "sheets/sheetrules.h"
#include "toolkit/form.h"

#include <QComboBox>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace abacolo {

class DBEdit;
class FileTheme;
class Panel;
class ProgressBar;
class Table;
class Timer;
struct Services;

// The calculation sheet "聪明宝宝算一算": ten written exercises of one operation in two
// columns of five. The child types the answers and presses the answer button; each right
// answer is worth 10 points. A vertical bar counts the time down meanwhile. The twenty
// numbers live in "fillblank.db", so the last sheet drawn comes back in the next run.
//
// The operation last chosen through `suiComboBox1` is kept in that box's dynamic property
// "tag" (an int); the main window selects it again when it opens the sheet.
class TForm10 : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm10)

public:
    explicit TForm10(Services &services);
    // The operation of the last sheet comes back into the operation box (no new sheet).
    void restoreLastOperation();
    // Opens the sheet's numbers in the data directory.
    void openTables(const QString &directory);
    // The window that full marks open (the reward games); the window set knows it.
    void setRewardWindow(Form *window) { m_reward = window; }

    FileTheme *suiFileTheme1;
    Table *Table1;

    Panel *Panel1;                  // black, under the exercises; holds the signs and captions
    ProgressBar *suiProgressBar1;   // the countdown: 100 … 0, and below 0 when out of time
    QComboBox *suiComboBox1;        // operation: 加法, 减法, 乘法, 除法, ""
    QComboBox *suiComboBox2;        // number range: 10以内 … 100以内, ""
    QComboBox *suiComboBox3;        // speed: 很慢 … 很快
    QPushButton *suiButton1;        // new sheet ("出题")
    QPushButton *suiButton2;        // mark the sheet ("答案")
    QLabel *Label21;                // "运算类型"
    QLabel *Label22;                // "数值范围"
    QLabel *Label25;                // "速度"
    QLabel *Label24;                // the score
    QLabel *Label23;                // "分!!"
    Timer *Timer1;                  // the countdown tick

    // `suiDBEdit1` … `suiDBEdit20`: the numbers `Num1` … `Num20`; exercise k is written with
    // numbers 2k−1 and 2k.
    DBEdit *suiDBEdit(int n) const { return m_numbers.at(size_t(n - 1)); }
    // `suiEdit1` … `suiEdit10`: the answer boxes of exercises 1 … 10.
    QLineEdit *suiEdit(int k) const { return m_answers.at(size_t(k - 1)); }
    // The operator sign and the "=" of exercise k (1 … 10).
    QLabel *operatorLabel(int k) const { return m_signs.at(size_t(k - 1)); }
    QLabel *equalsLabel(int k) const { return m_equals.at(size_t(k - 1)); }

    // Event handlers.
    void FormActivate() override;
    void suiComboBox1Change();
    void suiComboBox2Change();
    void suiComboBox3Change();
    void suiButton1Click();
    void suiButton2Click();
    void Timer1Timer();
    // An answer box's key: Enter moves on to the next control and is swallowed (true).
    bool suiEditKeyPress(QLineEdit *box, int key);
    void FormClose();

protected:
    bool FormCloseQuery() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void storeSheet(const SheetNumbers &numbers);

    Services &m_services;
    AnswerRecorder m_answer;
    Form *m_reward = nullptr;
    std::array<DBEdit *, 20> m_numbers{};
    std::array<QLineEdit *, 10> m_answers{};
    std::array<QLabel *, 10> m_signs{};
    std::array<QLabel *, 10> m_equals{};
};

extern TForm10 *Form10;

} // namespace abacolo
