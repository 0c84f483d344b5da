// Texts between the control model (UTF-8, byte offsets) and Qt (UTF-16).
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace verdalis::gui {

inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text)
{
    return text.toStdString();
}

// The Qt index of a byte offset into the UTF-8 text, and back.
inline int qtIndexOf(std::string_view text, size_t byteOffset)
{
    return static_cast<int>(toQt(text.substr(0, std::min(byteOffset, text.size()))).size());
}

inline size_t byteOffsetOf(const QString& text, int qtIndex)
{
    return static_cast<size_t>(text.left(qtIndex).toUtf8().size());
}

} // namespace verdalis::gui
