#pragma once
// Texts between the program's UTF-8 strings and Qt's.

#include <string>
#include <string_view>

#include <QString>

namespace platform::qt {

QString toQString(std::string_view utf8);
std::string toUtf8(const QString& text);

} // namespace platform::qt
