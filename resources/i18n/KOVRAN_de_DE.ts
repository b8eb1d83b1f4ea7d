<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="uk_UA">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>Про програму</source>
            <translation>Über das Programm</translation>
        </message>
        <message>
            <source>Версія:</source>
            <translation>Version:</translation>
        </message>
        <message>
            <source>Папка налаштувань:</source>
            <translation>Einstellungsordner:</translation>
        </message>
        <message>
            <source>Журнал роботи:</source>
            <translation>Protokolldatei:</translation>
        </message>
        <message>
            <source>Відкрити папку налаштувань</source>
            <translation>Einstellungsordner öffnen</translation>
        </message>
        <message>
            <source>Програма вимірювального стенда контролю якості.</source>
            <translation>Das Programm eines Messplatzes für die Qualitätskontrolle.</translation>
        </message>
    </context>
    <context>
        <name>AddDeviceDialog</name>
        <message>
            <source>Проверить связь</source>
            <translation>Verbindung prüfen</translation>
        </message>
        <message>
            <source>Статус: не проверено</source>
            <translation>Status: nicht geprüft</translation>
        </message>
        <message>
            <source>Подключить</source>
            <translation>Verbinden</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Подключение Modbus прибора</source>
            <translation>Modbus-Messgerät verbinden</translation>
        </message>
        <message>
            <source>Сохраненный адаптер (Порт):</source>
            <translation>Gespeicherter Adapter (Port):</translation>
        </message>
        <message>
            <source>Текущая скорость порта:</source>
            <translation>Aktuelle Portgeschwindigkeit:</translation>
        </message>
        <message>
            <source>Текущий адрес прибора (Modbus ID [1-247]):</source>
            <translation>Aktuelle Geräteadresse (Modbus-ID [1-247]):</translation>
        </message>
        <message>
            <source>--- Новые параметры прибора ---</source>
            <translation>--- Neue Geräteparameter ---</translation>
        </message>
        <message>
            <source>Новый адрес (Modbus ID):</source>
            <translation>Neue Adresse (Modbus-ID):</translation>
        </message>
        <message>
            <source>Новая скорость:</source>
            <translation>Neue Geschwindigkeit:</translation>
        </message>
        <message>
            <source>Статус: Ошибка открытия порта</source>
            <translation>Status: Port konnte nicht geöffnet werden</translation>
        </message>
        <message>
            <source>Статус: Таймаут (нет ответа от прибора)</source>
            <translation>Status: Zeitüberschreitung (keine Antwort vom Gerät)</translation>
        </message>
        <message>
            <source>Статус: Прибор ответил! Связь есть.</source>
            <translation>Status: Gerät hat geantwortet! Verbindung steht.</translation>
        </message>
        <message>
            <source>Статус: Ошибка CRC (неверная контрольная сумма)</source>
            <translation>Status: CRC-Fehler (falsche Prüfsumme)</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Прибор с адресом %1 уже существует на порту %2!
Пожалуйста, выберите другой 'Новый адрес'.</source>
            <translation>Ein Gerät mit der Adresse %1 ist am Port %2 bereits vorhanden!
Bitte wählen Sie eine andere 'Neue Adresse'.</translation>
        </message>
        <message>
            <source>Не удалось открыть порт.</source>
            <translation>Der Port konnte nicht geöffnet werden.</translation>
        </message>
        <message>
            <source>Нет сохраненных адаптеров! Добавьте адаптер через главное меню.</source>
            <translation>Keine gespeicherten Adapter! Fügen Sie einen Adapter über das Hauptmenü hinzu.</translation>
        </message>
    </context>
    <context>
        <name>BleDeviceScanDialog</name>
        <message>
            <source>Додавання Bluetooth-приладу</source>
            <translation>Bluetooth-Gerät hinzufügen</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Suche nach Geräten...</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Klicken Sie auf ein Gerät, um es auszuwählen (es wird hervorgehoben). Grau dargestellte Geräte sind unbekannten Typs — sie können nicht hinzugefügt werden.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>(без назви)</source>
            <translation>(ohne Namen)</translation>
        </message>
        <message>
            <source>Знайдено приладів: %1 (придатних: %2)</source>
            <translation>Gefundene Geräte: %1 (verwendbar: %2)</translation>
        </message>
        <message>
            <source>Помилка сканування: %1</source>
            <translation>Suchfehler: %1</translation>
        </message>
        <message>
            <source>Прилад невідомого типу — додати не можна</source>
            <translation>Gerät unbekannten Typs — kann nicht hinzugefügt werden</translation>
        </message>
        <message>
            <source>Обрано — клікніть ще раз, щоб зняти вибір</source>
            <translation>Ausgewählt — erneut klicken, um die Auswahl aufzuheben</translation>
        </message>
        <message>
            <source>Протокол: %1. Клікніть, щоб обрати цей прилад</source>
            <translation>Protokoll: %1. Klicken, um dieses Gerät auszuwählen</translation>
        </message>
    </context>
    <context>
        <name>ChartWidget</name>
        <message>
            <source>Усі прилади по Y</source>
            <translation>Alle Geräte auf Y</translation>
        </message>
        <message>
            <source>X–Y (два прилади)</source>
            <translation>X–Y (zwei Geräte)</translation>
        </message>
        <message>
            <source>X:</source>
            <translation>X:</translation>
        </message>
        <message>
            <source>Y:</source>
            <translation>Y:</translation>
        </message>
        <message>
            <source>Сітка</source>
            <translation>Raster</translation>
        </message>
        <message>
            <source>Тип:</source>
            <translation>Typ:</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>Daten aus der gemeinsamen Tabelle</translation>
        </message>
        <message>
            <source>дані з таблиць приладів</source>
            <translation>Daten aus den Gerätetabellen</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Keine Geräte</translation>
        </message>
        <message>
            <source>Порівнюється %1 пар; зайвих вимірів: %2</source>
            <translation>%1 Paare verglichen; überzählige Messungen: %2</translation>
        </message>
    </context>
    <context>
        <name>ControlChartWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>Messung Nr. %1
%2 %3</translation>
        </message>
        <message>
            <source>ковзний розмах %1</source>
            <translation>gleitende Spannweite %1</translation>
        </message>
        <message>
            <source>порушує правила: %1</source>
            <translation>verletzt Regeln: %1</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Außer statistischer Kontrolle: %n Punkt</numerusform>
                <numerusform>Außer statistischer Kontrolle: %n Punkte</numerusform>
            </translation>
        </message>
        <message>
            <source>№%1 — правила %2</source>
            <translation>Nr. %1 — Regeln %2</translation>
        </message>
        <message>
            <source>… і ще %1</source>
            <translation>… und %1 weitere</translation>
        </message>
        <message>
            <source>Правила: 1 — точка за межею 3σ; 2 — дві з трьох за 2σ; 3 — чотири з п'яти за 1σ; 4 — вісім поспіль з одного боку.</source>
            <translation>Regeln: 1 — ein Punkt jenseits 3σ; 2 — zwei von drei jenseits 2σ; 3 — vier von fünf jenseits 1σ; 4 — acht in Folge auf einer Seite.</translation>
        </message>
        <message>
            <source>Замало даних для контрольної карти</source>
            <translation>Zu wenig Daten für eine Regelkarte</translation>
        </message>
        <message>
            <source>ВКМ</source>
            <translation>OEG</translation>
        </message>
        <message>
            <source>НКМ</source>
            <translation>UEG</translation>
        </message>
    </context>
    <context>
        <name>DeviceEditDialog</name>
        <message>
            <source>Редагування параметрів приладу</source>
            <translation>Messgeräteparameter bearbeiten</translation>
        </message>
        <message>
            <source>Назва:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Тип (з приладу):</source>
            <translation>Typ (vom Gerät):</translation>
        </message>
        <message>
            <source>—</source>
            <translation>—</translation>
        </message>
        <message>
            <source>MAC-адреса:</source>
            <translation>MAC-Adresse:</translation>
        </message>
        <message>
            <source>Серійний номер:</source>
            <translation>Seriennummer:</translation>
        </message>
        <message>
            <source>Дата калібрування:</source>
            <translation>Kalibrierdatum:</translation>
        </message>
        <message>
            <source>Одиниці, задані в приладі:</source>
            <translation>Im Gerät eingestellte Einheit:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Wird verwendet, wenn das Gerät Ziffern ohne Dezimaltrennzeichen sendet</translation>
        </message>
        <message>
            <source>Знаків після коми в приладі:</source>
            <translation>Nachkommastellen im Gerät:</translation>
        </message>
        <message>
            <source>0 (x)</source>
            <translation>0 (x)</translation>
        </message>
        <message>
            <source>0.0 (x.x)</source>
            <translation>0.0 (x.x)</translation>
        </message>
        <message>
            <source>0.00 (x.xx)</source>
            <translation>0.00 (x.xx)</translation>
        </message>
        <message>
            <source>0.000 (x.xxx)</source>
            <translation>0.000 (x.xxx)</translation>
        </message>
        <message>
            <source>0.0000 (x.xxxx)</source>
            <translation>0.0000 (x.xxxx)</translation>
        </message>
        <message>
            <source>0.00000 (x.xxxxx)</source>
            <translation>0.00000 (x.xxxxx)</translation>
        </message>
        <message>
            <source>0.000000 (x.xxxxxx)</source>
            <translation>0.000000 (x.xxxxxx)</translation>
        </message>
        <message>
            <source>Точність:</source>
            <translation>Auflösung:</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Aus</translation>
        </message>
        <message>
            <source>Min Peek</source>
            <translation>Min.-Spitzenwert</translation>
        </message>
        <message>
            <source>Max Peek</source>
            <translation>Max.-Spitzenwert</translation>
        </message>
        <message>
            <source>Range Peek</source>
            <translation>Rundlauf (Max − Min)</translation>
        </message>
        <message>
            <source>Module Peek</source>
            <translation>Betrags-Spitzenwert</translation>
        </message>
        <message>
            <source>Min Limits</source>
            <translation>Nur untere Grenze</translation>
        </message>
        <message>
            <source>Max Limits</source>
            <translation>Nur obere Grenze</translation>
        </message>
        <message>
            <source>Range Limits</source>
            <translation>Toleranzfeld</translation>
        </message>
        <message>
            <source>Режим вимірювання:</source>
            <translation>Messmodus:</translation>
        </message>
        <message>
            <source>Мін. ліміт:</source>
            <translation>Untere Grenze:</translation>
        </message>
        <message>
            <source>Макс. ліміт:</source>
            <translation>Obere Grenze:</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Нижній ліміт більший за верхній. Перевірте ліміти.</source>
            <translation>Die untere Grenze ist größer als die obere. Bitte Grenzwerte prüfen.</translation>
        </message>
        <message>
            <source>Лінійний датчик (0)</source>
            <translation>Linearer Messtaster (0)</translation>
        </message>
        <message>
            <source>Індикатор</source>
            <translation>Messuhr</translation>
        </message>
        <message>
            <source>Динамометр</source>
            <translation>Kraftmessgerät</translation>
        </message>
        <message>
            <source>Unknown (%1)</source>
            <translation>Unbekannt (%1)</translation>
        </message>
        <message>
            <source>%1.%2.%3</source>
            <translation>%1.%2.%3</translation>
        </message>
    </context>
    <context>
        <name>DeviceTypeDialog</name>
        <message>
            <source>Вибір типу підключення</source>
            <translation>Verbindungsart wählen</translation>
        </message>
        <message>
            <source>Виберіть тип підключення нового приладу:</source>
            <translation>Verbindungsart des neuen Messgeräts wählen:</translation>
        </message>
        <message>
            <source>Modbus (RS-485)</source>
            <translation>Modbus (RS-485)</translation>
        </message>
        <message>
            <source>Бездротовий (Bluetooth)</source>
            <translation>Drahtlos (Bluetooth)</translation>
        </message>
        <message>
            <source>USB (HID-клавіатура)</source>
            <translation>USB (HID-Tastatur)</translation>
        </message>
        <message>
            <source>Бездротовий через nRF-донгл</source>
            <translation>Drahtlos über nRF-Dongle</translation>
        </message>
        <message>
            <source>Бездротовий через донгл BLED112</source>
            <translation>Drahtlos über BLED112-Dongle</translation>
        </message>
        <message>
            <source>Sylvac провід</source>
            <translation>Sylvac-Kabel</translation>
        </message>
        <message>
            <source>Далі</source>
            <translation>Weiter</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>Device_visual</name>
        <message>
            <source>ADDR: %1 | %2</source>
            <translation>ADR: %1 | %2</translation>
        </message>
        <message>
            <source>HID | VID_%1 PID_%2</source>
            <translation>HID | VID_%1 PID_%2</translation>
        </message>
        <message>
            <source>HID-клавіатура</source>
            <translation>HID-Tastatur</translation>
        </message>
        <message>
            <source>донгл ?</source>
            <translation>Dongle ?</translation>
        </message>
        <message>
            <source>Sylvac | %1 | %2</source>
            <translation>Sylvac | %1 | %2</translation>
        </message>
        <message>
            <source>мм</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>дюйми</source>
            <translation>Zoll</translation>
        </message>
        <message>
            <source>Клік — відкрити прилад. Затиснути та потягнути — змінити порядок</source>
            <translation>Klicken — Messgerät öffnen. Gedrückt halten und ziehen — Reihenfolge ändern</translation>
        </message>
        <message>
            <source>Статистика вимірів</source>
            <translation>Messstatistik</translation>
        </message>
        <message>
            <source>Прилад закріплено за користувачем</source>
            <translation>Messgerät ist einem Benutzer zugewiesen</translation>
        </message>
        <message>
            <source>Редагувати</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>Вивантажити пам'ять приладу</source>
            <translation>Gerätespeicher auslesen</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>КОМ: 141414</source>
            <translation>COM: 141414</translation>
        </message>
        <message>
            <source>МАС: 9f:51:55:55</source>
            <translation>MAC: 9f:51:55:55</translation>
        </message>
        <message>
            <source>Sylvac (провід)</source>
            <translation>Sylvac (Kabel)</translation>
        </message>
        <message>
            <source>ƒ = %1 | вимкнено</source>
            <translation>ƒ = %1 | deaktiviert</translation>
        </message>
        <message>
            <source>ƒ (формула)</source>
            <translation>ƒ (Formel)</translation>
        </message>
    </context>
    <context>
        <name>DevozorWindow</name>
        <message>
            <source>Висота</source>
            <translation>Höhe</translation>
        </message>
        <message>
            <source>Нуль висоти</source>
            <translation>Höhe nullen</translation>
        </message>
        <message>
            <source>Лазер</source>
            <translation>Laser</translation>
        </message>
        <message>
            <source>Нуль лазера</source>
            <translation>Laser nullen</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Alles nullen</translation>
        </message>
        <message>
            <source>Точка</source>
            <translation>Punkt</translation>
        </message>
        <message>
            <source>Дві точки</source>
            <translation>Zwei Punkte</translation>
        </message>
        <message>
            <source>Центр</source>
            <translation>Mitte</translation>
        </message>
        <message>
            <source>Висота і лазер</source>
            <translation>Höhe und Laser</translation>
        </message>
        <message>
            <source>Сканування</source>
            <translation>Scannen</translation>
        </message>
        <message>
            <source>Глибина</source>
            <translation>Tiefe</translation>
        </message>
        <message>
            <source>Автоматично</source>
            <translation>Automatisch</translation>
        </message>
        <message>
            <source>Встановити базу</source>
            <translation>Bezug setzen</translation>
        </message>
        <message>
            <source>Вгору</source>
            <translation>Aufwärts</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>Abwärts</translation>
        </message>
        <message>
            <source>СТОП</source>
            <translation>STOPP</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Завантажити макрос</source>
            <translation>Makro laden</translation>
        </message>
        <message>
            <source>Кількість повторів</source>
            <translation>Anzahl der Wiederholungen</translation>
        </message>
        <message>
            <source>DATE</source>
            <translation>DATUM</translation>
        </message>
        <message>
            <source>Z</source>
            <translation>Z</translation>
        </message>
        <message>
            <source>X</source>
            <translation>X</translation>
        </message>
        <message>
            <source>unit</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>Експорт PDF</source>
            <translation>PDF exportieren</translation>
        </message>
        <message>
            <source>Експорт CSV</source>
            <translation>CSV exportieren</translation>
        </message>
        <message>
            <source>Point 1 add</source>
            <translation>Punkt 1 übernommen</translation>
        </message>
        <message>
            <source>Point 2 add</source>
            <translation>Punkt 2 übernommen</translation>
        </message>
        <message>
            <source>Point 3 add</source>
            <translation>Punkt 3 übernommen</translation>
        </message>
        <message>
            <source>Point 4 add</source>
            <translation>Punkt 4 übernommen</translation>
        </message>
        <message>
            <source>Меню таблицы</source>
            <translation>Tabellenmenü</translation>
        </message>
        <message>
            <source>Удалить выбранную строку</source>
            <translation>Ausgewählte Zeile löschen</translation>
        </message>
        <message>
            <source>Очистить всю таблицу</source>
            <translation>Ganze Tabelle leeren</translation>
        </message>
        <message>
            <source>Экспорт в CSV</source>
            <translation>Export nach CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>Экспорт в PDF</source>
            <translation>Export nach PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>PDF-Dateien (*.pdf)</translation>
        </message>
        <message>
            <source>Отчет об измерениях (Kovran)</source>
            <translation>Messbericht (Kovran)</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Gespeichert: %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Macros Files (*.mcm)</source>
            <translation>Makrodateien (*.mcm)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Macros (*.mcm)</source>
            <translation>Makros (*.mcm)</translation>
        </message>
    </context>
    <context>
        <name>Devozor_setting_wimdow</name>
        <message>
            <source>quick</source>
            <translation>Schnell</translation>
        </message>
        <message>
            <source>standard</source>
            <translation>Normal</translation>
        </message>
        <message>
            <source>precision</source>
            <translation>Präzise</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Übernehmen</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Geschwindigkeit</translation>
        </message>
        <message>
            <source>Одиниці</source>
            <translation>Einheiten</translation>
        </message>
        <message>
            <source>Значення бази</source>
            <translation>Bezugswert</translation>
        </message>
        <message>
            <source>Поріг лазера</source>
            <translation>Laserschwelle</translation>
        </message>
    </context>
    <context>
        <name>DongleDeviceScanDialog</name>
        <message>
            <source>Додавання приладу через nRF-донгл</source>
            <translation>Gerät über den nRF-Dongle hinzufügen</translation>
        </message>
        <message>
            <source>Додавання приладу через донгл BLED112</source>
            <translation>Gerät über den BLED112-Dongle hinzufügen</translation>
        </message>
        <message>
            <source>Донгл:</source>
            <translation>Dongle:</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Klicken Sie auf ein Gerät, um es auszuwählen (es wird hervorgehoben). Grau dargestellte Geräte sind unbekannten Typs — sie können nicht hinzugefügt werden.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Донгл не знайдено. Під'єднайте його й натисніть «Оновити».</source>
            <translation>Kein Dongle gefunden. Stecken Sie ihn ein und drücken Sie „Aktualisieren“.</translation>
        </message>
        <message>
            <source>Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл.</source>
            <translation>Alle Dongles sind voll. Geben Sie einen Platz frei oder stecken Sie einen weiteren Dongle ein.</translation>
        </message>
        <message>
            <source>Оновити список</source>
            <translation>Liste aktualisieren</translation>
        </message>
        <message>
            <source>%1 — %2 з %3</source>
            <translation>%1 — %2 von %3</translation>
        </message>
        <message>
            <source>Не вдалося відкрити донгл на %1.</source>
            <translation>Der Dongle an %1 konnte nicht geöffnet werden.</translation>
        </message>
        <message>
            <source>Донгл не почав сканування.</source>
            <translation>Der Dongle hat die Suche nicht begonnen.</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Suche nach Geräten...</translation>
        </message>
        <message>
            <source>Знайдено придатних приладів: %1</source>
            <translation>Gefundene verwendbare Geräte: %1</translation>
        </message>
        <message>
            <source>Не знайдено бібліотеку драйвера %1: встановіть її або покладіть поруч із програмою.</source>
            <translation>Die Treiberbibliothek %1 wurde nicht gefunden: Installieren Sie sie oder legen Sie sie neben das Programm.</translation>
        </message>
    </context>
    <context>
        <name>FormulaExpression</name>
        <message>
            <source>Введіть вираз, наприклад (A - B) / 2.</source>
            <translation>Geben Sie einen Ausdruck ein, zum Beispiel (A - B) / 2.</translation>
        </message>
        <message>
            <source>Вираз задовгий: не більше %1 символів.</source>
            <translation>Der Ausdruck ist zu lang: höchstens %1 Zeichen.</translation>
        </message>
        <message>
            <source>Прилад, з яким рахувала формула, видалено: замініть «#» літерою приладу.</source>
            <translation>Ein Messgerät, mit dem die Formel gerechnet hat, wurde gelöscht: Ersetzen Sie „#“ durch den Buchstaben eines Messgeräts.</translation>
        </message>
        <message>
            <source>Знак «=» на позиції %1 не дозволено: формула — це лише вираз, порівнюють через «==».</source>
            <translation>Das „=“ an Position %1 ist nicht erlaubt: Eine Formel ist nur ein Ausdruck; verglichen wird mit „==“.</translation>
        </message>
        <message>
            <source>Число «%1» записане неправильно або завелике.</source>
            <translation>Die Zahl „%1“ ist falsch geschrieben oder zu groß.</translation>
        </message>
        <message>
            <source>Невідома назва «%1»: прилади позначають великими літерами (A, B, C…), функції — малими (min, max, abs, sqrt).</source>
            <translation>Unbekannter Name „%1“: Messgeräte sind Großbuchstaben (A, B, C…), Funktionen klein geschrieben (min, max, abs, sqrt).</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області прилади від A до %2.</source>
            <translation>Es gibt kein Messgerät %1: Der Arbeitsbereich hat die Messgeräte A bis %2.</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області ще немає приладів.</source>
            <translation>Es gibt kein Messgerät %1: Der Arbeitsbereich hat noch keine Messgeräte.</translation>
        </message>
        <message>
            <source>Вираз не використовує жодного приладу: додайте літеру приладу (A, B, C…).</source>
            <translation>Der Ausdruck verwendet kein Messgerät: Fügen Sie den Buchstaben eines Messgeräts hinzu (A, B, C…).</translation>
        </message>
        <message>
            <source>Вираз має дати одне значення: кома розділяє лише аргументи функції.</source>
            <translation>Der Ausdruck muss einen Wert ergeben: Ein Komma trennt nur die Argumente einer Funktion.</translation>
        </message>
        <message>
            <source>Вираз обривається: бракує числа, літери приладу або дужки в кінці.</source>
            <translation>Der Ausdruck bricht ab: Am Ende fehlt eine Zahl, der Buchstabe eines Messgeräts oder eine Klammer.</translation>
        </message>
        <message>
            <source>Не закрито дужку.</source>
            <translation>Eine Klammer ist nicht geschlossen.</translation>
        </message>
        <message>
            <source>Неправильна кількість аргументів функції «%1».</source>
            <translation>Falsche Anzahl von Argumenten für die Funktion „%1“.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1.</source>
            <translation>Fehler im Ausdruck an Position %1.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1, біля «%2».</source>
            <translation>Fehler im Ausdruck an Position %1, bei „%2“.</translation>
        </message>
        <message>
            <source>Вираз не вдалося розібрати.</source>
            <translation>Der Ausdruck konnte nicht gelesen werden.</translation>
        </message>
    </context>
    <context>
        <name>FormulaManagerDialog</name>
        <message>
            <source>Формули</source>
            <translation>Formeln</translation>
        </message>
        <message>
            <source>Нова формула</source>
            <translation>Neue Formel</translation>
        </message>
        <message>
            <source>Видалити формулу</source>
            <translation>Formel löschen</translation>
        </message>
        <message>
            <source>наприклад (A - B) / 2 або max(A, B, C) - min(A, B, C)</source>
            <translation>z. B. (A - B) / 2 oder max(A, B, C) - min(A, B, C)</translation>
        </message>
        <message>
            <source>Вираз:</source>
            <translation>Ausdruck:</translation>
        </message>
        <message>
            <source>Прилади, що вимірюють ту саму величину, беруться в цих одиницях</source>
            <translation>Messgeräte, die dieselbe Größe messen, werden in dieser Einheit genommen</translation>
        </message>
        <message>
            <source>Одиниці:</source>
            <translation>Einheit:</translation>
        </message>
        <message>
            <source>Прилади (подвійний клік або Enter додає літеру у вираз):</source>
            <translation>Messgeräte (Doppelklick oder Enter fügt den Buchstaben in den Ausdruck ein):</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Приладів ще немає: формула рахує з приладів робочої області.</source>
            <translation>Noch keine Messgeräte: Eine Formel rechnet mit den Messgeräten des Arbeitsbereichs.</translation>
        </message>
        <message>
            <source>Видалити формулу &lt;b&gt;%1&lt;/b&gt;? Її записані значення також буде видалено.</source>
            <translation>Die Formel &lt;b&gt;%1&lt;/b&gt; löschen? Ihre aufgezeichneten Werte werden ebenfalls gelöscht.</translation>
        </message>
        <message>
            <source>Формул ще немає: натисніть «Нова формула».</source>
            <translation>Noch keine Formeln: Drücken Sie „Neue Formel“.</translation>
        </message>
        <message>
            <source>✓ Вираз правильний; рахує з приладів %1.</source>
            <translation>✓ Der Ausdruck ist gültig; er rechnet mit den Messgeräten %1.</translation>
        </message>
        <message>
            <source>Більше формул додати не можна.</source>
            <translation>Es können keine weiteren Formeln hinzugefügt werden.</translation>
        </message>
        <message>
            <source>Формула %1</source>
            <translation>Formel %1</translation>
        </message>
        <message>
            <source>Введіть назву формули.</source>
            <translation>Geben Sie den Namen der Formel ein.</translation>
        </message>
        <message>
            <source>Формулу «%1» не можна зберегти:
%2</source>
            <translation>Die Formel „%1“ kann nicht gespeichert werden:
%2</translation>
        </message>
    </context>
    <context>
        <name>GlobalUnitsDialog</name>
        <message>
            <source>Одиниці виміру</source>
            <translation>Maßeinheiten</translation>
        </message>
        <message>
            <source>Лінійні прилади:</source>
            <translation>Längenmessgeräte:</translation>
        </message>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Millimeter (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Zoll (inch)</translation>
        </message>
        <message>
            <source>Кутоміри:</source>
            <translation>Winkelmesser:</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Grad (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radiant (rad)</translation>
        </message>
        <message>
            <source>Динамометри:</source>
            <translation>Kraftmessgeräte:</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Newton (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Pfund-Kraft (lbf)</translation>
        </message>
    </context>
    <context>
        <name>HeightGaugeCycles</name>
        <message>
            <source>move to new points and enable auto move and cliked up arrow</source>
            <translation>Zu den neuen Punkten fahren, Automatik einschalten und den Pfeil nach oben klicken</translation>
        </message>
    </context>
    <context>
        <name>HistogramWidget</name>
        <message>
            <source>%1 … %2 %3
вимірів: %4</source>
            <translation>%1 … %2 %3
Messungen: %4</translation>
        </message>
        <message>
            <source>Замало даних для гістограми</source>
            <translation>Zu wenig Daten für ein Histogramm</translation>
        </message>
        <message>
            <source>НМ %1</source>
            <translation>UGW %1</translation>
        </message>
        <message>
            <source>ВМ %1</source>
            <translation>OGW %1</translation>
        </message>
    </context>
    <context>
        <name>KeyboardDeviceDialog</name>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Millimeter (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Zoll (inch)</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Newton (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Pfund-Kraft (lbf)</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Grad (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radiant (rad)</translation>
        </message>
        <message>
            <source>Підключення приладу-клавіатури</source>
            <translation>Tastatur-Messgerät verbinden</translation>
        </message>
        <message>
            <source>Клавіатура, якою прилад передає дані:</source>
            <translation>Tastatur, über die das Gerät seine Daten sendet:</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Визначити за натисканням кнопки на приладі</source>
            <translation>Durch Tastendruck am Gerät erkennen</translation>
        </message>
        <message>
            <source>Одиниці виміру, задані в приладі:</source>
            <translation>Am Gerät eingestellte Einheit:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Wird verwendet, wenn das Gerät Ziffern ohne Dezimaltrennzeichen sendet</translation>
        </message>
        <message>
            <source>Знаків після коми, заданих в приладі:</source>
            <translation>Am Gerät eingestellte Nachkommastellen:</translation>
        </message>
        <message>
            <source>Перевірка: натисніть кнопку передачі даних на приладі.</source>
            <translation>Prüfung: Drücken Sie die Sendetaste am Gerät.</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>  (вже додано)</source>
            <translation>  (bereits hinzugefügt)</translation>
        </message>
        <message>
            <source>Немає доступу до клавіатур: програма не може читати їхні натискання. Додайте користувача до групи input командою «sudo usermod -aG input $USER» і увійдіть у систему знову.</source>
            <translation>Kein Zugriff auf die Tastaturen: Das Programm kann ihre Tasten nicht lesen. Fügen Sie Ihren Benutzer mit «sudo usermod -aG input $USER» der Gruppe input hinzu und melden Sie sich neu an.</translation>
        </message>
        <message>
            <source>Натисніть на приладі кнопку передачі даних…</source>
            <translation>Drücken Sie die Sendetaste am Gerät…</translation>
        </message>
        <message>
            <source>Клавіатуру визначено: %1</source>
            <translation>Tastatur erkannt: %1</translation>
        </message>
        <message>
            <source>Отримано «%1» → %2 %3</source>
            <translation>Empfangen «%1» → %2 %3</translation>
        </message>
        <message>
            <source>Отримано «%1» — це не схоже на число, перевірте налаштування приладу.</source>
            <translation>Empfangen «%1» — das sieht nicht wie eine Zahl aus; prüfen Sie die Einstellungen des Geräts.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Не вибрано клавіатуру приладу.</source>
            <translation>Keine Tastatur des Geräts ausgewählt.</translation>
        </message>
        <message>
            <source>Цю клавіатуру вже додано як прилад.</source>
            <translation>Diese Tastatur ist bereits als Gerät hinzugefügt.</translation>
        </message>
        <message>
            <source>Клавіатура</source>
            <translation>Tastatur</translation>
        </message>
    </context>
    <context>
        <name>KeyboardEmulatorDialog</name>
        <message>
            <source>Увімкнути дублювання клавіатури</source>
            <translation>Tastaturausgabe einschalten</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Tastaturausgabe</translation>
        </message>
        <message>
            <source>Кожне значення, передане приладом, система отримає так, ніби його набрали на клавіатурі — і воно потрапить просто в Excel чи будь-яку іншу активну програму.</source>
            <translation>Jeder Wert, den ein Messgerät sendet, kommt im System an, als wäre er auf der Tastatur getippt worden — direkt in Excel oder jedes andere aktive Programm.</translation>
        </message>
        <message>
            <source>Пробіл</source>
            <translation>Leerzeichen</translation>
        </message>
        <message>
            <source>нічого</source>
            <translation>nichts</translation>
        </message>
        <message>
            <source>крапка  (12.345)</source>
            <translation>Punkt  (12.345)</translation>
        </message>
        <message>
            <source>кома  (12,345)</source>
            <translation>Komma  (12,345)</translation>
        </message>
        <message>
            <source>Між значеннями (мультирежим):</source>
            <translation>Zwischen Werten (Multi-Modus):</translation>
        </message>
        <message>
            <source>Після останнього:</source>
            <translation>Nach dem letzten:</translation>
        </message>
        <message>
            <source>Десятковий знак:</source>
            <translation>Dezimaltrennzeichen:</translation>
        </message>
        <message>
            <source>Роздільник потрібен лише тоді, коли один запис несе показання кількох приладів одразу — тобто в мультирежимі. Для одного приладу набирається саме значення й завершальна клавіша.</source>
            <translation>Das Trennzeichen wird nur gebraucht, wenn ein Datensatz die Messwerte mehrerer Geräte zugleich enthält — also im Multi-Modus. Bei einem Gerät werden nur der Wert und die abschließende Taste getippt.</translation>
        </message>
        <message>
            <source>Десятковий знак обирають не за смаком, а за тим, що чекає програма-приймач: Excel з українською локаллю розпізнає число лише з комою, інакше воно стане текстом.</source>
            <translation>Das Dezimaltrennzeichen richtet sich nicht nach Geschmack, sondern nach dem Empfängerprogramm: Excel mit deutschem Gebietsschema erkennt eine Zahl nur mit Komma, sonst wird sie zu Text.</translation>
        </message>
        <message>
            <source>тут буде видно, що саме набереться</source>
            <translation>hier sehen Sie, was genau getippt wird</translation>
        </message>
        <message>
            <source>Перевірити (2 прилади)</source>
            <translation>Testen (2 Geräte)</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>LaserNuromer</name>
        <message>
            <source>MainWindow</source>
            <translation>Laser-Innenmessgerät</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Resets Setting</source>
            <translation>Einstellungen zurücksetzen</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Nennmaß</translation>
        </message>
        <message>
            <source>Upper range</source>
            <translation>Oberes Abmaß</translation>
        </message>
        <message>
            <source>Lower range</source>
            <translation>Unteres Abmaß</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Übernehmen</translation>
        </message>
        <message>
            <source>SET</source>
            <translation>SETZEN</translation>
        </message>
        <message>
            <source>ExportPDF</source>
            <translation>PDF exportieren</translation>
        </message>
        <message>
            <source>ExportCSV</source>
            <translation>CSV exportieren</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>ZOLL</translation>
        </message>
        <message>
            <source>MM</source>
            <translation>MM</translation>
        </message>
        <message>
            <source>ММ</source>
            <translation>MM</translation>
        </message>
        <message>
            <source>No Valid Data</source>
            <translation>Keine gültigen Daten</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Maß</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Abweichung</translation>
        </message>
        <message>
            <source>Камеру не знайдено</source>
            <translation>Kamera nicht gefunden</translation>
        </message>
        <message>
            <source>Min : 0</source>
            <translation>Min : 0</translation>
        </message>
        <message>
            <source>Max: 0</source>
            <translation>Max: 0</translation>
        </message>
        <message>
            <source>delta: 0</source>
            <translation>Delta: 0</translation>
        </message>
        <message>
            <source>Range: 0</source>
            <translation>Spannweite: 0</translation>
        </message>
        <message>
            <source>wait...</source>
            <translation>warten...</translation>
        </message>
        <message>
            <source>inch</source>
            <translation>Zoll</translation>
        </message>
        <message>
            <source>мм</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>Min:</source>
            <translation>Min:</translation>
        </message>
        <message>
            <source>Max: </source>
            <translation>Max: </translation>
        </message>
        <message>
            <source>D min: </source>
            <translation>D min: </translation>
        </message>
        <message>
            <source>D max: </source>
            <translation>D max: </translation>
        </message>
        <message>
            <source>Range: </source>
            <translation>Spannweite: </translation>
        </message>
        <message>
            <source>Delete row</source>
            <translation>Zeile löschen</translation>
        </message>
        <message>
            <source>Clear table</source>
            <translation>Tabelle leeren</translation>
        </message>
        <message>
            <source>Confirmation</source>
            <translation>Bestätigung</translation>
        </message>
        <message>
            <source>Are you sure you want to delete all measurements from the table?</source>
            <translation>Möchten Sie wirklich alle Messwerte aus der Tabelle löschen?</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>No data to export!</source>
            <translation>Keine Daten zum Exportieren!</translation>
        </message>
        <message>
            <source>Save CSV</source>
            <translation>CSV speichern</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Messwert</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису</source>
            <translation>Die Datei konnte nicht zum Schreiben geöffnet werden</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Erfolg</translation>
        </message>
        <message>
            <source>CSV file saved successfully!</source>
            <translation>CSV-Datei erfolgreich gespeichert!</translation>
        </message>
        <message>
            <source>No data to export</source>
            <translation>Keine Daten zum Exportieren</translation>
        </message>
        <message>
            <source>Save PDF</source>
            <translation>PDF speichern</translation>
        </message>
        <message>
            <source>Звіт вимірювань</source>
            <translation>Messbericht</translation>
        </message>
        <message>
            <source>PDF file saved successfully!</source>
            <translation>PDF-Datei erfolgreich gespeichert!</translation>
        </message>
    </context>
    <context>
        <name>LaserSettings</name>
        <message>
            <source>Налаштування</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Ліва камера</source>
            <translation>Linke Kamera</translation>
        </message>
        <message>
            <source>Права камера</source>
            <translation>Rechte Kamera</translation>
        </message>
        <message>
            <source>COM-порт</source>
            <translation>COM-Port</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Baudrate</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Erfolg</translation>
        </message>
        <message>
            <source>Налаштування збережено!</source>
            <translation>Einstellungen gespeichert!</translation>
        </message>
    </context>
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Messsystem</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Синхронізувати все</source>
            <translation>Alle synchronisieren</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Alle nullen</translation>
        </message>
        <message>
            <source>Одиниці вимірювання</source>
            <translation>Maßeinheiten</translation>
        </message>
        <message>
            <source>Таймер</source>
            <translation>Timer</translation>
        </message>
        <message>
            <source>Макрос</source>
            <translation>Makro</translation>
        </message>
        <message>
            <source>Моно режим</source>
            <translation>Mono-Modus</translation>
        </message>
        <message>
            <source>Мульти режим</source>
            <translation>Multi-Modus</translation>
        </message>
        <message>
            <source>Формули</source>
            <translation>Formeln</translation>
        </message>
        <message>
            <source>Графік</source>
            <translation>Diagramm</translation>
        </message>
        <message>
            <source>EXPORT</source>
            <translation>EXPORT</translation>
        </message>
        <message>
            <source>Права кнопка миші — розгорнута статистика</source>
            <translation>Rechte Maustaste — ausführliche Statistik</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Export</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Розширення</source>
            <translation>Erweiterungen</translation>
        </message>
        <message>
            <source>Адаптер модбас</source>
            <translation>Modbus-Adapter</translation>
        </message>
        <message>
            <source>Скинути налаштування</source>
            <translation>Einstellungen zurücksetzen</translation>
        </message>
        <message>
            <source>Користувачі</source>
            <translation>Benutzer</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Tastaturausgabe</translation>
        </message>
        <message>
            <source>Ви впевнені що хочете видалити пристрій &lt;b&gt;%1&lt;/b&gt;?</source>
            <translation>Möchten Sie das Gerät &lt;b&gt;%1&lt;/b&gt; wirklich löschen?</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Додавання приладу</source>
            <translation>Messgerät hinzufügen</translation>
        </message>
        <message>
            <source>Цей тип підключення ще недоступний у цій версії програми.</source>
            <translation>Diese Verbindungsart ist in dieser Programmversion noch nicht verfügbar.</translation>
        </message>
        <message>
            <source>Скинути збережений вибір модуля, що відкривається при старті програми?</source>
            <translation>Die gespeicherte Auswahl des Startmoduls zurücksetzen?</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>Fertig</translation>
        </message>
        <message>
            <source>Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля.</source>
            <translation>Einstellungen zurückgesetzt. Beim nächsten Programmstart erscheint wieder die Modulauswahl.</translation>
        </message>
        <message>
            <source>Значення (%1)</source>
            <translation>Wert (%1)</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>№</source>
            <translation>Nr.</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Статус</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>min: %1
max: %2
avg: %3</source>
            <translation>min: %1
max: %2
avg: %3</translation>
        </message>
        <message>
            <source>DEVICE %1</source>
            <translation>GERÄT %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Erfolg</translation>
        </message>
        <message>
            <source>Немає даних для експорту.</source>
            <translation>Keine Daten zum Exportieren.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Export nach CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в CSV.</source>
            <translation>Daten erfolgreich nach CSV exportiert.</translation>
        </message>
        <message>
            <source>Експорт в PDF</source>
            <translation>Export nach PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>PDF-Dateien (*.pdf)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в PDF.</source>
            <translation>Daten erfolgreich nach PDF exportiert.</translation>
        </message>
        <message>
            <source>Експорт даних</source>
            <translation>Daten exportieren</translation>
        </message>
        <message>
            <source>Оберіть формат для експорту даних:</source>
            <translation>Wählen Sie das Exportformat:</translation>
        </message>
        <message>
            <source>PDF</source>
            <translation>PDF</translation>
        </message>
        <message>
            <source>CSV</source>
            <translation>CSV</translation>
        </message>
        <message>
            <source>Відміна</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Звіт про вимірювання (Kovran)</source>
            <translation>Messbericht (Kovran)</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису.</source>
            <translation>Die Datei konnte nicht zum Schreiben geöffnet werden.</translation>
        </message>
        <message>
            <source>MIN</source>
            <translation>MIN</translation>
        </message>
        <message>
            <source>MAX</source>
            <translation>MAX</translation>
        </message>
        <message>
            <source>RANGE</source>
            <translation>RUNDLAUF</translation>
        </message>
        <message>
            <source>MODULE</source>
            <translation>BETRAG</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Gut</translation>
        </message>
        <message>
            <source>No Go</source>
            <translation>Ausschuss</translation>
        </message>
        <message>
            <source>Видалити рядок</source>
            <translation>Zeile löschen</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Tabelle leeren</translation>
        </message>
        <message>
            <source>Відкрити статистику</source>
            <translation>Statistik öffnen</translation>
        </message>
        <message>
            <source>Очистити всі виміри цього приладу?</source>
            <translation>Alle Messungen dieses Geräts löschen?</translation>
        </message>
        <message>
            <source>Очистити всі записані рядки таблиці?</source>
            <translation>Alle aufgezeichneten Zeilen der Tabelle löschen?</translation>
        </message>
        <message>
            <source>Відновлення даних</source>
            <translation>Datenwiederherstellung</translation>
        </message>
        <message>
            <source>Виявлено незбережені дані попереднього сеансу (записів: %1). Програму, ймовірно, було закрито аварійно.

Відновити ці дані в таблицях?</source>
            <translation>Ungespeicherte Daten der vorigen Sitzung gefunden (Datensätze: %1). Das Programm wurde wahrscheinlich unerwartet beendet.

Diese Daten in den Tabellen wiederherstellen?</translation>
        </message>
        <message>
            <source>Пам'ять приладу</source>
            <translation>Gerätespeicher</translation>
        </message>
        <message>
            <source>Прилади %1 не підтримують вивантаження пам'яті.</source>
            <translation>%1-Geräte unterstützen das Auslesen des Speichers nicht.</translation>
        </message>
        <message>
            <source>Прилад не на зв'язку.</source>
            <translation>Das Gerät ist nicht verbunden.</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Höhenmessgerät</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Messstand</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Laser-Innenmessgerät</translation>
        </message>
        <message>
            <source>Вибір модуля…</source>
            <translation>Modul wählen…</translation>
        </message>
        <message>
            <source>Довідка</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Про програму</source>
            <translation>Über das Programm</translation>
        </message>
        <message>
            <source>Експорт в XLSX</source>
            <translation>Export nach XLSX</translation>
        </message>
        <message>
            <source>Книги Excel (*.xlsx)</source>
            <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1:
%2</source>
            <translation>Die Datei %1 konnte nicht geschrieben werden:
%2</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в XLSX.</source>
            <translation>Daten erfolgreich nach XLSX exportiert.</translation>
        </message>
        <message>
            <source>XLSX</source>
            <translation>XLSX</translation>
        </message>
        <message>
            <source>Таблиця</source>
            <translation>Tabelle</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Messgerät</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>Нижня межа</source>
            <translation>Untere Grenze</translation>
        </message>
        <message>
            <source>Верхня межа</source>
            <translation>Obere Grenze</translation>
        </message>
        <message>
            <source>Прилад &lt;b&gt;%1&lt;/b&gt; використовують формули: %2.&lt;br&gt;Якщо його видалити, ці формули буде вимкнено, доки ви не зміните їхні вирази у «Формулах». Видалити прилад?</source>
            <translation>Das Messgerät &lt;b&gt;%1&lt;/b&gt; wird von den Formeln %2 verwendet.&lt;br&gt;Wird es gelöscht, sind diese Formeln deaktiviert, bis Sie ihre Ausdrücke unter „Formeln“ ändern. Messgerät löschen?</translation>
        </message>
        <message>
            <source>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</source>
            <translation>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</translation>
        </message>
        <message>
            <source>Перемістити прилад</source>
            <translation>Messgerät verschieben</translation>
        </message>
        <message>
            <source>Літери приладів у формулах зміняться разом із порядком карток:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Перемістити прилад?</source>
            <translation>Die Buchstaben der Messgeräte in den Formeln ändern sich mit der Reihenfolge der Karten:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Messgerät verschieben?</translation>
        </message>
    </context>
    <context>
        <name>ModbusSettingsDialog</name>
        <message>
            <source>Настройка адаптеров Modbus</source>
            <translation>Modbus-Adapter einrichten</translation>
        </message>
        <message>
            <source>Порт:</source>
            <translation>Port:</translation>
        </message>
        <message>
            <source>Скорость:</source>
            <translation>Geschwindigkeit:</translation>
        </message>
        <message>
            <source>Добавить адаптер</source>
            <translation>Adapter hinzufügen</translation>
        </message>
        <message>
            <source>Удалить выбранный</source>
            <translation>Ausgewählten entfernen</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Подключенные адаптеры:</source>
            <translation>Verbundene Adapter:</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Achtung</translation>
        </message>
        <message>
            <source>Этот адаптер уже добавлен в список!</source>
            <translation>Dieser Adapter ist bereits in der Liste!</translation>
        </message>
        <message>
            <source>Адаптер: %1 | Скорость: %2</source>
            <translation>Adapter: %1 | Geschwindigkeit: %2</translation>
        </message>
    </context>
    <context>
        <name>ModuleChooser</name>
        <message>
            <source>KOVRAN — вибір модуля</source>
            <translation>KOVRAN — Modul wählen</translation>
        </message>
        <message>
            <source>Оберіть модуль</source>
            <translation>Wählen Sie ein Modul</translation>
        </message>
        <message>
            <source>Робоча область</source>
            <translation>Arbeitsbereich</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Höhenmessgerät</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Messstand</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Laser-Innenmessgerät</translation>
        </message>
        <message>
            <source>Запам'ятати мій вибір і відкривати цей модуль при запуску</source>
            <translation>Meine Wahl merken und dieses Modul beim Start öffnen</translation>
        </message>
    </context>
    <context>
        <name>PlotCanvas</name>
        <message>
            <source>Межі осі</source>
            <translation>Achsengrenzen</translation>
        </message>
        <message>
            <source>Мінімум:</source>
            <translation>Minimum:</translation>
        </message>
        <message>
            <source>Максимум:</source>
            <translation>Maximum:</translation>
        </message>
        <message>
            <source>%1
вимір №%2: %3 %4</source>
            <translation>%1
Messung Nr. %2: %3 %4</translation>
        </message>
        <message>
            <source>вимір №%1
%2: %3 %4
%5: %6 %7</source>
            <translation>Messung Nr. %1
%2: %3 %4
%5: %6 %7</translation>
        </message>
        <message>
            <source>Автомасштаб %1</source>
            <translation>Automatisch skalieren: %1</translation>
        </message>
        <message>
            <source>Задати межі %1…</source>
            <translation>Grenzen für %1 festlegen…</translation>
        </message>
        <message>
            <source>Автомасштаб обох осей</source>
            <translation>Beide Achsen automatisch skalieren</translation>
        </message>
        <message>
            <source>Сітка</source>
            <translation>Raster</translation>
        </message>
        <message>
            <source>Немає даних для побудови</source>
            <translation>Keine Daten zum Darstellen</translation>
        </message>
        <message>
            <source>№ виміру</source>
            <translation>Messung Nr.</translation>
        </message>
        <message>
            <source>%1 (X) — %2 (Y)</source>
            <translation>%1 (X) — %2 (Y)</translation>
        </message>
    </context>
    <context>
        <name>PressetSetting</name>
        <message>
            <source>Form</source>
            <translation>Formular</translation>
        </message>
        <message>
            <source>Кількість точек</source>
            <translation>Anzahl der Punkte</translation>
        </message>
        <message>
            <source>Задать точки</source>
            <translation>Punkte festlegen</translation>
        </message>
        <message>
            <source>Від</source>
            <translation>Von</translation>
        </message>
        <message>
            <source>До</source>
            <translation>Bis</translation>
        </message>
        <message>
            <source>Крок</source>
            <translation>Schritt</translation>
        </message>
        <message>
            <source>Автогенерація</source>
            <translation>Automatisch erzeugen</translation>
        </message>
        <message>
            <source>Відхилення </source>
            <translation>Abweichung </translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Sollwerte</translation>
        </message>
        <message>
            <source>Зберегти налаштування</source>
            <translation>Einstellungen speichern</translation>
        </message>
        <message>
            <source>JSON %1 (*.json);;%2 (*.*)</source>
            <translation>JSON %1 (*.json);;%2 (*.*)</translation>
        </message>
        <message>
            <source>Файли</source>
            <translation>Dateien</translation>
        </message>
        <message>
            <source>Всі файли</source>
            <translation>Alle Dateien</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Не вдалося зберегти файл!</source>
            <translation>Die Datei konnte nicht gespeichert werden!</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Erfolg</translation>
        </message>
        <message>
            <source>Налаштування успішно збережено</source>
            <translation>Einstellungen erfolgreich gespeichert</translation>
        </message>
        <message>
            <source>Перевірте правильність введених чисел.</source>
            <translation>Überprüfen Sie die eingegebenen Zahlen.</translation>
        </message>
        <message>
            <source>Крок повинен бути більшим за нуль.</source>
            <translation>Der Schritt muss größer als null sein.</translation>
        </message>
        <message>
            <source>Початкове значення більше за кінцеве.</source>
            <translation>Der Startwert ist größer als der Endwert.</translation>
        </message>
        <message>
            <source>Увага</source>
            <translation>Achtung</translation>
        </message>
        <message>
            <source>Занадто багато точок (&gt;10 000). Збільште крок.</source>
            <translation>Zu viele Punkte (&gt;10 000). Vergrößern Sie den Schritt.</translation>
        </message>
    </context>
    <context>
        <name>StandWindow</name>
        <message>
            <source>Column %1</source>
            <translation>Spalte %1</translation>
        </message>
        <message>
            <source>Стовпець %1</source>
            <translation>Spalte %1</translation>
        </message>
        <message>
            <source>Вимірювальний стенд</source>
            <translation>Messstand</translation>
        </message>
        <message>
            <source>Нуль</source>
            <translation>Null</translation>
        </message>
        <message>
            <source>Серійний номер</source>
            <translation>Seriennummer</translation>
        </message>
        <message>
            <source>Зберегти в PDF</source>
            <translation>Als PDF speichern</translation>
        </message>
        <message>
            <source>Зберегти в CSV</source>
            <translation>Als CSV speichern</translation>
        </message>
        <message>
            <source>Режим рулетки</source>
            <translation>Maßbandmodus</translation>
        </message>
        <message>
            <source>Рулетку протянуто</source>
            <translation>Maßband versetzt</translation>
        </message>
        <message>
            <source>Пресет</source>
            <translation>Voreinstellung</translation>
        </message>
        <message>
            <source>Оберіть папку з пресетами</source>
            <translation>Ordner mit Voreinstellungen wählen</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source> Стрворити пресет</source>
            <translation> Voreinstellung erstellen</translation>
        </message>
        <message>
            <source>Очистити</source>
            <translation>Leeren</translation>
        </message>
        <message>
            <source>Без пресета</source>
            <translation>Ohne Voreinstellung</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Вихід</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Скинути параметри</source>
            <translation>Einstellungen zurücksetzen</translation>
        </message>
        <message>
            <source>Камера</source>
            <translation>Kamera</translation>
        </message>
        <message>
            <source>Камеры не найдены</source>
            <translation>Keine Kameras gefunden</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Українська</source>
            <translation>Ukrainisch</translation>
        </message>
        <message>
            <source>Англійська</source>
            <translation>Englisch</translation>
        </message>
        <message>
            <source>Французька</source>
            <translation>Französisch</translation>
        </message>
        <message>
            <source>Німецька</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>Італійська</source>
            <translation>Italienisch</translation>
        </message>
        <message>
            <source>Польська</source>
            <translation>Polnisch</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Sollwerte</translation>
        </message>
        <message>
            <source>Виміряні значення</source>
            <translation>Messwerte</translation>
        </message>
        <message>
            <source>Відхилення</source>
            <translation>Abweichung</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>ZOLL</translation>
        </message>
        <message>
            <source>MM</source>
            <translation>MM</translation>
        </message>
        <message>
            <source>Вимірювання завершено</source>
            <translation>Messung abgeschlossen</translation>
        </message>
        <message>
            <source>Всі точки пресету успішно виміряні.
Що бажаєте зробити далі?</source>
            <translation>Alle Punkte der Voreinstellung wurden gemessen.
Wie möchten Sie fortfahren?</translation>
        </message>
        <message>
            <source>Зберегти PDF</source>
            <translation>PDF speichern</translation>
        </message>
        <message>
            <source>Зберегти CSV</source>
            <translation>CSV speichern</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Tabelle leeren</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Видалити вимірювання</source>
            <translation>Messung löschen</translation>
        </message>
        <message>
            <source>Видалення вимірювання</source>
            <translation>Messung löschen</translation>
        </message>
        <message>
            <source>Як саме ви хочете видалити дані?</source>
            <translation>Wie sollen die Daten gelöscht werden?</translation>
        </message>
        <message>
            <source>Тільки цей рядок</source>
            <translation>Nur diese Zeile</translation>
        </message>
        <message>
            <source>Зі зміщенням (очистити все після)</source>
            <translation>Mit Verschiebung (alles danach leeren)</translation>
        </message>
        <message>
            <source>Режим Tape</source>
            <translation>Maßbandmodus</translation>
        </message>
        <message>
            <source>Спочатку увімкніть 'Tape mode' (поставте галочку).</source>
            <translation>Aktivieren Sie zuerst den 'Maßbandmodus' (Häkchen setzen).</translation>
        </message>
        <message>
            <source>Tape</source>
            <translation>Maßband</translation>
        </message>
        <message>
            <source>Рулетку перетягнуто.
Нова база вимірювання: %1</source>
            <translation>Das Maßband wurde versetzt.
Neue Messbasis: %1</translation>
        </message>
        <message>
            <source>Помилка Tape</source>
            <translation>Maßbandfehler</translation>
        </message>
        <message>
            <source>У таблиці ще немає жодного вимірювання для збереження бази.</source>
            <translation>Die Tabelle enthält noch keine Messung, die als Basis dienen kann.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Пресет %1 не завантажено.
%2</source>
            <translation>Die Voreinstellung %1 wurde nicht geladen.
%2</translation>
        </message>
        <message>
            <source>Файл не вдалося відкрити: %1</source>
            <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
        </message>
        <message>
            <source>Файл не є коректним JSON: %1</source>
            <translation>Die Datei ist kein gültiges JSON: %1</translation>
        </message>
        <message>
            <source>У файлі немає об'єкта пресета.</source>
            <translation>Die Datei enthält kein Voreinstellungsobjekt.</translation>
        </message>
        <message>
            <source>Поле "%1" має неправильний тип.</source>
            <translation>Das Feld "%1" hat den falschen Typ.</translation>
        </message>
        <message>
            <source>Забагато точок: %1 (не більше %2).</source>
            <translation>Zu viele Punkte: %1 (höchstens %2).</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Gespeichert: %1</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Export nach CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>PDF-Dateien (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>StatisticsDialog</name>
        <message>
            <source>Статистика</source>
            <translation>Statistik</translation>
        </message>
        <message>
            <source>Рахувати за:</source>
            <translation>Berechnen aus:</translation>
        </message>
        <message>
            <source>Кількість</source>
            <translation>Anzahl</translation>
        </message>
        <message>
            <source>Середнє</source>
            <translation>Mittelwert</translation>
        </message>
        <message>
            <source>Мінімум</source>
            <translation>Minimum</translation>
        </message>
        <message>
            <source>Максимум</source>
            <translation>Maximum</translation>
        </message>
        <message>
            <source>Розмах</source>
            <translation>Spannweite</translation>
        </message>
        <message>
            <source>Ст. відхилення</source>
            <translation>Standardabw.</translation>
        </message>
        <message>
            <source>У допуску</source>
            <translation>In Toleranz</translation>
        </message>
        <message>
            <source>Поза допуском</source>
            <translation>Außer Toleranz</translation>
        </message>
        <message>
            <source>Придатних, %</source>
            <translation>Gutteile, %</translation>
        </message>
        <message>
            <source>Закрити</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Розподіл значень</source>
            <translation>Werteverteilung</translation>
        </message>
        <message>
            <source>Тренд за порядком вимірювання</source>
            <translation>Trend in Messreihenfolge</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>Daten aus der gemeinsamen Tabelle</translation>
        </message>
        <message>
            <source>дані з таблиці приладу</source>
            <translation>Daten aus der Gerätetabelle</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Keine Geräte</translation>
        </message>
        <message>
            <source>усією таблицею (%1)</source>
            <translation>der ganzen Tabelle (%1)</translation>
        </message>
        <message>
            <source>виділеними рядками (%1)</source>
            <translation>den markierten Zeilen (%1)</translation>
        </message>
        <message>
            <source>Для цього приладу допуски не задані, тож придатність не оцінюється. Задайте режим вимірювання з допусками в налаштуваннях приладу.</source>
            <translation>Für dieses Gerät ist keine Toleranz festgelegt, daher wird die Konformität nicht bewertet. Wählen Sie in den Geräteeinstellungen einen Messmodus mit Grenzen.</translation>
        </message>
        <message>
            <source>Допуск: від %1 до %2 %3</source>
            <translation>Toleranz: von %1 bis %2 %3</translation>
        </message>
        <message>
            <source>Допуск: не більше %1 %2</source>
            <translation>Toleranz: höchstens %1 %2</translation>
        </message>
        <message>
            <source>Допуск: не менше %1 %2</source>
            <translation>Toleranz: mindestens %1 %2</translation>
        </message>
        <message>
            <source>Тренд: %1%2 %3 за вимір</source>
            <translation>Trend: %1%2 %3 pro Messung</translation>
        </message>
        <message>
            <source>Придатність за короткочасним σ = MR̄ / 1,128 (ковзний розмах)</source>
            <translation>Fähigkeit aus der kurzfristigen σ = MR̄ / 1,128 (gleitende Spannweite)</translation>
        </message>
        <message>
            <source>Продуктивність за загальним σ (стандартне відхилення)</source>
            <translation>Leistung aus der Gesamt-σ (Standardabweichung)</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Контрольна карта (I-MR)</source>
            <translation>Regelkarte (I-MR)</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Außer statistischer Kontrolle: %n Punkt</numerusform>
                <numerusform>Außer statistischer Kontrolle: %n Punkte</numerusform>
            </translation>
        </message>
        <message>
            <source>Показник</source>
            <translation>Kennwert</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Messgerät</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>Примітка</source>
            <translation>Hinweis</translation>
        </message>
        <message>
            <source>Статистика: %1</source>
            <translation>Statistik: %1</translation>
        </message>
    </context>
    <context>
        <name>SylvacSerialDialog</name>
        <message>
            <source>Додавання приладу Sylvac (провід)</source>
            <translation>Sylvac-Gerät hinzufügen (Kabel)</translation>
        </message>
        <message>
            <source>Програма сама визначить, до якого порту під'єднано прилад. Переконайтеся, що кабель у роз'ємі, а прилад увімкнений.</source>
            <translation>Das Programm findet den Port des Geräts selbst. Achten Sie darauf, dass das Kabel steckt und das Gerät eingeschaltet ist.</translation>
        </message>
        <message>
            <source>Шукати знову</source>
            <translation>Erneut suchen</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Немає вільних COM-портів</source>
            <translation>Keine freien COM-Ports</translation>
        </message>
        <message>
            <source>Усі порти вже зайняті іншими приладами.</source>
            <translation>Alle Ports werden bereits von anderen Geräten verwendet.</translation>
        </message>
        <message>
            <source>Натисніть кнопку передачі на приладі</source>
            <translation>Drücken Sie die Sendetaste am Gerät</translation>
        </message>
        <message>
            <source>Не вдалося відкрити жодного порту.</source>
            <translation>Kein Port konnte geöffnet werden.</translation>
        </message>
        <message>
            <source>Слухаю порти: %1</source>
            <translation>Überwache Ports: %1</translation>
        </message>
        <message>
            <source>Прилад знайдено</source>
            <translation>Gerät gefunden</translation>
        </message>
        <message numerus="yes">
            <source>Порт %1, значення %2 (%n знак(ів) після коми)</source>
            <translation>
                <numerusform>Port %1, Wert %2 (%n Nachkommastelle)</numerusform>
                <numerusform>Port %1, Wert %2 (%n Nachkommastellen)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>TimerSettingsDialog</name>
        <message>
            <source>Налаштування таймера запису</source>
            <translation>Einstellungen des Aufzeichnungstimers</translation>
        </message>
        <message>
            <source>Режим таймера:</source>
            <translation>Timermodus:</translation>
        </message>
        <message>
            <source>Синхронний (один таймер для всіх)</source>
            <translation>Synchron (ein Timer für alle)</translation>
        </message>
        <message>
            <source>Індивідуальний для кожного приладу</source>
            <translation>Einzeln für jedes Gerät</translation>
        </message>
        <message>
            <source>Інтервал запису:</source>
            <translation>Aufzeichnungsintervall:</translation>
        </message>
        <message>
            <source> мс (0 = вимкнено)</source>
            <translation> ms (0 = aus)</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Gerät</translation>
        </message>
        <message>
            <source>Інтервал (мс)</source>
            <translation>Intervall (ms)</translation>
        </message>
        <message>
            <source>Скинути таймер</source>
            <translation>Timer zurücksetzen</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
    </context>
    <context>
        <name>TrendWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>Messung Nr. %1
%2 %3</translation>
        </message>
        <message>
            <source>Замало даних для тренду</source>
            <translation>Zu wenig Daten für einen Trend</translation>
        </message>
        <message>
            <source>нижня межа</source>
            <translation>untere Grenze</translation>
        </message>
        <message>
            <source>верхня межа</source>
            <translation>obere Grenze</translation>
        </message>
        <message>
            <source>тренд</source>
            <translation>Trend</translation>
        </message>
    </context>
    <context>
        <name>UserEditDialog</name>
        <message>
            <source>Новий користувач</source>
            <translation>Neuer Benutzer</translation>
        </message>
        <message>
            <source>Користувач</source>
            <translation>Benutzer</translation>
        </message>
        <message>
            <source>ім'я або посада</source>
            <translation>Name oder Funktion</translation>
        </message>
        <message>
            <source>Ім'я:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Роль:</source>
            <translation>Rolle:</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — роль змінити не можна, інакше керувати користувачами стане нікому.</source>
            <translation>Dies ist der einzige Administrator — die Rolle kann nicht geändert werden, sonst könnte niemand mehr die Benutzer verwalten.</translation>
        </message>
    </context>
    <context>
        <name>UserManager</name>
        <message>
            <source>Адміністратор</source>
            <translation>Administrator</translation>
        </message>
        <message>
            <source>адміністратор</source>
            <translation>Administrator</translation>
        </message>
        <message>
            <source>оператор</source>
            <translation>Bediener</translation>
        </message>
    </context>
    <context>
        <name>UsersDialog</name>
        <message>
            <source>Користувачі</source>
            <translation>Benutzer</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Змінити</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Прилад належить одному користувачеві: якщо позначити його тут, він автоматично зніметься з попереднього власника.</source>
            <translation>Ein Messgerät gehört genau einem Benutzer: Wenn Sie es hier markieren, wird es dem bisherigen Besitzer automatisch entzogen.</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Прилади користувача «%1»</source>
            <translation>Messgeräte von „%1“</translation>
        </message>
        <message>
            <source>Прилади</source>
            <translation>Messgeräte</translation>
        </message>
        <message>
            <source>(зараз у «%1»)</source>
            <translation>(zurzeit bei „%1“)</translation>
        </message>
        <message>
            <source>(закріплений за видаленим користувачем)</source>
            <translation>(einem gelöschten Benutzer zugeordnet)</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — його видалити не можна. Спершу призначте адміністратором когось іншого.</source>
            <translation>Dies ist der einzige Administrator — er kann nicht gelöscht werden. Ernennen Sie zuerst einen anderen Benutzer zum Administrator.</translation>
        </message>
        <message>
            <source>Видалити користувача «%1»?</source>
            <translation>Benutzer „%1“ löschen?</translation>
        </message>
        <message>
            <source>

Закріплені за ним прилади (%1) стануть нічийними.</source>
            <translation>

Die diesem Benutzer zugeordneten Messgeräte (%1) haben dann keinen Besitzer mehr.</translation>
        </message>
        <message>
            <source>Видалення</source>
            <translation>Löschen</translation>
        </message>
    </context>
    <context>
        <name>XdoKeystrokeSink</name>
        <message>
            <source>Сеанс Wayland без XWayland: значення не можна набирати в інші програми. Увійдіть у сеанс X11 (Xorg) або увімкніть XWayland.</source>
            <translation>Wayland-Sitzung ohne XWayland: Werte können nicht in andere Programme getippt werden. Melden Sie sich in einer X11-Sitzung (Xorg) an oder aktivieren Sie XWayland.</translation>
        </message>
        <message>
            <source>Немає X-дисплея (змінна DISPLAY не задана), тому значення не можна набирати в інші програми.</source>
            <translation>Kein X-Display vorhanden (DISPLAY ist nicht gesetzt), daher können Werte nicht in andere Programme getippt werden.</translation>
        </message>
        <message>
            <source>Не знайдено бібліотек X11 (libX11, libXtst), тому значення не можна набирати в інші програми.</source>
            <translation>Die X11-Bibliotheken (libX11, libXtst) wurden nicht gefunden, daher können Werte nicht in andere Programme getippt werden.</translation>
        </message>
        <message>
            <source>Не вдалося під'єднатися до X-дисплея %1, тому значення не можна набирати в інші програми.</source>
            <translation>Verbindung zum X-Display %1 fehlgeschlagen, daher können Werte nicht in andere Programme getippt werden.</translation>
        </message>
        <message>
            <source>X-сервер %1 не підтримує розширення XTest, тому значення не можна набирати в інші програми.</source>
            <translation>Der X-Server %1 unterstützt die XTest-Erweiterung nicht, daher können Werte nicht in andere Programme getippt werden.</translation>
        </message>
    </context>
    <context>
        <name>devozor_scan_setting_window</name>
        <message>
            <source>Сканування</source>
            <translation>Scannen</translation>
        </message>
        <message>
            <source>Step Scan</source>
            <translation>Scanschritt</translation>
        </message>
        <message>
            <source>Max Scan</source>
            <translation>Scan-Maximum</translation>
        </message>
        <message>
            <source>Min Scan</source>
            <translation>Scan-Minimum</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Übernehmen</translation>
        </message>
    </context>
</TS>
