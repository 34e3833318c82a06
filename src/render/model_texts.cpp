#include "render/model_texts.h"

#include <vector>

#include <QCoreApplication>

#include "level/cp1252.h"
#include "level/elements.h"
#include "level/level_checks.h"
#include "level/level_diff.h"
#include "level/message.h"
#include "level/warning_text.h"

namespace {

QString translate(std::string_view context, const char* text) {
  return QCoreApplication::translate(std::string(context).c_str(), text);
}

// Placeholders are filled in one pass, as in the model, so a value's own "%2" stays.
QString filled(const QString& pattern, const std::vector<std::string>& values) {
  return QString::fromStdString(fillIn(pattern.toStdString(), values));
}

QString text(const Message& message, bool levelText) {
  if (message.context.empty()) return QString::fromStdString(levelText ? cp1252ToUtf8(message.text) : message.text);
  std::vector<std::string> values;
  for (const Message& arg : message.args) {
    const std::string value = text(arg, levelText).toStdString();
    values.push_back(arg.context.empty() ? value : std::string(withoutBlanks(value)));
  }
  return filled(translate(message.context, message.text.c_str()), values);
}

}  // namespace

namespace translated {

QString elementName(int element) {
  const ElementInfo* info = findElement(element);
  return info ? translate("Element", info->name) : QString();
}

QString propertyLabel(Property property) {
  const PropertyInfo& info = propertyInfo(property);
  return info.label ? translate("Property", info.label) : QString::fromLatin1(info.jsonName);
}

QString propertyName(Property property) {
  QString name = propertyLabel(property);
  while (!name.isEmpty() && (name.back().isSpace() || name.back() == u':')) name.chop(1);
  return name;
}

QString stepName(const std::string& name) {
  for (const PropertyInfo& info : propertyTable())
    if (::propertyName(info.property) == name) return translated::propertyName(info.property);
  return translate("Step", name.c_str());
}

QString messageText(const Message& message) { return text(message, false); }

QString warningText(const LevelWarning& warning) {
  const std::string line = text(warning.translatable, true).toStdString();
  if (warning.cell)
    return filled(translate("Message", kCellWarningLine),
                  {std::to_string(warning.cell->x), std::to_string(warning.cell->y), line});
  if (warning.property)
    return filled(translate("Message", kPropertyWarningLine),
                  {translated::propertyName(*warning.property).toStdString(), line});
  return QString::fromStdString(line);
}

QString differenceText(const LevelDifference& difference) {
  Message message = difference.message();
  if (difference.property)
    message.args.at(0) = Message::value(translated::propertyName(*difference.property).toStdString());
  return messageText(message);
}

}  // namespace translated
