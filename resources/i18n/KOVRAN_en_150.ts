<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_150" sourcelanguage="uk_UA">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>Про програму</source>
            <translation>About</translation>
        </message>
        <message>
            <source>Версія:</source>
            <translation>Version:</translation>
        </message>
        <message>
            <source>Папка налаштувань:</source>
            <translation>Settings folder:</translation>
        </message>
        <message>
            <source>Журнал роботи:</source>
            <translation>Log file:</translation>
        </message>
        <message>
            <source>Відкрити папку налаштувань</source>
            <translation>Open settings folder</translation>
        </message>
        <message>
            <source>Програма вимірювального стенда контролю якості.</source>
            <translation>Software for a quality-control measuring bench.</translation>
        </message>
    </context>
    <context>
        <name>AddDeviceDialog</name>
        <message>
            <source>Проверить связь</source>
            <translation>Test connection</translation>
        </message>
        <message>
            <source>Статус: не проверено</source>
            <translation>Status: not tested</translation>
        </message>
        <message>
            <source>Подключить</source>
            <translation>Connect</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Подключение Modbus прибора</source>
            <translation>Connect Modbus instrument</translation>
        </message>
        <message>
            <source>Сохраненный адаптер (Порт):</source>
            <translation>Saved adapter (port):</translation>
        </message>
        <message>
            <source>Текущая скорость порта:</source>
            <translation>Current baud rate:</translation>
        </message>
        <message>
            <source>Текущий адрес прибора (Modbus ID [1-247]):</source>
            <translation>Current instrument address (Modbus ID [1-247]):</translation>
        </message>
        <message>
            <source>--- Новые параметры прибора ---</source>
            <translation>--- New instrument settings ---</translation>
        </message>
        <message>
            <source>Новый адрес (Modbus ID):</source>
            <translation>New address (Modbus ID):</translation>
        </message>
        <message>
            <source>Новая скорость:</source>
            <translation>New baud rate:</translation>
        </message>
        <message>
            <source>Статус: Ошибка открытия порта</source>
            <translation>Status: Port could not be opened</translation>
        </message>
        <message>
            <source>Статус: Таймаут (нет ответа от прибора)</source>
            <translation>Status: Timeout (no response from the instrument)</translation>
        </message>
        <message>
            <source>Статус: Прибор ответил! Связь есть.</source>
            <translation>Status: The instrument responded! Connection OK.</translation>
        </message>
        <message>
            <source>Статус: Ошибка CRC (неверная контрольная сумма)</source>
            <translation>Status: CRC error (wrong checksum)</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Прибор с адресом %1 уже существует на порту %2!
Пожалуйста, выберите другой 'Новый адрес'.</source>
            <translation>An instrument with address %1 already exists on port %2!
Please choose a different 'New address'.</translation>
        </message>
        <message>
            <source>Не удалось открыть порт.</source>
            <translation>Could not open the port.</translation>
        </message>
        <message>
            <source>Нет сохраненных адаптеров! Добавьте адаптер через главное меню.</source>
            <translation>No saved adapters! Add an adapter from the main menu.</translation>
        </message>
    </context>
    <context>
        <name>BleDeviceScanDialog</name>
        <message>
            <source>Додавання Bluetooth-приладу</source>
            <translation>Add a Bluetooth instrument</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Searching for instruments...</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Click an instrument to select it (it will be highlighted). Grey entries are devices of an unknown type — they cannot be added.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Refresh</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>(без назви)</source>
            <translation>(no name)</translation>
        </message>
        <message>
            <source>Знайдено приладів: %1 (придатних: %2)</source>
            <translation>Instruments found: %1 (usable: %2)</translation>
        </message>
        <message>
            <source>Помилка сканування: %1</source>
            <translation>Scan error: %1</translation>
        </message>
        <message>
            <source>Прилад невідомого типу — додати не можна</source>
            <translation>Instrument of an unknown type — cannot be added</translation>
        </message>
        <message>
            <source>Обрано — клікніть ще раз, щоб зняти вибір</source>
            <translation>Selected — click again to deselect</translation>
        </message>
        <message>
            <source>Протокол: %1. Клікніть, щоб обрати цей прилад</source>
            <translation>Protocol: %1. Click to select this instrument</translation>
        </message>
    </context>
    <context>
        <name>ChartWidget</name>
        <message>
            <source>Усі прилади по Y</source>
            <translation>All instruments on Y</translation>
        </message>
        <message>
            <source>X–Y (два прилади)</source>
            <translation>X–Y (two instruments)</translation>
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
            <translation>Grid</translation>
        </message>
        <message>
            <source>Тип:</source>
            <translation>Type:</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>data from the shared table</translation>
        </message>
        <message>
            <source>дані з таблиць приладів</source>
            <translation>data from the instrument tables</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>No instruments</translation>
        </message>
        <message>
            <source>Порівнюється %1 пар; зайвих вимірів: %2</source>
            <translation>%1 pairs compared; extra measurements: %2</translation>
        </message>
    </context>
    <context>
        <name>ControlChartWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>measurement no. %1
%2 %3</translation>
        </message>
        <message>
            <source>ковзний розмах %1</source>
            <translation>moving range %1</translation>
        </message>
        <message>
            <source>порушує правила: %1</source>
            <translation>breaks rules: %1</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Out of statistical control: %n point</numerusform>
                <numerusform>Out of statistical control: %n points</numerusform>
            </translation>
        </message>
        <message>
            <source>№%1 — правила %2</source>
            <translation>no. %1 — rules %2</translation>
        </message>
        <message>
            <source>… і ще %1</source>
            <translation>… and %1 more</translation>
        </message>
        <message>
            <source>Правила: 1 — точка за межею 3σ; 2 — дві з трьох за 2σ; 3 — чотири з п'яти за 1σ; 4 — вісім поспіль з одного боку.</source>
            <translation>Rules: 1 — a point beyond 3σ; 2 — two of three beyond 2σ; 3 — four of five beyond 1σ; 4 — eight in a row on one side.</translation>
        </message>
        <message>
            <source>Замало даних для контрольної карти</source>
            <translation>Not enough data for a control chart</translation>
        </message>
        <message>
            <source>ВКМ</source>
            <translation>UCL</translation>
        </message>
        <message>
            <source>НКМ</source>
            <translation>LCL</translation>
        </message>
    </context>
    <context>
        <name>DeviceEditDialog</name>
        <message>
            <source>Редагування параметрів приладу</source>
            <translation>Edit instrument settings</translation>
        </message>
        <message>
            <source>Назва:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Тип (з приладу):</source>
            <translation>Type (from instrument):</translation>
        </message>
        <message>
            <source>—</source>
            <translation>—</translation>
        </message>
        <message>
            <source>MAC-адреса:</source>
            <translation>MAC address:</translation>
        </message>
        <message>
            <source>Серійний номер:</source>
            <translation>Serial number:</translation>
        </message>
        <message>
            <source>Дата калібрування:</source>
            <translation>Calibration date:</translation>
        </message>
        <message>
            <source>Одиниці, задані в приладі:</source>
            <translation>Units set on the instrument:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Used when the instrument sends digits without a decimal separator</translation>
        </message>
        <message>
            <source>Знаків після коми в приладі:</source>
            <translation>Decimals set on the instrument:</translation>
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
            <translation>Precision:</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Off</translation>
        </message>
        <message>
            <source>Min Peek</source>
            <translation>Min. peak hold</translation>
        </message>
        <message>
            <source>Max Peek</source>
            <translation>Max. peak hold</translation>
        </message>
        <message>
            <source>Range Peek</source>
            <translation>Runout (max − min)</translation>
        </message>
        <message>
            <source>Module Peek</source>
            <translation>Absolute peak</translation>
        </message>
        <message>
            <source>Min Limits</source>
            <translation>Lower limit only</translation>
        </message>
        <message>
            <source>Max Limits</source>
            <translation>Upper limit only</translation>
        </message>
        <message>
            <source>Range Limits</source>
            <translation>Tolerance band</translation>
        </message>
        <message>
            <source>Режим вимірювання:</source>
            <translation>Measuring mode:</translation>
        </message>
        <message>
            <source>Мін. ліміт:</source>
            <translation>Lower limit:</translation>
        </message>
        <message>
            <source>Макс. ліміт:</source>
            <translation>Upper limit:</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Нижній ліміт більший за верхній. Перевірте ліміти.</source>
            <translation>The lower limit is greater than the upper limit. Check the limits.</translation>
        </message>
        <message>
            <source>Лінійний датчик (0)</source>
            <translation>Linear sensor (0)</translation>
        </message>
        <message>
            <source>Індикатор</source>
            <translation>Dial indicator</translation>
        </message>
        <message>
            <source>Динамометр</source>
            <translation>Force gauge</translation>
        </message>
        <message>
            <source>Unknown (%1)</source>
            <translation>Unknown (%1)</translation>
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
            <translation>Select connection type</translation>
        </message>
        <message>
            <source>Виберіть тип підключення нового приладу:</source>
            <translation>Choose how the new instrument is connected:</translation>
        </message>
        <message>
            <source>Modbus (RS-485)</source>
            <translation>Modbus (RS-485)</translation>
        </message>
        <message>
            <source>Бездротовий (Bluetooth)</source>
            <translation>Wireless (Bluetooth)</translation>
        </message>
        <message>
            <source>USB (HID-клавіатура)</source>
            <translation>USB (HID keyboard)</translation>
        </message>
        <message>
            <source>Бездротовий через nRF-донгл</source>
            <translation>Wireless via nRF dongle</translation>
        </message>
        <message>
            <source>Бездротовий через донгл BLED112</source>
            <translation>Wireless via BLED112 dongle</translation>
        </message>
        <message>
            <source>Sylvac провід</source>
            <translation>Sylvac cable</translation>
        </message>
        <message>
            <source>Далі</source>
            <translation>Next</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>Device_visual</name>
        <message>
            <source>ADDR: %1 | %2</source>
            <translation>ADDR: %1 | %2</translation>
        </message>
        <message>
            <source>HID | VID_%1 PID_%2</source>
            <translation>HID | VID_%1 PID_%2</translation>
        </message>
        <message>
            <source>HID-клавіатура</source>
            <translation>HID keyboard</translation>
        </message>
        <message>
            <source>донгл ?</source>
            <translation>dongle ?</translation>
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
            <translation>inches</translation>
        </message>
        <message>
            <source>Клік — відкрити прилад. Затиснути та потягнути — змінити порядок</source>
            <translation>Click to open the instrument; press and drag to change the order</translation>
        </message>
        <message>
            <source>Статистика вимірів</source>
            <translation>Measurement statistics</translation>
        </message>
        <message>
            <source>Прилад закріплено за користувачем</source>
            <translation>Instrument assigned to a user</translation>
        </message>
        <message>
            <source>Редагувати</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>Вивантажити пам'ять приладу</source>
            <translation>Download instrument memory</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Delete</translation>
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
            <translation>Sylvac (cable)</translation>
        </message>
        <message>
            <source>ƒ = %1 | вимкнено</source>
            <translation>ƒ = %1 | disabled</translation>
        </message>
        <message>
            <source>ƒ (формула)</source>
            <translation>ƒ (formula)</translation>
        </message>
    </context>
    <context>
        <name>DevozorWindow</name>
        <message>
            <source>Висота</source>
            <translation>Height</translation>
        </message>
        <message>
            <source>Нуль висоти</source>
            <translation>Zero height</translation>
        </message>
        <message>
            <source>Лазер</source>
            <translation>Laser</translation>
        </message>
        <message>
            <source>Нуль лазера</source>
            <translation>Zero laser</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Zero all</translation>
        </message>
        <message>
            <source>Точка</source>
            <translation>Point</translation>
        </message>
        <message>
            <source>Дві точки</source>
            <translation>Two points</translation>
        </message>
        <message>
            <source>Центр</source>
            <translation>Centre</translation>
        </message>
        <message>
            <source>Висота і лазер</source>
            <translation>Height and laser</translation>
        </message>
        <message>
            <source>Сканування</source>
            <translation>Scan</translation>
        </message>
        <message>
            <source>Глибина</source>
            <translation>Depth</translation>
        </message>
        <message>
            <source>Автоматично</source>
            <translation>Automatic</translation>
        </message>
        <message>
            <source>Встановити базу</source>
            <translation>Set base</translation>
        </message>
        <message>
            <source>Вгору</source>
            <translation>Up</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>Down</translation>
        </message>
        <message>
            <source>СТОП</source>
            <translation>STOP</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>Завантажити макрос</source>
            <translation>Load macro</translation>
        </message>
        <message>
            <source>Кількість повторів</source>
            <translation>Number of repeats</translation>
        </message>
        <message>
            <source>DATE</source>
            <translation>DATE</translation>
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
            <translation>unit</translation>
        </message>
        <message>
            <source>Експорт PDF</source>
            <translation>Export PDF</translation>
        </message>
        <message>
            <source>Експорт CSV</source>
            <translation>Export CSV</translation>
        </message>
        <message>
            <source>Point 1 add</source>
            <translation>Point 1 added</translation>
        </message>
        <message>
            <source>Point 2 add</source>
            <translation>Point 2 added</translation>
        </message>
        <message>
            <source>Point 3 add</source>
            <translation>Point 3 added</translation>
        </message>
        <message>
            <source>Point 4 add</source>
            <translation>Point 4 added</translation>
        </message>
        <message>
            <source>Меню таблицы</source>
            <translation>Table menu</translation>
        </message>
        <message>
            <source>Удалить выбранную строку</source>
            <translation>Delete the selected row</translation>
        </message>
        <message>
            <source>Очистить всю таблицу</source>
            <translation>Clear the whole table</translation>
        </message>
        <message>
            <source>Экспорт в CSV</source>
            <translation>Export to CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV Files (*.csv)</translation>
        </message>
        <message>
            <source>Экспорт в PDF</source>
            <translation>Export to PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>PDF Files (*.pdf)</translation>
        </message>
        <message>
            <source>Отчет об измерениях (Kovran)</source>
            <translation>Measurement report (Kovran)</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Saved: %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Could not write the file %1.</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Macros Files (*.mcm)</source>
            <translation>Macro files (*.mcm)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>Macros (*.mcm)</source>
            <translation>Macros (*.mcm)</translation>
        </message>
    </context>
    <context>
        <name>Devozor_setting_wimdow</name>
        <message>
            <source>quick</source>
            <translation>quick</translation>
        </message>
        <message>
            <source>standard</source>
            <translation>standard</translation>
        </message>
        <message>
            <source>precision</source>
            <translation>precision</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Speed</translation>
        </message>
        <message>
            <source>Одиниці</source>
            <translation>Units</translation>
        </message>
        <message>
            <source>Значення бази</source>
            <translation>Base value</translation>
        </message>
        <message>
            <source>Поріг лазера</source>
            <translation>Laser threshold</translation>
        </message>
    </context>
    <context>
        <name>DongleDeviceScanDialog</name>
        <message>
            <source>Додавання приладу через nRF-донгл</source>
            <translation>Add an instrument through the nRF dongle</translation>
        </message>
        <message>
            <source>Додавання приладу через донгл BLED112</source>
            <translation>Add an instrument through the BLED112 dongle</translation>
        </message>
        <message>
            <source>Донгл:</source>
            <translation>Dongle:</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Click an instrument to select it (it will be highlighted). Grey entries are devices of an unknown type — they cannot be added.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Refresh</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Донгл не знайдено. Під'єднайте його й натисніть «Оновити».</source>
            <translation>No dongle found. Plug it in and press “Refresh”.</translation>
        </message>
        <message>
            <source>Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл.</source>
            <translation>All dongles are full. Free a slot or plug in another dongle.</translation>
        </message>
        <message>
            <source>Оновити список</source>
            <translation>Refresh the list</translation>
        </message>
        <message>
            <source>%1 — %2 з %3</source>
            <translation>%1 — %2 of %3</translation>
        </message>
        <message>
            <source>Не вдалося відкрити донгл на %1.</source>
            <translation>Could not open the dongle on %1.</translation>
        </message>
        <message>
            <source>Донгл не почав сканування.</source>
            <translation>The dongle did not start scanning.</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Searching for instruments...</translation>
        </message>
        <message>
            <source>Знайдено придатних приладів: %1</source>
            <translation>Usable instruments found: %1</translation>
        </message>
        <message>
            <source>Не знайдено бібліотеку драйвера %1: встановіть її або покладіть поруч із програмою.</source>
            <translation>The driver library %1 was not found: install it or put it next to the program.</translation>
        </message>
    </context>
    <context>
        <name>FormulaExpression</name>
        <message>
            <source>Введіть вираз, наприклад (A - B) / 2.</source>
            <translation>Enter an expression, for example (A - B) / 2.</translation>
        </message>
        <message>
            <source>Вираз задовгий: не більше %1 символів.</source>
            <translation>The expression is too long: %1 characters at most.</translation>
        </message>
        <message>
            <source>Прилад, з яким рахувала формула, видалено: замініть «#» літерою приладу.</source>
            <translation>An instrument this formula used has been deleted: replace “#” with an instrument's letter.</translation>
        </message>
        <message>
            <source>Знак «=» на позиції %1 не дозволено: формула — це лише вираз, порівнюють через «==».</source>
            <translation>The “=” at position %1 is not allowed: a formula is an expression only; compare with “==”.</translation>
        </message>
        <message>
            <source>Число «%1» записане неправильно або завелике.</source>
            <translation>The number “%1” is malformed or too large.</translation>
        </message>
        <message>
            <source>Невідома назва «%1»: прилади позначають великими літерами (A, B, C…), функції — малими (min, max, abs, sqrt).</source>
            <translation>Unknown name “%1”: instruments are capital letters (A, B, C…), functions are lower case (min, max, abs, sqrt).</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області прилади від A до %2.</source>
            <translation>There is no instrument %1: the workspace has instruments A to %2.</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області ще немає приладів.</source>
            <translation>There is no instrument %1: the workspace has no instruments yet.</translation>
        </message>
        <message>
            <source>Вираз не використовує жодного приладу: додайте літеру приладу (A, B, C…).</source>
            <translation>The expression uses no instrument: add an instrument's letter (A, B, C…).</translation>
        </message>
        <message>
            <source>Вираз має дати одне значення: кома розділяє лише аргументи функції.</source>
            <translation>The expression must give one value: a comma only separates a function's arguments.</translation>
        </message>
        <message>
            <source>Вираз обривається: бракує числа, літери приладу або дужки в кінці.</source>
            <translation>The expression breaks off: a number, an instrument's letter or a parenthesis is missing at the end.</translation>
        </message>
        <message>
            <source>Не закрито дужку.</source>
            <translation>A parenthesis is not closed.</translation>
        </message>
        <message>
            <source>Неправильна кількість аргументів функції «%1».</source>
            <translation>Wrong number of arguments for the function “%1”.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1.</source>
            <translation>Error in the expression at position %1.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1, біля «%2».</source>
            <translation>Error in the expression at position %1, near “%2”.</translation>
        </message>
        <message>
            <source>Вираз не вдалося розібрати.</source>
            <translation>The expression could not be read.</translation>
        </message>
    </context>
    <context>
        <name>FormulaManagerDialog</name>
        <message>
            <source>Формули</source>
            <translation>Formulas</translation>
        </message>
        <message>
            <source>Нова формула</source>
            <translation>New formula</translation>
        </message>
        <message>
            <source>Видалити формулу</source>
            <translation>Delete formula</translation>
        </message>
        <message>
            <source>наприклад (A - B) / 2 або max(A, B, C) - min(A, B, C)</source>
            <translation>e.g. (A - B) / 2 or max(A, B, C) - min(A, B, C)</translation>
        </message>
        <message>
            <source>Вираз:</source>
            <translation>Expression:</translation>
        </message>
        <message>
            <source>Прилади, що вимірюють ту саму величину, беруться в цих одиницях</source>
            <translation>Instruments that measure the same quantity are taken in this unit</translation>
        </message>
        <message>
            <source>Одиниці:</source>
            <translation>Unit:</translation>
        </message>
        <message>
            <source>Прилади (подвійний клік або Enter додає літеру у вираз):</source>
            <translation>Instruments (a double-click or Enter puts the letter into the expression):</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Приладів ще немає: формула рахує з приладів робочої області.</source>
            <translation>No instruments yet: a formula computes from the workspace's instruments.</translation>
        </message>
        <message>
            <source>Видалити формулу &lt;b&gt;%1&lt;/b&gt;? Її записані значення також буде видалено.</source>
            <translation>Delete the formula &lt;b&gt;%1&lt;/b&gt;? Its recorded values will be deleted too.</translation>
        </message>
        <message>
            <source>Формул ще немає: натисніть «Нова формула».</source>
            <translation>No formulas yet: press “New formula”.</translation>
        </message>
        <message>
            <source>✓ Вираз правильний; рахує з приладів %1.</source>
            <translation>✓ The expression is valid; it computes from instruments %1.</translation>
        </message>
        <message>
            <source>Більше формул додати не можна.</source>
            <translation>No more formulas can be added.</translation>
        </message>
        <message>
            <source>Формула %1</source>
            <translation>Formula %1</translation>
        </message>
        <message>
            <source>Введіть назву формули.</source>
            <translation>Enter the formula's name.</translation>
        </message>
        <message>
            <source>Формулу «%1» не можна зберегти:
%2</source>
            <translation>The formula “%1” cannot be saved:
%2</translation>
        </message>
    </context>
    <context>
        <name>GlobalUnitsDialog</name>
        <message>
            <source>Одиниці виміру</source>
            <translation>Units</translation>
        </message>
        <message>
            <source>Лінійні прилади:</source>
            <translation>Linear instruments:</translation>
        </message>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Millimetres (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Inches (inch)</translation>
        </message>
        <message>
            <source>Кутоміри:</source>
            <translation>Angle meters:</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Degrees (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radians (rad)</translation>
        </message>
        <message>
            <source>Динамометри:</source>
            <translation>Force gauges:</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Newtons (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Pound-force (lbf)</translation>
        </message>
    </context>
    <context>
        <name>HeightGaugeCycles</name>
        <message>
            <source>move to new points and enable auto move and cliked up arrow</source>
            <translation>Move to the new points, switch on “Automatic” and click the up arrow</translation>
        </message>
    </context>
    <context>
        <name>HistogramWidget</name>
        <message>
            <source>%1 … %2 %3
вимірів: %4</source>
            <translation>%1 … %2 %3
measurements: %4</translation>
        </message>
        <message>
            <source>Замало даних для гістограми</source>
            <translation>Not enough data for a histogram</translation>
        </message>
        <message>
            <source>НМ %1</source>
            <translation>LSL %1</translation>
        </message>
        <message>
            <source>ВМ %1</source>
            <translation>USL %1</translation>
        </message>
    </context>
    <context>
        <name>KeyboardDeviceDialog</name>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Millimetres (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Inches (inch)</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Newtons (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Pound-force (lbf)</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Degrees (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radians (rad)</translation>
        </message>
        <message>
            <source>Підключення приладу-клавіатури</source>
            <translation>Connect a keyboard instrument</translation>
        </message>
        <message>
            <source>Клавіатура, якою прилад передає дані:</source>
            <translation>Keyboard through which the instrument sends data:</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Refresh</translation>
        </message>
        <message>
            <source>Визначити за натисканням кнопки на приладі</source>
            <translation>Detect by pressing a button on the instrument</translation>
        </message>
        <message>
            <source>Одиниці виміру, задані в приладі:</source>
            <translation>Units set on the instrument:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Used when the instrument sends digits without a decimal separator</translation>
        </message>
        <message>
            <source>Знаків після коми, заданих в приладі:</source>
            <translation>Decimals set on the instrument:</translation>
        </message>
        <message>
            <source>Перевірка: натисніть кнопку передачі даних на приладі.</source>
            <translation>Check: press the data button on the instrument.</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>  (вже додано)</source>
            <translation>  (already added)</translation>
        </message>
        <message>
            <source>Немає доступу до клавіатур: програма не може читати їхні натискання. Додайте користувача до групи input командою «sudo usermod -aG input $USER» і увійдіть у систему знову.</source>
            <translation>No access to the keyboards: the program cannot read their key presses. Add your user to the input group with “sudo usermod -aG input $USER” and log in again.</translation>
        </message>
        <message>
            <source>Натисніть на приладі кнопку передачі даних…</source>
            <translation>Press the data button on the instrument…</translation>
        </message>
        <message>
            <source>Клавіатуру визначено: %1</source>
            <translation>Keyboard detected: %1</translation>
        </message>
        <message>
            <source>Отримано «%1» → %2 %3</source>
            <translation>Received “%1” → %2 %3</translation>
        </message>
        <message>
            <source>Отримано «%1» — це не схоже на число, перевірте налаштування приладу.</source>
            <translation>Received “%1” — this does not look like a number; check the instrument's settings.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Не вибрано клавіатуру приладу.</source>
            <translation>No instrument keyboard is selected.</translation>
        </message>
        <message>
            <source>Цю клавіатуру вже додано як прилад.</source>
            <translation>This keyboard has already been added as an instrument.</translation>
        </message>
        <message>
            <source>Клавіатура</source>
            <translation>Keyboard</translation>
        </message>
    </context>
    <context>
        <name>KeyboardEmulatorDialog</name>
        <message>
            <source>Увімкнути дублювання клавіатури</source>
            <translation>Enable keyboard output</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Keyboard output</translation>
        </message>
        <message>
            <source>Кожне значення, передане приладом, система отримає так, ніби його набрали на клавіатурі — і воно потрапить просто в Excel чи будь-яку іншу активну програму.</source>
            <translation>Every value an instrument sends reaches the system as if it had been typed on the keyboard — straight into Excel or any other active program.</translation>
        </message>
        <message>
            <source>Пробіл</source>
            <translation>Space</translation>
        </message>
        <message>
            <source>нічого</source>
            <translation>nothing</translation>
        </message>
        <message>
            <source>крапка  (12.345)</source>
            <translation>point  (12.345)</translation>
        </message>
        <message>
            <source>кома  (12,345)</source>
            <translation>comma  (12,345)</translation>
        </message>
        <message>
            <source>Між значеннями (мультирежим):</source>
            <translation>Between values (multi mode):</translation>
        </message>
        <message>
            <source>Після останнього:</source>
            <translation>After the last value:</translation>
        </message>
        <message>
            <source>Десятковий знак:</source>
            <translation>Decimal separator:</translation>
        </message>
        <message>
            <source>Роздільник потрібен лише тоді, коли один запис несе показання кількох приладів одразу — тобто в мультирежимі. Для одного приладу набирається саме значення й завершальна клавіша.</source>
            <translation>The separator is needed only when one record carries readings of several instruments at once — that is, in multi mode. For a single instrument only the value and the final key are typed.</translation>
        </message>
        <message>
            <source>Десятковий знак обирають не за смаком, а за тим, що чекає програма-приймач: Excel з українською локаллю розпізнає число лише з комою, інакше воно стане текстом.</source>
            <translation>Choose the decimal separator to suit the receiving program, not personal preference: Excel with a Ukrainian locale recognises a number only with a comma, otherwise it becomes text.</translation>
        </message>
        <message>
            <source>тут буде видно, що саме набереться</source>
            <translation>here you will see exactly what gets typed</translation>
        </message>
        <message>
            <source>Перевірити (2 прилади)</source>
            <translation>Test (2 instruments)</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>LaserNuromer</name>
        <message>
            <source>MainWindow</source>
            <translation>Laser bore gauge</translation>
        </message>
        <message>
            <source>File</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>Resets Setting</source>
            <translation>Reset settings</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Nominal size</translation>
        </message>
        <message>
            <source>Upper range</source>
            <translation>Upper deviation</translation>
        </message>
        <message>
            <source>Lower range</source>
            <translation>Lower deviation</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>SET</source>
            <translation>SET</translation>
        </message>
        <message>
            <source>ExportPDF</source>
            <translation>Export PDF</translation>
        </message>
        <message>
            <source>ExportCSV</source>
            <translation>Export CSV</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>INCH</translation>
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
            <translation>No Valid Data</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Units</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Difference</translation>
        </message>
        <message>
            <source>Камеру не знайдено</source>
            <translation>Camera not found</translation>
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
            <translation>delta: 0</translation>
        </message>
        <message>
            <source>Range: 0</source>
            <translation>Range: 0</translation>
        </message>
        <message>
            <source>wait...</source>
            <translation>wait...</translation>
        </message>
        <message>
            <source>inch</source>
            <translation>inch</translation>
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
            <translation>Range: </translation>
        </message>
        <message>
            <source>Delete row</source>
            <translation>Delete row</translation>
        </message>
        <message>
            <source>Clear table</source>
            <translation>Clear table</translation>
        </message>
        <message>
            <source>Confirmation</source>
            <translation>Confirmation</translation>
        </message>
        <message>
            <source>Are you sure you want to delete all measurements from the table?</source>
            <translation>Are you sure you want to delete all measurements from the table?</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>No data to export!</source>
            <translation>No data to export!</translation>
        </message>
        <message>
            <source>Save CSV</source>
            <translation>Save CSV</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unit</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису</source>
            <translation>Could not open the file for writing</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Success</translation>
        </message>
        <message>
            <source>CSV file saved successfully!</source>
            <translation>CSV file saved successfully!</translation>
        </message>
        <message>
            <source>No data to export</source>
            <translation>No data to export</translation>
        </message>
        <message>
            <source>Save PDF</source>
            <translation>Save PDF</translation>
        </message>
        <message>
            <source>Звіт вимірювань</source>
            <translation>Measurement report</translation>
        </message>
        <message>
            <source>PDF file saved successfully!</source>
            <translation>PDF file saved successfully!</translation>
        </message>
    </context>
    <context>
        <name>LaserSettings</name>
        <message>
            <source>Налаштування</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>Ліва камера</source>
            <translation>Left camera</translation>
        </message>
        <message>
            <source>Права камера</source>
            <translation>Right camera</translation>
        </message>
        <message>
            <source>COM-порт</source>
            <translation>COM port</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Baud rate</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Success</translation>
        </message>
        <message>
            <source>Налаштування збережено!</source>
            <translation>Settings saved!</translation>
        </message>
    </context>
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Measuring system</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Синхронізувати все</source>
            <translation>Sync all</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Zero all</translation>
        </message>
        <message>
            <source>Одиниці вимірювання</source>
            <translation>Units</translation>
        </message>
        <message>
            <source>Таймер</source>
            <translation>Timer</translation>
        </message>
        <message>
            <source>Макрос</source>
            <translation>Macro</translation>
        </message>
        <message>
            <source>Моно режим</source>
            <translation>Mono mode</translation>
        </message>
        <message>
            <source>Мульти режим</source>
            <translation>Multi mode</translation>
        </message>
        <message>
            <source>Формули</source>
            <translation>Formulas</translation>
        </message>
        <message>
            <source>Графік</source>
            <translation>Chart</translation>
        </message>
        <message>
            <source>EXPORT</source>
            <translation>EXPORT</translation>
        </message>
        <message>
            <source>Права кнопка миші — розгорнута статистика</source>
            <translation>Right-click for detailed statistics</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Export</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>Розширення</source>
            <translation>Extensions</translation>
        </message>
        <message>
            <source>Адаптер модбас</source>
            <translation>Modbus adapter</translation>
        </message>
        <message>
            <source>Скинути налаштування</source>
            <translation>Reset settings</translation>
        </message>
        <message>
            <source>Користувачі</source>
            <translation>Users</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Keyboard output</translation>
        </message>
        <message>
            <source>Ви впевнені що хочете видалити пристрій &lt;b&gt;%1&lt;/b&gt;?</source>
            <translation>Are you sure you want to delete the instrument &lt;b&gt;%1&lt;/b&gt;?</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Додавання приладу</source>
            <translation>Adding an instrument</translation>
        </message>
        <message>
            <source>Цей тип підключення ще недоступний у цій версії програми.</source>
            <translation>This connection type is not available in this version of the program yet.</translation>
        </message>
        <message>
            <source>Скинути збережений вибір модуля, що відкривається при старті програми?</source>
            <translation>Reset the saved choice of the module opened at start-up?</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>Done</translation>
        </message>
        <message>
            <source>Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля.</source>
            <translation>Settings reset. The module choice will appear again the next time the program starts.</translation>
        </message>
        <message>
            <source>Значення (%1)</source>
            <translation>Value (%1)</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>№</source>
            <translation>No.</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Time</translation>
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
            <translation>DEVICE %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Success</translation>
        </message>
        <message>
            <source>Немає даних для експорту.</source>
            <translation>There is no data to export.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Export to CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV Files (*.csv)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в CSV.</source>
            <translation>Data exported to CSV successfully.</translation>
        </message>
        <message>
            <source>Експорт в PDF</source>
            <translation>Export to PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>PDF Files (*.pdf)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в PDF.</source>
            <translation>Data exported to PDF successfully.</translation>
        </message>
        <message>
            <source>Експорт даних</source>
            <translation>Export data</translation>
        </message>
        <message>
            <source>Оберіть формат для експорту даних:</source>
            <translation>Choose the export format:</translation>
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
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Звіт про вимірювання (Kovran)</source>
            <translation>Measurement report (Kovran)</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису.</source>
            <translation>Could not open the file for writing.</translation>
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
            <translation>RUNOUT</translation>
        </message>
        <message>
            <source>MODULE</source>
            <translation>ABS PEAK</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Go</translation>
        </message>
        <message>
            <source>No Go</source>
            <translation>No Go</translation>
        </message>
        <message>
            <source>Видалити рядок</source>
            <translation>Delete row</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Clear table</translation>
        </message>
        <message>
            <source>Відкрити статистику</source>
            <translation>Open statistics</translation>
        </message>
        <message>
            <source>Очистити всі виміри цього приладу?</source>
            <translation>Clear all measurements of this instrument?</translation>
        </message>
        <message>
            <source>Очистити всі записані рядки таблиці?</source>
            <translation>Clear all recorded rows of the table?</translation>
        </message>
        <message>
            <source>Відновлення даних</source>
            <translation>Data recovery</translation>
        </message>
        <message>
            <source>Виявлено незбережені дані попереднього сеансу (записів: %1). Програму, ймовірно, було закрито аварійно.

Відновити ці дані в таблицях?</source>
            <translation>Unsaved data from the previous session was found (records: %1). The program was probably closed abnormally.

Restore this data into the tables?</translation>
        </message>
        <message>
            <source>Пам'ять приладу</source>
            <translation>Instrument memory</translation>
        </message>
        <message>
            <source>Прилади %1 не підтримують вивантаження пам'яті.</source>
            <translation>%1 instruments do not support memory download.</translation>
        </message>
        <message>
            <source>Прилад не на зв'язку.</source>
            <translation>The instrument is offline.</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Height gauge</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Measuring stand</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Laser bore gauge</translation>
        </message>
        <message>
            <source>Вибір модуля…</source>
            <translation>Choose a module…</translation>
        </message>
        <message>
            <source>Довідка</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>Про програму</source>
            <translation>About</translation>
        </message>
        <message>
            <source>Експорт в XLSX</source>
            <translation>Export to XLSX</translation>
        </message>
        <message>
            <source>Книги Excel (*.xlsx)</source>
            <translation>Excel workbooks (*.xlsx)</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1:
%2</source>
            <translation>Could not write the file %1:
%2</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в XLSX.</source>
            <translation>Data exported to XLSX successfully.</translation>
        </message>
        <message>
            <source>XLSX</source>
            <translation>XLSX</translation>
        </message>
        <message>
            <source>Таблиця</source>
            <translation>Table</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Unit</translation>
        </message>
        <message>
            <source>Нижня межа</source>
            <translation>Lower limit</translation>
        </message>
        <message>
            <source>Верхня межа</source>
            <translation>Upper limit</translation>
        </message>
        <message>
            <source>Прилад &lt;b&gt;%1&lt;/b&gt; використовують формули: %2.&lt;br&gt;Якщо його видалити, ці формули буде вимкнено, доки ви не зміните їхні вирази у «Формулах». Видалити прилад?</source>
            <translation>The instrument &lt;b&gt;%1&lt;/b&gt; is used by the formulas %2.&lt;br&gt;If it is deleted, these formulas are disabled until you change their expressions under “Formulas”. Delete the instrument?</translation>
        </message>
        <message>
            <source>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</source>
            <translation>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</translation>
        </message>
        <message>
            <source>Перемістити прилад</source>
            <translation>Move instrument</translation>
        </message>
        <message>
            <source>Літери приладів у формулах зміняться разом із порядком карток:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Перемістити прилад?</source>
            <translation>The instrument letters in the formulas change with the order of the cards:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Move the instrument?</translation>
        </message>
    </context>
    <context>
        <name>ModbusSettingsDialog</name>
        <message>
            <source>Настройка адаптеров Modbus</source>
            <translation>Modbus adapter settings</translation>
        </message>
        <message>
            <source>Порт:</source>
            <translation>Port:</translation>
        </message>
        <message>
            <source>Скорость:</source>
            <translation>Baud rate:</translation>
        </message>
        <message>
            <source>Добавить адаптер</source>
            <translation>Add adapter</translation>
        </message>
        <message>
            <source>Удалить выбранный</source>
            <translation>Remove selected</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Подключенные адаптеры:</source>
            <translation>Connected adapters:</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Этот адаптер уже добавлен в список!</source>
            <translation>This adapter is already in the list!</translation>
        </message>
        <message>
            <source>Адаптер: %1 | Скорость: %2</source>
            <translation>Adapter: %1 | Baud rate: %2</translation>
        </message>
    </context>
    <context>
        <name>ModuleChooser</name>
        <message>
            <source>KOVRAN — вибір модуля</source>
            <translation>KOVRAN — choose a module</translation>
        </message>
        <message>
            <source>Оберіть модуль</source>
            <translation>Choose a module</translation>
        </message>
        <message>
            <source>Робоча область</source>
            <translation>Workspace</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Height gauge</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Measuring stand</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Laser bore gauge</translation>
        </message>
        <message>
            <source>Запам'ятати мій вибір і відкривати цей модуль при запуску</source>
            <translation>Remember my choice and open this module at start-up</translation>
        </message>
    </context>
    <context>
        <name>PlotCanvas</name>
        <message>
            <source>Межі осі</source>
            <translation>Axis limits</translation>
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
measurement no. %2: %3 %4</translation>
        </message>
        <message>
            <source>вимір №%1
%2: %3 %4
%5: %6 %7</source>
            <translation>measurement no. %1
%2: %3 %4
%5: %6 %7</translation>
        </message>
        <message>
            <source>Автомасштаб %1</source>
            <translation>Autoscale %1</translation>
        </message>
        <message>
            <source>Задати межі %1…</source>
            <translation>Set limits of %1…</translation>
        </message>
        <message>
            <source>Автомасштаб обох осей</source>
            <translation>Autoscale both axes</translation>
        </message>
        <message>
            <source>Сітка</source>
            <translation>Grid</translation>
        </message>
        <message>
            <source>Немає даних для побудови</source>
            <translation>No data to plot</translation>
        </message>
        <message>
            <source>№ виміру</source>
            <translation>Measurement no.</translation>
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
            <translation>Form</translation>
        </message>
        <message>
            <source>Кількість точек</source>
            <translation>Number of points</translation>
        </message>
        <message>
            <source>Задать точки</source>
            <translation>Set points</translation>
        </message>
        <message>
            <source>Від</source>
            <translation>From</translation>
        </message>
        <message>
            <source>До</source>
            <translation>To</translation>
        </message>
        <message>
            <source>Крок</source>
            <translation>Step</translation>
        </message>
        <message>
            <source>Автогенерація</source>
            <translation>Auto-generate</translation>
        </message>
        <message>
            <source>Відхилення </source>
            <translation>Deviation </translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Nominal values</translation>
        </message>
        <message>
            <source>Зберегти налаштування</source>
            <translation>Save preset</translation>
        </message>
        <message>
            <source>JSON %1 (*.json);;%2 (*.*)</source>
            <translation>JSON %1 (*.json);;%2 (*.*)</translation>
        </message>
        <message>
            <source>Файли</source>
            <translation>files</translation>
        </message>
        <message>
            <source>Всі файли</source>
            <translation>All files</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Не вдалося зберегти файл!</source>
            <translation>Could not save the file!</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Success</translation>
        </message>
        <message>
            <source>Налаштування успішно збережено</source>
            <translation>Preset saved</translation>
        </message>
        <message>
            <source>Перевірте правильність введених чисел.</source>
            <translation>Check the numbers you entered.</translation>
        </message>
        <message>
            <source>Крок повинен бути більшим за нуль.</source>
            <translation>The step must be greater than zero.</translation>
        </message>
        <message>
            <source>Початкове значення більше за кінцеве.</source>
            <translation>The start value is greater than the end value.</translation>
        </message>
        <message>
            <source>Увага</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Занадто багато точок (&gt;10 000). Збільште крок.</source>
            <translation>Too many points (&gt;10 000). Increase the step.</translation>
        </message>
    </context>
    <context>
        <name>StandWindow</name>
        <message>
            <source>Column %1</source>
            <translation>Column %1</translation>
        </message>
        <message>
            <source>Стовпець %1</source>
            <translation>Column %1</translation>
        </message>
        <message>
            <source>Вимірювальний стенд</source>
            <translation>Measuring stand</translation>
        </message>
        <message>
            <source>Нуль</source>
            <translation>Zero</translation>
        </message>
        <message>
            <source>Серійний номер</source>
            <translation>Serial number</translation>
        </message>
        <message>
            <source>Зберегти в PDF</source>
            <translation>Save as PDF</translation>
        </message>
        <message>
            <source>Зберегти в CSV</source>
            <translation>Save as CSV</translation>
        </message>
        <message>
            <source>Режим рулетки</source>
            <translation>Tape mode</translation>
        </message>
        <message>
            <source>Рулетку протянуто</source>
            <translation>Tape moved</translation>
        </message>
        <message>
            <source>Пресет</source>
            <translation>Preset</translation>
        </message>
        <message>
            <source>Оберіть папку з пресетами</source>
            <translation>Choose the preset folder</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Refresh</translation>
        </message>
        <message>
            <source> Стрворити пресет</source>
            <translation> Create preset</translation>
        </message>
        <message>
            <source>Очистити</source>
            <translation>Clear</translation>
        </message>
        <message>
            <source>Без пресета</source>
            <translation>No preset</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Вихід</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>Скинути параметри</source>
            <translation>Reset settings</translation>
        </message>
        <message>
            <source>Камера</source>
            <translation>Camera</translation>
        </message>
        <message>
            <source>Камеры не найдены</source>
            <translation>No cameras found</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>Українська</source>
            <translation>Ukrainian</translation>
        </message>
        <message>
            <source>Англійська</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Французька</source>
            <translation>French</translation>
        </message>
        <message>
            <source>Німецька</source>
            <translation>German</translation>
        </message>
        <message>
            <source>Італійська</source>
            <translation>Italian</translation>
        </message>
        <message>
            <source>Польська</source>
            <translation>Polish</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Nominal values</translation>
        </message>
        <message>
            <source>Виміряні значення</source>
            <translation>Measured values</translation>
        </message>
        <message>
            <source>Відхилення</source>
            <translation>Deviation</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>INCH</translation>
        </message>
        <message>
            <source>MM</source>
            <translation>MM</translation>
        </message>
        <message>
            <source>Вимірювання завершено</source>
            <translation>Measurement finished</translation>
        </message>
        <message>
            <source>Всі точки пресету успішно виміряні.
Що бажаєте зробити далі?</source>
            <translation>All points of the preset have been measured.
What would you like to do next?</translation>
        </message>
        <message>
            <source>Зберегти PDF</source>
            <translation>Save PDF</translation>
        </message>
        <message>
            <source>Зберегти CSV</source>
            <translation>Save CSV</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Clear table</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Видалити вимірювання</source>
            <translation>Delete measurement</translation>
        </message>
        <message>
            <source>Видалення вимірювання</source>
            <translation>Deleting a measurement</translation>
        </message>
        <message>
            <source>Як саме ви хочете видалити дані?</source>
            <translation>How do you want to delete the data?</translation>
        </message>
        <message>
            <source>Тільки цей рядок</source>
            <translation>Only this row</translation>
        </message>
        <message>
            <source>Зі зміщенням (очистити все після)</source>
            <translation>This row and all rows after it</translation>
        </message>
        <message>
            <source>Режим Tape</source>
            <translation>Tape mode</translation>
        </message>
        <message>
            <source>Спочатку увімкніть 'Tape mode' (поставте галочку).</source>
            <translation>First enable 'Tape mode' (tick the box).</translation>
        </message>
        <message>
            <source>Tape</source>
            <translation>Tape</translation>
        </message>
        <message>
            <source>Рулетку перетягнуто.
Нова база вимірювання: %1</source>
            <translation>The tape has been moved.
New measuring base: %1</translation>
        </message>
        <message>
            <source>Помилка Tape</source>
            <translation>Tape error</translation>
        </message>
        <message>
            <source>У таблиці ще немає жодного вимірювання для збереження бази.</source>
            <translation>The table has no measurement yet to keep as the base.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Пресет %1 не завантажено.
%2</source>
            <translation>The preset %1 was not loaded.
%2</translation>
        </message>
        <message>
            <source>Файл не вдалося відкрити: %1</source>
            <translation>The file could not be opened: %1</translation>
        </message>
        <message>
            <source>Файл не є коректним JSON: %1</source>
            <translation>The file is not valid JSON: %1</translation>
        </message>
        <message>
            <source>У файлі немає об'єкта пресета.</source>
            <translation>The file holds no preset object.</translation>
        </message>
        <message>
            <source>Поле "%1" має неправильний тип.</source>
            <translation>The field "%1" has the wrong type.</translation>
        </message>
        <message>
            <source>Забагато точок: %1 (не більше %2).</source>
            <translation>Too many points: %1 (at most %2).</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Saved: %1</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Could not write the file %1.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Export to CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV Files (*.csv)</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>PDF Files (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>StatisticsDialog</name>
        <message>
            <source>Статистика</source>
            <translation>Statistics</translation>
        </message>
        <message>
            <source>Рахувати за:</source>
            <translation>Calculate from:</translation>
        </message>
        <message>
            <source>Кількість</source>
            <translation>Count</translation>
        </message>
        <message>
            <source>Середнє</source>
            <translation>Mean</translation>
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
            <translation>Range</translation>
        </message>
        <message>
            <source>Ст. відхилення</source>
            <translation>Std. deviation</translation>
        </message>
        <message>
            <source>У допуску</source>
            <translation>In tolerance</translation>
        </message>
        <message>
            <source>Поза допуском</source>
            <translation>Out of tolerance</translation>
        </message>
        <message>
            <source>Придатних, %</source>
            <translation>Conforming, %</translation>
        </message>
        <message>
            <source>Закрити</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Розподіл значень</source>
            <translation>Distribution of values</translation>
        </message>
        <message>
            <source>Тренд за порядком вимірювання</source>
            <translation>Trend in measurement order</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>data from the shared table</translation>
        </message>
        <message>
            <source>дані з таблиці приладу</source>
            <translation>data from the instrument table</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>No instruments</translation>
        </message>
        <message>
            <source>усією таблицею (%1)</source>
            <translation>the whole table (%1)</translation>
        </message>
        <message>
            <source>виділеними рядками (%1)</source>
            <translation>the selected rows (%1)</translation>
        </message>
        <message>
            <source>Для цього приладу допуски не задані, тож придатність не оцінюється. Задайте режим вимірювання з допусками в налаштуваннях приладу.</source>
            <translation>No tolerance is set for this instrument, so conformity is not judged. Choose a measuring mode with limits in the instrument's settings.</translation>
        </message>
        <message>
            <source>Допуск: від %1 до %2 %3</source>
            <translation>Tolerance: from %1 to %2 %3</translation>
        </message>
        <message>
            <source>Допуск: не більше %1 %2</source>
            <translation>Tolerance: at most %1 %2</translation>
        </message>
        <message>
            <source>Допуск: не менше %1 %2</source>
            <translation>Tolerance: at least %1 %2</translation>
        </message>
        <message>
            <source>Тренд: %1%2 %3 за вимір</source>
            <translation>Trend: %1%2 %3 per measurement</translation>
        </message>
        <message>
            <source>Придатність за короткочасним σ = MR̄ / 1,128 (ковзний розмах)</source>
            <translation>Capability from the short-term σ = MR̄ / 1.128 (moving range)</translation>
        </message>
        <message>
            <source>Продуктивність за загальним σ (стандартне відхилення)</source>
            <translation>Performance from the overall σ (standard deviation)</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Export</translation>
        </message>
        <message>
            <source>Контрольна карта (I-MR)</source>
            <translation>Control chart (I-MR)</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Out of statistical control: %n point</numerusform>
                <numerusform>Out of statistical control: %n points</numerusform>
            </translation>
        </message>
        <message>
            <source>Показник</source>
            <translation>Figure</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Unit</translation>
        </message>
        <message>
            <source>Примітка</source>
            <translation>Note</translation>
        </message>
        <message>
            <source>Статистика: %1</source>
            <translation>Statistics: %1</translation>
        </message>
    </context>
    <context>
        <name>SylvacSerialDialog</name>
        <message>
            <source>Додавання приладу Sylvac (провід)</source>
            <translation>Add a Sylvac instrument (cable)</translation>
        </message>
        <message>
            <source>Програма сама визначить, до якого порту під'єднано прилад. Переконайтеся, що кабель у роз'ємі, а прилад увімкнений.</source>
            <translation>The program detects the instrument's port automatically. Make sure the cable is plugged in and the instrument is switched on.</translation>
        </message>
        <message>
            <source>Шукати знову</source>
            <translation>Search again</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Немає вільних COM-портів</source>
            <translation>No free COM ports</translation>
        </message>
        <message>
            <source>Усі порти вже зайняті іншими приладами.</source>
            <translation>All ports are already used by other instruments.</translation>
        </message>
        <message>
            <source>Натисніть кнопку передачі на приладі</source>
            <translation>Press the data button on the instrument</translation>
        </message>
        <message>
            <source>Не вдалося відкрити жодного порту.</source>
            <translation>Could not open any port.</translation>
        </message>
        <message>
            <source>Слухаю порти: %1</source>
            <translation>Listening on ports: %1</translation>
        </message>
        <message>
            <source>Прилад знайдено</source>
            <translation>Instrument found</translation>
        </message>
        <message numerus="yes">
            <source>Порт %1, значення %2 (%n знак(ів) після коми)</source>
            <translation>
                <numerusform>Port %1, value %2 (%n decimal place)</numerusform>
                <numerusform>Port %1, value %2 (%n decimal places)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>TimerSettingsDialog</name>
        <message>
            <source>Налаштування таймера запису</source>
            <translation>Recording timer settings</translation>
        </message>
        <message>
            <source>Режим таймера:</source>
            <translation>Timer mode:</translation>
        </message>
        <message>
            <source>Синхронний (один таймер для всіх)</source>
            <translation>Synchronous (one timer for all)</translation>
        </message>
        <message>
            <source>Індивідуальний для кожного приладу</source>
            <translation>Individual for each instrument</translation>
        </message>
        <message>
            <source>Інтервал запису:</source>
            <translation>Recording interval:</translation>
        </message>
        <message>
            <source> мс (0 = вимкнено)</source>
            <translation> ms (0 = off)</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>Інтервал (мс)</source>
            <translation>Interval (ms)</translation>
        </message>
        <message>
            <source>Скинути таймер</source>
            <translation>Reset timer</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>TrendWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>measurement no. %1
%2 %3</translation>
        </message>
        <message>
            <source>Замало даних для тренду</source>
            <translation>Not enough data for a trend</translation>
        </message>
        <message>
            <source>нижня межа</source>
            <translation>lower limit</translation>
        </message>
        <message>
            <source>верхня межа</source>
            <translation>upper limit</translation>
        </message>
        <message>
            <source>тренд</source>
            <translation>trend</translation>
        </message>
    </context>
    <context>
        <name>UserEditDialog</name>
        <message>
            <source>Новий користувач</source>
            <translation>New user</translation>
        </message>
        <message>
            <source>Користувач</source>
            <translation>User</translation>
        </message>
        <message>
            <source>ім'я або посада</source>
            <translation>name or position</translation>
        </message>
        <message>
            <source>Ім'я:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Роль:</source>
            <translation>Role:</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — роль змінити не можна, інакше керувати користувачами стане нікому.</source>
            <translation>This is the only administrator — the role cannot be changed, otherwise nobody could manage users.</translation>
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
            <translation>administrator</translation>
        </message>
        <message>
            <source>оператор</source>
            <translation>operator</translation>
        </message>
    </context>
    <context>
        <name>UsersDialog</name>
        <message>
            <source>Користувачі</source>
            <translation>Users</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Змінити</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Прилад належить одному користувачеві: якщо позначити його тут, він автоматично зніметься з попереднього власника.</source>
            <translation>An instrument belongs to one user: checking it here automatically removes it from its previous owner.</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Прилади користувача «%1»</source>
            <translation>Instruments of “%1”</translation>
        </message>
        <message>
            <source>Прилади</source>
            <translation>Instruments</translation>
        </message>
        <message>
            <source>(зараз у «%1»)</source>
            <translation>(now with “%1”)</translation>
        </message>
        <message>
            <source>(закріплений за видаленим користувачем)</source>
            <translation>(assigned to a deleted user)</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — його видалити не можна. Спершу призначте адміністратором когось іншого.</source>
            <translation>This is the only administrator — this user cannot be deleted. First make someone else an administrator.</translation>
        </message>
        <message>
            <source>Видалити користувача «%1»?</source>
            <translation>Delete user “%1”?</translation>
        </message>
        <message>
            <source>

Закріплені за ним прилади (%1) стануть нічийними.</source>
            <translation>

The instruments assigned to this user (%1) will have no owner.</translation>
        </message>
        <message>
            <source>Видалення</source>
            <translation>Delete</translation>
        </message>
    </context>
    <context>
        <name>XdoKeystrokeSink</name>
        <message>
            <source>Сеанс Wayland без XWayland: значення не можна набирати в інші програми. Увійдіть у сеанс X11 (Xorg) або увімкніть XWayland.</source>
            <translation>Wayland session without XWayland: values cannot be typed into other programs. Log in to an X11 (Xorg) session or enable XWayland.</translation>
        </message>
        <message>
            <source>Немає X-дисплея (змінна DISPLAY не задана), тому значення не можна набирати в інші програми.</source>
            <translation>There is no X display (DISPLAY is not set), so values cannot be typed into other programs.</translation>
        </message>
        <message>
            <source>Не знайдено бібліотек X11 (libX11, libXtst), тому значення не можна набирати в інші програми.</source>
            <translation>The X11 libraries (libX11, libXtst) were not found, so values cannot be typed into other programs.</translation>
        </message>
        <message>
            <source>Не вдалося під'єднатися до X-дисплея %1, тому значення не можна набирати в інші програми.</source>
            <translation>Could not connect to the X display %1, so values cannot be typed into other programs.</translation>
        </message>
        <message>
            <source>X-сервер %1 не підтримує розширення XTest, тому значення не можна набирати в інші програми.</source>
            <translation>The X server %1 does not support the XTest extension, so values cannot be typed into other programs.</translation>
        </message>
    </context>
    <context>
        <name>devozor_scan_setting_window</name>
        <message>
            <source>Сканування</source>
            <translation>Scan</translation>
        </message>
        <message>
            <source>Step Scan</source>
            <translation>Scan step</translation>
        </message>
        <message>
            <source>Max Scan</source>
            <translation>Scan maximum</translation>
        </message>
        <message>
            <source>Min Scan</source>
            <translation>Scan minimum</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Apply</translation>
        </message>
    </context>
</TS>
