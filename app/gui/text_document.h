// A rich text document as Qt shows and prints it: one block per paragraph,
// one character format per run (font, size, bold, italic, underline and
// colour). Fonts the program names as fixed-pitch ("Courier New") become
// the system's fixed-pitch font, which is what such a report needs here.
#pragma once

#include "reports/rtf/document.h"

#include <QTextDocument>

namespace verdalis::gui {

void fillTextDocument(QTextDocument& target, const rtf::Document& document);

} // namespace verdalis::gui
