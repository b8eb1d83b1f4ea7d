<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="uk_UA">
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Système de mesure</translation>
        </message>
        <message>
            <source>Приладів у конфігурації: %1</source>
            <translation>Instruments configurés : %1</translation>
        </message>
        <message>
            <source>Картки приладів і таблиці вимірювань з'являться в наступній версії програми.</source>
            <translation>Les fiches des instruments et les tableaux de mesure arrivent dans la prochaine version du programme.</translation>
        </message>
    </context>
</TS>
