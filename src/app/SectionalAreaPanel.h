// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QLabel;
class QTableWidget;

namespace boxmill {

class SessionController;

// "Sectional Dimensions": the computed openings, drawers and shelf spacings
// of each face-frame section, two sections in view at a time.
class SectionalAreaPanel : public QGroupBox {
    Q_OBJECT

public:
    SectionalAreaPanel(SessionController& controller, QWidget* parent = nullptr);

    void refresh();
    QTableWidget* grid() const { return m_grid; }
    QLabel* firstSectionLabel() const { return m_section1; }
    QLabel* secondSectionLabel() const { return m_section2; }

private:
    void updateSectionLabels();

    SessionController& m_controller;
    QTableWidget* m_grid = nullptr;
    QLabel* m_section1 = nullptr;
    QLabel* m_section2 = nullptr;
};

} // namespace boxmill
