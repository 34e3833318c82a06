<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PropertyForm</name>
    <message>
        <source>Yam-yam-beast explosion remainders:</source>
        <translation>Überreste einer Yam-Yam-Explosion:</translation>
    </message>
    <message>
        <source>tutorial</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>simple</source>
        <translation>sehr leicht</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>leicht</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>mäßig</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>tricky</source>
        <translation>knifflig</translation>
    </message>
    <message>
        <source>tough</source>
        <translation>zäh</translation>
    </message>
    <message>
        <source>difficult</source>
        <translation>schwierig</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>schwer</translation>
    </message>
    <message>
        <source>m.a.d.</source>
        <translation>wahnsinnig</translation>
    </message>
    <message>
        <source>Remainder %1</source>
        <translation>Überrest %1</translation>
    </message>
    <message>
        <source>Remainder %1    (%2)</source>
        <translation>Überrest %1    (%2)</translation>
    </message>
    <message>
        <source>Hoit, jetzt hot&apos;s wos grewas</source>
        <translation>Hoit, jetzt hot&apos;s wos grewas</translation>
    </message>
</context>
</TS>
