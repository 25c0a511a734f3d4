#ifndef TFCC_VIEWSHAPE_H
#define TFCC_VIEWSHAPE_H

#include <QObject>
#include <QSize>
#include <QTimer>

#include <functional>

class FormShell;
class QWidget;

// The application window's size in its two views: the input view's fixed
// size, and the page view maximized, or grown to hold the page where the
// window system does not maximize it. The window system answers a request to
// maximize or restore later, and a compositor ends a client whose maximized
// window takes another size than the one it was given; so the fixed size
// holds only while the window system has the window at its normal size.
class ViewShape : public QObject
{
    Q_OBJECT

public:
    // pageSize tells, once the page is drawn, how much of the window it and
    // the page view's controls take.
    ViewShape(QWidget &window, FormShell &shell, const QSize &inputSize, std::function<QSize()> pageSize);

    void showPageView();
    void showInputView();

    // How long a window system that does not answer is waited for.
    static constexpr int AnswerWaitMs = 300;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchWindowSystem();
    void noAnswer();
    void settle();
    void fixInputSize();
    void liftInputSize();
    void growToPage();

    QWidget &m_window;
    FormShell &m_shell;
    const QSize m_inputSize;
    const std::function<QSize()> m_pageSize;
    bool m_pageView = false;
    // What the window system last said, and whether a request to maximize
    // still waits for its answer.
    bool m_systemMaximized = false;
    bool m_systemMinimized = false;
    bool m_awaitingAnswer = false;
    QTimer m_answerWait;
};

#endif
