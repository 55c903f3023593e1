// The one place where core texts (Windows-1251) and window texts meet.
#pragma once

#include "base/TransCodes.h"

#include <QString>

#include <string>

inline QString FromAnsi(const std::string& ansi) {
    return QString::fromStdString(TransCodes::AnsiToUtf8(ansi));
}

inline std::string ToAnsi(const QString& text) {
    return TransCodes::Utf8ToAnsi(text.toStdString());
}
