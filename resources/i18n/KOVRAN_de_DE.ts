<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="uk_UA">
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Messsystem</translation>
        </message>
        <message>
            <source>Приладів у конфігурації: %1</source>
            <translation>Konfigurierte Messgeräte: %1</translation>
        </message>
        <message>
            <source>Картки приладів і таблиці вимірювань з'являться в наступній версії програми.</source>
            <translation>Gerätekarten und Messtabellen folgen in der nächsten Programmversion.</translation>
        </message>
    </context>
</TS>
