// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingExport.h"

#include "core/CabinetModel.h"
#include "core/FileDialogs.h"
#include "core/FileIo.h"
#include "core/Prompter.h"
#include "designer/FaceDrawingSvg.h"
#include "paint/ShopDrawing.h"
#include "session/CabinetSession.h"

#include <algorithm>
#include <cctype>

namespace boxmill {

void ExportPdfOrSvg(const CabinetSession& session, const char* title, const std::function<std::string(bool svg)>& make)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = "PDF Files|*.pdf|SVG Files|*.svg";
    request.defaultExtension = "pdf";
    request.initialFolder = session.model().folders.cabinetFolder;
    request.confirmOverwrite = true;
    const auto chosen = session.dialogs().saveFile(request);
    if (!chosen)
        return;
    std::string ext = chosen->extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (const Status written = WriteFileAtomic(*chosen, make(ext == ".svg")); !written)
        session.prompter().message(MessageKind::Error, written.error());
}

void ExportShopDrawing(const CabinetSession& session, const ShopDrawingContent& content)
{
    ExportPdfOrSvg(session, "Export Drawing", [&](bool svg) {
        if (svg)
            return FaceDrawingSvg(content.shapes);
        const QByteArray pdf = ShopDrawingPdf(content, LocalePageSize());
        return std::string(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    });
}

} // namespace boxmill
