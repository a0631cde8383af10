#pragma once

#include <string>
#include <string_view>

#include "app/file_type.h"
#include "model/workbench.h"

namespace tessaro {

// An EPS document's bytes in the given type; DXF is built in `dxfDocument`, SVG written in UTF-8.
[[nodiscard]] std::string documentBytesAs(const LineList& eps, FileType type, bool lastPolylineClosed,
                                          std::string_view label, LineList& dxfDocument);
[[nodiscard]] std::string documentBytesAs(const LineList& eps, FileType type, bool lastPolylineClosed,
                                          std::string_view label);

// The bytes of the current template in the given type; DXF rebuilds the DXF document,
// SVG is read from the EPS document and written in UTF-8.
[[nodiscard]] std::string templateBytes(Workbench& wb, FileType type);

// Saves the current template; a failure leaves the documents and the old file as they were.
void saveTemplate(Workbench& wb, const std::string& path, FileType type);

}  // namespace tessaro
