#pragma once

// Marks a text of the model that the editor shows in the user's language. The model itself
// keeps and writes the English; the Qt layers look the text up under the same context with
// QCoreApplication::translate. tools/translations.sh teaches lupdate to collect these.
#define TRANSLATABLE(context, text) text
