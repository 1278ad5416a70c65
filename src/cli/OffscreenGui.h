// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifdef BOXMILL_CLI_PDF
#include <QGuiApplication>

#include <memory>

namespace boxmill::cli {

// Painting text needs Qt's GUI side, which runs here without a display;
// keep the result alive while painting.
std::unique_ptr<QGuiApplication> StartOffscreenGui();

} // namespace boxmill::cli
#endif
