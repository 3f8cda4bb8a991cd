<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>DataSheet</name>
    <message>
        <source>The PDF could not be started.</source>
        <translation>De PDF kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Gegevensblad</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Accuracy against flow</source>
        <translation>Nauwkeurigheid tegen debiet</translation>
    </message>
    <message>
        <source>Probe position</source>
        <translation>Positie van de sonde</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Geleidbaarheid</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Gemeten als</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Reinheid</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Metertype</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Voeding</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>Export data sheet…</source>
        <translation>Gegevensblad exporteren…</translation>
    </message>
    <message>
        <source>Export data sheet</source>
        <translation>Gegevensblad exporteren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>The data sheet could not be written to %1:
%2</source>
        <translation>Het gegevensblad kon niet naar %1 worden geschreven:
%2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
</context>
</TS>