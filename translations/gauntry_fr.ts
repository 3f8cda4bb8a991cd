<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccuracyChart</name>
    <message>
        <source>Type a meter size above 0 on the velocity screen to see its accuracy chart.</source>
        <translation>Saisissez un diamètre de compteur supérieur à 0 dans l’écran de vitesse pour voir son graphique de précision.</translation>
    </message>
    <message>
        <source>Choose a flow unit on the velocity screen to see the accuracy chart.</source>
        <translation>Choisissez une unité de débit dans l’écran de vitesse pour voir le graphique de précision.</translation>
    </message>
    <message>
        <source>None of the meter types has accuracy figures for a meter size of %1.</source>
        <translation>Aucun type de compteur n’a de valeurs de précision pour un diamètre de %1.</translation>
    </message>
    <message>
        <source>%1 (no figures for this size)</source>
        <translation>%1 (aucune valeur pour ce diamètre)</translation>
    </message>
    <message>
        <source>Q1, Q2, Qb of %1</source>
        <translation>Q1, Q2, Qb de %1</translation>
    </message>
    <message>
        <source>Flow rate (%1)</source>
        <translation>Débit (%1)</translation>
    </message>
    <message>
        <source>Accuracy limit (± %)</source>
        <translation>Limite de précision (± %)</translation>
    </message>
    <message>
        <source>Accuracy limit against flow rate, meter size %1</source>
        <translation>Limite de précision selon le débit, diamètre du compteur %1</translation>
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
        <translation>%1 est hors de l’axe des débits</translation>
    </message>
    <message>
        <source>Enlarge the window to see the chart.</source>
        <translation>Agrandissez la fenêtre pour voir le graphique.</translation>
    </message>
</context>
<context>
    <name>AccuracyChartFrm</name>
    <message>
        <source>Accuracy chart</source>
        <translation>Graphique de précision</translation>
    </message>
    <message>
        <source>Open the velocity tool to see the accuracy chart.</source>
        <translation>Ouvrez l’outil de vitesse pour voir le graphique de précision.</translation>
    </message>
</context>
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
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Accuracy chart</source>
        <translation>Graphique de précision</translation>
    </message>
</context>
<context>
    <name>Velocityfrm</name>
    <message>
        <source>Chart…</source>
        <translation>Graphique…</translation>
    </message>
    <message>
        <source>The accuracy of the meter types over the flow</source>
        <translation>La précision des types de compteur selon le débit</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Choose this item</source>
        <translation>Choisir cet élément</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>from unit</source>
        <translation>de l'unité</translation>
    </message>
    <message>
        <source>result</source>
        <translation>résultat</translation>
    </message>
    <message>
        <source>to unit</source>
        <translation>vers l'unité</translation>
    </message>
    <message>
        <source>Probe model</source>
        <translation>Modèle de sonde</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>State of the fluid</source>
        <translation>État du fluide</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Conductivité</translation>
    </message>
    <message>
        <source>Measured as</source>
        <translation>Mesuré en</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Propreté</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viscosité</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>regime</source>
        <translation>régime</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unité</translation>
    </message>
    <message>
        <source>Sketch of the taper angle</source>
        <translation>Croquis de l'angle du cône</translation>
    </message>
    <message>
        <source>Supply of the new meter</source>
        <translation>Alimentation du nouveau compteur</translation>
    </message>
    <message>
        <source>Pressure loss in bar</source>
        <translation>Perte de charge en bar</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Type de compteur</translation>
    </message>
</context>
</TS>
