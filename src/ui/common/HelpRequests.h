// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

class QAbstractItemView;
class QWidget;

namespace boxmill {

// Double-click help. A window names the heading of the information index
// that explains each of its captions, group boxes, tool bars and grids; one
// watcher of the whole program turns a double click on them into a request.
// The windows need nothing else, and a control keeps doing what a double
// click does to it.
void SetHelpKey(QWidget* control, std::string_view key);

enum class HelpBy { Column, Row };
// A grid asks for the key of its current cell's column (or row). A cell
// beyond the keys asks for the last key asked for, whatever it was.
void SetGridHelpKeys(QAbstractItemView* grid, HelpBy by, std::span<const std::string_view> keys);
void SetGridHelpKeys(QAbstractItemView* grid, HelpBy by, std::initializer_list<std::string_view> keys);

// The columns of every dimension table of the designer and the views.
inline constexpr std::string_view kDimensionTableHelpKeys[] = {
    "Viewer Parts:", "Viewer Width:", "Viewer Length:", "Viewer Stock:"};

// What a double click on `receiver` asks for: nothing, a key, or (an empty
// string) the last key again.
std::optional<QString> HelpKeyForDoubleClick(const QObject* receiver);

class HelpRequests : public QObject {
    Q_OBJECT

public:
    // Watches every window of the application while it lives.
    explicit HelpRequests(QObject* parent);

signals:
    // An empty key asks for the last key again.
    void requested(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A double click that no control takes travels up to the parents, as a
    // new event for each; it asks once, for the innermost control that has
    // a key.
    QPointer<QObject> m_handled;
    quint64 m_handledTime = 0;
};

} // namespace boxmill
