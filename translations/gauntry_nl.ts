<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AccuracyChart</name>
    <message>
        <source>Type a meter size above 0 on the velocity screen to see its accuracy chart.</source>
        <translation>Typ een metermaat groter dan 0 in het snelheidsscherm om de nauwkeurigheidsgrafiek te zien.</translation>
    </message>
    <message>
        <source>Choose a flow unit on the velocity screen to see the accuracy chart.</source>
        <translation>Kies een debieteenheid in het snelheidsscherm om de nauwkeurigheidsgrafiek te zien.</translation>
    </message>
    <message>
        <source>None of the meter types has accuracy figures for a meter size of %1.</source>
        <translation>Geen van de metertypen heeft nauwkeurigheidswaarden voor een metermaat van %1.</translation>
    </message>
    <message>
        <source>%1 (no figures for this size)</source>
        <translation>%1 (geen waarden voor deze maat)</translation>
    </message>
    <message>
        <source>Q1, Q2, Qb of %1</source>
        <translation>Q1, Q2, Qb van %1</translation>
    </message>
    <message>
        <source>Flow rate (%1)</source>
        <translation>Debiet (%1)</translation>
    </message>
    <message>
        <source>Accuracy limit (± %)</source>
        <translation>Nauwkeurigheidsgrens (± %)</translation>
    </message>
    <message>
        <source>Accuracy limit against flow rate, meter size %1</source>
        <translation>Nauwkeurigheidsgrens tegen debiet, metermaat %1</translation>
    </message>
    <message>
        <source>Q1</source>
        <comment>minimum flow</comment>
        <translation>Q1</translation>
    </message>
    <message>
        <source>Q2</source>
        <comment>transitional flow</comment>
        <translation>Q2</translation>
    </message>
    <message>
        <source>Qb</source>
        <comment>flow of best accuracy</comment>
        <translation>Qb</translation>
    </message>
    <message>
        <source>%1 lies outside the flow axis</source>
        <translation>%1 ligt buiten de debietas</translation>
    </message>
    <message>
        <source>Enlarge the window to see the chart.</source>
        <translation>Vergroot het venster om de grafiek te zien.</translation>
    </message>
</context>
<context>
    <name>AccuracyChartFrm</name>
    <message>
        <source>Accuracy chart</source>
        <translation>Nauwkeurigheidsgrafiek</translation>
    </message>
    <message>
        <source>Open the velocity tool to see the accuracy chart.</source>
        <translation>Open het snelheidshulpmiddel om de nauwkeurigheidsgrafiek te zien.</translation>
    </message>
</context>
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
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Accuracy chart</source>
        <translation>Nauwkeurigheidsgrafiek</translation>
    </message>
</context>
<context>
    <name>Velocityfrm</name>
    <message>
        <source>Chart…</source>
        <translation>Grafiek…</translation>
    </message>
    <message>
        <source>The accuracy of the meter types over the flow</source>
        <translation>De nauwkeurigheid van de metertypen over het debiet</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Choose this item</source>
        <translation>Dit item kiezen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>value</source>
        <translation>waarde</translation>
    </message>
    <message>
        <source>from unit</source>
        <translation>van eenheid</translation>
    </message>
    <message>
        <source>result</source>
        <translation>resultaat</translation>
    </message>
    <message>
        <source>to unit</source>
        <translation>naar eenheid</translation>
    </message>
    <message>
        <source>Probe model</source>
        <translation>Sondemodel</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>State of the fluid</source>
        <translation>Toestand van het medium</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Geleidbaarheid</translation>
    </message>
    <message>
        <source>Measured as</source>
        <translation>Gemeten als</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Zuiverheid</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viscositeit</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>regime</source>
        <translation>stromingsregime</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>eenheid</translation>
    </message>
    <message>
        <source>Sketch of the taper angle</source>
        <translation>Schets van de kegelhoek</translation>
    </message>
    <message>
        <source>Supply of the new meter</source>
        <translation>Voeding van de nieuwe meter</translation>
    </message>
    <message>
        <source>Pressure loss in bar</source>
        <translation>Drukverlies in bar</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Metertype</translation>
    </message>
</context>
</TS>
