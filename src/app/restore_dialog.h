#pragma once

class OpenLevels;
class QWidget;
class RecoveryWriter;

// At start-up: asks about each level that an editor which crashed or was killed left behind,
// Restore or Discard. A restored level opens modified, under its own file name and title;
// its file stays as it was until the user saves. Returns how many levels were restored.
int offerRecoveredLevels(OpenLevels& levels, RecoveryWriter& writer, QWidget* parent);
