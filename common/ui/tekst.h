// Core texts are UTF-8 std::string; the windows speak QString.
#pragma once

#include <QString>
#include <string>

namespace common {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

}  // namespace common
