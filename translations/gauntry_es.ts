<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</context>
</TS>