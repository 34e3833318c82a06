#include "cli/json_output.h"

#include <QFile>
#include <QJsonDocument>

#include "level/cp1252.h"

QJsonValue jsonLevelText(std::string_view bytes) { return QString::fromStdString(cp1252ToUtf8(bytes)); }

QJsonValue jsonLocalText(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

void writeJson(const QJsonObject& document, std::ostream& out) {
  const QByteArray text = QJsonDocument(document).toJson(QJsonDocument::Compact);
  out.write(text.constData(), text.size());
  out << '\n';
}
