#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <ostream>
#include <string>
#include <string_view>

// Text from inside a level file, which is Windows-1252.
QJsonValue jsonLevelText(std::string_view bytes);
// File names and messages, which are in the system's encoding.
QJsonValue jsonLocalText(const std::string& text);
// The document on one line, ended by a newline, so that scripts can read one result per line.
void writeJson(const QJsonObject& document, std::ostream& out);
