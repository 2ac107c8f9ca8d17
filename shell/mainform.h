#pragma once

#include "toolkit/form.h"

#include <array>

class QLabel;
class QLineEdit;

namespace abacolo {

class FileTheme;
class ImageButton;
class PictureBox;
class Table;
class UrlLabel;
struct Services;

// The main window: what parent and child see for as long as the program runs. A header, the
// age tabs on the left, and twenty topic buttons that open the activities.
class TmymainForm : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TmymainForm)

public:
    static constexpr int TopicCount = 20;

    explicit TmymainForm(Services &services);
    ~TmymainForm() override;

    // The header.
    PictureBox *Image1;
    QLabel *Label21;
    QLabel *Label24;
    QLabel *Label22;
    QLabel *Label23;
    QLabel *Label25;
    QLabel *Label26;
    UrlLabel *suiURLLabel2;

    // The topic area. The age tabs (`RzPageControl1`) stand at (11, 130), 270 × 615.
    PictureBox *Image2;
    PictureBox *Image3;

    // The topic buttons `suiImageButton1` … `suiImageButton20`, each with its caption label.
    ImageButton *topicButton(int n) const { return m_buttons.at(size_t(n - 1)); }
    QLabel *topicLabel(int n) const { return m_labels.at(size_t(n - 1)); }

    QLineEdit *Edit3; // invisible: the name of the pressed topic button

    Table *Table1;
    FileTheme *suiFileTheme1;

    void FormShow() override;

    // Event handlers.
    void suiImageButton1Click();      // shared by all twenty topic buttons
    void topicMouseEnter(int n);      // suiImageButton<n>MouseEnter
    void topicMouseExit(int n);       // suiImageButton<n>MouseExit
    void Image1MouseMove();
    void suiURLLabel2Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormDestroy();
    void openTables();
    void buildLayout();
    void alignTop(Form *window) const;

    Services &m_services;
    std::array<ImageButton *, TopicCount> m_buttons{};
    std::array<QLabel *, TopicCount> m_labels{};
};

extern TmymainForm *mymainForm;

} // namespace abacolo
