// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace boxmill {

class SessionController;

// Says, where the user is working, which openings are too small for what
// was put in them and what to change; the cut lists and drawings leave
// those parts out without another word. Follows every edit and is hidden
// while everything fits.
class MisfitLabel : public QLabel {
public:
    MisfitLabel(SessionController& controller, QWidget* parent);

    void refresh();

private:
    SessionController& m_controller;
};

} // namespace boxmill
