// Document files: reading whole files with their size checked first, and
// writing them in one piece.
#include "reports/rtf/document_file.h"

#include "reports/rtf/rtf_reader.h"
#include "reports/rtf/rtf_writer.h"
#include "util/text_encoding.h"

#include <fstream>
#include <iterator>

namespace verdalis::rtf {

namespace {

std::string quoted(const std::filesystem::path& path)
{
    return "\"" + path.string() + "\"";
}

std::string readFile(const std::filesystem::path& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        throw DocumentFileError("Cannot open file " + quoted(path) + ". " + error.message());
    }
    if (size > maxDocumentFileBytes) {
        throw DocumentFileError("Cannot open file " + quoted(path) + ". The file is too large for a document.");
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) {
        throw DocumentFileError("Cannot read file " + quoted(path) + ".");
    }
    return bytes;
}

void writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
        throw DocumentFileError("Cannot create file " + quoted(path) + ".");
    }
}

} // namespace

Document loadDocument(const std::filesystem::path& path)
{
    const std::string bytes = readFile(path);
    if (looksLikeRtf(bytes)) {
        return readRtf(bytes);
    }
    std::string_view text = bytes;
    // The line end of the last line ends it; it does not begin another one.
    if (text.ends_with("\r\n")) {
        text.remove_suffix(2);
    } else if (text.ends_with('\n') || text.ends_with('\r')) {
        text.remove_suffix(1);
    }
    Document document;
    if (!bytes.empty()) {
        document.appendText(isValidUtf8(text) ? std::string(text) : windows1252ToUtf8(text), CharFormat{});
    }
    return document;
}

void saveRtf(const std::filesystem::path& path, const Document& document)
{
    writeFile(path, writeRtf(document));
}

void savePlainText(const std::filesystem::path& path, const Document& document)
{
    writeFile(path, toPlainText(document));
}

} // namespace verdalis::rtf
