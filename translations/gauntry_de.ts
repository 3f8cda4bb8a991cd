<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DataSheet</name>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Das PDF konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Accuracy against flow</source>
        <translation>Genauigkeit über dem Durchfluss</translation>
    </message>
    <message>
        <source>Probe position</source>
        <translation>Sondenposition</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Aggregatzustand</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Leitfähigkeit</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Gemessen als</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Sauberkeit</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Zählertyp</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Versorgung</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>Export data sheet…</source>
        <translation>Datenblatt exportieren…</translation>
    </message>
    <message>
        <source>Export data sheet</source>
        <translation>Datenblatt exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The data sheet could not be written to %1:
%2</source>
        <translation>Das Datenblatt konnte nicht nach %1 geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
</TS>