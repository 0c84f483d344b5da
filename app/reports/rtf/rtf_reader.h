// Our reader of Rich Text Format files: the part of RTF that documents and
// reports use. It keeps paragraphs (\par), line breaks (\line), tabs, bold,
// italic and underline, colours (\colortbl, \cf), fonts (\fonttbl, \f, \fs),
// escaped and 8-bit characters (Windows-1252) and Unicode characters (\u with
// its \uc fallback), and skips pictures, style sheets, document information
// and every other destination it does not show.
//
// The input is untrusted: the reader walks it with an explicit group stack
// (no recursion), bounds the nesting depth, and for any malformed input
// either raises RtfError with a clear message or returns what it could read.
#pragma once

#include "reports/rtf/document.h"

#include <stdexcept>
#include <string_view>

namespace verdalis::rtf {

class RtfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr size_t maxGroupDepth = 256;

// True when the data begins as an RTF file does ("{\rtf").
bool looksLikeRtf(std::string_view data);

// Reads an RTF document. Raises RtfError when the data is not RTF or nests
// groups deeper than maxGroupDepth. Groups left open at the end of the data
// and text after the closing brace are tolerated: the text read so far is
// the document.
Document readRtf(std::string_view data);

} // namespace verdalis::rtf
