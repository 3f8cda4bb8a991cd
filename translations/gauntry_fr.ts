<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DataSheet</name>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Le PDF n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Fiche technique</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Accuracy against flow</source>
        <translation>Précision en fonction du débit</translation>
    </message>
    <message>
        <source>Probe position</source>
        <translation>Position de la sonde</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Conductivité</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Mesuré en</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Propreté</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Type de compteur</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Alimentation</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>Export data sheet…</source>
        <translation>Exporter la fiche technique…</translation>
    </message>
    <message>
        <source>Export data sheet</source>
        <translation>Exporter la fiche technique</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The data sheet could not be written to %1:
%2</source>
        <translation>La fiche technique n’a pas pu être écrite dans %1 :
%2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
</TS>