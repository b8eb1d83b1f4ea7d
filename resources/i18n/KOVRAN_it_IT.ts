<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="uk_UA">
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Sistema di misura</translation>
        </message>
        <message>
            <source>Приладів у конфігурації: %1</source>
            <translation>Strumenti configurati: %1</translation>
        </message>
        <message>
            <source>Картки приладів і таблиці вимірювань з'являться в наступній версії програми.</source>
            <translation>Le schede degli strumenti e le tabelle di misura arriveranno nella prossima versione del programma.</translation>
        </message>
    </context>
</TS>
