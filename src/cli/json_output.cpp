#include "cli/json_output.h"

#include <QFile>
#include <QJsonDocument>

#include "level/cp1252.h"

QJsonValue JsonLevelText(std::string_view bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

QJsonValue JsonLocalText(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

void WriteJson(const QJsonObject& document, std::ostream& out) {
  const QByteArray text = QJsonDocument(document).toJson(QJsonDocument::Compact);
  out.write(text.constData(), text.size());
  out << '\n';
}
