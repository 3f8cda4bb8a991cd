<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccuracyChart</name>
    <message>
        <source>Type a meter size above 0 on the velocity screen to see its accuracy chart.</source>
        <translation>Geben Sie im Geschwindigkeitsfenster eine Zählergröße über 0 ein, um ihr Genauigkeitsdiagramm zu sehen.</translation>
    </message>
    <message>
        <source>Choose a flow unit on the velocity screen to see the accuracy chart.</source>
        <translation>Wählen Sie im Geschwindigkeitsfenster eine Durchflusseinheit, um das Genauigkeitsdiagramm zu sehen.</translation>
    </message>
    <message>
        <source>None of the meter types has accuracy figures for a meter size of %1.</source>
        <translation>Für eine Zählergröße von %1 hat keiner der Zählertypen Genauigkeitswerte.</translation>
    </message>
    <message>
        <source>%1 (no figures for this size)</source>
        <translation>%1 (keine Werte für diese Größe)</translation>
    </message>
    <message>
        <source>Q1, Q2, Qb of %1</source>
        <translation>Q1, Q2, Qb von %1</translation>
    </message>
    <message>
        <source>Flow rate (%1)</source>
        <translation>Durchfluss (%1)</translation>
    </message>
    <message>
        <source>Accuracy limit (± %)</source>
        <translation>Fehlergrenze (± %)</translation>
    </message>
    <message>
        <source>Accuracy limit against flow rate, meter size %1</source>
        <translation>Fehlergrenze über dem Durchfluss, Zählergröße %1</translation>
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
        <translation>%1 liegt außerhalb der Durchflussachse</translation>
    </message>
    <message>
        <source>Enlarge the window to see the chart.</source>
        <translation>Vergrößern Sie das Fenster, um das Diagramm zu sehen.</translation>
    </message>
</context>
<context>
    <name>AccuracyChartFrm</name>
    <message>
        <source>Accuracy chart</source>
        <translation>Genauigkeitsdiagramm</translation>
    </message>
    <message>
        <source>Open the velocity tool to see the accuracy chart.</source>
        <translation>Öffnen Sie das Geschwindigkeitswerkzeug, um das Genauigkeitsdiagramm zu sehen.</translation>
    </message>
</context>
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
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Accuracy chart</source>
        <translation>Genauigkeitsdiagramm</translation>
    </message>
</context>
<context>
    <name>Velocityfrm</name>
    <message>
        <source>Chart…</source>
        <translation>Diagramm…</translation>
    </message>
    <message>
        <source>The accuracy of the meter types over the flow</source>
        <translation>Die Genauigkeit der Zählertypen über dem Durchfluss</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Choose this item</source>
        <translation>Diesen Eintrag wählen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>from unit</source>
        <translation>von Einheit</translation>
    </message>
    <message>
        <source>result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>to unit</source>
        <translation>in Einheit</translation>
    </message>
    <message>
        <source>Probe model</source>
        <translation>Sondenmodell</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>State of the fluid</source>
        <translation>Aggregatzustand des Mediums</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Leitfähigkeit</translation>
    </message>
    <message>
        <source>Measured as</source>
        <translation>Gemessen als</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Reinheit</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viskosität</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>regime</source>
        <translation>Strömungsform</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Sketch of the taper angle</source>
        <translation>Skizze des Konuswinkels</translation>
    </message>
    <message>
        <source>Supply of the new meter</source>
        <translation>Versorgung des neuen Zählers</translation>
    </message>
    <message>
        <source>Pressure loss in bar</source>
        <translation>Druckverlust in bar</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Zählertyp</translation>
    </message>
</context>
</TS>
