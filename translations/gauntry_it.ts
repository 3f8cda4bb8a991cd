<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccuracyChart</name>
    <message>
        <source>Type a meter size above 0 on the velocity screen to see its accuracy chart.</source>
        <translation>Inserire un diametro del contatore maggiore di 0 nella schermata della velocità per vedere il grafico di precisione.</translation>
    </message>
    <message>
        <source>Choose a flow unit on the velocity screen to see the accuracy chart.</source>
        <translation>Scegliere un’unità di portata nella schermata della velocità per vedere il grafico di precisione.</translation>
    </message>
    <message>
        <source>None of the meter types has accuracy figures for a meter size of %1.</source>
        <translation>Nessun tipo di contatore ha valori di precisione per un diametro di %1.</translation>
    </message>
    <message>
        <source>%1 (no figures for this size)</source>
        <translation>%1 (nessun valore per questo diametro)</translation>
    </message>
    <message>
        <source>Q1, Q2, Qb of %1</source>
        <translation>Q1, Q2, Qb di %1</translation>
    </message>
    <message>
        <source>Flow rate (%1)</source>
        <translation>Portata (%1)</translation>
    </message>
    <message>
        <source>Accuracy limit (± %)</source>
        <translation>Limite di precisione (± %)</translation>
    </message>
    <message>
        <source>Accuracy limit against flow rate, meter size %1</source>
        <translation>Limite di precisione in funzione della portata, diametro del contatore %1</translation>
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
        <translation>%1 è fuori dall’asse della portata</translation>
    </message>
    <message>
        <source>Enlarge the window to see the chart.</source>
        <translation>Ingrandire la finestra per vedere il grafico.</translation>
    </message>
</context>
<context>
    <name>AccuracyChartFrm</name>
    <message>
        <source>Accuracy chart</source>
        <translation>Grafico di precisione</translation>
    </message>
    <message>
        <source>Open the velocity tool to see the accuracy chart.</source>
        <translation>Aprire lo strumento della velocità per vedere il grafico di precisione.</translation>
    </message>
</context>
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
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Accuracy chart</source>
        <translation>Grafico di precisione</translation>
    </message>
</context>
<context>
    <name>Velocityfrm</name>
    <message>
        <source>Chart…</source>
        <translation>Grafico…</translation>
    </message>
    <message>
        <source>The accuracy of the meter types over the flow</source>
        <translation>La precisione dei tipi di contatore in funzione della portata</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Choose this item</source>
        <translation>Scegli questa voce</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valore</translation>
    </message>
    <message>
        <source>from unit</source>
        <translation>dall'unità</translation>
    </message>
    <message>
        <source>result</source>
        <translation>risultato</translation>
    </message>
    <message>
        <source>to unit</source>
        <translation>all'unità</translation>
    </message>
    <message>
        <source>Probe model</source>
        <translation>Modello di sonda</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>State of the fluid</source>
        <translation>Stato del fluido</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Conducibilità</translation>
    </message>
    <message>
        <source>Measured as</source>
        <translation>Misurato come</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Pulizia</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viscosità</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>regime</source>
        <translation>regime</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unità</translation>
    </message>
    <message>
        <source>Sketch of the taper angle</source>
        <translation>Schizzo dell'angolo di conicità</translation>
    </message>
    <message>
        <source>Supply of the new meter</source>
        <translation>Alimentazione del nuovo contatore</translation>
    </message>
    <message>
        <source>Pressure loss in bar</source>
        <translation>Perdita di carico in bar</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Tipo di contatore</translation>
    </message>
</context>
</TS>
