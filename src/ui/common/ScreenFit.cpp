// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFit.h"

#include <QBasicTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace boxmill {

namespace {

QRect FreeArea(const QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The title bar and borders around the window, as the window system has
// them now. A window not yet framed has none to measure; its parent's,
// which the same window manager drew, stands in for it.
QMargins FrameMargins(const QWidget* window)
{
    QMargins margins;
    if (const QWindow* handle = window->windowHandle(); handle && handle->isVisible())
        margins = handle->frameMargins();
    if (margins.isNull())
        if (const QWidget* parent = window->parentWidget(); parent && parent->isVisible())
            if (const QWindow* handle = parent->window()->windowHandle())
                margins = handle->frameMargins();
    return margins;
}

// A window manager frames and places a window a moment after it is shown,
// and may move it once more then; the user cannot have moved it yet.
constexpr int kSettleMilliseconds = 500;

// Keeps one window within the screen at each showing.
class ScreenKeeper : public QObject {
public:
    explicit ScreenKeeper(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QStringLiteral("ScreenKeeper"));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window) {
            if (event->type() == QEvent::Show)
                showing();
            return false;
        }
        switch (event->type()) {
        case QEvent::Expose:
            if (!m_settleTimer.isActive())
                m_settleTimer.start(kSettleMilliseconds, this);
            [[fallthrough]];
        case QEvent::Move:
        case QEvent::Resize: KeepWithinScreen(m_window); break;
        default: break;
        }
        return false;
    }

    void timerEvent(QTimerEvent* event) override
    {
        if (event->timerId() != m_settleTimer.timerId())
            return;
        m_settleTimer.stop();
        if (m_handle)
            m_handle->removeEventFilter(this);
    }

private:
    void showing()
    {
        KeepWithinScreen(m_window);
        m_settleTimer.stop();
        if (m_handle)
            m_handle->removeEventFilter(this);
        m_handle = m_window->windowHandle();
        if (m_handle)
            m_handle->installEventFilter(this);
    }

    QWidget* m_window;
    QPointer<QWindow> m_handle;
    QBasicTimer m_settleTimer;
};

} // namespace

QSize LargestClientSize(const QWidget* window)
{
    const QMargins frame = FrameMargins(window);
    return (FreeArea(window).size().shrunkBy(frame)).expandedTo(QSize(1, 1));
}

void KeepWithinScreen(QWidget* window)
{
    const QSize largest = LargestClientSize(window);
    if (window->width() > largest.width() || window->height() > largest.height())
        window->resize(window->size().boundedTo(largest));
    // Placed by the inside, which is where it is whether or not the window
    // system has told the frame around it yet. A window whose least size is
    // more than the screen holds keeps its title bar on screen.
    const QMargins frame = FrameMargins(window);
    const QRect area = FreeArea(window);
    const QRect outer = window->geometry().marginsAdded(frame);
    const QPoint within(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())),
                        std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    if (within != outer.topLeft())
        window->setGeometry(QRect(within + QPoint(frame.left(), frame.top()), window->size()));
}

void KeepWithinScreenWhenShown(QWidget* window)
{
    if (!window->findChild<QObject*>(QStringLiteral("ScreenKeeper"), Qt::FindDirectChildrenOnly))
        new ScreenKeeper(window);
}

} // namespace boxmill
