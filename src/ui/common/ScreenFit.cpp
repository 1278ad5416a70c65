// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

// The title bar and borders around the window. A window not yet shown has
// no frame to measure; its parent's, which the same window manager drew,
// stands in for it.
QSize FrameExtra(const QWidget* window)
{
    QSize extra = window->frameGeometry().size() - window->size();
    if (const QWidget* parent = window->parentWidget(); parent && parent->isVisible())
        extra = extra.expandedTo(parent->window()->frameGeometry().size() - parent->window()->size());
    return extra.expandedTo(QSize(0, 0));
}

} // namespace

QSize LargestClientSize(const QWidget* window)
{
    return (FreeArea(window).size() - FrameExtra(window)).expandedTo(QSize(1, 1));
}

void KeepWithinScreen(QWidget* window)
{
    const QSize largest = LargestClientSize(window);
    if (window->width() > largest.width() || window->height() > largest.height())
        window->resize(window->size().boundedTo(largest));
    // A window whose least size is more than the screen holds keeps its
    // top-left corner on screen.
    const QRect area = FreeArea(window);
    const QSize frame = window->size() + FrameExtra(window);
    const QPoint at = window->pos();
    const QPoint within(std::max(area.left(), std::min(at.x(), area.right() + 1 - frame.width())),
                        std::max(area.top(), std::min(at.y(), area.bottom() + 1 - frame.height())));
    if (within != at)
        window->move(within);
}

} // namespace boxmill
