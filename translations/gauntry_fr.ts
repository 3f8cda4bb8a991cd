<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DataSheet</name>
    <message>
        <source>The PDF could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy against flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>Export data sheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data sheet could not be written to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
