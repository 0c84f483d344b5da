// Our writer of Rich Text Format files: a header with the font and colour
// tables, then each paragraph's runs with their full character format.
// Characters outside ASCII are written as Windows-1252 escapes where the code
// page has them and as \u characters with a "?" fallback otherwise, so that
// word processors and our reader read the same text back.
#pragma once

#include "reports/rtf/document.h"

#include <string>

namespace verdalis::rtf {

std::string writeRtf(const Document& document);

// The document as plain text: each paragraph, and each line break inside
// one, followed by lineEnd.
std::string toPlainText(const Document& document, std::string_view lineEnd = "\r\n");

} // namespace verdalis::rtf
