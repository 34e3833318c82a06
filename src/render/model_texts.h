#pragma once

#include <string>

#include <QString>

#include "level/property.h"

struct LevelDifference;
struct LevelWarning;
struct Message;

// The model's texts in the user's language: looked up with QCoreApplication::translate under
// the contexts the model marks them with, so without a translation they read as its English.
namespace translated {

// "" for no element.
QString elementName(int element);

// As the property form labels the field.
QString propertyLabel(Property property);

// As a sentence or an undo step names the property: without the label's trailing blank or colon.
QString propertyName(Property property);

// The name of a step of the history, as LevelDocument::undoName() gives it.
QString stepName(const std::string& name);

// A message whose values are UTF-8 (file names, typed text).
QString messageText(const Message& message);

// A warning line as warningLine() writes it; the level texts in it are Windows-1252.
QString warningText(const LevelWarning& warning);

// A difference between two levels as its text() says it, with the property named as the form does.
QString differenceText(const LevelDifference& difference);

}  // namespace translated
