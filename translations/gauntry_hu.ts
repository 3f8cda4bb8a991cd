<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>AccuracyChart</name>
    <message>
        <source>Type a meter size above 0 on the velocity screen to see its accuracy chart.</source>
        <translation>A pontossági diagramhoz írjon 0-nál nagyobb mérőméretet a sebesség ablakba.</translation>
    </message>
    <message>
        <source>Choose a flow unit on the velocity screen to see the accuracy chart.</source>
        <translation>A pontossági diagramhoz válasszon térfogatáram-mértékegységet a sebesség ablakban.</translation>
    </message>
    <message>
        <source>None of the meter types has accuracy figures for a meter size of %1.</source>
        <translation>%1 mérethez egyik mérőtípusnak sincs pontossági adata.</translation>
    </message>
    <message>
        <source>%1 (no figures for this size)</source>
        <translation>%1 (ehhez a mérethez nincs adat)</translation>
    </message>
    <message>
        <source>Q1, Q2, Qb of %1</source>
        <translation>%1 Q1, Q2, Qb értékei</translation>
    </message>
    <message>
        <source>Flow rate (%1)</source>
        <translation>Térfogatáram (%1)</translation>
    </message>
    <message>
        <source>Accuracy limit (± %)</source>
        <translation>Pontossági határ (± %)</translation>
    </message>
    <message>
        <source>Accuracy limit against flow rate, meter size %1</source>
        <translation>Pontossági határ a térfogatáram függvényében, mérőméret: %1</translation>
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
        <translation>%1 kívül esik a térfogatáram-tengelyen</translation>
    </message>
    <message>
        <source>Enlarge the window to see the chart.</source>
        <translation>A diagramhoz nagyítsa meg az ablakot.</translation>
    </message>
</context>
<context>
    <name>AccuracyChartFrm</name>
    <message>
        <source>Accuracy chart</source>
        <translation>Pontossági diagram</translation>
    </message>
    <message>
        <source>Open the velocity tool to see the accuracy chart.</source>
        <translation>A pontossági diagramhoz nyissa meg a sebesség eszközt.</translation>
    </message>
</context>
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
    <message>
        <source>&amp;View</source>
        <translation>&amp;Nézet</translation>
    </message>
    <message>
        <source>Accuracy chart</source>
        <translation>Pontossági diagram</translation>
    </message>
</context>
<context>
    <name>Velocityfrm</name>
    <message>
        <source>Chart…</source>
        <translation>Diagram…</translation>
    </message>
    <message>
        <source>The accuracy of the meter types over the flow</source>
        <translation>A mérőtípusok pontossága a térfogatáram függvényében</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Choose this item</source>
        <translation>Elem kiválasztása</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>value</source>
        <translation>érték</translation>
    </message>
    <message>
        <source>from unit</source>
        <translation>kiinduló mértékegység</translation>
    </message>
    <message>
        <source>result</source>
        <translation>eredmény</translation>
    </message>
    <message>
        <source>to unit</source>
        <translation>cél mértékegység</translation>
    </message>
    <message>
        <source>Probe model</source>
        <translation>Szondatípus</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Eredmények</translation>
    </message>
    <message>
        <source>State of the fluid</source>
        <translation>A közeg halmazállapota</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Vezetőképesség</translation>
    </message>
    <message>
        <source>Measured as</source>
        <translation>Mért mennyiség</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Tisztaság</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viszkozitás</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>regime</source>
        <translation>áramlási jelleg</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>mértékegység</translation>
    </message>
    <message>
        <source>Sketch of the taper angle</source>
        <translation>A kúpszög vázlata</translation>
    </message>
    <message>
        <source>Supply of the new meter</source>
        <translation>Az új mérő tápellátása</translation>
    </message>
    <message>
        <source>Pressure loss in bar</source>
        <translation>Nyomásveszteség barban</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Mérőtípus</translation>
    </message>
</context>
</TS>
