<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_150" sourcelanguage="uk_UA">
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Measuring system</translation>
        </message>
        <message>
            <source>Приладів у конфігурації: %1</source>
            <translation>Instruments configured: %1</translation>
        </message>
        <message>
            <source>Картки приладів і таблиці вимірювань з'являться в наступній версії програми.</source>
            <translation>Instrument cards and measurement tables arrive in the next version of the program.</translation>
        </message>
    </context>
</TS>
