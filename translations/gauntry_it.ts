<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DataSheet</name>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Impossibile creare il PDF.</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Scheda tecnica</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Accuracy against flow</source>
        <translation>Precisione in funzione della portata</translation>
    </message>
    <message>
        <source>Probe position</source>
        <translation>Posizione della sonda</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Conducibilità</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Misurato come</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Pulizia</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Tipo di contatore</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Alimentazione</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>Export data sheet…</source>
        <translation>Esporta scheda tecnica…</translation>
    </message>
    <message>
        <source>Export data sheet</source>
        <translation>Esporta scheda tecnica</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The data sheet could not be written to %1:
%2</source>
        <translation>Impossibile scrivere la scheda tecnica in %1:
%2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
</TS>