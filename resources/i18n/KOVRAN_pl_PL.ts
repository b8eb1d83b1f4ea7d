<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="uk_UA">
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — System pomiarowy</translation>
        </message>
        <message>
            <source>Приладів у конфігурації: %1</source>
            <translation>Skonfigurowane przyrządy: %1</translation>
        </message>
        <message>
            <source>Картки приладів і таблиці вимірювань з'являться в наступній версії програми.</source>
            <translation>Karty przyrządów i tabele pomiarów pojawią się w następnej wersji programu.</translation>
        </message>
    </context>
</TS>
