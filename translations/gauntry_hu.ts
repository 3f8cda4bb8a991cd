<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>DataSheet</name>
    <message>
        <source>The PDF could not be started.</source>
        <translation>A PDF nem hozható létre.</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Adatlap</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Accuracy against flow</source>
        <translation>Pontosság a térfogatáram függvényében</translation>
    </message>
    <message>
        <source>Probe position</source>
        <translation>Szonda helyzete</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Eredmények</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Halmazállapot</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Vezetőképesség</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Mérés módja</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Tisztaság</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Mérőtípus</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Tápellátás</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>Export data sheet…</source>
        <translation>Adatlap exportálása…</translation>
    </message>
    <message>
        <source>Export data sheet</source>
        <translation>Adatlap exportálása</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-dokumentumok (*.pdf)</translation>
    </message>
    <message>
        <source>The data sheet could not be written to %1:
%2</source>
        <translation>Az adatlapot nem sikerült ide írni: %1
%2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Nyelv</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Névjegy</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
</context>
</TS>