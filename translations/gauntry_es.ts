<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccuracyChart</name>
    <message>
        <source>Type a meter size above 0 on the velocity screen to see its accuracy chart.</source>
        <translation>Escriba un tamaño de medidor mayor que 0 en la pantalla de velocidad para ver su gráfico de precisión.</translation>
    </message>
    <message>
        <source>Choose a flow unit on the velocity screen to see the accuracy chart.</source>
        <translation>Elija una unidad de caudal en la pantalla de velocidad para ver el gráfico de precisión.</translation>
    </message>
    <message>
        <source>None of the meter types has accuracy figures for a meter size of %1.</source>
        <translation>Ninguno de los tipos de medidor tiene datos de precisión para un tamaño de %1.</translation>
    </message>
    <message>
        <source>%1 (no figures for this size)</source>
        <translation>%1 (sin datos para este tamaño)</translation>
    </message>
    <message>
        <source>Q1, Q2, Qb of %1</source>
        <translation>Q1, Q2, Qb de %1</translation>
    </message>
    <message>
        <source>Flow rate (%1)</source>
        <translation>Caudal (%1)</translation>
    </message>
    <message>
        <source>Accuracy limit (± %)</source>
        <translation>Límite de precisión (± %)</translation>
    </message>
    <message>
        <source>Accuracy limit against flow rate, meter size %1</source>
        <translation>Límite de precisión frente al caudal, tamaño del medidor %1</translation>
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
        <translation>%1 queda fuera del eje de caudal</translation>
    </message>
    <message>
        <source>Enlarge the window to see the chart.</source>
        <translation>Amplíe la ventana para ver el gráfico.</translation>
    </message>
</context>
<context>
    <name>AccuracyChartFrm</name>
    <message>
        <source>Accuracy chart</source>
        <translation>Gráfico de precisión</translation>
    </message>
    <message>
        <source>Open the velocity tool to see the accuracy chart.</source>
        <translation>Abra la herramienta de velocidad para ver el gráfico de precisión.</translation>
    </message>
</context>
<context>
    <name>DataSheet</name>
    <message>
        <source>The PDF could not be started.</source>
        <translation>No se pudo crear el PDF.</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Hoja de datos</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Accuracy against flow</source>
        <translation>Precisión frente al caudal</translation>
    </message>
    <message>
        <source>Probe position</source>
        <translation>Posición de la sonda</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Conductividad</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Medido como</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Tipo de medidor</translation>
    </message>
    <message>
        <source>Supply</source>
        <translation>Alimentación</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>Export data sheet…</source>
        <translation>Exportar hoja de datos…</translation>
    </message>
    <message>
        <source>Export data sheet</source>
        <translation>Exportar hoja de datos</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The data sheet could not be written to %1:
%2</source>
        <translation>No se pudo escribir la hoja de datos en %1:
%2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Accuracy chart</source>
        <translation>Gráfico de precisión</translation>
    </message>
</context>
<context>
    <name>Velocityfrm</name>
    <message>
        <source>Chart…</source>
        <translation>Gráfico…</translation>
    </message>
    <message>
        <source>The accuracy of the meter types over the flow</source>
        <translation>La precisión de los tipos de medidor a lo largo del caudal</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Choose this item</source>
        <translation>Elegir este elemento</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>from unit</source>
        <translation>de la unidad</translation>
    </message>
    <message>
        <source>result</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>to unit</source>
        <translation>a la unidad</translation>
    </message>
    <message>
        <source>Probe model</source>
        <translation>Modelo de sonda</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>State of the fluid</source>
        <translation>Estado del fluido</translation>
    </message>
    <message>
        <source>Conductivity</source>
        <translation>Conductividad</translation>
    </message>
    <message>
        <source>Measured as</source>
        <translation>Medido como</translation>
    </message>
    <message>
        <source>Cleanliness</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viscosidad</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>regime</source>
        <translation>régimen</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unidad</translation>
    </message>
    <message>
        <source>Sketch of the taper angle</source>
        <translation>Esquema del ángulo de conicidad</translation>
    </message>
    <message>
        <source>Supply of the new meter</source>
        <translation>Alimentación del nuevo contador</translation>
    </message>
    <message>
        <source>Pressure loss in bar</source>
        <translation>Pérdida de carga en bar</translation>
    </message>
    <message>
        <source>Meter type</source>
        <translation>Tipo de contador</translation>
    </message>
</context>
</TS>
