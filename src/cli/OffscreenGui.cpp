// SPDX-License-Identifier: GPL-3.0-or-later
#include "OffscreenGui.h"

#ifdef BOXMILL_CLI_PDF
#include <QFile>

namespace boxmill::cli {

namespace {

constexpr const char* kRuntimeFolder = "XDG_RUNTIME_DIR";

} // namespace

OffscreenGui::OffscreenGui()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A fresh folder is the user's alone (0700), which Qt asks of it.
    if (qEnvironmentVariableIsEmpty(kRuntimeFolder)) {
        m_runtimeFolder.emplace();
        if (m_runtimeFolder->isValid())
            qputenv(kRuntimeFolder, QFile::encodeName(m_runtimeFolder->path()));
        else
            m_runtimeFolder.reset();
    }
    static int argc = 1;
    static char name[] = "boxmill-cli";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenGui::~OffscreenGui()
{
    m_application.reset();
    if (m_runtimeFolder)
        qunsetenv(kRuntimeFolder);
}

std::unique_ptr<OffscreenGui> StartOffscreenGui()
{
    return std::make_unique<OffscreenGui>();
}

} // namespace boxmill::cli
#endif
