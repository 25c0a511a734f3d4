#include "viewshape.h"

#include "formshell.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

ViewShape::ViewShape(QWidget &window, FormShell &shell, const QSize &inputSize, std::function<QSize()> pageSize)
    : QObject(&window), m_window(window), m_shell(shell), m_inputSize(inputSize), m_pageSize(std::move(pageSize))
{
    m_answerWait.setSingleShot(true);
    m_answerWait.setInterval(AnswerWaitMs);
    connect(&m_answerWait, &QTimer::timeout, this, &ViewShape::noAnswer);
    fixInputSize();
}

// The fixed size goes before the request: a window manager does not maximize
// a window that cannot change its size.
void ViewShape::showPageView()
{
    if (m_pageView)
        return;
    m_pageView = true;
    liftInputSize();
    const Qt::WindowStates state = m_window.windowState();
    const Qt::WindowStates maximized = (state & ~Qt::WindowMinimized) | Qt::WindowMaximized;
    if (state == maximized)
        return;
    watchWindowSystem();
    m_awaitingAnswer = true;
    m_answerWait.start();
    m_shell.requestWindowState(&m_window, maximized);
}

void ViewShape::showInputView()
{
    m_pageView = false;
    watchWindowSystem();
    m_shell.requestWindowState(&m_window, m_window.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    settle();
}

// The window system's answers come to the native window, made here when the
// window has not been shown yet; the widget itself hears only of answers
// that differ from what it asked for.
void ViewShape::watchWindowSystem()
{
    m_window.winId();
    m_window.windowHandle()->installEventFilter(this);
}

bool ViewShape::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && watched == m_window.windowHandle()) {
        const Qt::WindowStates state = m_window.windowHandle()->windowStates();
        m_systemMaximized = state.testFlag(Qt::WindowMaximized) || state.testFlag(Qt::WindowFullScreen);
        m_systemMinimized = state.testFlag(Qt::WindowMinimized);
        m_awaitingAnswer = false;
        m_answerWait.stop();
        settle();
    }
    return QObject::eventFilter(watched, event);
}

// Without a window manager nobody answers: the window is as it was.
void ViewShape::noAnswer()
{
    m_awaitingAnswer = false;
    settle();
}

void ViewShape::settle()
{
    if (m_systemMinimized)
        return;
    if (m_systemMaximized) {
        liftInputSize();
        return;
    }
    if (m_awaitingAnswer)
        return;
    if (m_pageView)
        growToPage();
    else
        fixInputSize();
}

void ViewShape::fixInputSize()
{
    m_window.setFixedSize(m_inputSize);
}

void ViewShape::liftInputSize()
{
    m_window.setMinimumSize(0, 0);
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// As large as the page needs, as far as the screen allows, and moved back
// onto the screen where the larger window would run past its edge.
void ViewShape::growToPage()
{
    const QRect client = m_window.geometry();
    const QRect frame = m_window.frameGeometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    const QRect room = m_window.screen()->availableGeometry().marginsRemoved(margins);
    QRect grown(client.topLeft(), client.size().expandedTo(m_pageSize()).boundedTo(room.size()));
    grown.moveRight(std::min(grown.right(), room.right()));
    grown.moveBottom(std::min(grown.bottom(), room.bottom()));
    grown.moveLeft(std::max(grown.left(), room.left()));
    grown.moveTop(std::max(grown.top(), room.top()));
    if (grown != client)
        m_window.setGeometry(grown);
}
