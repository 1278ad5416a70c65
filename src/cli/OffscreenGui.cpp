// SPDX-License-Identifier: GPL-3.0-or-later
#include "OffscreenGui.h"

#ifdef BOXMILL_CLI_PDF
namespace boxmill::cli {

std::unique_ptr<QGuiApplication> StartOffscreenGui()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "boxmill-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace boxmill::cli
#endif
