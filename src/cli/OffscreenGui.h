// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifdef BOXMILL_CLI_PDF
#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace boxmill::cli {

// Painting text needs Qt's GUI side, which runs here without a display.
// Without a session (a script, cron, ssh) XDG_RUNTIME_DIR is unset, and Qt
// would warn of it on standard error: the run gets a private one of its
// own, removed again when painting is done.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    std::optional<QTemporaryDir> m_runtimeFolder;
    std::unique_ptr<QGuiApplication> m_application;
};

// Keep the result alive while painting.
std::unique_ptr<OffscreenGui> StartOffscreenGui();

} // namespace boxmill::cli
#endif
