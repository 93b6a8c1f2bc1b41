#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vx::qt {

// The core holds Latin-1 bytes; Qt holds Unicode.
inline QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Message texts use "\r" for line breaks.
inline QString MessageText(std::string_view text) {
    QString shown = FromLatin1(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    return shown;
}

}  // namespace vx::qt
