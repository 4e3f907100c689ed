// File names between Qt's text and the core's: UTF-8 in a std::string on every
// system, as the core keeps them (QFile::encodeName would give Windows' code
// page, where a Polish name is lost).
#pragma once
#include <QString>
#include <string>

namespace tilesmith {

inline std::string core_file_name(const QString& name) { return name.toStdString(); }
inline QString qt_file_name(const std::string& name) { return QString::fromStdString(name); }

}  // namespace tilesmith
