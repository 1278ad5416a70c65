// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace boxmill {

// "About Boxmill", and the same picture and name as the splash window that
// greets the user once at start.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    enum class Kind { About, Splash };
    explicit TAboutForm(Kind kind, QWidget* parent = nullptr);
};

} // namespace boxmill
