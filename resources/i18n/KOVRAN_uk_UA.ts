<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="uk_UA">
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Вимірювальна система</translation>
        </message>
        <message>
            <source>Приладів у конфігурації: %1</source>
            <translation>Приладів у конфігурації: %1</translation>
        </message>
        <message>
            <source>Картки приладів і таблиці вимірювань з'являться в наступній версії програми.</source>
            <translation>Картки приладів і таблиці вимірювань з'являться в наступній версії програми.</translation>
        </message>
    </context>
</TS>
