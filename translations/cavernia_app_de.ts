<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Cavernia Level Editor</source>
        <translation>Über Cavernia Level Editor</translation>
    </message>
    <message>
        <source>Cavernia Level Editor, Version %1</source>
        <translation>Cavernia Level Editor, Version %1</translation>
    </message>
    <message>
        <source>Made with Qt for Linux desktops</source>
        <translation>Mit Qt für Linux-Desktops erstellt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If you have any useful ideas (or found some bugs), drop me an e-mail</source>
        <translation>Wenn Sie nützliche Ideen haben (oder Fehler gefunden haben), schreiben Sie mir eine E-Mail</translation>
    </message>
    <message>
        <source>Don&apos;t forget to visit the Cavernia homepage</source>
        <translation>Besuchen Sie auch die Cavernia-Homepage</translation>
    </message>
</context>
<context>
    <name>CaverniaApp</name>
    <message>
        <source>%1 could not be printed: %2</source>
        <translation>%1 konnte nicht gedruckt werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be printed: the printer &quot;%2&quot; could not be started</source>
        <translation>%1 konnte nicht gedruckt werden: Der Drucker „%2“ ließ sich nicht starten</translation>
    </message>
</context>
<context>
    <name>CompareMenu</name>
    <message>
        <source>The level cannot be compared.

%1</source>
        <translation>Das Level kann nicht verglichen werden.

%1</translation>
    </message>
    <message>
        <source>the saved file</source>
        <translation>der gespeicherten Datei</translation>
    </message>
    <message>
        <source>Compare with &amp;Saved</source>
        <translation>Mit &amp;gespeicherter Datei vergleichen</translation>
    </message>
    <message>
        <source>Shows what differs from the level&apos;s saved file</source>
        <translation>Zeigt, was sich von der gespeicherten Datei des Levels unterscheidet</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Mit Date&amp;i vergleichen ...</translation>
    </message>
    <message>
        <source>Shows what differs from another level file</source>
        <translation>Zeigt, was sich von einer anderen Leveldatei unterscheidet</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Cavernia Level (*.lev)</source>
        <translation>Cavernia-Level (*.lev)</translation>
    </message>
    <message>
        <source>&amp;Next Difference</source>
        <translation>&amp;Nächster Unterschied</translation>
    </message>
    <message>
        <source>Goes to the next difference of the comparison</source>
        <translation>Geht zum nächsten Unterschied des Vergleichs</translation>
    </message>
    <message>
        <source>&amp;Previous Difference</source>
        <translation>V&amp;origer Unterschied</translation>
    </message>
    <message>
        <source>Goes to the previous difference of the comparison</source>
        <translation>Geht zum vorigen Unterschied des Vergleichs</translation>
    </message>
    <message>
        <source>&amp;End Comparison</source>
        <translation>Vergleich &amp;beenden</translation>
    </message>
    <message>
        <source>Ends the comparison and its outlines</source>
        <translation>Beendet den Vergleich und seine Umrandungen</translation>
    </message>
</context>
<context>
    <name>DifferencesPanel</name>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>No comparison. Use File &gt; Compare with Saved or Compare with File.</source>
        <translation>Kein Vergleich. Wählen Sie Datei &gt; Mit gespeicherter Datei vergleichen oder Mit Datei vergleichen.</translation>
    </message>
    <message>
        <source>no differences</source>
        <translation>keine Unterschiede</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 Unterschied</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 Unterschiede</translation>
    </message>
    <message>
        <source>Compared with %1: %2</source>
        <translation>Verglichen mit %1: %2</translation>
    </message>
</context>
<context>
    <name>DiskChangeBar</name>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Keep my version</source>
        <translation>Meine &amp;Fassung behalten</translation>
    </message>
</context>
<context>
    <name>DiskWatch</name>
    <message>
        <source>%1 was deleted or renamed by another program. Save writes it again.</source>
        <translation>%1 wurde von einem anderen Programm gelöscht oder umbenannt. Speichern schreibt die Datei neu.</translation>
    </message>
    <message>
        <source>%1 was changed by another program and does not read as a level: %2</source>
        <translation>%1 wurde von einem anderen Programm geändert und lässt sich nicht als Level lesen: %2</translation>
    </message>
    <message>
        <source>%1 was changed by another program.</source>
        <translation>%1 wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>%1 was reloaded: another program changed it.</source>
        <translation>%1 wurde neu geladen: ein anderes Programm hat die Datei geändert.</translation>
    </message>
</context>
<context>
    <name>DrawModes</name>
    <message>
        <source>Free Draw</source>
        <translation>Freihand</translation>
    </message>
    <message>
        <source>Free Draw Mode</source>
        <translation>Freihandmodus</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Line Mode</source>
        <translation>Linienmodus</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fill Mode</source>
        <translation>Füllmodus</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Rectangle Mode</source>
        <translation>Rechteckmodus</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Gefülltes Rechteck</translation>
    </message>
    <message>
        <source>Filled Rectangle Mode</source>
        <translation>Modus gefülltes Rechteck</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Selection Mode</source>
        <translation>Auswahlmodus</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>No cell holds %1</source>
        <translation>Keine Zelle enthält %1</translation>
    </message>
    <message>
        <source>1 cell replaced</source>
        <translation>1 Zelle ersetzt</translation>
    </message>
    <message>
        <source>%1 cells replaced</source>
        <translation>%1 Zellen ersetzt</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undoes the last action</source>
        <translation>Macht die letzte Aktion rückgängig</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Rückgängig: %1 (Strg+Z)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redoes the last action</source>
        <translation>Wiederholt die letzte rückgängig gemachte Aktion</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Wiederholen (Strg+Y)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Wiederholen: %1 (Strg+Y)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cuts the selection and moves it to the Clipboard.</source>
        <translation>Schneidet die Auswahl aus und legt sie in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Cut (Ctrl+X)</source>
        <translation>Ausschneiden (Strg+X)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copies the selection to the Clipboard.</source>
        <translation>Kopiert die Auswahl in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Copy (Ctrl+C)</source>
        <translation>Kopieren (Strg+C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Inserts the Clipboard contents at the insertion point.</source>
        <translation>Fügt den Inhalt der Zwischenablage an der Einfügemarke ein.</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V)</source>
        <translation>Einfügen (Strg+V)</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontally</source>
        <translation>&amp;Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flips the marked block from left to right</source>
        <translation>Spiegelt den markierten Block von links nach rechts</translation>
    </message>
    <message>
        <source>Flip &amp;Vertically</source>
        <translation>&amp;Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Flips the marked block upside down</source>
        <translation>Stellt den markierten Block auf den Kopf</translation>
    </message>
    <message>
        <source>Rotate Clock&amp;wise</source>
        <translation>Im &amp;Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate C&amp;ounter-clockwise</source>
        <translation>&amp;Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>R&amp;eplace Element...</source>
        <translation>E&amp;lement ersetzen ...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>Empties the marked cells</source>
        <translation>Leert die markierten Felder</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Marks the whole level</source>
        <translation>Markiert das ganze Level</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>Markierung aufhe&amp;ben</translation>
    </message>
    <message>
        <source>Removes the marking</source>
        <translation>Hebt die Markierung auf</translation>
    </message>
    <message>
        <source>Turns the marked block a quarter turn clockwise about its middle</source>
        <translation>Dreht den markierten Block um seine Mitte eine Vierteldrehung im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Turns the marked block a quarter turn counter-clockwise about its middle</source>
        <translation>Dreht den markierten Block um seine Mitte eine Vierteldrehung gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Replaces one element with another in the marked block or the whole level</source>
        <translation>Ersetzt ein Element durch ein anderes im markierten Block oder im ganzen Level</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>The level could not be attached.

%1</source>
        <translation>Das Level konnte nicht angehängt werden.

%1</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Das E-Mail-Programm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Creates a new level</source>
        <translation>Erstellt ein neues Level</translation>
    </message>
    <message>
        <source>New (Ctrl+N)</source>
        <translation>Neu (Strg+N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen ...</translation>
    </message>
    <message>
        <source>Opens an existing level</source>
        <translation>Öffnet ein vorhandenes Level</translation>
    </message>
    <message>
        <source>Open (Ctrl+O)</source>
        <translation>Öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cavernia Level (*.lev)</source>
        <translation>Cavernia-Level (*.lev)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Closes the active level</source>
        <translation>Schließt das aktive Level</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saves the active level</source>
        <translation>Speichert das aktive Level</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>Speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>Saves the active level under a new name</source>
        <translation>Speichert das aktive Level unter einem neuen Namen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Expor&amp;t as Image...</source>
        <translation>Als Bild e&amp;xportieren ...</translation>
    </message>
    <message>
        <source>Writes the active level as a PNG picture, as it is shown</source>
        <translation>Schreibt das aktive Level so, wie es angezeigt wird, als PNG-Bild</translation>
    </message>
    <message>
        <source>Export as Image</source>
        <translation>Als Bild exportieren</translation>
    </message>
    <message>
        <source>E-mail...</source>
        <translation>E-Mail ...</translation>
    </message>
    <message>
        <source>Sends the active level as an e-mail attachment</source>
        <translation>Versendet das aktive Level als E-Mail-Anhang</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken ...</translation>
    </message>
    <message>
        <source>Prints the level.</source>
        <translation>Druckt das Level.</translation>
    </message>
    <message>
        <source>Print (Ctrl+P)</source>
        <translation>Drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Previews the level.</source>
        <translation>Zeigt eine Druckvorschau des Levels.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rinter Setup...</source>
        <translation>Drucker&amp;einrichtung ...</translation>
    </message>
    <message>
        <source>Changes the printer and printing options</source>
        <translation>Ändert den Drucker und die Druckoptionen</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quits the application and asks to save levels</source>
        <translation>Beendet das Programm und fragt, ob Levels gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;About VOREL...</source>
        <translation>&amp;Über VOREL ...</translation>
    </message>
    <message>
        <source>Displays program information and version</source>
        <translation>Zeigt Informationen über das Programm und seine Version</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>HyperLink</name>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Mit der angegebenen Dateinamenerweiterung
ist keine Anwendung verknüpft.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Can&apos;t open link:

%1</source>
        <translation>Der Link kann nicht geöffnet werden:

%1</translation>
    </message>
</context>
<context>
    <name>ImageExport</name>
    <message>
        <source>There is not enough memory for the picture.</source>
        <translation>Für das Bild ist nicht genug Speicher vorhanden.</translation>
    </message>
    <message>
        <source>Export as Image</source>
        <translation>Als Bild exportieren</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The level could not be exported to %1.

%2</source>
        <translation>Das Level konnte nicht nach %1 exportiert werden.

%2</translation>
    </message>
</context>
<context>
    <name>LevelWindow</name>
    <message>
        <source>[read-only]</source>
        <translation>[schreibgeschützt]</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Basic Elements</source>
        <translation>Grundelemente</translation>
    </message>
    <message>
        <source>Doors &amp; Keys</source>
        <translation>Türen &amp; Schlüssel</translation>
    </message>
    <message>
        <source>Moving Elements</source>
        <translation>Bewegliche Elemente</translation>
    </message>
    <message>
        <source>Drawing Modes</source>
        <translation>Zeichenmodi</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Level Pack</source>
        <translation>Levelpaket</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation>&amp;Werkzeugleisten</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Activates this window</source>
        <translation>Aktiviert dieses Fenster</translation>
    </message>
    <message>
        <source>125, 125  Wall with rounded top</source>
        <extracomment>Not shown: as wide as the longest cell description, which sets the indicator&apos;s width</extracomment>
        <translation>125, 125  Mauer mit abgerundeter Oberseite</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>Num lock is on</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <extracomment>Caps lock is on</extracomment>
        <translation>UF</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>Scroll lock is on</extracomment>
        <translation>RF</translation>
    </message>
    <message>
        <source>Drawing &amp;Mode</source>
        <translation>&amp;Zeichenmodus</translation>
    </message>
</context>
<context>
    <name>OpenLevels</name>
    <message>
        <source>Cannot open the level.

%1</source>
        <translation>Das Level kann nicht geöffnet werden.

%1</translation>
    </message>
</context>
<context>
    <name>ProblemsPanel</name>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Keine Probleme gefunden</translation>
    </message>
</context>
<context>
    <name>ReplaceElementDialog</name>
    <message>
        <source>Replace Element</source>
        <translation>Element ersetzen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;With</source>
        <translation>&amp;Durch</translation>
    </message>
    <message>
        <source>in the whole &amp;level</source>
        <translation>im ganzen &amp;Level</translation>
    </message>
    <message>
        <source>in the marked &amp;block (%1 x %2)</source>
        <translation>im markierten &amp;Block (%1 x %2)</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>none (a new level, never saved)</source>
        <translation>keine (ein neues, nie gespeichertes Level)</translation>
    </message>
    <message>
        <source>The editor ended without closing the level &quot;%1&quot;. A copy of its changes was kept.

Original file: %2
Copy written: %3

Restore the level (its file stays as it is until you save it), or discard the copy?</source>
        <translation>Der Editor wurde beendet, ohne das Level „%1“ zu schließen. Eine Kopie seiner Änderungen wurde aufbewahrt.

Ursprüngliche Datei: %2
Kopie geschrieben: %3

Möchten Sie das Level wiederherstellen (seine Datei bleibt unverändert, bis Sie es speichern) oder die Kopie verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>The level could not be restored.

%1</source>
        <translation>Das Level konnte nicht wiederhergestellt werden.

%1</translation>
    </message>
</context>
<context>
    <name>SaveFlow</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Cavernia Level (*.lev)</source>
        <translation>Cavernia-Level (*.lev)</translation>
    </message>
    <message>
        <source>The level could not be saved.

%1</source>
        <translation>Das Level konnte nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>%1 is read-only: you may not write it. Save the level under another name?</source>
        <translation>%1 ist schreibgeschützt: Sie dürfen die Datei nicht schreiben. Das Level unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Shows or hides the file toolbar</source>
        <translation>Zeigt oder verbirgt die Werkzeugleiste Datei</translation>
    </message>
    <message>
        <source>Toggle File Bar</source>
        <translation>Werkzeugleiste Datei ein/aus</translation>
    </message>
    <message>
        <source>&amp;Basic Elements</source>
        <translation>&amp;Grundelemente</translation>
    </message>
    <message>
        <source>Shows or hides the basic elements</source>
        <translation>Zeigt oder verbirgt die Grundelemente</translation>
    </message>
    <message>
        <source>Toggle Basic Elements</source>
        <translation>Grundelemente ein/aus</translation>
    </message>
    <message>
        <source>&amp;Moving Elements</source>
        <translation>&amp;Bewegliche Elemente</translation>
    </message>
    <message>
        <source>Shows or hides the moving elements</source>
        <translation>Zeigt oder verbirgt die beweglichen Elemente</translation>
    </message>
    <message>
        <source>Toggle Moving Elements</source>
        <translation>Bewegliche Elemente ein/aus</translation>
    </message>
    <message>
        <source>&amp;Doors &amp;&amp; Keys</source>
        <translation>&amp;Türen &amp;&amp; Schlüssel</translation>
    </message>
    <message>
        <source>Shows or hides the doors and keys</source>
        <translation>Zeigt oder verbirgt die Türen und Schlüssel</translation>
    </message>
    <message>
        <source>Toggle Doors &amp; Keys</source>
        <translation>Türen &amp; Schlüssel ein/aus</translation>
    </message>
    <message>
        <source>D&amp;raw Modes</source>
        <translation>&amp;Zeichenmodi</translation>
    </message>
    <message>
        <source>Shows or hides the drawing modes</source>
        <translation>Zeigt oder verbirgt die Zeichenmodi</translation>
    </message>
    <message>
        <source>Toggle Draw Modes</source>
        <translation>Zeichenmodi ein/aus</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>Shows or hides the grid toolbar</source>
        <translation>Zeigt oder verbirgt die Werkzeugleiste Raster</translation>
    </message>
    <message>
        <source>Toggle Grid Bar</source>
        <translation>Werkzeugleiste Raster ein/aus</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Shows or hides the status bar</source>
        <translation>Zeigt oder verbirgt die Statusleiste</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <source>Shows or hides the problems of the level</source>
        <translation>Zeigt oder verbirgt die Probleme des Levels</translation>
    </message>
    <message>
        <source>Toggle Problems</source>
        <translation>Probleme ein/aus</translation>
    </message>
    <message>
        <source>&amp;Level Pack</source>
        <translation>&amp;Levelpaket</translation>
    </message>
    <message>
        <source>Shows or hides the levels of the active level&apos;s folder</source>
        <translation>Zeigt oder verbirgt die Levels im Ordner des aktiven Levels</translation>
    </message>
    <message>
        <source>Toggle Level Pack</source>
        <translation>Levelpaket ein/aus</translation>
    </message>
    <message>
        <source>Redraw</source>
        <translation>Neu zeichnen</translation>
    </message>
    <message>
        <source>Redraws the level</source>
        <translation>Zeichnet das Level neu</translation>
    </message>
    <message>
        <source>Redraw (F5)</source>
        <translation>Neu zeichnen (F5)</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Show/Hide Grid</source>
        <translation>Raster ein-/ausblenden</translation>
    </message>
    <message>
        <source>Show/Hide Grid (Ctrl + G)</source>
        <translation>Raster ein-/ausblenden (Strg + G)</translation>
    </message>
    <message>
        <source>Gridsize...</source>
        <translation>Rastergröße ...</translation>
    </message>
    <message>
        <source>Changes the gridsize</source>
        <translation>Ändert die Rastergröße</translation>
    </message>
    <message>
        <source>Custom Gridsize</source>
        <translation>Eigene Rastergröße</translation>
    </message>
    <message>
        <source>Set the gridsize to %1x%1 Pixel</source>
        <translation>Setzt die Rastergröße auf %1x%1 Pixel</translation>
    </message>
    <message>
        <source>Gridsize %1 Pixel</source>
        <translation>Rastergröße %1 Pixel</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Shows the level larger</source>
        <translation>Zeigt das Level größer</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl + +)</source>
        <translation>Vergrößern (Strg + +)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Shows the level smaller</source>
        <translation>Zeigt das Level kleiner</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl + -)</source>
        <translation>Verkleinern (Strg + -)</translation>
    </message>
    <message>
        <source>&amp;Fit Level</source>
        <translation>Level &amp;einpassen</translation>
    </message>
    <message>
        <source>Shows the whole level in the window</source>
        <translation>Zeigt das ganze Level im Fenster</translation>
    </message>
    <message>
        <source>Fit Level (Ctrl + 0)</source>
        <translation>Level einpassen (Strg + 0)</translation>
    </message>
    <message>
        <source>Prop&amp;erties</source>
        <translation>E&amp;igenschaften</translation>
    </message>
    <message>
        <source>Shows or hides the property form in every level window</source>
        <translation>Zeigt oder verbirgt das Eigenschaftsformular in jedem Levelfenster</translation>
    </message>
    <message>
        <source>Toggle Properties (F9)</source>
        <translation>Eigenschaften ein/aus (F9)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>Opens another window for the active level</source>
        <translation>Öffnet ein weiteres Fenster für das aktive Level</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Arranges windows so they overlap</source>
        <translation>Ordnet die Fenster überlappend an</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>&amp;Horizontal nebeneinander</translation>
    </message>
    <message>
        <source>Arranges windows as non-overlapping tiles</source>
        <translation>Ordnet die Fenster nebeneinander an, ohne dass sie sich überlappen</translation>
    </message>
    <message>
        <source>Tile Horizontally</source>
        <translation>Horizontal nebeneinander</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>&amp;Vertikal nebeneinander</translation>
    </message>
    <message>
        <source>Tile Vertically</source>
        <translation>Vertikal nebeneinander</translation>
    </message>
    <message>
        <source>Next Window</source>
        <translation>Nächstes Fenster</translation>
    </message>
    <message>
        <source>Activates the next window</source>
        <translation>Aktiviert das nächste Fenster</translation>
    </message>
    <message>
        <source>Previous Window</source>
        <translation>Vorheriges Fenster</translation>
    </message>
    <message>
        <source>Activates the previous window</source>
        <translation>Aktiviert das vorherige Fenster</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Switches to the next window pane</source>
        <translation>Wechselt zum nächsten Fensterbereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Switches back to the previous window pane</source>
        <translation>Wechselt zurück zum vorherigen Fensterbereich</translation>
    </message>
    <message>
        <source>&amp;Tabbed</source>
        <translation>&amp;Registerkarten</translation>
    </message>
    <message>
        <source>Shows the level windows as tabs</source>
        <translation>Zeigt die Levelfenster als Registerkarten</translation>
    </message>
    <message>
        <source>Tabbed Windows</source>
        <translation>Fenster als Registerkarten</translation>
    </message>
</context>
</TS>
