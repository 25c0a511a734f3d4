#ifndef TFCC_FORM7_H
#define TFCC_FORM7_H

#include <QImage>
#include <QList>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QStyle;
class QRadioButton;
struct ApplicantRecord;
struct PageInputs;
class FormShell;
class ViewShape;
class WindowSurface;

// The application window: the form the applicant fills in, and the same
// window showing the filled-out page for printing.
class Form7 : public QWidget
{
    Q_OBJECT

public:
    Form7(FormShell &shell, ApplicantRecord &record, QWidget *parent = nullptr);
    ~Form7() override;

    void Form_Load();

    WindowSurface *surface() const { return m_surface; }

    // The client area at normal size, in twips.
    static constexpr int ClientWidth = 6984;
    static constexpr int ClientHeight = 4404;

public Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int twips(int value) const;
    QRect twipsRect(int left, int top, int width, int height) const;
    QLabel *makeLabel(const char *name, const char *caption, const QRect &geometry, bool windowText);
    QLineEdit *makeTextBox(const char *name, const char *text, const char *toolTip, const QRect &geometry);
    QPushButton *makeButton(const char *name, const char *caption, const char *toolTip, const QRect &geometry);
    void createControls();
    void setTabOrder();
    void setAccessibleNames();

    void loadSampleRecord();
    void copyEntriesToRecord();
    PageInputs pageInputs() const;
    bool CMDialog1_ShowPrinter(QPrinter &printer);

    QList<QLabel *> inputLabels() const;
    QList<QLineEdit *> textBoxes() const;
    void hideLabelsTextsAndChecks();
    void hideInputButtons();
    void whiteAndMaximized();
    void showPageButtons(bool shown);
    QSize pageViewSize() const;
    void drawPreviewPage();
    void endProgram();
    void loadPictures();
    void rehearsePreview();

    FormShell &m_shell;
    ApplicantRecord &m_record;
    WindowSurface *m_surface = nullptr;
    ViewShape *m_shape = nullptr;
    QImage m_image1;
    QImage m_image2;
    bool m_picturesLoaded = false;
    std::unique_ptr<QStyle> m_indicatorStyle;
    bool m_ending = false;
    bool m_everActive = false;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label17;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9, *Text10,
        *Text11, *Text12, *Text13, *Text14, *Text15, *Text16, *Text17;
    QGroupBox *Frame2;
    QRadioButton *Option1, *Option2;
    QCheckBox *Check1, *Check2;
    QComboBox *Combo1;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5;
    QLabel *Picture1, *Picture2;
};

#endif
