// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenEditors.h"

#include <QAbstractItemView>

namespace boxmill {

void CommitOpenEditor(QAbstractItemView& view)
{
    // An editor is a child of the viewport; the view ignores a widget that
    // is not one of its editors.
    const auto children = view.viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* editor : children) {
        if (editor->isVisible())
            QMetaObject::invokeMethod(&view, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
    }
}

} // namespace boxmill
