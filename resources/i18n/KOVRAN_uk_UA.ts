<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="uk_UA">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>Про програму</source>
            <translation>Про програму</translation>
        </message>
        <message>
            <source>Версія:</source>
            <translation>Версія:</translation>
        </message>
        <message>
            <source>Папка налаштувань:</source>
            <translation>Папка налаштувань:</translation>
        </message>
        <message>
            <source>Журнал роботи:</source>
            <translation>Журнал роботи:</translation>
        </message>
        <message>
            <source>Відкрити папку налаштувань</source>
            <translation>Відкрити папку налаштувань</translation>
        </message>
        <message>
            <source>Програма вимірювального стенда контролю якості.</source>
            <translation>Програма вимірювального стенда контролю якості.</translation>
        </message>
    </context>
    <context>
        <name>AddDeviceDialog</name>
        <message>
            <source>Проверить связь</source>
            <translation>Проверить связь</translation>
        </message>
        <message>
            <source>Статус: не проверено</source>
            <translation>Статус: не проверено</translation>
        </message>
        <message>
            <source>Подключить</source>
            <translation>Подключить</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Подключение Modbus прибора</source>
            <translation>Подключение Modbus прибора</translation>
        </message>
        <message>
            <source>Сохраненный адаптер (Порт):</source>
            <translation>Сохраненный адаптер (Порт):</translation>
        </message>
        <message>
            <source>Текущая скорость порта:</source>
            <translation>Текущая скорость порта:</translation>
        </message>
        <message>
            <source>Текущий адрес прибора (Modbus ID [1-247]):</source>
            <translation>Текущий адрес прибора (Modbus ID [1-247]):</translation>
        </message>
        <message>
            <source>--- Новые параметры прибора ---</source>
            <translation>--- Новые параметры прибора ---</translation>
        </message>
        <message>
            <source>Новый адрес (Modbus ID):</source>
            <translation>Новый адрес (Modbus ID):</translation>
        </message>
        <message>
            <source>Новая скорость:</source>
            <translation>Новая скорость:</translation>
        </message>
        <message>
            <source>Статус: Ошибка открытия порта</source>
            <translation>Статус: Ошибка открытия порта</translation>
        </message>
        <message>
            <source>Статус: Таймаут (нет ответа от прибора)</source>
            <translation>Статус: Таймаут (нет ответа от прибора)</translation>
        </message>
        <message>
            <source>Статус: Прибор ответил! Связь есть.</source>
            <translation>Статус: Прибор ответил! Связь есть.</translation>
        </message>
        <message>
            <source>Статус: Ошибка CRC (неверная контрольная сумма)</source>
            <translation>Статус: Ошибка CRC (неверная контрольная сумма)</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>Прибор с адресом %1 уже существует на порту %2!
Пожалуйста, выберите другой 'Новый адрес'.</source>
            <translation>Прибор с адресом %1 уже существует на порту %2!
Пожалуйста, выберите другой 'Новый адрес'.</translation>
        </message>
        <message>
            <source>Не удалось открыть порт.</source>
            <translation>Не удалось открыть порт.</translation>
        </message>
        <message>
            <source>Нет сохраненных адаптеров! Добавьте адаптер через главное меню.</source>
            <translation>Нет сохраненных адаптеров! Добавьте адаптер через главное меню.</translation>
        </message>
    </context>
    <context>
        <name>BleDeviceScanDialog</name>
        <message>
            <source>Додавання Bluetooth-приладу</source>
            <translation>Додавання Bluetooth-приладу</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Пошук приладів...</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Оновити</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Додати</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>(без назви)</source>
            <translation>(без назви)</translation>
        </message>
        <message>
            <source>Знайдено приладів: %1 (придатних: %2)</source>
            <translation>Знайдено приладів: %1 (придатних: %2)</translation>
        </message>
        <message>
            <source>Помилка сканування: %1</source>
            <translation>Помилка сканування: %1</translation>
        </message>
        <message>
            <source>Прилад невідомого типу — додати не можна</source>
            <translation>Прилад невідомого типу — додати не можна</translation>
        </message>
        <message>
            <source>Обрано — клікніть ще раз, щоб зняти вибір</source>
            <translation>Обрано — клікніть ще раз, щоб зняти вибір</translation>
        </message>
        <message>
            <source>Протокол: %1. Клікніть, щоб обрати цей прилад</source>
            <translation>Протокол: %1. Клікніть, щоб обрати цей прилад</translation>
        </message>
    </context>
    <context>
        <name>ChartWidget</name>
        <message>
            <source>Усі прилади по Y</source>
            <translation>Усі прилади по Y</translation>
        </message>
        <message>
            <source>X–Y (два прилади)</source>
            <translation>X–Y (два прилади)</translation>
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
            <translation>Сітка</translation>
        </message>
        <message>
            <source>Тип:</source>
            <translation>Тип:</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>дані зі спільної таблиці</translation>
        </message>
        <message>
            <source>дані з таблиць приладів</source>
            <translation>дані з таблиць приладів</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Немає приладів</translation>
        </message>
        <message>
            <source>Порівнюється %1 пар; зайвих вимірів: %2</source>
            <translation>Порівнюється %1 пар; зайвих вимірів: %2</translation>
        </message>
    </context>
    <context>
        <name>ControlChartWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>вимір №%1
%2 %3</translation>
        </message>
        <message>
            <source>ковзний розмах %1</source>
            <translation>ковзний розмах %1</translation>
        </message>
        <message>
            <source>порушує правила: %1</source>
            <translation>порушує правила: %1</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Поза статистичним контролем: %n точка</numerusform>
                <numerusform>Поза статистичним контролем: %n точки</numerusform>
                <numerusform>Поза статистичним контролем: %n точок</numerusform>
            </translation>
        </message>
        <message>
            <source>№%1 — правила %2</source>
            <translation>№%1 — правила %2</translation>
        </message>
        <message>
            <source>… і ще %1</source>
            <translation>… і ще %1</translation>
        </message>
        <message>
            <source>Правила: 1 — точка за межею 3σ; 2 — дві з трьох за 2σ; 3 — чотири з п'яти за 1σ; 4 — вісім поспіль з одного боку.</source>
            <translation>Правила: 1 — точка за межею 3σ; 2 — дві з трьох за 2σ; 3 — чотири з п'яти за 1σ; 4 — вісім поспіль з одного боку.</translation>
        </message>
        <message>
            <source>Замало даних для контрольної карти</source>
            <translation>Замало даних для контрольної карти</translation>
        </message>
        <message>
            <source>ВКМ</source>
            <translation>ВКМ</translation>
        </message>
        <message>
            <source>НКМ</source>
            <translation>НКМ</translation>
        </message>
    </context>
    <context>
        <name>DeviceEditDialog</name>
        <message>
            <source>Редагування параметрів приладу</source>
            <translation>Редагування параметрів приладу</translation>
        </message>
        <message>
            <source>Назва:</source>
            <translation>Назва:</translation>
        </message>
        <message>
            <source>Тип (з приладу):</source>
            <translation>Тип (з приладу):</translation>
        </message>
        <message>
            <source>—</source>
            <translation>—</translation>
        </message>
        <message>
            <source>MAC-адреса:</source>
            <translation>MAC-адреса:</translation>
        </message>
        <message>
            <source>Серійний номер:</source>
            <translation>Серійний номер:</translation>
        </message>
        <message>
            <source>Дата калібрування:</source>
            <translation>Дата калібрування:</translation>
        </message>
        <message>
            <source>Одиниці, задані в приладі:</source>
            <translation>Одиниці, задані в приладі:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Використовується, якщо прилад передає цифри без десяткового роздільника</translation>
        </message>
        <message>
            <source>Знаків після коми в приладі:</source>
            <translation>Знаків після коми в приладі:</translation>
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
            <translation>Точність:</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Disable</translation>
        </message>
        <message>
            <source>Min Peek</source>
            <translation>Min Peek</translation>
        </message>
        <message>
            <source>Max Peek</source>
            <translation>Max Peek</translation>
        </message>
        <message>
            <source>Range Peek</source>
            <translation>Range Peek</translation>
        </message>
        <message>
            <source>Module Peek</source>
            <translation>Module Peek</translation>
        </message>
        <message>
            <source>Min Limits</source>
            <translation>Min Limits</translation>
        </message>
        <message>
            <source>Max Limits</source>
            <translation>Max Limits</translation>
        </message>
        <message>
            <source>Range Limits</source>
            <translation>Range Limits</translation>
        </message>
        <message>
            <source>Режим вимірювання:</source>
            <translation>Режим вимірювання:</translation>
        </message>
        <message>
            <source>Мін. ліміт:</source>
            <translation>Мін. ліміт:</translation>
        </message>
        <message>
            <source>Макс. ліміт:</source>
            <translation>Макс. ліміт:</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>ОК</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>Нижній ліміт більший за верхній. Перевірте ліміти.</source>
            <translation>Нижній ліміт більший за верхній. Перевірте ліміти.</translation>
        </message>
        <message>
            <source>Лінійний датчик (0)</source>
            <translation>Лінійний датчик (0)</translation>
        </message>
        <message>
            <source>Індикатор</source>
            <translation>Індикатор</translation>
        </message>
        <message>
            <source>Динамометр</source>
            <translation>Динамометр</translation>
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
            <translation>Вибір типу підключення</translation>
        </message>
        <message>
            <source>Виберіть тип підключення нового приладу:</source>
            <translation>Виберіть тип підключення нового приладу:</translation>
        </message>
        <message>
            <source>Modbus (RS-485)</source>
            <translation>Modbus (RS-485)</translation>
        </message>
        <message>
            <source>Бездротовий (Bluetooth)</source>
            <translation>Бездротовий (Bluetooth)</translation>
        </message>
        <message>
            <source>USB (HID-клавіатура)</source>
            <translation>USB (HID-клавіатура)</translation>
        </message>
        <message>
            <source>Бездротовий через nRF-донгл</source>
            <translation>Бездротовий через nRF-донгл</translation>
        </message>
        <message>
            <source>Бездротовий через донгл BLED112</source>
            <translation>Бездротовий через донгл BLED112</translation>
        </message>
        <message>
            <source>Sylvac провід</source>
            <translation>Sylvac провід</translation>
        </message>
        <message>
            <source>Далі</source>
            <translation>Далі</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
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
            <translation>HID-клавіатура</translation>
        </message>
        <message>
            <source>донгл ?</source>
            <translation>донгл ?</translation>
        </message>
        <message>
            <source>Sylvac | %1 | %2</source>
            <translation>Sylvac | %1 | %2</translation>
        </message>
        <message>
            <source>мм</source>
            <translation>мм</translation>
        </message>
        <message>
            <source>дюйми</source>
            <translation>дюйми</translation>
        </message>
        <message>
            <source>Клік — відкрити прилад. Затиснути та потягнути — змінити порядок</source>
            <translation>Клік — відкрити прилад. Затиснути та потягнути — змінити порядок</translation>
        </message>
        <message>
            <source>Статистика вимірів</source>
            <translation>Статистика вимірів</translation>
        </message>
        <message>
            <source>Прилад закріплено за користувачем</source>
            <translation>Прилад закріплено за користувачем</translation>
        </message>
        <message>
            <source>Редагувати</source>
            <translation>Редагувати</translation>
        </message>
        <message>
            <source>Вивантажити пам'ять приладу</source>
            <translation>Вивантажити пам'ять приладу</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Видалити</translation>
        </message>
        <message>
            <source>КОМ: 141414</source>
            <translation>КОМ: 141414</translation>
        </message>
        <message>
            <source>МАС: 9f:51:55:55</source>
            <translation>МАС: 9f:51:55:55</translation>
        </message>
        <message>
            <source>Sylvac (провід)</source>
            <translation>Sylvac (провід)</translation>
        </message>
        <message>
            <source>ƒ = %1 | вимкнено</source>
            <translation>ƒ = %1 | вимкнено</translation>
        </message>
        <message>
            <source>ƒ (формула)</source>
            <translation>ƒ (формула)</translation>
        </message>
    </context>
    <context>
        <name>DevozorWindow</name>
        <message>
            <source>Висота</source>
            <translation>Висота</translation>
        </message>
        <message>
            <source>Нуль висоти</source>
            <translation>Нуль висоти</translation>
        </message>
        <message>
            <source>Лазер</source>
            <translation>Лазер</translation>
        </message>
        <message>
            <source>Нуль лазера</source>
            <translation>Нуль лазера</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Обнулити все</translation>
        </message>
        <message>
            <source>Точка</source>
            <translation>Точка</translation>
        </message>
        <message>
            <source>Дві точки</source>
            <translation>Дві точки</translation>
        </message>
        <message>
            <source>Центр</source>
            <translation>Центр</translation>
        </message>
        <message>
            <source>Висота і лазер</source>
            <translation>Висота і лазер</translation>
        </message>
        <message>
            <source>Сканування</source>
            <translation>Сканування</translation>
        </message>
        <message>
            <source>Глибина</source>
            <translation>Глибина</translation>
        </message>
        <message>
            <source>Автоматично</source>
            <translation>Автоматично</translation>
        </message>
        <message>
            <source>Встановити базу</source>
            <translation>Встановити базу</translation>
        </message>
        <message>
            <source>Вгору</source>
            <translation>Вгору</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>Вниз</translation>
        </message>
        <message>
            <source>СТОП</source>
            <translation>СТОП</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Налаштування</translation>
        </message>
        <message>
            <source>Завантажити макрос</source>
            <translation>Завантажити макрос</translation>
        </message>
        <message>
            <source>Кількість повторів</source>
            <translation>Кількість повторів</translation>
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
            <translation>Експорт PDF</translation>
        </message>
        <message>
            <source>Експорт CSV</source>
            <translation>Експорт CSV</translation>
        </message>
        <message>
            <source>Point 1 add</source>
            <translation>Point 1 add</translation>
        </message>
        <message>
            <source>Point 2 add</source>
            <translation>Point 2 add</translation>
        </message>
        <message>
            <source>Point 3 add</source>
            <translation>Point 3 add</translation>
        </message>
        <message>
            <source>Point 4 add</source>
            <translation>Point 4 add</translation>
        </message>
        <message>
            <source>Меню таблицы</source>
            <translation>Меню таблиці</translation>
        </message>
        <message>
            <source>Удалить выбранную строку</source>
            <translation>Видалити вибраний рядок</translation>
        </message>
        <message>
            <source>Очистить всю таблицу</source>
            <translation>Очистити всю таблицю</translation>
        </message>
        <message>
            <source>Экспорт в CSV</source>
            <translation>Експорт у CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV Files (*.csv)</translation>
        </message>
        <message>
            <source>Экспорт в PDF</source>
            <translation>Експорт у PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>PDF Files (*.pdf)</translation>
        </message>
        <message>
            <source>Отчет об измерениях (Kovran)</source>
            <translation>Звіт про вимірювання (Kovran)</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Збережено: %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Помилка</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Не вдалося записати файл %1.</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Macros Files (*.mcm)</source>
            <translation>Macros Files (*.mcm)</translation>
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
            <translation>Aplly</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Швидкість</translation>
        </message>
        <message>
            <source>Одиниці</source>
            <translation>Одиниці</translation>
        </message>
        <message>
            <source>Значення бази</source>
            <translation>Значення бази</translation>
        </message>
        <message>
            <source>Поріг лазера</source>
            <translation>Поріг лазера</translation>
        </message>
    </context>
    <context>
        <name>DongleDeviceScanDialog</name>
        <message>
            <source>Додавання приладу через nRF-донгл</source>
            <translation>Додавання приладу через nRF-донгл</translation>
        </message>
        <message>
            <source>Додавання приладу через донгл BLED112</source>
            <translation>Додавання приладу через донгл BLED112</translation>
        </message>
        <message>
            <source>Донгл:</source>
            <translation>Донгл:</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Оновити</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Додати</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>Донгл не знайдено. Під'єднайте його й натисніть «Оновити».</source>
            <translation>Донгл не знайдено. Під'єднайте його й натисніть «Оновити».</translation>
        </message>
        <message>
            <source>Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл.</source>
            <translation>Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл.</translation>
        </message>
        <message>
            <source>Оновити список</source>
            <translation>Оновити список</translation>
        </message>
        <message>
            <source>%1 — %2 з %3</source>
            <translation>%1 — %2 з %3</translation>
        </message>
        <message>
            <source>Не вдалося відкрити донгл на %1.</source>
            <translation>Не вдалося відкрити донгл на %1.</translation>
        </message>
        <message>
            <source>Донгл не почав сканування.</source>
            <translation>Донгл не почав сканування.</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Пошук приладів...</translation>
        </message>
        <message>
            <source>Знайдено придатних приладів: %1</source>
            <translation>Знайдено придатних приладів: %1</translation>
        </message>
        <message>
            <source>Не знайдено бібліотеку драйвера %1: встановіть її або покладіть поруч із програмою.</source>
            <translation>Не знайдено бібліотеку драйвера %1: встановіть її або покладіть поруч із програмою.</translation>
        </message>
    </context>
    <context>
        <name>FormulaExpression</name>
        <message>
            <source>Введіть вираз, наприклад (A - B) / 2.</source>
            <translation>Введіть вираз, наприклад (A - B) / 2.</translation>
        </message>
        <message>
            <source>Вираз задовгий: не більше %1 символів.</source>
            <translation>Вираз задовгий: не більше %1 символів.</translation>
        </message>
        <message>
            <source>Прилад, з яким рахувала формула, видалено: замініть «#» літерою приладу.</source>
            <translation>Прилад, з яким рахувала формула, видалено: замініть «#» літерою приладу.</translation>
        </message>
        <message>
            <source>Знак «=» на позиції %1 не дозволено: формула — це лише вираз, порівнюють через «==».</source>
            <translation>Знак «=» на позиції %1 не дозволено: формула — це лише вираз, порівнюють через «==».</translation>
        </message>
        <message>
            <source>Число «%1» записане неправильно або завелике.</source>
            <translation>Число «%1» записане неправильно або завелике.</translation>
        </message>
        <message>
            <source>Невідома назва «%1»: прилади позначають великими літерами (A, B, C…), функції — малими (min, max, abs, sqrt).</source>
            <translation>Невідома назва «%1»: прилади позначають великими літерами (A, B, C…), функції — малими (min, max, abs, sqrt).</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області прилади від A до %2.</source>
            <translation>Приладу %1 немає: у робочій області прилади від A до %2.</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області ще немає приладів.</source>
            <translation>Приладу %1 немає: у робочій області ще немає приладів.</translation>
        </message>
        <message>
            <source>Вираз не використовує жодного приладу: додайте літеру приладу (A, B, C…).</source>
            <translation>Вираз не використовує жодного приладу: додайте літеру приладу (A, B, C…).</translation>
        </message>
        <message>
            <source>Вираз має дати одне значення: кома розділяє лише аргументи функції.</source>
            <translation>Вираз має дати одне значення: кома розділяє лише аргументи функції.</translation>
        </message>
        <message>
            <source>Вираз обривається: бракує числа, літери приладу або дужки в кінці.</source>
            <translation>Вираз обривається: бракує числа, літери приладу або дужки в кінці.</translation>
        </message>
        <message>
            <source>Не закрито дужку.</source>
            <translation>Не закрито дужку.</translation>
        </message>
        <message>
            <source>Неправильна кількість аргументів функції «%1».</source>
            <translation>Неправильна кількість аргументів функції «%1».</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1.</source>
            <translation>Помилка у виразі на позиції %1.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1, біля «%2».</source>
            <translation>Помилка у виразі на позиції %1, біля «%2».</translation>
        </message>
        <message>
            <source>Вираз не вдалося розібрати.</source>
            <translation>Вираз не вдалося розібрати.</translation>
        </message>
    </context>
    <context>
        <name>FormulaManagerDialog</name>
        <message>
            <source>Формули</source>
            <translation>Формули</translation>
        </message>
        <message>
            <source>Нова формула</source>
            <translation>Нова формула</translation>
        </message>
        <message>
            <source>Видалити формулу</source>
            <translation>Видалити формулу</translation>
        </message>
        <message>
            <source>наприклад (A - B) / 2 або max(A, B, C) - min(A, B, C)</source>
            <translation>наприклад (A - B) / 2 або max(A, B, C) - min(A, B, C)</translation>
        </message>
        <message>
            <source>Вираз:</source>
            <translation>Вираз:</translation>
        </message>
        <message>
            <source>Прилади, що вимірюють ту саму величину, беруться в цих одиницях</source>
            <translation>Прилади, що вимірюють ту саму величину, беруться в цих одиницях</translation>
        </message>
        <message>
            <source>Одиниці:</source>
            <translation>Одиниці:</translation>
        </message>
        <message>
            <source>Прилади (подвійний клік або Enter додає літеру у вираз):</source>
            <translation>Прилади (подвійний клік або Enter додає літеру у вираз):</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Приладів ще немає: формула рахує з приладів робочої області.</source>
            <translation>Приладів ще немає: формула рахує з приладів робочої області.</translation>
        </message>
        <message>
            <source>Видалити формулу &lt;b&gt;%1&lt;/b&gt;? Її записані значення також буде видалено.</source>
            <translation>Видалити формулу &lt;b&gt;%1&lt;/b&gt;? Її записані значення також буде видалено.</translation>
        </message>
        <message>
            <source>Формул ще немає: натисніть «Нова формула».</source>
            <translation>Формул ще немає: натисніть «Нова формула».</translation>
        </message>
        <message>
            <source>✓ Вираз правильний; рахує з приладів %1.</source>
            <translation>✓ Вираз правильний; рахує з приладів %1.</translation>
        </message>
        <message>
            <source>Більше формул додати не можна.</source>
            <translation>Більше формул додати не можна.</translation>
        </message>
        <message>
            <source>Формула %1</source>
            <translation>Формула %1</translation>
        </message>
        <message>
            <source>Введіть назву формули.</source>
            <translation>Введіть назву формули.</translation>
        </message>
        <message>
            <source>Формулу «%1» не можна зберегти:
%2</source>
            <translation>Формулу «%1» не можна зберегти:
%2</translation>
        </message>
    </context>
    <context>
        <name>GlobalUnitsDialog</name>
        <message>
            <source>Одиниці виміру</source>
            <translation>Одиниці виміру</translation>
        </message>
        <message>
            <source>Лінійні прилади:</source>
            <translation>Лінійні прилади:</translation>
        </message>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Міліметри (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Дюйми (inch)</translation>
        </message>
        <message>
            <source>Кутоміри:</source>
            <translation>Кутоміри:</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Градуси (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Радіани (rad)</translation>
        </message>
        <message>
            <source>Динамометри:</source>
            <translation>Динамометри:</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Ньютони (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Фунт-сила (lbf)</translation>
        </message>
    </context>
    <context>
        <name>HeightGaugeCycles</name>
        <message>
            <source>move to new points and enable auto move and cliked up arrow</source>
            <translation>move to new points and enable auto move and cliked up arrow</translation>
        </message>
    </context>
    <context>
        <name>HistogramWidget</name>
        <message>
            <source>%1 … %2 %3
вимірів: %4</source>
            <translation>%1 … %2 %3
вимірів: %4</translation>
        </message>
        <message>
            <source>Замало даних для гістограми</source>
            <translation>Замало даних для гістограми</translation>
        </message>
        <message>
            <source>НМ %1</source>
            <translation>НМ %1</translation>
        </message>
        <message>
            <source>ВМ %1</source>
            <translation>ВМ %1</translation>
        </message>
    </context>
    <context>
        <name>KeyboardDeviceDialog</name>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Міліметри (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Дюйми (inch)</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Ньютони (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Фунт-сила (lbf)</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Градуси (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Радіани (rad)</translation>
        </message>
        <message>
            <source>Підключення приладу-клавіатури</source>
            <translation>Підключення приладу-клавіатури</translation>
        </message>
        <message>
            <source>Клавіатура, якою прилад передає дані:</source>
            <translation>Клавіатура, якою прилад передає дані:</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Оновити</translation>
        </message>
        <message>
            <source>Визначити за натисканням кнопки на приладі</source>
            <translation>Визначити за натисканням кнопки на приладі</translation>
        </message>
        <message>
            <source>Одиниці виміру, задані в приладі:</source>
            <translation>Одиниці виміру, задані в приладі:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Використовується, якщо прилад передає цифри без десяткового роздільника</translation>
        </message>
        <message>
            <source>Знаків після коми, заданих в приладі:</source>
            <translation>Знаків після коми, заданих в приладі:</translation>
        </message>
        <message>
            <source>Перевірка: натисніть кнопку передачі даних на приладі.</source>
            <translation>Перевірка: натисніть кнопку передачі даних на приладі.</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Додати</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>  (вже додано)</source>
            <translation>  (вже додано)</translation>
        </message>
        <message>
            <source>Немає доступу до клавіатур: програма не може читати їхні натискання. Додайте користувача до групи input командою «sudo usermod -aG input $USER» і увійдіть у систему знову.</source>
            <translation>Немає доступу до клавіатур: програма не може читати їхні натискання. Додайте користувача до групи input командою «sudo usermod -aG input $USER» і увійдіть у систему знову.</translation>
        </message>
        <message>
            <source>Натисніть на приладі кнопку передачі даних…</source>
            <translation>Натисніть на приладі кнопку передачі даних…</translation>
        </message>
        <message>
            <source>Клавіатуру визначено: %1</source>
            <translation>Клавіатуру визначено: %1</translation>
        </message>
        <message>
            <source>Отримано «%1» → %2 %3</source>
            <translation>Отримано «%1» → %2 %3</translation>
        </message>
        <message>
            <source>Отримано «%1» — це не схоже на число, перевірте налаштування приладу.</source>
            <translation>Отримано «%1» — це не схоже на число, перевірте налаштування приладу.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Помилка</translation>
        </message>
        <message>
            <source>Не вибрано клавіатуру приладу.</source>
            <translation>Не вибрано клавіатуру приладу.</translation>
        </message>
        <message>
            <source>Цю клавіатуру вже додано як прилад.</source>
            <translation>Цю клавіатуру вже додано як прилад.</translation>
        </message>
        <message>
            <source>Клавіатура</source>
            <translation>Клавіатура</translation>
        </message>
    </context>
    <context>
        <name>KeyboardEmulatorDialog</name>
        <message>
            <source>Увімкнути дублювання клавіатури</source>
            <translation>Увімкнути дублювання клавіатури</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Дублювання клавіатури</translation>
        </message>
        <message>
            <source>Кожне значення, передане приладом, система отримає так, ніби його набрали на клавіатурі — і воно потрапить просто в Excel чи будь-яку іншу активну програму.</source>
            <translation>Кожне значення, передане приладом, система отримає так, ніби його набрали на клавіатурі — і воно потрапить просто в Excel чи будь-яку іншу активну програму.</translation>
        </message>
        <message>
            <source>Пробіл</source>
            <translation>Пробіл</translation>
        </message>
        <message>
            <source>нічого</source>
            <translation>нічого</translation>
        </message>
        <message>
            <source>крапка  (12.345)</source>
            <translation>крапка  (12.345)</translation>
        </message>
        <message>
            <source>кома  (12,345)</source>
            <translation>кома  (12,345)</translation>
        </message>
        <message>
            <source>Між значеннями (мультирежим):</source>
            <translation>Між значеннями (мультирежим):</translation>
        </message>
        <message>
            <source>Після останнього:</source>
            <translation>Після останнього:</translation>
        </message>
        <message>
            <source>Десятковий знак:</source>
            <translation>Десятковий знак:</translation>
        </message>
        <message>
            <source>Роздільник потрібен лише тоді, коли один запис несе показання кількох приладів одразу — тобто в мультирежимі. Для одного приладу набирається саме значення й завершальна клавіша.</source>
            <translation>Роздільник потрібен лише тоді, коли один запис несе показання кількох приладів одразу — тобто в мультирежимі. Для одного приладу набирається саме значення й завершальна клавіша.</translation>
        </message>
        <message>
            <source>Десятковий знак обирають не за смаком, а за тим, що чекає програма-приймач: Excel з українською локаллю розпізнає число лише з комою, інакше воно стане текстом.</source>
            <translation>Десятковий знак обирають не за смаком, а за тим, що чекає програма-приймач: Excel з українською локаллю розпізнає число лише з комою, інакше воно стане текстом.</translation>
        </message>
        <message>
            <source>тут буде видно, що саме набереться</source>
            <translation>тут буде видно, що саме набереться</translation>
        </message>
        <message>
            <source>Перевірити (2 прилади)</source>
            <translation>Перевірити (2 прилади)</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Зберегти</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
    </context>
    <context>
        <name>LaserNuromer</name>
        <message>
            <source>MainWindow</source>
            <translation>MainWindow</translation>
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
            <translation>Setting</translation>
        </message>
        <message>
            <source>Resets Setting</source>
            <translation>Resets Setting</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>Upper range</source>
            <translation>Upper range</translation>
        </message>
        <message>
            <source>Lower range</source>
            <translation>Lower range</translation>
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
            <translation>ExportPDF</translation>
        </message>
        <message>
            <source>ExportCSV</source>
            <translation>ExportCSV</translation>
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
            <translation>ММ</translation>
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
            <translation>Date</translation>
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
            <translation>Камеру не знайдено</translation>
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
            <translation>мм</translation>
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
            <translation>Помилка</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису</source>
            <translation>Не вдалося відкрити файл для запису</translation>
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
            <translation>Звіт вимірювань</translation>
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
            <translation>Налаштування</translation>
        </message>
        <message>
            <source>Ліва камера</source>
            <translation>Ліва камера</translation>
        </message>
        <message>
            <source>Права камера</source>
            <translation>Права камера</translation>
        </message>
        <message>
            <source>COM-порт</source>
            <translation>COM-порт</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Швидкість</translation>
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
            <translation>Успіх</translation>
        </message>
        <message>
            <source>Налаштування збережено!</source>
            <translation>Налаштування збережено!</translation>
        </message>
    </context>
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Вимірювальна система</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Додати</translation>
        </message>
        <message>
            <source>Синхронізувати все</source>
            <translation>Синхронізувати все</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Обнулити все</translation>
        </message>
        <message>
            <source>Одиниці вимірювання</source>
            <translation>Одиниці вимірювання</translation>
        </message>
        <message>
            <source>Таймер</source>
            <translation>Таймер</translation>
        </message>
        <message>
            <source>Макрос</source>
            <translation>Макрос</translation>
        </message>
        <message>
            <source>Моно режим</source>
            <translation>Моно режим</translation>
        </message>
        <message>
            <source>Мульти режим</source>
            <translation>Мульти режим</translation>
        </message>
        <message>
            <source>Формули</source>
            <translation>Формули</translation>
        </message>
        <message>
            <source>Графік</source>
            <translation>Графік</translation>
        </message>
        <message>
            <source>EXPORT</source>
            <translation>EXPORT</translation>
        </message>
        <message>
            <source>Права кнопка миші — розгорнута статистика</source>
            <translation>Права кнопка миші — розгорнута статистика</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Експорт</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Налаштування</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Мова</translation>
        </message>
        <message>
            <source>Розширення</source>
            <translation>Розширення</translation>
        </message>
        <message>
            <source>Адаптер модбас</source>
            <translation>Адаптер модбас</translation>
        </message>
        <message>
            <source>Скинути налаштування</source>
            <translation>Скинути налаштування</translation>
        </message>
        <message>
            <source>Користувачі</source>
            <translation>Користувачі</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Дублювання клавіатури</translation>
        </message>
        <message>
            <source>Ви впевнені що хочете видалити пристрій &lt;b&gt;%1&lt;/b&gt;?</source>
            <translation>Ви впевнені що хочете видалити пристрій &lt;b&gt;%1&lt;/b&gt;?</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Видалити</translation>
        </message>
        <message>
            <source>Додавання приладу</source>
            <translation>Додавання приладу</translation>
        </message>
        <message>
            <source>Цей тип підключення ще недоступний у цій версії програми.</source>
            <translation>Цей тип підключення ще недоступний у цій версії програми.</translation>
        </message>
        <message>
            <source>Скинути збережений вибір модуля, що відкривається при старті програми?</source>
            <translation>Скинути збережений вибір модуля, що відкривається при старті програми?</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>Готово</translation>
        </message>
        <message>
            <source>Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля.</source>
            <translation>Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля.</translation>
        </message>
        <message>
            <source>Значення (%1)</source>
            <translation>Значення (%1)</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Значення</translation>
        </message>
        <message>
            <source>№</source>
            <translation>№</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Час</translation>
        </message>
        <message>
            <source>Статус</source>
            <translation>Статус</translation>
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
            <translation>Помилка</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Успіх</translation>
        </message>
        <message>
            <source>Немає даних для експорту.</source>
            <translation>Немає даних для експорту.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Експорт в CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>CSV Files (*.csv)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в CSV.</source>
            <translation>Дані успішно експортовано в CSV.</translation>
        </message>
        <message>
            <source>Експорт в PDF</source>
            <translation>Експорт в PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>PDF Files (*.pdf)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в PDF.</source>
            <translation>Дані успішно експортовано в PDF.</translation>
        </message>
        <message>
            <source>Експорт даних</source>
            <translation>Експорт даних</translation>
        </message>
        <message>
            <source>Оберіть формат для експорту даних:</source>
            <translation>Оберіть формат для експорту даних:</translation>
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
            <translation>Відміна</translation>
        </message>
        <message>
            <source>Звіт про вимірювання (Kovran)</source>
            <translation>Звіт про вимірювання (Kovran)</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису.</source>
            <translation>Не вдалося відкрити файл для запису.</translation>
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
            <translation>RANGE</translation>
        </message>
        <message>
            <source>MODULE</source>
            <translation>MODULE</translation>
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
            <translation>Видалити рядок</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Очистити таблицю</translation>
        </message>
        <message>
            <source>Відкрити статистику</source>
            <translation>Відкрити статистику</translation>
        </message>
        <message>
            <source>Очистити всі виміри цього приладу?</source>
            <translation>Очистити всі виміри цього приладу?</translation>
        </message>
        <message>
            <source>Очистити всі записані рядки таблиці?</source>
            <translation>Очистити всі записані рядки таблиці?</translation>
        </message>
        <message>
            <source>Відновлення даних</source>
            <translation>Відновлення даних</translation>
        </message>
        <message>
            <source>Виявлено незбережені дані попереднього сеансу (записів: %1). Програму, ймовірно, було закрито аварійно.

Відновити ці дані в таблицях?</source>
            <translation>Виявлено незбережені дані попереднього сеансу (записів: %1). Програму, ймовірно, було закрито аварійно.

Відновити ці дані в таблицях?</translation>
        </message>
        <message>
            <source>Пам'ять приладу</source>
            <translation>Пам'ять приладу</translation>
        </message>
        <message>
            <source>Прилади %1 не підтримують вивантаження пам'яті.</source>
            <translation>Прилади %1 не підтримують вивантаження пам'яті.</translation>
        </message>
        <message>
            <source>Прилад не на зв'язку.</source>
            <translation>Прилад не на зв'язку.</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Висотомір</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Вимірювальна стійка</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Лазерний нутромір</translation>
        </message>
        <message>
            <source>Вибір модуля…</source>
            <translation>Вибір модуля…</translation>
        </message>
        <message>
            <source>Довідка</source>
            <translation>Довідка</translation>
        </message>
        <message>
            <source>Про програму</source>
            <translation>Про програму</translation>
        </message>
        <message>
            <source>Експорт в XLSX</source>
            <translation>Експорт в XLSX</translation>
        </message>
        <message>
            <source>Книги Excel (*.xlsx)</source>
            <translation>Книги Excel (*.xlsx)</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1:
%2</source>
            <translation>Не вдалося записати файл %1:
%2</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в XLSX.</source>
            <translation>Дані успішно експортовано в XLSX.</translation>
        </message>
        <message>
            <source>XLSX</source>
            <translation>XLSX</translation>
        </message>
        <message>
            <source>Таблиця</source>
            <translation>Таблиця</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Прилад</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Одиниця</translation>
        </message>
        <message>
            <source>Нижня межа</source>
            <translation>Нижня межа</translation>
        </message>
        <message>
            <source>Верхня межа</source>
            <translation>Верхня межа</translation>
        </message>
        <message>
            <source>Прилад &lt;b&gt;%1&lt;/b&gt; використовують формули: %2.&lt;br&gt;Якщо його видалити, ці формули буде вимкнено, доки ви не зміните їхні вирази у «Формулах». Видалити прилад?</source>
            <translation>Прилад &lt;b&gt;%1&lt;/b&gt; використовують формули: %2.&lt;br&gt;Якщо його видалити, ці формули буде вимкнено, доки ви не зміните їхні вирази у «Формулах». Видалити прилад?</translation>
        </message>
        <message>
            <source>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</source>
            <translation>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</translation>
        </message>
        <message>
            <source>Перемістити прилад</source>
            <translation>Перемістити прилад</translation>
        </message>
        <message>
            <source>Літери приладів у формулах зміняться разом із порядком карток:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Перемістити прилад?</source>
            <translation>Літери приладів у формулах зміняться разом із порядком карток:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Перемістити прилад?</translation>
        </message>
    </context>
    <context>
        <name>ModbusSettingsDialog</name>
        <message>
            <source>Настройка адаптеров Modbus</source>
            <translation>Настройка адаптеров Modbus</translation>
        </message>
        <message>
            <source>Порт:</source>
            <translation>Порт:</translation>
        </message>
        <message>
            <source>Скорость:</source>
            <translation>Скорость:</translation>
        </message>
        <message>
            <source>Добавить адаптер</source>
            <translation>Добавить адаптер</translation>
        </message>
        <message>
            <source>Удалить выбранный</source>
            <translation>Удалить выбранный</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Закрыть</translation>
        </message>
        <message>
            <source>Подключенные адаптеры:</source>
            <translation>Подключенные адаптеры:</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>Этот адаптер уже добавлен в список!</source>
            <translation>Этот адаптер уже добавлен в список!</translation>
        </message>
        <message>
            <source>Адаптер: %1 | Скорость: %2</source>
            <translation>Адаптер: %1 | Скорость: %2</translation>
        </message>
    </context>
    <context>
        <name>ModuleChooser</name>
        <message>
            <source>KOVRAN — вибір модуля</source>
            <translation>KOVRAN — вибір модуля</translation>
        </message>
        <message>
            <source>Оберіть модуль</source>
            <translation>Оберіть модуль</translation>
        </message>
        <message>
            <source>Робоча область</source>
            <translation>Робоча область</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Висотомір</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Вимірювальна стійка</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Лазерний нутромір</translation>
        </message>
        <message>
            <source>Запам'ятати мій вибір і відкривати цей модуль при запуску</source>
            <translation>Запам'ятати мій вибір і відкривати цей модуль при запуску</translation>
        </message>
    </context>
    <context>
        <name>PlotCanvas</name>
        <message>
            <source>Межі осі</source>
            <translation>Межі осі</translation>
        </message>
        <message>
            <source>Мінімум:</source>
            <translation>Мінімум:</translation>
        </message>
        <message>
            <source>Максимум:</source>
            <translation>Максимум:</translation>
        </message>
        <message>
            <source>%1
вимір №%2: %3 %4</source>
            <translation>%1
вимір №%2: %3 %4</translation>
        </message>
        <message>
            <source>вимір №%1
%2: %3 %4
%5: %6 %7</source>
            <translation>вимір №%1
%2: %3 %4
%5: %6 %7</translation>
        </message>
        <message>
            <source>Автомасштаб %1</source>
            <translation>Автомасштаб %1</translation>
        </message>
        <message>
            <source>Задати межі %1…</source>
            <translation>Задати межі %1…</translation>
        </message>
        <message>
            <source>Автомасштаб обох осей</source>
            <translation>Автомасштаб обох осей</translation>
        </message>
        <message>
            <source>Сітка</source>
            <translation>Сітка</translation>
        </message>
        <message>
            <source>Немає даних для побудови</source>
            <translation>Немає даних для побудови</translation>
        </message>
        <message>
            <source>№ виміру</source>
            <translation>№ виміру</translation>
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
            <translation>Кількість точек</translation>
        </message>
        <message>
            <source>Задать точки</source>
            <translation>Задать точки</translation>
        </message>
        <message>
            <source>Від</source>
            <translation>Від</translation>
        </message>
        <message>
            <source>До</source>
            <translation>До</translation>
        </message>
        <message>
            <source>Крок</source>
            <translation>Крок</translation>
        </message>
        <message>
            <source>Автогенерація</source>
            <translation>Автогенерація</translation>
        </message>
        <message>
            <source>Відхилення </source>
            <translation>Відхилення </translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Задані значення</translation>
        </message>
        <message>
            <source>Зберегти налаштування</source>
            <translation>Зберегти налаштування</translation>
        </message>
        <message>
            <source>JSON %1 (*.json);;%2 (*.*)</source>
            <translation>JSON %1 (*.json);;%2 (*.*)</translation>
        </message>
        <message>
            <source>Файли</source>
            <translation>Файли</translation>
        </message>
        <message>
            <source>Всі файли</source>
            <translation>Всі файли</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Помилка</translation>
        </message>
        <message>
            <source>Не вдалося зберегти файл!</source>
            <translation>Не вдалося зберегти файл!</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Успіх</translation>
        </message>
        <message>
            <source>Налаштування успішно збережено</source>
            <translation>Налаштування успішно збережено</translation>
        </message>
        <message>
            <source>Перевірте правильність введених чисел.</source>
            <translation>Перевірте правильність введених чисел.</translation>
        </message>
        <message>
            <source>Крок повинен бути більшим за нуль.</source>
            <translation>Крок повинен бути більшим за нуль.</translation>
        </message>
        <message>
            <source>Початкове значення більше за кінцеве.</source>
            <translation>Початкове значення більше за кінцеве.</translation>
        </message>
        <message>
            <source>Увага</source>
            <translation>Увага</translation>
        </message>
        <message>
            <source>Занадто багато точок (&gt;10 000). Збільште крок.</source>
            <translation>Занадто багато точок (&gt;10 000). Збільште крок.</translation>
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
            <translation>Стовпець %1</translation>
        </message>
        <message>
            <source>Вимірювальний стенд</source>
            <translation>Вимірювальний стенд</translation>
        </message>
        <message>
            <source>Нуль</source>
            <translation>Нуль</translation>
        </message>
        <message>
            <source>Серійний номер</source>
            <translation>Серійний номер</translation>
        </message>
        <message>
            <source>Зберегти в PDF</source>
            <translation>Зберегти в PDF</translation>
        </message>
        <message>
            <source>Зберегти в CSV</source>
            <translation>Зберегти в CSV</translation>
        </message>
        <message>
            <source>Режим рулетки</source>
            <translation>Режим рулетки</translation>
        </message>
        <message>
            <source>Рулетку протянуто</source>
            <translation>Рулетку протянуто</translation>
        </message>
        <message>
            <source>Пресет</source>
            <translation>Пресет</translation>
        </message>
        <message>
            <source>Оберіть папку з пресетами</source>
            <translation>Оберіть папку з пресетами</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Оновити</translation>
        </message>
        <message>
            <source> Стрворити пресет</source>
            <translation> Стрворити пресет</translation>
        </message>
        <message>
            <source>Очистити</source>
            <translation>Очистити</translation>
        </message>
        <message>
            <source>Без пресета</source>
            <translation>Без пресета</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>Вихід</source>
            <translation>Вихід</translation>
        </message>
        <message>
            <source>Скинути параметри</source>
            <translation>Скинути параметри</translation>
        </message>
        <message>
            <source>Камера</source>
            <translation>Камера</translation>
        </message>
        <message>
            <source>Камеры не найдены</source>
            <translation>Камери не знайдено</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Мова</translation>
        </message>
        <message>
            <source>Українська</source>
            <translation>Українська</translation>
        </message>
        <message>
            <source>Англійська</source>
            <translation>Англійська</translation>
        </message>
        <message>
            <source>Французька</source>
            <translation>Французька</translation>
        </message>
        <message>
            <source>Німецька</source>
            <translation>Німецька</translation>
        </message>
        <message>
            <source>Італійська</source>
            <translation>Італійська</translation>
        </message>
        <message>
            <source>Польська</source>
            <translation>Польська</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Час</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Задані значення</translation>
        </message>
        <message>
            <source>Виміряні значення</source>
            <translation>Виміряні значення</translation>
        </message>
        <message>
            <source>Відхилення</source>
            <translation>Відхилення</translation>
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
            <translation>Вимірювання завершено</translation>
        </message>
        <message>
            <source>Всі точки пресету успішно виміряні.
Що бажаєте зробити далі?</source>
            <translation>Всі точки пресету успішно виміряні.
Що бажаєте зробити далі?</translation>
        </message>
        <message>
            <source>Зберегти PDF</source>
            <translation>Зберегти PDF</translation>
        </message>
        <message>
            <source>Зберегти CSV</source>
            <translation>Зберегти CSV</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Очистити таблицю</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>Видалити вимірювання</source>
            <translation>Видалити вимірювання</translation>
        </message>
        <message>
            <source>Видалення вимірювання</source>
            <translation>Видалення вимірювання</translation>
        </message>
        <message>
            <source>Як саме ви хочете видалити дані?</source>
            <translation>Як саме ви хочете видалити дані?</translation>
        </message>
        <message>
            <source>Тільки цей рядок</source>
            <translation>Тільки цей рядок</translation>
        </message>
        <message>
            <source>Зі зміщенням (очистити все після)</source>
            <translation>Зі зміщенням (очистити все після)</translation>
        </message>
        <message>
            <source>Режим Tape</source>
            <translation>Режим Tape</translation>
        </message>
        <message>
            <source>Спочатку увімкніть 'Tape mode' (поставте галочку).</source>
            <translation>Спочатку увімкніть 'Tape mode' (поставте галочку).</translation>
        </message>
        <message>
            <source>Tape</source>
            <translation>Tape</translation>
        </message>
        <message>
            <source>Рулетку перетягнуто.
Нова база вимірювання: %1</source>
            <translation>Рулетку перетягнуто.
Нова база вимірювання: %1</translation>
        </message>
        <message>
            <source>Помилка Tape</source>
            <translation>Помилка Tape</translation>
        </message>
        <message>
            <source>У таблиці ще немає жодного вимірювання для збереження бази.</source>
            <translation>У таблиці ще немає жодного вимірювання для збереження бази.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Помилка</translation>
        </message>
        <message>
            <source>Пресет %1 не завантажено.
%2</source>
            <translation>Пресет %1 не завантажено.
%2</translation>
        </message>
        <message>
            <source>Файл не вдалося відкрити: %1</source>
            <translation>Файл не вдалося відкрити: %1</translation>
        </message>
        <message>
            <source>Файл не є коректним JSON: %1</source>
            <translation>Файл не є коректним JSON: %1</translation>
        </message>
        <message>
            <source>У файлі немає об'єкта пресета.</source>
            <translation>У файлі немає об'єкта пресета.</translation>
        </message>
        <message>
            <source>Поле "%1" має неправильний тип.</source>
            <translation>Поле "%1" має неправильний тип.</translation>
        </message>
        <message>
            <source>Забагато точок: %1 (не більше %2).</source>
            <translation>Забагато точок: %1 (не більше %2).</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Збережено: %1</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Не вдалося записати файл %1.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Експорт в CSV</translation>
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
            <translation>Статистика</translation>
        </message>
        <message>
            <source>Рахувати за:</source>
            <translation>Рахувати за:</translation>
        </message>
        <message>
            <source>Кількість</source>
            <translation>Кількість</translation>
        </message>
        <message>
            <source>Середнє</source>
            <translation>Середнє</translation>
        </message>
        <message>
            <source>Мінімум</source>
            <translation>Мінімум</translation>
        </message>
        <message>
            <source>Максимум</source>
            <translation>Максимум</translation>
        </message>
        <message>
            <source>Розмах</source>
            <translation>Розмах</translation>
        </message>
        <message>
            <source>Ст. відхилення</source>
            <translation>Ст. відхилення</translation>
        </message>
        <message>
            <source>У допуску</source>
            <translation>У допуску</translation>
        </message>
        <message>
            <source>Поза допуском</source>
            <translation>Поза допуском</translation>
        </message>
        <message>
            <source>Придатних, %</source>
            <translation>Придатних, %</translation>
        </message>
        <message>
            <source>Закрити</source>
            <translation>Закрити</translation>
        </message>
        <message>
            <source>Розподіл значень</source>
            <translation>Розподіл значень</translation>
        </message>
        <message>
            <source>Тренд за порядком вимірювання</source>
            <translation>Тренд за порядком вимірювання</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>дані зі спільної таблиці</translation>
        </message>
        <message>
            <source>дані з таблиці приладу</source>
            <translation>дані з таблиці приладу</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Немає приладів</translation>
        </message>
        <message>
            <source>усією таблицею (%1)</source>
            <translation>усією таблицею (%1)</translation>
        </message>
        <message>
            <source>виділеними рядками (%1)</source>
            <translation>виділеними рядками (%1)</translation>
        </message>
        <message>
            <source>Для цього приладу допуски не задані, тож придатність не оцінюється. Задайте режим вимірювання з допусками в налаштуваннях приладу.</source>
            <translation>Для цього приладу допуски не задані, тож придатність не оцінюється. Задайте режим вимірювання з допусками в налаштуваннях приладу.</translation>
        </message>
        <message>
            <source>Допуск: від %1 до %2 %3</source>
            <translation>Допуск: від %1 до %2 %3</translation>
        </message>
        <message>
            <source>Допуск: не більше %1 %2</source>
            <translation>Допуск: не більше %1 %2</translation>
        </message>
        <message>
            <source>Допуск: не менше %1 %2</source>
            <translation>Допуск: не менше %1 %2</translation>
        </message>
        <message>
            <source>Тренд: %1%2 %3 за вимір</source>
            <translation>Тренд: %1%2 %3 за вимір</translation>
        </message>
        <message>
            <source>Придатність за короткочасним σ = MR̄ / 1,128 (ковзний розмах)</source>
            <translation>Придатність за короткочасним σ = MR̄ / 1,128 (ковзний розмах)</translation>
        </message>
        <message>
            <source>Продуктивність за загальним σ (стандартне відхилення)</source>
            <translation>Продуктивність за загальним σ (стандартне відхилення)</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Експорт</translation>
        </message>
        <message>
            <source>Контрольна карта (I-MR)</source>
            <translation>Контрольна карта (I-MR)</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Поза статистичним контролем: %n точка</numerusform>
                <numerusform>Поза статистичним контролем: %n точки</numerusform>
                <numerusform>Поза статистичним контролем: %n точок</numerusform>
            </translation>
        </message>
        <message>
            <source>Показник</source>
            <translation>Показник</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Значення</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Прилад</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Одиниця</translation>
        </message>
        <message>
            <source>Примітка</source>
            <translation>Примітка</translation>
        </message>
        <message>
            <source>Статистика: %1</source>
            <translation>Статистика: %1</translation>
        </message>
    </context>
    <context>
        <name>SylvacSerialDialog</name>
        <message>
            <source>Додавання приладу Sylvac (провід)</source>
            <translation>Додавання приладу Sylvac (провід)</translation>
        </message>
        <message>
            <source>Програма сама визначить, до якого порту під'єднано прилад. Переконайтеся, що кабель у роз'ємі, а прилад увімкнений.</source>
            <translation>Програма сама визначить, до якого порту під'єднано прилад. Переконайтеся, що кабель у роз'ємі, а прилад увімкнений.</translation>
        </message>
        <message>
            <source>Шукати знову</source>
            <translation>Шукати знову</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Додати</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>Немає вільних COM-портів</source>
            <translation>Немає вільних COM-портів</translation>
        </message>
        <message>
            <source>Усі порти вже зайняті іншими приладами.</source>
            <translation>Усі порти вже зайняті іншими приладами.</translation>
        </message>
        <message>
            <source>Натисніть кнопку передачі на приладі</source>
            <translation>Натисніть кнопку передачі на приладі</translation>
        </message>
        <message>
            <source>Не вдалося відкрити жодного порту.</source>
            <translation>Не вдалося відкрити жодного порту.</translation>
        </message>
        <message>
            <source>Слухаю порти: %1</source>
            <translation>Слухаю порти: %1</translation>
        </message>
        <message>
            <source>Прилад знайдено</source>
            <translation>Прилад знайдено</translation>
        </message>
        <message numerus="yes">
            <source>Порт %1, значення %2 (%n знак(ів) після коми)</source>
            <translation>
                <numerusform>Порт %1, значення %2 (%n знак після коми)</numerusform>
                <numerusform>Порт %1, значення %2 (%n знаки після коми)</numerusform>
                <numerusform>Порт %1, значення %2 (%n знаків після коми)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>TimerSettingsDialog</name>
        <message>
            <source>Налаштування таймера запису</source>
            <translation>Налаштування таймера запису</translation>
        </message>
        <message>
            <source>Режим таймера:</source>
            <translation>Режим таймера:</translation>
        </message>
        <message>
            <source>Синхронний (один таймер для всіх)</source>
            <translation>Синхронний (один таймер для всіх)</translation>
        </message>
        <message>
            <source>Індивідуальний для кожного приладу</source>
            <translation>Індивідуальний для кожного приладу</translation>
        </message>
        <message>
            <source>Інтервал запису:</source>
            <translation>Інтервал запису:</translation>
        </message>
        <message>
            <source> мс (0 = вимкнено)</source>
            <translation> мс (0 = вимкнено)</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Прилад</translation>
        </message>
        <message>
            <source>Інтервал (мс)</source>
            <translation>Інтервал (мс)</translation>
        </message>
        <message>
            <source>Скинути таймер</source>
            <translation>Скинути таймер</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>ОК</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
    </context>
    <context>
        <name>TrendWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>вимір №%1
%2 %3</translation>
        </message>
        <message>
            <source>Замало даних для тренду</source>
            <translation>Замало даних для тренду</translation>
        </message>
        <message>
            <source>нижня межа</source>
            <translation>нижня межа</translation>
        </message>
        <message>
            <source>верхня межа</source>
            <translation>верхня межа</translation>
        </message>
        <message>
            <source>тренд</source>
            <translation>тренд</translation>
        </message>
    </context>
    <context>
        <name>UserEditDialog</name>
        <message>
            <source>Новий користувач</source>
            <translation>Новий користувач</translation>
        </message>
        <message>
            <source>Користувач</source>
            <translation>Користувач</translation>
        </message>
        <message>
            <source>ім'я або посада</source>
            <translation>ім'я або посада</translation>
        </message>
        <message>
            <source>Ім'я:</source>
            <translation>Ім'я:</translation>
        </message>
        <message>
            <source>Роль:</source>
            <translation>Роль:</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — роль змінити не можна, інакше керувати користувачами стане нікому.</source>
            <translation>Це єдиний адміністратор — роль змінити не можна, інакше керувати користувачами стане нікому.</translation>
        </message>
    </context>
    <context>
        <name>UserManager</name>
        <message>
            <source>Адміністратор</source>
            <translation>Адміністратор</translation>
        </message>
        <message>
            <source>адміністратор</source>
            <translation>адміністратор</translation>
        </message>
        <message>
            <source>оператор</source>
            <translation>оператор</translation>
        </message>
    </context>
    <context>
        <name>UsersDialog</name>
        <message>
            <source>Користувачі</source>
            <translation>Користувачі</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Додати</translation>
        </message>
        <message>
            <source>Змінити</source>
            <translation>Змінити</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Видалити</translation>
        </message>
        <message>
            <source>Прилад належить одному користувачеві: якщо позначити його тут, він автоматично зніметься з попереднього власника.</source>
            <translation>Прилад належить одному користувачеві: якщо позначити його тут, він автоматично зніметься з попереднього власника.</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Зберегти</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Прилади користувача «%1»</source>
            <translation>Прилади користувача «%1»</translation>
        </message>
        <message>
            <source>Прилади</source>
            <translation>Прилади</translation>
        </message>
        <message>
            <source>(зараз у «%1»)</source>
            <translation>(зараз у «%1»)</translation>
        </message>
        <message>
            <source>(закріплений за видаленим користувачем)</source>
            <translation>(закріплений за видаленим користувачем)</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — його видалити не можна. Спершу призначте адміністратором когось іншого.</source>
            <translation>Це єдиний адміністратор — його видалити не можна. Спершу призначте адміністратором когось іншого.</translation>
        </message>
        <message>
            <source>Видалити користувача «%1»?</source>
            <translation>Видалити користувача «%1»?</translation>
        </message>
        <message>
            <source>

Закріплені за ним прилади (%1) стануть нічийними.</source>
            <translation>

Закріплені за ним прилади (%1) стануть нічийними.</translation>
        </message>
        <message>
            <source>Видалення</source>
            <translation>Видалення</translation>
        </message>
    </context>
    <context>
        <name>XdoKeystrokeSink</name>
        <message>
            <source>Сеанс Wayland без XWayland: значення не можна набирати в інші програми. Увійдіть у сеанс X11 (Xorg) або увімкніть XWayland.</source>
            <translation>Сеанс Wayland без XWayland: значення не можна набирати в інші програми. Увійдіть у сеанс X11 (Xorg) або увімкніть XWayland.</translation>
        </message>
        <message>
            <source>Немає X-дисплея (змінна DISPLAY не задана), тому значення не можна набирати в інші програми.</source>
            <translation>Немає X-дисплея (змінна DISPLAY не задана), тому значення не можна набирати в інші програми.</translation>
        </message>
        <message>
            <source>Не знайдено бібліотек X11 (libX11, libXtst), тому значення не можна набирати в інші програми.</source>
            <translation>Не знайдено бібліотек X11 (libX11, libXtst), тому значення не можна набирати в інші програми.</translation>
        </message>
        <message>
            <source>Не вдалося під'єднатися до X-дисплея %1, тому значення не можна набирати в інші програми.</source>
            <translation>Не вдалося під'єднатися до X-дисплея %1, тому значення не можна набирати в інші програми.</translation>
        </message>
        <message>
            <source>X-сервер %1 не підтримує розширення XTest, тому значення не можна набирати в інші програми.</source>
            <translation>X-сервер %1 не підтримує розширення XTest, тому значення не можна набирати в інші програми.</translation>
        </message>
    </context>
    <context>
        <name>devozor_scan_setting_window</name>
        <message>
            <source>Сканування</source>
            <translation>Сканування</translation>
        </message>
        <message>
            <source>Step Scan</source>
            <translation>Step Scan</translation>
        </message>
        <message>
            <source>Max Scan</source>
            <translation>Max Scan</translation>
        </message>
        <message>
            <source>Min Scan</source>
            <translation>Min Scan</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Aplly</translation>
        </message>
    </context>
</TS>
