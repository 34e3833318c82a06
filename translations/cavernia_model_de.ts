<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Element</name>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>Full sand</source>
        <translation>Voller Sand</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mauer</translation>
    </message>
    <message>
        <source>Glasswall</source>
        <translation>Glasmauer</translation>
    </message>
    <message>
        <source>Inverted wall</source>
        <translation>Umgekehrte Mauer</translation>
    </message>
    <message>
        <source>Stonewall</source>
        <translation>Steinmauer</translation>
    </message>
    <message>
        <source>Wall with rounded top</source>
        <translation>Mauer mit runder Kante</translation>
    </message>
    <message>
        <source>Embedded Emerald</source>
        <translation>Eingemauerter Smaragd</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>Ceruline</source>
        <translation>Cerulin</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubin</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Fels</translation>
    </message>
    <message>
        <source>Bag</source>
        <translation>Beutel</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bombe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Swamp</source>
        <translation>Sumpf</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>TimeBomb</source>
        <translation>Zeitbombe</translation>
    </message>
    <message>
        <source>Ticking Timebomb</source>
        <translation>Tickende Zeitbombe</translation>
    </message>
    <message>
        <source>Box of 10 Timebombs</source>
        <translation>Kiste mit 10 Zeitbomben</translation>
    </message>
    <message>
        <source>Converter</source>
        <translation>Umwandler</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Tresor</translation>
    </message>
    <message>
        <source>Cushion</source>
        <translation>Kissen</translation>
    </message>
    <message>
        <source>Dispenser</source>
        <translation>Spender</translation>
    </message>
    <message>
        <source>Acid</source>
        <translation>Säure</translation>
    </message>
    <message>
        <source>Blue Key</source>
        <translation>Blauer Schlüssel</translation>
    </message>
    <message>
        <source>Red Key</source>
        <translation>Roter Schlüssel</translation>
    </message>
    <message>
        <source>Green Key</source>
        <translation>Grüner Schlüssel</translation>
    </message>
    <message>
        <source>Yellow Key</source>
        <translation>Gelber Schlüssel</translation>
    </message>
    <message>
        <source>Blue Door</source>
        <translation>Blaue Tür</translation>
    </message>
    <message>
        <source>Red Door</source>
        <translation>Rote Tür</translation>
    </message>
    <message>
        <source>Green Door</source>
        <translation>Grüne Tür</translation>
    </message>
    <message>
        <source>Yellow Door</source>
        <translation>Gelbe Tür</translation>
    </message>
    <message>
        <source>Lorry moving upwards</source>
        <translation>Lore nach oben</translation>
    </message>
    <message>
        <source>Lorry moving downwards</source>
        <translation>Lore nach unten</translation>
    </message>
    <message>
        <source>Lorry moving left</source>
        <translation>Lore nach links</translation>
    </message>
    <message>
        <source>Lorry moving right</source>
        <translation>Lore nach rechts</translation>
    </message>
    <message>
        <source>Bug moving upwards</source>
        <translation>Käfer nach oben</translation>
    </message>
    <message>
        <source>Bug moving downwards</source>
        <translation>Käfer nach unten</translation>
    </message>
    <message>
        <source>Bug moving left</source>
        <translation>Käfer nach links</translation>
    </message>
    <message>
        <source>Bug moving right</source>
        <translation>Käfer nach rechts</translation>
    </message>
    <message>
        <source>Yam-Yam beast moving upwards</source>
        <translation>Yam-Yam nach oben</translation>
    </message>
    <message>
        <source>Yam-Yam beast moving downwards</source>
        <translation>Yam-Yam nach unten</translation>
    </message>
    <message>
        <source>Yam-Yam beast moving left</source>
        <translation>Yam-Yam nach links</translation>
    </message>
    <message>
        <source>Yam-Yam beast moving right</source>
        <translation>Yam-Yam nach rechts</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a value between 1 and %1</source>
        <translation>Bitte geben Sie einen Wert zwischen 1 und %1 ein.</translation>
    </message>
    <message>
        <source>Level files cannot hold these characters: %1. Please replace them.</source>
        <translation>Leveldateien können diese Zeichen nicht enthalten: %1. Bitte ersetzen Sie sie.</translation>
    </message>
    <message>
        <source>Please enter a number or a *</source>
        <translation>Bitte geben Sie eine Zahl oder einen * ein.</translation>
    </message>
    <message>
        <source>no Player 1</source>
        <translation>kein Spieler 1</translation>
    </message>
    <message>
        <source>no Exit</source>
        <translation>kein Ausgang</translation>
    </message>
    <message>
        <source>Emeralds to collect is %1, but the level holds only %2</source>
        <translation>%1 Smaragde sind zu sammeln, aber das Level enthält nur %2</translation>
    </message>
    <message>
        <source>a blue key but no blue door</source>
        <translation>ein blauer Schlüssel, aber keine blaue Tür</translation>
    </message>
    <message>
        <source>a blue door but no blue key</source>
        <translation>eine blaue Tür, aber kein blauer Schlüssel</translation>
    </message>
    <message>
        <source>a red key but no red door</source>
        <translation>ein roter Schlüssel, aber keine rote Tür</translation>
    </message>
    <message>
        <source>a red door but no red key</source>
        <translation>eine rote Tür, aber kein roter Schlüssel</translation>
    </message>
    <message>
        <source>a green key but no green door</source>
        <translation>ein grüner Schlüssel, aber keine grüne Tür</translation>
    </message>
    <message>
        <source>a green door but no green key</source>
        <translation>eine grüne Tür, aber kein grüner Schlüssel</translation>
    </message>
    <message>
        <source>a yellow key but no yellow door</source>
        <translation>ein gelber Schlüssel, aber keine gelbe Tür</translation>
    </message>
    <message>
        <source>a yellow door but no yellow key</source>
        <translation>eine gelbe Tür, aber kein gelber Schlüssel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds characters a level file cannot show as typed</source>
        <translation>„%1“ enthält Zeichen, die eine Leveldatei nicht wie eingegeben zeigen kann</translation>
    </message>
    <message>
        <source>Next level &quot;%1&quot; is not a level of this folder</source>
        <translation>Nächstes Level „%1“ ist kein Level dieses Ordners</translation>
    </message>
    <message>
        <source>%1: this is a folder, not a level file</source>
        <translation>%1: Dies ist ein Ordner, keine Leveldatei</translation>
    </message>
    <message>
        <source>%1: this is a pipe, not a level file</source>
        <translation>%1: Dies ist eine Pipe, keine Leveldatei</translation>
    </message>
    <message>
        <source>%1: this is a device, not a level file</source>
        <translation>%1: Dies ist ein Gerät, keine Leveldatei</translation>
    </message>
    <message>
        <source>%1: this is not a regular file, not a level file</source>
        <translation>%1: Dies ist keine gewöhnliche Datei und keine Leveldatei</translation>
    </message>
    <message>
        <source>%1: cannot open: %2</source>
        <translation>%1: Öffnen nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1: the file is larger than %2 MiB, too large for a level file</source>
        <translation>%1: Die Datei ist größer als %2 MiB, zu groß für eine Leveldatei</translation>
    </message>
    <message>
        <source>%1: read error: %2</source>
        <translation>%1: Lesefehler: %2</translation>
    </message>
    <message>
        <source>%1: the file holds a zero byte: it is binary data (a picture?), not a level file</source>
        <translation>%1: Die Datei enthält ein Null-Byte: Sie enthält Binärdaten (ein Bild?), keine Leveldatei</translation>
    </message>
    <message>
        <source>%1: line %2: %3 (the file has an invalid format)</source>
        <translation>%1: Zeile %2: %3 (die Datei hat ein ungültiges Format)</translation>
    </message>
    <message>
        <source>%1: cannot write in its folder: %2</source>
        <translation>%1: In ihren Ordner kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: write error: %2</source>
        <translation>%1: Schreibfehler: %2</translation>
    </message>
    <message>
        <source>%1: cannot replace the file: %2</source>
        <translation>%1: Die Datei kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>the map header needs a width and a height</source>
        <translation>Die Kopfzeile des Spielfelds braucht eine Breite und eine Höhe</translation>
    </message>
    <message>
        <source>the map size %1 x %2 is outside 1 to %3</source>
        <translation>Die Spielfeldgröße %1 x %2 liegt außerhalb von 1 bis %3</translation>
    </message>
    <message>
        <source>the file ends after %1 of %2 map rows</source>
        <translation>Die Datei endet nach %1 von %2 Spielfeldzeilen</translation>
    </message>
    <message>
        <source>cell %1, %2: %3</source>
        <translation>Zelle %1, %2: %3</translation>
    </message>
    <message>
        <source>property %1: %2</source>
        <translation>Eigenschaft %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>property %1: %2 -&gt; %3</source>
        <translation>Eigenschaft %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>cell %1, %2: %3 -&gt; %4</source>
        <translation>Zelle %1, %2: %3 -&gt; %4</translation>
    </message>
    <message>
        <source>cells %1, %2 to %3, %4: %5 -&gt; %6</source>
        <translation>Zellen %1, %2 bis %3, %4: %5 -&gt; %6</translation>
    </message>
    <message>
        <source>remainder %1: %2 -&gt; %3</source>
        <translation>Überrest %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>extra line added: %1</source>
        <translation>zusätzliche Zeile hinzugekommen: %1</translation>
    </message>
    <message>
        <source>extra line removed: %1</source>
        <translation>zusätzliche Zeile entfernt: %1</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Level name</source>
        <translation>Levelname</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Total turns</source>
        <translation>Züge gesamt</translation>
    </message>
    <message>
        <source>Artwork</source>
        <translation>Grafiksatz</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Emeralds to collect </source>
        <translation>Zu sammelnde Smaragde</translation>
    </message>
    <message>
        <source>Swamp spreading</source>
        <translation>Sumpfwachstum</translation>
    </message>
    <message>
        <source>Pushing probability</source>
        <translation>Schiebechance</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>First to finish</source>
        <translation>Zuerst gelöst von</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Nächstes Level</translation>
    </message>
    <message>
        <source>Level information:</source>
        <translation>Levelinformation:</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Turn off yam-yam sound</source>
        <translation>Yam-Yam-Klang aus</translation>
    </message>
    <message>
        <source>Dispenser</source>
        <translation>Spender</translation>
    </message>
    <message>
        <source>Maximum to destroy</source>
        <translation>Maximal zu zerstören</translation>
    </message>
    <message>
        <source>Wheel time</source>
        <translation>Radzeit</translation>
    </message>
    <message>
        <source>Robot speed</source>
        <translation>Robotertempo</translation>
    </message>
    <message>
        <source>Turn off laser sound</source>
        <translation>Laserklang aus</translation>
    </message>
</context>
<context>
    <name>Step</name>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radieren</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Gefülltes Rechteck</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Insert Remainder</source>
        <translation>Überrest einfügen</translation>
    </message>
    <message>
        <source>Delete Remainder</source>
        <translation>Überrest löschen</translation>
    </message>
    <message>
        <source>Clear Remainder</source>
        <translation>Überrest leeren</translation>
    </message>
    <message>
        <source>Paint Remainder</source>
        <translation>Überrest malen</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Umformen</translation>
    </message>
    <message>
        <source>Reload from Disk</source>
        <translation>Neu laden von der Festplatte</translation>
    </message>
</context>
</TS>
