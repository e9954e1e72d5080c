#pragma once
// The one place where 8-bit service text (Windows-1251) meets Qt's UTF-16.
#include <QString>
#include <string>
#include <string_view>

QString FromAnsi(std::string_view bytes);
// Characters without a Windows-1251 form become "?".
std::string ToAnsi(const QString& text);
// Only the characters of `text` that have a Windows-1251 form, in order; the
// rest are dropped rather than turned into "?".
QString AnsiRepresentable(const QString& text);
