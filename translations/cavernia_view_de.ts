<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GridSizeDialog</name>
    <message>
        <source>Gridsettings</source>
        <translation>Rastereinstellungen</translation>
    </message>
    <message>
        <source>Gridsize</source>
        <translation>Rastergröße</translation>
    </message>
    <message>
        <source>pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>LevelPackPanel</name>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>next level &quot;%1&quot; is not in this folder</source>
        <translation>nächstes Level „%1“ ist nicht in diesem Ordner</translation>
    </message>
    <message>
        <source>no level leads here and it is not the first level: a stray (its chain: %1)</source>
        <translation>kein Level führt hierher, und es ist nicht das erste Level: ein Irrläufer (seine Kette: %1)</translation>
    </message>
    <message>
        <source>another level of this folder has the same name</source>
        <translation>ein anderes Level dieses Ordners hat denselben Namen</translation>
    </message>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (kann nicht gelesen werden)</translation>
    </message>
</context>
<context>
    <name>LevelPrinter</name>
    <message>
        <source>The level &quot;%1&quot; could not be printed: the printer &quot;%2&quot; could not be started.</source>
        <translation>Das Level „%1“ konnte nicht gedruckt werden: Der Drucker „%2“ ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>ProgramPrinter</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>there is no default printer</source>
        <translation>es gibt keinen Standarddrucker</translation>
    </message>
    <message>
        <source>there is no printer named &quot;%1&quot;</source>
        <translation>es gibt keinen Drucker namens „%1“</translation>
    </message>
</context>
</TS>
