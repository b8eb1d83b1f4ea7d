<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="uk_UA">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>Про програму</source>
            <translation>O programie</translation>
        </message>
        <message>
            <source>Версія:</source>
            <translation>Wersja:</translation>
        </message>
        <message>
            <source>Папка налаштувань:</source>
            <translation>Folder ustawień:</translation>
        </message>
        <message>
            <source>Журнал роботи:</source>
            <translation>Plik dziennika:</translation>
        </message>
        <message>
            <source>Відкрити папку налаштувань</source>
            <translation>Otwórz folder ustawień</translation>
        </message>
        <message>
            <source>Програма вимірювального стенда контролю якості.</source>
            <translation>Program stanowiska pomiarowego kontroli jakości.</translation>
        </message>
    </context>
    <context>
        <name>AddDeviceDialog</name>
        <message>
            <source>Проверить связь</source>
            <translation>Sprawdź połączenie</translation>
        </message>
        <message>
            <source>Статус: не проверено</source>
            <translation>Status: nie sprawdzono</translation>
        </message>
        <message>
            <source>Подключить</source>
            <translation>Podłącz</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Подключение Modbus прибора</source>
            <translation>Podłączanie przyrządu Modbus</translation>
        </message>
        <message>
            <source>Сохраненный адаптер (Порт):</source>
            <translation>Zapisany adapter (port):</translation>
        </message>
        <message>
            <source>Текущая скорость порта:</source>
            <translation>Bieżąca prędkość portu:</translation>
        </message>
        <message>
            <source>Текущий адрес прибора (Modbus ID [1-247]):</source>
            <translation>Bieżący adres przyrządu (Modbus ID [1-247]):</translation>
        </message>
        <message>
            <source>--- Новые параметры прибора ---</source>
            <translation>--- Nowe parametry przyrządu ---</translation>
        </message>
        <message>
            <source>Новый адрес (Modbus ID):</source>
            <translation>Nowy adres (Modbus ID):</translation>
        </message>
        <message>
            <source>Новая скорость:</source>
            <translation>Nowa prędkość:</translation>
        </message>
        <message>
            <source>Статус: Ошибка открытия порта</source>
            <translation>Status: Błąd otwarcia portu</translation>
        </message>
        <message>
            <source>Статус: Таймаут (нет ответа от прибора)</source>
            <translation>Status: Przekroczono czas (brak odpowiedzi przyrządu)</translation>
        </message>
        <message>
            <source>Статус: Прибор ответил! Связь есть.</source>
            <translation>Status: Przyrząd odpowiedział! Połączenie działa.</translation>
        </message>
        <message>
            <source>Статус: Ошибка CRC (неверная контрольная сумма)</source>
            <translation>Status: Błąd CRC (nieprawidłowa suma kontrolna)</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Прибор с адресом %1 уже существует на порту %2!
Пожалуйста, выберите другой 'Новый адрес'.</source>
            <translation>Przyrząd o adresie %1 już istnieje na porcie %2!
Wybierz inny 'Nowy adres'.</translation>
        </message>
        <message>
            <source>Не удалось открыть порт.</source>
            <translation>Nie udało się otworzyć portu.</translation>
        </message>
        <message>
            <source>Нет сохраненных адаптеров! Добавьте адаптер через главное меню.</source>
            <translation>Brak zapisanych adapterów! Dodaj adapter w menu głównym.</translation>
        </message>
    </context>
    <context>
        <name>BleDeviceScanDialog</name>
        <message>
            <source>Додавання Bluetooth-приладу</source>
            <translation>Dodawanie przyrządu Bluetooth</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Wyszukiwanie przyrządów...</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Kliknij przyrząd, aby go wybrać (zostanie podświetlony). Na szaro oznaczono urządzenia nieznanego typu — nie można ich dodać.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Odśwież</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Dodaj</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>(без назви)</source>
            <translation>(bez nazwy)</translation>
        </message>
        <message>
            <source>Знайдено приладів: %1 (придатних: %2)</source>
            <translation>Znaleziono przyrządów: %1 (obsługiwanych: %2)</translation>
        </message>
        <message>
            <source>Помилка сканування: %1</source>
            <translation>Błąd skanowania: %1</translation>
        </message>
        <message>
            <source>Прилад невідомого типу — додати не можна</source>
            <translation>Przyrząd nieznanego typu — nie można go dodać</translation>
        </message>
        <message>
            <source>Обрано — клікніть ще раз, щоб зняти вибір</source>
            <translation>Wybrano — kliknij ponownie, aby anulować wybór</translation>
        </message>
        <message>
            <source>Протокол: %1. Клікніть, щоб обрати цей прилад</source>
            <translation>Protokół: %1. Kliknij, aby wybrać ten przyrząd</translation>
        </message>
    </context>
    <context>
        <name>ChartWidget</name>
        <message>
            <source>Усі прилади по Y</source>
            <translation>Wszystkie przyrządy na Y</translation>
        </message>
        <message>
            <source>X–Y (два прилади)</source>
            <translation>X–Y (dwa przyrządy)</translation>
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
            <translation>Siatka</translation>
        </message>
        <message>
            <source>Тип:</source>
            <translation>Typ:</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>dane ze wspólnej tabeli</translation>
        </message>
        <message>
            <source>дані з таблиць приладів</source>
            <translation>dane z tabel przyrządów</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Brak przyrządów</translation>
        </message>
        <message>
            <source>Порівнюється %1 пар; зайвих вимірів: %2</source>
            <translation>Porównywane pary: %1; nadmiarowe pomiary: %2</translation>
        </message>
    </context>
    <context>
        <name>ControlChartWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>pomiar nr %1
%2 %3</translation>
        </message>
        <message>
            <source>ковзний розмах %1</source>
            <translation>rozstęp ruchomy %1</translation>
        </message>
        <message>
            <source>порушує правила: %1</source>
            <translation>narusza reguły: %1</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Poza kontrolą statystyczną: %n punkt</numerusform>
                <numerusform>Poza kontrolą statystyczną: %n punkty</numerusform>
                <numerusform>Poza kontrolą statystyczną: %n punktów</numerusform>
            </translation>
        </message>
        <message>
            <source>№%1 — правила %2</source>
            <translation>nr %1 — reguły %2</translation>
        </message>
        <message>
            <source>… і ще %1</source>
            <translation>… i %1 więcej</translation>
        </message>
        <message>
            <source>Правила: 1 — точка за межею 3σ; 2 — дві з трьох за 2σ; 3 — чотири з п'яти за 1σ; 4 — вісім поспіль з одного боку.</source>
            <translation>Reguły: 1 — punkt poza 3σ; 2 — dwa z trzech poza 2σ; 3 — cztery z pięciu poza 1σ; 4 — osiem kolejnych po jednej stronie.</translation>
        </message>
        <message>
            <source>Замало даних для контрольної карти</source>
            <translation>Za mało danych dla karty kontrolnej</translation>
        </message>
        <message>
            <source>ВКМ</source>
            <translation>GLK</translation>
        </message>
        <message>
            <source>НКМ</source>
            <translation>DLK</translation>
        </message>
    </context>
    <context>
        <name>DeviceEditDialog</name>
        <message>
            <source>Редагування параметрів приладу</source>
            <translation>Edycja parametrów przyrządu</translation>
        </message>
        <message>
            <source>Назва:</source>
            <translation>Nazwa:</translation>
        </message>
        <message>
            <source>Тип (з приладу):</source>
            <translation>Typ (z przyrządu):</translation>
        </message>
        <message>
            <source>—</source>
            <translation>—</translation>
        </message>
        <message>
            <source>MAC-адреса:</source>
            <translation>Adres MAC:</translation>
        </message>
        <message>
            <source>Серійний номер:</source>
            <translation>Numer seryjny:</translation>
        </message>
        <message>
            <source>Дата калібрування:</source>
            <translation>Data kalibracji:</translation>
        </message>
        <message>
            <source>Одиниці, задані в приладі:</source>
            <translation>Jednostki ustawione w przyrządzie:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Używane, gdy przyrząd wysyła cyfry bez separatora dziesiętnego</translation>
        </message>
        <message>
            <source>Знаків після коми в приладі:</source>
            <translation>Miejsca po przecinku w przyrządzie:</translation>
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
            <translation>Rozdzielczość:</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Wyłączony</translation>
        </message>
        <message>
            <source>Min Peek</source>
            <translation>Wartość szczytowa min.</translation>
        </message>
        <message>
            <source>Max Peek</source>
            <translation>Wartość szczytowa maks.</translation>
        </message>
        <message>
            <source>Range Peek</source>
            <translation>Bicie (maks − min)</translation>
        </message>
        <message>
            <source>Module Peek</source>
            <translation>Bezwzględna wartość szczytowa</translation>
        </message>
        <message>
            <source>Min Limits</source>
            <translation>Tylko dolna granica</translation>
        </message>
        <message>
            <source>Max Limits</source>
            <translation>Tylko górna granica</translation>
        </message>
        <message>
            <source>Range Limits</source>
            <translation>Pole tolerancji</translation>
        </message>
        <message>
            <source>Режим вимірювання:</source>
            <translation>Tryb pomiaru:</translation>
        </message>
        <message>
            <source>Мін. ліміт:</source>
            <translation>Dolna granica:</translation>
        </message>
        <message>
            <source>Макс. ліміт:</source>
            <translation>Górna granica:</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Нижній ліміт більший за верхній. Перевірте ліміти.</source>
            <translation>Dolna granica jest większa niż górna. Sprawdź granice.</translation>
        </message>
        <message>
            <source>Лінійний датчик (0)</source>
            <translation>Czujnik liniowy (0)</translation>
        </message>
        <message>
            <source>Індикатор</source>
            <translation>Czujnik zegarowy</translation>
        </message>
        <message>
            <source>Динамометр</source>
            <translation>Dynamometr</translation>
        </message>
        <message>
            <source>Unknown (%1)</source>
            <translation>Nieznany (%1)</translation>
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
            <translation>Wybór typu połączenia</translation>
        </message>
        <message>
            <source>Виберіть тип підключення нового приладу:</source>
            <translation>Wybierz typ połączenia nowego przyrządu:</translation>
        </message>
        <message>
            <source>Modbus (RS-485)</source>
            <translation>Modbus (RS-485)</translation>
        </message>
        <message>
            <source>Бездротовий (Bluetooth)</source>
            <translation>Bezprzewodowy (Bluetooth)</translation>
        </message>
        <message>
            <source>USB (HID-клавіатура)</source>
            <translation>USB (klawiatura HID)</translation>
        </message>
        <message>
            <source>Бездротовий через nRF-донгл</source>
            <translation>Bezprzewodowy przez dongle nRF</translation>
        </message>
        <message>
            <source>Бездротовий через донгл BLED112</source>
            <translation>Bezprzewodowy przez dongle BLED112</translation>
        </message>
        <message>
            <source>Sylvac провід</source>
            <translation>Kabel Sylvac</translation>
        </message>
        <message>
            <source>Далі</source>
            <translation>Dalej</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
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
            <translation>Klawiatura HID</translation>
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
            <translation>cale</translation>
        </message>
        <message>
            <source>Клік — відкрити прилад. Затиснути та потягнути — змінити порядок</source>
            <translation>Kliknij — otwórz przyrząd. Przytrzymaj i przeciągnij — zmień kolejność</translation>
        </message>
        <message>
            <source>Статистика вимірів</source>
            <translation>Statystyka pomiarów</translation>
        </message>
        <message>
            <source>Прилад закріплено за користувачем</source>
            <translation>Przyrząd przypisany do użytkownika</translation>
        </message>
        <message>
            <source>Редагувати</source>
            <translation>Edytuj</translation>
        </message>
        <message>
            <source>Вивантажити пам'ять приладу</source>
            <translation>Pobierz pamięć przyrządu</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Usuń</translation>
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
            <translation>Sylvac (przewód)</translation>
        </message>
        <message>
            <source>ƒ = %1 | вимкнено</source>
            <translation>ƒ = %1 | wyłączony</translation>
        </message>
        <message>
            <source>ƒ (формула)</source>
            <translation>ƒ (wzór)</translation>
        </message>
    </context>
    <context>
        <name>DevozorWindow</name>
        <message>
            <source>Висота</source>
            <translation>Wysokość</translation>
        </message>
        <message>
            <source>Нуль висоти</source>
            <translation>Zeruj wysokość</translation>
        </message>
        <message>
            <source>Лазер</source>
            <translation>Laser</translation>
        </message>
        <message>
            <source>Нуль лазера</source>
            <translation>Zeruj laser</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Zeruj wszystko</translation>
        </message>
        <message>
            <source>Точка</source>
            <translation>Punkt</translation>
        </message>
        <message>
            <source>Дві точки</source>
            <translation>Dwa punkty</translation>
        </message>
        <message>
            <source>Центр</source>
            <translation>Środek</translation>
        </message>
        <message>
            <source>Висота і лазер</source>
            <translation>Wysokość i laser</translation>
        </message>
        <message>
            <source>Сканування</source>
            <translation>Skanowanie</translation>
        </message>
        <message>
            <source>Глибина</source>
            <translation>Głębokość</translation>
        </message>
        <message>
            <source>Автоматично</source>
            <translation>Automatycznie</translation>
        </message>
        <message>
            <source>Встановити базу</source>
            <translation>Ustaw bazę</translation>
        </message>
        <message>
            <source>Вгору</source>
            <translation>W górę</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>W dół</translation>
        </message>
        <message>
            <source>СТОП</source>
            <translation>STOP</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Ustawienia</translation>
        </message>
        <message>
            <source>Завантажити макрос</source>
            <translation>Wczytaj makro</translation>
        </message>
        <message>
            <source>Кількість повторів</source>
            <translation>Liczba powtórzeń</translation>
        </message>
        <message>
            <source>DATE</source>
            <translation>DATA</translation>
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
            <translation>jednostka</translation>
        </message>
        <message>
            <source>Експорт PDF</source>
            <translation>Eksport PDF</translation>
        </message>
        <message>
            <source>Експорт CSV</source>
            <translation>Eksport CSV</translation>
        </message>
        <message>
            <source>Point 1 add</source>
            <translation>Dodano punkt 1</translation>
        </message>
        <message>
            <source>Point 2 add</source>
            <translation>Dodano punkt 2</translation>
        </message>
        <message>
            <source>Point 3 add</source>
            <translation>Dodano punkt 3</translation>
        </message>
        <message>
            <source>Point 4 add</source>
            <translation>Dodano punkt 4</translation>
        </message>
        <message>
            <source>Меню таблицы</source>
            <translation>Menu tabeli</translation>
        </message>
        <message>
            <source>Удалить выбранную строку</source>
            <translation>Usuń zaznaczony wiersz</translation>
        </message>
        <message>
            <source>Очистить всю таблицу</source>
            <translation>Wyczyść całą tabelę</translation>
        </message>
        <message>
            <source>Экспорт в CSV</source>
            <translation>Eksport do CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>Pliki CSV (*.csv)</translation>
        </message>
        <message>
            <source>Экспорт в PDF</source>
            <translation>Eksport do PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>Pliki PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Отчет об измерениях (Kovran)</source>
            <translation>Raport z pomiarów (Kovran)</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Zapisano: %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Nie udało się zapisać pliku %1.</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Macros Files (*.mcm)</source>
            <translation>Pliki makr (*.mcm)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Otwórz</translation>
        </message>
        <message>
            <source>Macros (*.mcm)</source>
            <translation>Makra (*.mcm)</translation>
        </message>
    </context>
    <context>
        <name>Devozor_setting_wimdow</name>
        <message>
            <source>quick</source>
            <translation>Szybka</translation>
        </message>
        <message>
            <source>standard</source>
            <translation>Standardowa</translation>
        </message>
        <message>
            <source>precision</source>
            <translation>Precyzyjna</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Zastosuj</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Prędkość</translation>
        </message>
        <message>
            <source>Одиниці</source>
            <translation>Jednostki</translation>
        </message>
        <message>
            <source>Значення бази</source>
            <translation>Wartość bazy</translation>
        </message>
        <message>
            <source>Поріг лазера</source>
            <translation>Próg lasera</translation>
        </message>
    </context>
    <context>
        <name>DongleDeviceScanDialog</name>
        <message>
            <source>Додавання приладу через nRF-донгл</source>
            <translation>Dodawanie przyrządu przez dongle nRF</translation>
        </message>
        <message>
            <source>Додавання приладу через донгл BLED112</source>
            <translation>Dodawanie przyrządu przez dongle BLED112</translation>
        </message>
        <message>
            <source>Донгл:</source>
            <translation>Dongle:</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Kliknij przyrząd, aby go wybrać (zostanie podświetlony). Na szaro oznaczono urządzenia nieznanego typu — nie można ich dodać.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Odśwież</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Dodaj</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Донгл не знайдено. Під'єднайте його й натисніть «Оновити».</source>
            <translation>Nie znaleziono dongla. Podłącz go i naciśnij „Odśwież”.</translation>
        </message>
        <message>
            <source>Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл.</source>
            <translation>Wszystkie dongle są zajęte. Zwolnij miejsce lub podłącz kolejny dongle.</translation>
        </message>
        <message>
            <source>Оновити список</source>
            <translation>Odśwież listę</translation>
        </message>
        <message>
            <source>%1 — %2 з %3</source>
            <translation>%1 — %2 z %3</translation>
        </message>
        <message>
            <source>Не вдалося відкрити донгл на %1.</source>
            <translation>Nie udało się otworzyć dongla na %1.</translation>
        </message>
        <message>
            <source>Донгл не почав сканування.</source>
            <translation>Dongle nie rozpoczął skanowania.</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Wyszukiwanie przyrządów...</translation>
        </message>
        <message>
            <source>Знайдено придатних приладів: %1</source>
            <translation>Znaleziono obsługiwanych przyrządów: %1</translation>
        </message>
        <message>
            <source>Не знайдено бібліотеку драйвера %1: встановіть її або покладіть поруч із програмою.</source>
            <translation>Nie znaleziono biblioteki sterownika %1: zainstaluj ją lub umieść obok programu.</translation>
        </message>
    </context>
    <context>
        <name>FormulaExpression</name>
        <message>
            <source>Введіть вираз, наприклад (A - B) / 2.</source>
            <translation>Wpisz wyrażenie, na przykład (A - B) / 2.</translation>
        </message>
        <message>
            <source>Вираз задовгий: не більше %1 символів.</source>
            <translation>Wyrażenie jest za długie: najwyżej %1 znaków.</translation>
        </message>
        <message>
            <source>Прилад, з яким рахувала формула, видалено: замініть «#» літерою приладу.</source>
            <translation>Przyrząd, z którego liczył wzór, został usunięty: zastąp „#” literą przyrządu.</translation>
        </message>
        <message>
            <source>Знак «=» на позиції %1 не дозволено: формула — це лише вираз, порівнюють через «==».</source>
            <translation>Znak „=” na pozycji %1 jest niedozwolony: wzór to tylko wyrażenie, porównuje się przez „==”.</translation>
        </message>
        <message>
            <source>Число «%1» записане неправильно або завелике.</source>
            <translation>Liczba „%1” jest zapisana błędnie lub jest za duża.</translation>
        </message>
        <message>
            <source>Невідома назва «%1»: прилади позначають великими літерами (A, B, C…), функції — малими (min, max, abs, sqrt).</source>
            <translation>Nieznana nazwa „%1”: przyrządy oznacza się wielkimi literami (A, B, C…), funkcje małymi (min, max, abs, sqrt).</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області прилади від A до %2.</source>
            <translation>Nie ma przyrządu %1: w obszarze roboczym są przyrządy od A do %2.</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області ще немає приладів.</source>
            <translation>Nie ma przyrządu %1: w obszarze roboczym nie ma jeszcze przyrządów.</translation>
        </message>
        <message>
            <source>Вираз не використовує жодного приладу: додайте літеру приладу (A, B, C…).</source>
            <translation>Wyrażenie nie używa żadnego przyrządu: dodaj literę przyrządu (A, B, C…).</translation>
        </message>
        <message>
            <source>Вираз має дати одне значення: кома розділяє лише аргументи функції.</source>
            <translation>Wyrażenie ma dać jedną wartość: przecinek oddziela tylko argumenty funkcji.</translation>
        </message>
        <message>
            <source>Вираз обривається: бракує числа, літери приладу або дужки в кінці.</source>
            <translation>Wyrażenie się urywa: na końcu brakuje liczby, litery przyrządu lub nawiasu.</translation>
        </message>
        <message>
            <source>Не закрито дужку.</source>
            <translation>Nawias nie jest zamknięty.</translation>
        </message>
        <message>
            <source>Неправильна кількість аргументів функції «%1».</source>
            <translation>Nieprawidłowa liczba argumentów funkcji „%1”.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1.</source>
            <translation>Błąd w wyrażeniu na pozycji %1.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1, біля «%2».</source>
            <translation>Błąd w wyrażeniu na pozycji %1, przy „%2”.</translation>
        </message>
        <message>
            <source>Вираз не вдалося розібрати.</source>
            <translation>Nie udało się odczytać wyrażenia.</translation>
        </message>
    </context>
    <context>
        <name>FormulaManagerDialog</name>
        <message>
            <source>Формули</source>
            <translation>Wzory</translation>
        </message>
        <message>
            <source>Нова формула</source>
            <translation>Nowy wzór</translation>
        </message>
        <message>
            <source>Видалити формулу</source>
            <translation>Usuń wzór</translation>
        </message>
        <message>
            <source>наприклад (A - B) / 2 або max(A, B, C) - min(A, B, C)</source>
            <translation>np. (A - B) / 2 lub max(A, B, C) - min(A, B, C)</translation>
        </message>
        <message>
            <source>Вираз:</source>
            <translation>Wyrażenie:</translation>
        </message>
        <message>
            <source>Прилади, що вимірюють ту саму величину, беруться в цих одиницях</source>
            <translation>Przyrządy mierzące tę samą wielkość są brane w tej jednostce</translation>
        </message>
        <message>
            <source>Одиниці:</source>
            <translation>Jednostka:</translation>
        </message>
        <message>
            <source>Прилади (подвійний клік або Enter додає літеру у вираз):</source>
            <translation>Przyrządy (dwuklik lub Enter wstawia literę do wyrażenia):</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Приладів ще немає: формула рахує з приладів робочої області.</source>
            <translation>Nie ma jeszcze przyrządów: wzór liczy z przyrządów obszaru roboczego.</translation>
        </message>
        <message>
            <source>Видалити формулу &lt;b&gt;%1&lt;/b&gt;? Її записані значення також буде видалено.</source>
            <translation>Usunąć wzór &lt;b&gt;%1&lt;/b&gt;? Jego zapisane wartości również zostaną usunięte.</translation>
        </message>
        <message>
            <source>Формул ще немає: натисніть «Нова формула».</source>
            <translation>Nie ma jeszcze wzorów: naciśnij „Nowy wzór”.</translation>
        </message>
        <message>
            <source>✓ Вираз правильний; рахує з приладів %1.</source>
            <translation>✓ Wyrażenie jest poprawne; liczy z przyrządów %1.</translation>
        </message>
        <message>
            <source>Більше формул додати не можна.</source>
            <translation>Nie można dodać więcej wzorów.</translation>
        </message>
        <message>
            <source>Формула %1</source>
            <translation>Wzór %1</translation>
        </message>
        <message>
            <source>Введіть назву формули.</source>
            <translation>Wpisz nazwę wzoru.</translation>
        </message>
        <message>
            <source>Формулу «%1» не можна зберегти:
%2</source>
            <translation>Wzoru „%1” nie można zapisać:
%2</translation>
        </message>
    </context>
    <context>
        <name>GlobalUnitsDialog</name>
        <message>
            <source>Одиниці виміру</source>
            <translation>Jednostki miary</translation>
        </message>
        <message>
            <source>Лінійні прилади:</source>
            <translation>Przyrządy liniowe:</translation>
        </message>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Milimetry (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Cale (inch)</translation>
        </message>
        <message>
            <source>Кутоміри:</source>
            <translation>Kątomierze:</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Stopnie (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radiany (rad)</translation>
        </message>
        <message>
            <source>Динамометри:</source>
            <translation>Dynamometry:</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Niutony (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Funt-siła (lbf)</translation>
        </message>
    </context>
    <context>
        <name>HeightGaugeCycles</name>
        <message>
            <source>move to new points and enable auto move and cliked up arrow</source>
            <translation>Przejdź do nowych punktów, włącz tryb automatyczny i kliknij strzałkę w górę</translation>
        </message>
    </context>
    <context>
        <name>HistogramWidget</name>
        <message>
            <source>%1 … %2 %3
вимірів: %4</source>
            <translation>%1 … %2 %3
pomiarów: %4</translation>
        </message>
        <message>
            <source>Замало даних для гістограми</source>
            <translation>Za mało danych dla histogramu</translation>
        </message>
        <message>
            <source>НМ %1</source>
            <translation>DGT %1</translation>
        </message>
        <message>
            <source>ВМ %1</source>
            <translation>GGT %1</translation>
        </message>
    </context>
    <context>
        <name>KeyboardDeviceDialog</name>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Milimetry (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Cale (inch)</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Niutony (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Funt-siła (lbf)</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Stopnie (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radiany (rad)</translation>
        </message>
        <message>
            <source>Підключення приладу-клавіатури</source>
            <translation>Podłączanie przyrządu-klawiatury</translation>
        </message>
        <message>
            <source>Клавіатура, якою прилад передає дані:</source>
            <translation>Klawiatura, przez którą przyrząd wysyła dane:</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Odśwież</translation>
        </message>
        <message>
            <source>Визначити за натисканням кнопки на приладі</source>
            <translation>Wykryj przez naciśnięcie przycisku na przyrządzie</translation>
        </message>
        <message>
            <source>Одиниці виміру, задані в приладі:</source>
            <translation>Jednostki ustawione w przyrządzie:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Używane, gdy przyrząd wysyła cyfry bez separatora dziesiętnego</translation>
        </message>
        <message>
            <source>Знаків після коми, заданих в приладі:</source>
            <translation>Miejsca po przecinku ustawione w przyrządzie:</translation>
        </message>
        <message>
            <source>Перевірка: натисніть кнопку передачі даних на приладі.</source>
            <translation>Sprawdzenie: naciśnij przycisk wysyłania danych na przyrządzie.</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Dodaj</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>  (вже додано)</source>
            <translation>  (już dodano)</translation>
        </message>
        <message>
            <source>Немає доступу до клавіатур: програма не може читати їхні натискання. Додайте користувача до групи input командою «sudo usermod -aG input $USER» і увійдіть у систему знову.</source>
            <translation>Brak dostępu do klawiatur: program nie może odczytać ich klawiszy. Dodaj użytkownika do grupy input poleceniem «sudo usermod -aG input $USER» i zaloguj się ponownie.</translation>
        </message>
        <message>
            <source>Натисніть на приладі кнопку передачі даних…</source>
            <translation>Naciśnij przycisk wysyłania danych na przyrządzie…</translation>
        </message>
        <message>
            <source>Клавіатуру визначено: %1</source>
            <translation>Wykryto klawiaturę: %1</translation>
        </message>
        <message>
            <source>Отримано «%1» → %2 %3</source>
            <translation>Odebrano «%1» → %2 %3</translation>
        </message>
        <message>
            <source>Отримано «%1» — це не схоже на число, перевірте налаштування приладу.</source>
            <translation>Odebrano «%1» — to nie wygląda na liczbę; sprawdź ustawienia przyrządu.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Не вибрано клавіатуру приладу.</source>
            <translation>Nie wybrano klawiatury przyrządu.</translation>
        </message>
        <message>
            <source>Цю клавіатуру вже додано як прилад.</source>
            <translation>Ta klawiatura jest już dodana jako przyrząd.</translation>
        </message>
        <message>
            <source>Клавіатура</source>
            <translation>Klawiatura</translation>
        </message>
    </context>
    <context>
        <name>KeyboardEmulatorDialog</name>
        <message>
            <source>Увімкнути дублювання клавіатури</source>
            <translation>Włącz emulację klawiatury</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Emulacja klawiatury</translation>
        </message>
        <message>
            <source>Кожне значення, передане приладом, система отримає так, ніби його набрали на клавіатурі — і воно потрапить просто в Excel чи будь-яку іншу активну програму.</source>
            <translation>Każda wartość przesłana przez przyrząd trafia do systemu tak, jakby została wpisana na klawiaturze — prosto do Excela lub dowolnego innego aktywnego programu.</translation>
        </message>
        <message>
            <source>Пробіл</source>
            <translation>Spacja</translation>
        </message>
        <message>
            <source>нічого</source>
            <translation>nic</translation>
        </message>
        <message>
            <source>крапка  (12.345)</source>
            <translation>kropka  (12.345)</translation>
        </message>
        <message>
            <source>кома  (12,345)</source>
            <translation>przecinek  (12,345)</translation>
        </message>
        <message>
            <source>Між значеннями (мультирежим):</source>
            <translation>Między wartościami (tryb multi):</translation>
        </message>
        <message>
            <source>Після останнього:</source>
            <translation>Po ostatniej:</translation>
        </message>
        <message>
            <source>Десятковий знак:</source>
            <translation>Separator dziesiętny:</translation>
        </message>
        <message>
            <source>Роздільник потрібен лише тоді, коли один запис несе показання кількох приладів одразу — тобто в мультирежимі. Для одного приладу набирається саме значення й завершальна клавіша.</source>
            <translation>Separator jest potrzebny tylko wtedy, gdy jeden zapis zawiera odczyty kilku przyrządów naraz — czyli w trybie multi. Dla jednego przyrządu wpisywana jest tylko wartość i klawisz końcowy.</translation>
        </message>
        <message>
            <source>Десятковий знак обирають не за смаком, а за тим, що чекає програма-приймач: Excel з українською локаллю розпізнає число лише з комою, інакше воно стане текстом.</source>
            <translation>Separator dziesiętny wybiera się nie według upodobań, lecz według tego, czego oczekuje program odbiorczy: Excel z polskimi ustawieniami regionalnymi rozpoznaje liczbę tylko z przecinkiem, inaczej staje się ona tekstem.</translation>
        </message>
        <message>
            <source>тут буде видно, що саме набереться</source>
            <translation>tutaj widać, co dokładnie zostanie wpisane</translation>
        </message>
        <message>
            <source>Перевірити (2 прилади)</source>
            <translation>Sprawdź (2 przyrządy)</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
    </context>
    <context>
        <name>LaserNuromer</name>
        <message>
            <source>MainWindow</source>
            <translation>Średnicówka laserowa</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Plik</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Język</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Wyjście</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Ustawienia</translation>
        </message>
        <message>
            <source>Resets Setting</source>
            <translation>Resetuj ustawienia</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wymiar nominalny</translation>
        </message>
        <message>
            <source>Upper range</source>
            <translation>Odchyłka górna</translation>
        </message>
        <message>
            <source>Lower range</source>
            <translation>Odchyłka dolna</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Zastosuj</translation>
        </message>
        <message>
            <source>SET</source>
            <translation>USTAW</translation>
        </message>
        <message>
            <source>ExportPDF</source>
            <translation>Eksport do PDF</translation>
        </message>
        <message>
            <source>ExportCSV</source>
            <translation>Eksport do CSV</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>CAL</translation>
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
            <translation>Brak poprawnych danych</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Czas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Wymiar</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Jednostka</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Odchyłka</translation>
        </message>
        <message>
            <source>Камеру не знайдено</source>
            <translation>Nie znaleziono kamery</translation>
        </message>
        <message>
            <source>Min : 0</source>
            <translation>Min : 0</translation>
        </message>
        <message>
            <source>Max: 0</source>
            <translation>Maks: 0</translation>
        </message>
        <message>
            <source>delta: 0</source>
            <translation>delta: 0</translation>
        </message>
        <message>
            <source>Range: 0</source>
            <translation>Rozstęp: 0</translation>
        </message>
        <message>
            <source>wait...</source>
            <translation>czekaj...</translation>
        </message>
        <message>
            <source>inch</source>
            <translation>cal</translation>
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
            <translation>Maks: </translation>
        </message>
        <message>
            <source>D min: </source>
            <translation>D min: </translation>
        </message>
        <message>
            <source>D max: </source>
            <translation>D maks: </translation>
        </message>
        <message>
            <source>Range: </source>
            <translation>Rozstęp: </translation>
        </message>
        <message>
            <source>Delete row</source>
            <translation>Usuń wiersz</translation>
        </message>
        <message>
            <source>Clear table</source>
            <translation>Wyczyść tabelę</translation>
        </message>
        <message>
            <source>Confirmation</source>
            <translation>Potwierdzenie</translation>
        </message>
        <message>
            <source>Are you sure you want to delete all measurements from the table?</source>
            <translation>Czy na pewno usunąć wszystkie pomiary z tabeli?</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>No data to export!</source>
            <translation>Brak danych do eksportu!</translation>
        </message>
        <message>
            <source>Save CSV</source>
            <translation>Zapisz CSV</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Wartość</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Jednostka</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису</source>
            <translation>Nie udało się otworzyć pliku do zapisu</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Sukces</translation>
        </message>
        <message>
            <source>CSV file saved successfully!</source>
            <translation>Plik CSV został zapisany!</translation>
        </message>
        <message>
            <source>No data to export</source>
            <translation>Brak danych do eksportu</translation>
        </message>
        <message>
            <source>Save PDF</source>
            <translation>Zapisz PDF</translation>
        </message>
        <message>
            <source>Звіт вимірювань</source>
            <translation>Raport z pomiarów</translation>
        </message>
        <message>
            <source>PDF file saved successfully!</source>
            <translation>Plik PDF został zapisany!</translation>
        </message>
    </context>
    <context>
        <name>LaserSettings</name>
        <message>
            <source>Налаштування</source>
            <translation>Ustawienia</translation>
        </message>
        <message>
            <source>Ліва камера</source>
            <translation>Lewa kamera</translation>
        </message>
        <message>
            <source>Права камера</source>
            <translation>Prawa kamera</translation>
        </message>
        <message>
            <source>COM-порт</source>
            <translation>Port COM</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Prędkość</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Sukces</translation>
        </message>
        <message>
            <source>Налаштування збережено!</source>
            <translation>Ustawienia zapisane!</translation>
        </message>
    </context>
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — System pomiarowy</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Dodaj</translation>
        </message>
        <message>
            <source>Синхронізувати все</source>
            <translation>Synchronizuj wszystko</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Zeruj wszystko</translation>
        </message>
        <message>
            <source>Одиниці вимірювання</source>
            <translation>Jednostki miary</translation>
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
            <translation>Tryb mono</translation>
        </message>
        <message>
            <source>Мульти режим</source>
            <translation>Tryb multi</translation>
        </message>
        <message>
            <source>Формули</source>
            <translation>Wzory</translation>
        </message>
        <message>
            <source>Графік</source>
            <translation>Wykres</translation>
        </message>
        <message>
            <source>EXPORT</source>
            <translation>EKSPORT</translation>
        </message>
        <message>
            <source>Права кнопка миші — розгорнута статистика</source>
            <translation>Prawy przycisk myszy — szczegółowe statystyki</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>Plik</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Eksport</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Ustawienia</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Język</translation>
        </message>
        <message>
            <source>Розширення</source>
            <translation>Rozszerzenia</translation>
        </message>
        <message>
            <source>Адаптер модбас</source>
            <translation>Adapter Modbus</translation>
        </message>
        <message>
            <source>Скинути налаштування</source>
            <translation>Resetuj ustawienia</translation>
        </message>
        <message>
            <source>Користувачі</source>
            <translation>Użytkownicy</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Emulacja klawiatury</translation>
        </message>
        <message>
            <source>Ви впевнені що хочете видалити пристрій &lt;b&gt;%1&lt;/b&gt;?</source>
            <translation>Czy na pewno usunąć urządzenie &lt;b&gt;%1&lt;/b&gt;?</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Usuń</translation>
        </message>
        <message>
            <source>Додавання приладу</source>
            <translation>Dodawanie przyrządu</translation>
        </message>
        <message>
            <source>Цей тип підключення ще недоступний у цій версії програми.</source>
            <translation>Ten typ połączenia nie jest jeszcze dostępny w tej wersji programu.</translation>
        </message>
        <message>
            <source>Скинути збережений вибір модуля, що відкривається при старті програми?</source>
            <translation>Zresetować zapisany wybór modułu otwieranego przy starcie?</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>Gotowe</translation>
        </message>
        <message>
            <source>Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля.</source>
            <translation>Ustawienia zresetowane. Przy następnym uruchomieniu programu ponownie pojawi się wybór modułu.</translation>
        </message>
        <message>
            <source>Значення (%1)</source>
            <translation>Wartość (%1)</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Wartość</translation>
        </message>
        <message>
            <source>№</source>
            <translation>Nr</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Czas</translation>
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
            <translation>PRZYRZĄD %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Sukces</translation>
        </message>
        <message>
            <source>Немає даних для експорту.</source>
            <translation>Brak danych do eksportu.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Eksport do CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>Pliki CSV (*.csv)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в CSV.</source>
            <translation>Dane zostały wyeksportowane do CSV.</translation>
        </message>
        <message>
            <source>Експорт в PDF</source>
            <translation>Eksport do PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>Pliki PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в PDF.</source>
            <translation>Dane zostały wyeksportowane do PDF.</translation>
        </message>
        <message>
            <source>Експорт даних</source>
            <translation>Eksport danych</translation>
        </message>
        <message>
            <source>Оберіть формат для експорту даних:</source>
            <translation>Wybierz format eksportu:</translation>
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
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Звіт про вимірювання (Kovran)</source>
            <translation>Raport z pomiarów (Kovran)</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису.</source>
            <translation>Nie można otworzyć pliku do zapisu.</translation>
        </message>
        <message>
            <source>MIN</source>
            <translation>MIN</translation>
        </message>
        <message>
            <source>MAX</source>
            <translation>MAKS</translation>
        </message>
        <message>
            <source>RANGE</source>
            <translation>BICIE</translation>
        </message>
        <message>
            <source>MODULE</source>
            <translation>BEZWZGL.</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Dobry</translation>
        </message>
        <message>
            <source>No Go</source>
            <translation>Brak</translation>
        </message>
        <message>
            <source>Видалити рядок</source>
            <translation>Usuń wiersz</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Wyczyść tabelę</translation>
        </message>
        <message>
            <source>Відкрити статистику</source>
            <translation>Otwórz statystyki</translation>
        </message>
        <message>
            <source>Очистити всі виміри цього приладу?</source>
            <translation>Wyczyścić wszystkie pomiary tego przyrządu?</translation>
        </message>
        <message>
            <source>Очистити всі записані рядки таблиці?</source>
            <translation>Wyczyścić wszystkie zapisane wiersze tabeli?</translation>
        </message>
        <message>
            <source>Відновлення даних</source>
            <translation>Odzyskiwanie danych</translation>
        </message>
        <message>
            <source>Виявлено незбережені дані попереднього сеансу (записів: %1). Програму, ймовірно, було закрито аварійно.

Відновити ці дані в таблицях?</source>
            <translation>Znaleziono niezapisane dane poprzedniej sesji (zapisów: %1). Program został prawdopodobnie zamknięty awaryjnie.

Przywrócić te dane do tabel?</translation>
        </message>
        <message>
            <source>Пам'ять приладу</source>
            <translation>Pamięć przyrządu</translation>
        </message>
        <message>
            <source>Прилади %1 не підтримують вивантаження пам'яті.</source>
            <translation>Przyrządy %1 nie obsługują pobierania pamięci.</translation>
        </message>
        <message>
            <source>Прилад не на зв'язку.</source>
            <translation>Przyrząd nie jest połączony.</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Wysokościomierz</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Stanowisko pomiarowe</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Średnicówka laserowa</translation>
        </message>
        <message>
            <source>Вибір модуля…</source>
            <translation>Wybór modułu…</translation>
        </message>
        <message>
            <source>Довідка</source>
            <translation>Pomoc</translation>
        </message>
        <message>
            <source>Про програму</source>
            <translation>O programie</translation>
        </message>
        <message>
            <source>Експорт в XLSX</source>
            <translation>Eksport do XLSX</translation>
        </message>
        <message>
            <source>Книги Excel (*.xlsx)</source>
            <translation>Skoroszyty Excel (*.xlsx)</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1:
%2</source>
            <translation>Nie można zapisać pliku %1:
%2</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в XLSX.</source>
            <translation>Dane zostały wyeksportowane do XLSX.</translation>
        </message>
        <message>
            <source>XLSX</source>
            <translation>XLSX</translation>
        </message>
        <message>
            <source>Таблиця</source>
            <translation>Tabela</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Przyrząd</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Jednostka</translation>
        </message>
        <message>
            <source>Нижня межа</source>
            <translation>Dolna granica</translation>
        </message>
        <message>
            <source>Верхня межа</source>
            <translation>Górna granica</translation>
        </message>
        <message>
            <source>Прилад &lt;b&gt;%1&lt;/b&gt; використовують формули: %2.&lt;br&gt;Якщо його видалити, ці формули буде вимкнено, доки ви не зміните їхні вирази у «Формулах». Видалити прилад?</source>
            <translation>Przyrządu &lt;b&gt;%1&lt;/b&gt; używają wzory %2.&lt;br&gt;Jeśli zostanie usunięty, te wzory będą wyłączone, dopóki nie zmienisz ich wyrażeń w „Wzorach”. Usunąć przyrząd?</translation>
        </message>
        <message>
            <source>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</source>
            <translation>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</translation>
        </message>
        <message>
            <source>Перемістити прилад</source>
            <translation>Przenieś przyrząd</translation>
        </message>
        <message>
            <source>Літери приладів у формулах зміняться разом із порядком карток:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Перемістити прилад?</source>
            <translation>Litery przyrządów we wzorach zmienią się wraz z kolejnością kart:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Przenieść przyrząd?</translation>
        </message>
    </context>
    <context>
        <name>ModbusSettingsDialog</name>
        <message>
            <source>Настройка адаптеров Modbus</source>
            <translation>Ustawienia adapterów Modbus</translation>
        </message>
        <message>
            <source>Порт:</source>
            <translation>Port:</translation>
        </message>
        <message>
            <source>Скорость:</source>
            <translation>Prędkość:</translation>
        </message>
        <message>
            <source>Добавить адаптер</source>
            <translation>Dodaj adapter</translation>
        </message>
        <message>
            <source>Удалить выбранный</source>
            <translation>Usuń zaznaczony</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>Подключенные адаптеры:</source>
            <translation>Podłączone adaptery:</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Uwaga</translation>
        </message>
        <message>
            <source>Этот адаптер уже добавлен в список!</source>
            <translation>Ten adapter jest już na liście!</translation>
        </message>
        <message>
            <source>Адаптер: %1 | Скорость: %2</source>
            <translation>Adapter: %1 | Prędkość: %2</translation>
        </message>
    </context>
    <context>
        <name>ModuleChooser</name>
        <message>
            <source>KOVRAN — вибір модуля</source>
            <translation>KOVRAN — wybór modułu</translation>
        </message>
        <message>
            <source>Оберіть модуль</source>
            <translation>Wybierz moduł</translation>
        </message>
        <message>
            <source>Робоча область</source>
            <translation>Obszar roboczy</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Wysokościomierz</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Stanowisko pomiarowe</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Średnicówka laserowa</translation>
        </message>
        <message>
            <source>Запам'ятати мій вибір і відкривати цей модуль при запуску</source>
            <translation>Zapamiętaj mój wybór i otwieraj ten moduł przy starcie</translation>
        </message>
    </context>
    <context>
        <name>PlotCanvas</name>
        <message>
            <source>Межі осі</source>
            <translation>Zakres osi</translation>
        </message>
        <message>
            <source>Мінімум:</source>
            <translation>Minimum:</translation>
        </message>
        <message>
            <source>Максимум:</source>
            <translation>Maksimum:</translation>
        </message>
        <message>
            <source>%1
вимір №%2: %3 %4</source>
            <translation>%1
pomiar nr %2: %3 %4</translation>
        </message>
        <message>
            <source>вимір №%1
%2: %3 %4
%5: %6 %7</source>
            <translation>pomiar nr %1
%2: %3 %4
%5: %6 %7</translation>
        </message>
        <message>
            <source>Автомасштаб %1</source>
            <translation>Autoskalowanie %1</translation>
        </message>
        <message>
            <source>Задати межі %1…</source>
            <translation>Ustaw zakres %1…</translation>
        </message>
        <message>
            <source>Автомасштаб обох осей</source>
            <translation>Autoskalowanie obu osi</translation>
        </message>
        <message>
            <source>Сітка</source>
            <translation>Siatka</translation>
        </message>
        <message>
            <source>Немає даних для побудови</source>
            <translation>Brak danych do wykresu</translation>
        </message>
        <message>
            <source>№ виміру</source>
            <translation>Nr pomiaru</translation>
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
            <translation>Formularz</translation>
        </message>
        <message>
            <source>Кількість точек</source>
            <translation>Liczba punktów</translation>
        </message>
        <message>
            <source>Задать точки</source>
            <translation>Ustaw punkty</translation>
        </message>
        <message>
            <source>Від</source>
            <translation>Od</translation>
        </message>
        <message>
            <source>До</source>
            <translation>Do</translation>
        </message>
        <message>
            <source>Крок</source>
            <translation>Krok</translation>
        </message>
        <message>
            <source>Автогенерація</source>
            <translation>Generuj automatycznie</translation>
        </message>
        <message>
            <source>Відхилення </source>
            <translation>Odchyłka </translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Wartości zadane</translation>
        </message>
        <message>
            <source>Зберегти налаштування</source>
            <translation>Zapisz ustawienia</translation>
        </message>
        <message>
            <source>JSON %1 (*.json);;%2 (*.*)</source>
            <translation>JSON %1 (*.json);;%2 (*.*)</translation>
        </message>
        <message>
            <source>Файли</source>
            <translation>pliki</translation>
        </message>
        <message>
            <source>Всі файли</source>
            <translation>Wszystkie pliki</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Не вдалося зберегти файл!</source>
            <translation>Nie udało się zapisać pliku!</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Sukces</translation>
        </message>
        <message>
            <source>Налаштування успішно збережено</source>
            <translation>Ustawienia zostały zapisane</translation>
        </message>
        <message>
            <source>Перевірте правильність введених чисел.</source>
            <translation>Sprawdź wprowadzone liczby.</translation>
        </message>
        <message>
            <source>Крок повинен бути більшим за нуль.</source>
            <translation>Krok musi być większy od zera.</translation>
        </message>
        <message>
            <source>Початкове значення більше за кінцеве.</source>
            <translation>Wartość początkowa jest większa od końcowej.</translation>
        </message>
        <message>
            <source>Увага</source>
            <translation>Uwaga</translation>
        </message>
        <message>
            <source>Занадто багато точок (&gt;10 000). Збільште крок.</source>
            <translation>Zbyt wiele punktów (&gt;10 000). Zwiększ krok.</translation>
        </message>
    </context>
    <context>
        <name>StandWindow</name>
        <message>
            <source>Column %1</source>
            <translation>Kolumna %1</translation>
        </message>
        <message>
            <source>Стовпець %1</source>
            <translation>Kolumna %1</translation>
        </message>
        <message>
            <source>Вимірювальний стенд</source>
            <translation>Stanowisko pomiarowe</translation>
        </message>
        <message>
            <source>Нуль</source>
            <translation>Zero</translation>
        </message>
        <message>
            <source>Серійний номер</source>
            <translation>Numer seryjny</translation>
        </message>
        <message>
            <source>Зберегти в PDF</source>
            <translation>Zapisz do PDF</translation>
        </message>
        <message>
            <source>Зберегти в CSV</source>
            <translation>Zapisz do CSV</translation>
        </message>
        <message>
            <source>Режим рулетки</source>
            <translation>Tryb taśmy</translation>
        </message>
        <message>
            <source>Рулетку протянуто</source>
            <translation>Taśma przeciągnięta</translation>
        </message>
        <message>
            <source>Пресет</source>
            <translation>Preset</translation>
        </message>
        <message>
            <source>Оберіть папку з пресетами</source>
            <translation>Wybierz folder z presetami</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Odśwież</translation>
        </message>
        <message>
            <source> Стрворити пресет</source>
            <translation> Utwórz preset</translation>
        </message>
        <message>
            <source>Очистити</source>
            <translation>Wyczyść</translation>
        </message>
        <message>
            <source>Без пресета</source>
            <translation>Bez presetu</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>Plik</translation>
        </message>
        <message>
            <source>Вихід</source>
            <translation>Wyjście</translation>
        </message>
        <message>
            <source>Скинути параметри</source>
            <translation>Resetuj ustawienia</translation>
        </message>
        <message>
            <source>Камера</source>
            <translation>Kamera</translation>
        </message>
        <message>
            <source>Камеры не найдены</source>
            <translation>Nie znaleziono kamer</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Język</translation>
        </message>
        <message>
            <source>Українська</source>
            <translation>Ukraiński</translation>
        </message>
        <message>
            <source>Англійська</source>
            <translation>Angielski</translation>
        </message>
        <message>
            <source>Французька</source>
            <translation>Francuski</translation>
        </message>
        <message>
            <source>Німецька</source>
            <translation>Niemiecki</translation>
        </message>
        <message>
            <source>Італійська</source>
            <translation>Włoski</translation>
        </message>
        <message>
            <source>Польська</source>
            <translation>Polski</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Czas</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Wartości zadane</translation>
        </message>
        <message>
            <source>Виміряні значення</source>
            <translation>Wartości zmierzone</translation>
        </message>
        <message>
            <source>Відхилення</source>
            <translation>Odchyłka</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>CAL</translation>
        </message>
        <message>
            <source>MM</source>
            <translation>MM</translation>
        </message>
        <message>
            <source>Вимірювання завершено</source>
            <translation>Pomiar zakończony</translation>
        </message>
        <message>
            <source>Всі точки пресету успішно виміряні.
Що бажаєте зробити далі?</source>
            <translation>Wszystkie punkty presetu zostały zmierzone.
Co chcesz zrobić dalej?</translation>
        </message>
        <message>
            <source>Зберегти PDF</source>
            <translation>Zapisz PDF</translation>
        </message>
        <message>
            <source>Зберегти CSV</source>
            <translation>Zapisz CSV</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Wyczyść tabelę</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Видалити вимірювання</source>
            <translation>Usuń pomiar</translation>
        </message>
        <message>
            <source>Видалення вимірювання</source>
            <translation>Usuwanie pomiaru</translation>
        </message>
        <message>
            <source>Як саме ви хочете видалити дані?</source>
            <translation>Jak chcesz usunąć dane?</translation>
        </message>
        <message>
            <source>Тільки цей рядок</source>
            <translation>Tylko ten wiersz</translation>
        </message>
        <message>
            <source>Зі зміщенням (очистити все після)</source>
            <translation>Z przesunięciem (wyczyść wszystko dalej)</translation>
        </message>
        <message>
            <source>Режим Tape</source>
            <translation>Tryb taśmy</translation>
        </message>
        <message>
            <source>Спочатку увімкніть 'Tape mode' (поставте галочку).</source>
            <translation>Najpierw włącz 'Tryb taśmy' (zaznacz pole).</translation>
        </message>
        <message>
            <source>Tape</source>
            <translation>Taśma</translation>
        </message>
        <message>
            <source>Рулетку перетягнуто.
Нова база вимірювання: %1</source>
            <translation>Taśma została przeciągnięta.
Nowa baza pomiaru: %1</translation>
        </message>
        <message>
            <source>Помилка Tape</source>
            <translation>Błąd taśmy</translation>
        </message>
        <message>
            <source>У таблиці ще немає жодного вимірювання для збереження бази.</source>
            <translation>W tabeli nie ma jeszcze pomiaru, który można zapisać jako bazę.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Błąd</translation>
        </message>
        <message>
            <source>Пресет %1 не завантажено.
%2</source>
            <translation>Preset %1 nie został wczytany.
%2</translation>
        </message>
        <message>
            <source>Файл не вдалося відкрити: %1</source>
            <translation>Nie udało się otworzyć pliku: %1</translation>
        </message>
        <message>
            <source>Файл не є коректним JSON: %1</source>
            <translation>Plik nie jest poprawnym JSON: %1</translation>
        </message>
        <message>
            <source>У файлі немає об'єкта пресета.</source>
            <translation>Plik nie zawiera obiektu presetu.</translation>
        </message>
        <message>
            <source>Поле "%1" має неправильний тип.</source>
            <translation>Pole "%1" ma niewłaściwy typ.</translation>
        </message>
        <message>
            <source>Забагато точок: %1 (не більше %2).</source>
            <translation>Zbyt wiele punktów: %1 (najwyżej %2).</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Zapisano: %1</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Nie udało się zapisać pliku %1.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Eksport do CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>Pliki CSV (*.csv)</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>Pliki PDF (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>StatisticsDialog</name>
        <message>
            <source>Статистика</source>
            <translation>Statystyka</translation>
        </message>
        <message>
            <source>Рахувати за:</source>
            <translation>Obliczaj z:</translation>
        </message>
        <message>
            <source>Кількість</source>
            <translation>Liczba</translation>
        </message>
        <message>
            <source>Середнє</source>
            <translation>Średnia</translation>
        </message>
        <message>
            <source>Мінімум</source>
            <translation>Minimum</translation>
        </message>
        <message>
            <source>Максимум</source>
            <translation>Maksimum</translation>
        </message>
        <message>
            <source>Розмах</source>
            <translation>Rozstęp</translation>
        </message>
        <message>
            <source>Ст. відхилення</source>
            <translation>Odch. std.</translation>
        </message>
        <message>
            <source>У допуску</source>
            <translation>W tolerancji</translation>
        </message>
        <message>
            <source>Поза допуском</source>
            <translation>Poza tolerancją</translation>
        </message>
        <message>
            <source>Придатних, %</source>
            <translation>Zgodnych, %</translation>
        </message>
        <message>
            <source>Закрити</source>
            <translation>Zamknij</translation>
        </message>
        <message>
            <source>Розподіл значень</source>
            <translation>Rozkład wartości</translation>
        </message>
        <message>
            <source>Тренд за порядком вимірювання</source>
            <translation>Trend w kolejności pomiarów</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>dane ze wspólnej tabeli</translation>
        </message>
        <message>
            <source>дані з таблиці приладу</source>
            <translation>dane z tabeli przyrządu</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Brak przyrządów</translation>
        </message>
        <message>
            <source>усією таблицею (%1)</source>
            <translation>całej tabeli (%1)</translation>
        </message>
        <message>
            <source>виділеними рядками (%1)</source>
            <translation>zaznaczonych wierszy (%1)</translation>
        </message>
        <message>
            <source>Для цього приладу допуски не задані, тож придатність не оцінюється. Задайте режим вимірювання з допусками в налаштуваннях приладу.</source>
            <translation>Dla tego przyrządu nie ustawiono tolerancji, więc zgodność nie jest oceniana. Wybierz tryb pomiaru z granicami w ustawieniach przyrządu.</translation>
        </message>
        <message>
            <source>Допуск: від %1 до %2 %3</source>
            <translation>Tolerancja: od %1 do %2 %3</translation>
        </message>
        <message>
            <source>Допуск: не більше %1 %2</source>
            <translation>Tolerancja: nie więcej niż %1 %2</translation>
        </message>
        <message>
            <source>Допуск: не менше %1 %2</source>
            <translation>Tolerancja: nie mniej niż %1 %2</translation>
        </message>
        <message>
            <source>Тренд: %1%2 %3 за вимір</source>
            <translation>Trend: %1%2 %3 na pomiar</translation>
        </message>
        <message>
            <source>Придатність за короткочасним σ = MR̄ / 1,128 (ковзний розмах)</source>
            <translation>Zdolność z krótkoterminowego σ = MR̄ / 1,128 (rozstęp ruchomy)</translation>
        </message>
        <message>
            <source>Продуктивність за загальним σ (стандартне відхилення)</source>
            <translation>Wydajność z całkowitego σ (odchylenie standardowe)</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Eksportuj</translation>
        </message>
        <message>
            <source>Контрольна карта (I-MR)</source>
            <translation>Karta kontrolna (I-MR)</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Poza kontrolą statystyczną: %n punkt</numerusform>
                <numerusform>Poza kontrolą statystyczną: %n punkty</numerusform>
                <numerusform>Poza kontrolą statystyczną: %n punktów</numerusform>
            </translation>
        </message>
        <message>
            <source>Показник</source>
            <translation>Wskaźnik</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Wartość</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Przyrząd</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Jednostka</translation>
        </message>
        <message>
            <source>Примітка</source>
            <translation>Uwaga</translation>
        </message>
        <message>
            <source>Статистика: %1</source>
            <translation>Statystyka: %1</translation>
        </message>
    </context>
    <context>
        <name>SylvacSerialDialog</name>
        <message>
            <source>Додавання приладу Sylvac (провід)</source>
            <translation>Dodawanie przyrządu Sylvac (przewód)</translation>
        </message>
        <message>
            <source>Програма сама визначить, до якого порту під'єднано прилад. Переконайтеся, що кабель у роз'ємі, а прилад увімкнений.</source>
            <translation>Program sam ustali, do którego portu podłączono przyrząd. Upewnij się, że przewód jest w gnieździe, a przyrząd włączony.</translation>
        </message>
        <message>
            <source>Шукати знову</source>
            <translation>Szukaj ponownie</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Dodaj</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>Немає вільних COM-портів</source>
            <translation>Brak wolnych portów COM</translation>
        </message>
        <message>
            <source>Усі порти вже зайняті іншими приладами.</source>
            <translation>Wszystkie porty są już zajęte przez inne przyrządy.</translation>
        </message>
        <message>
            <source>Натисніть кнопку передачі на приладі</source>
            <translation>Naciśnij przycisk wysyłania na przyrządzie</translation>
        </message>
        <message>
            <source>Не вдалося відкрити жодного порту.</source>
            <translation>Nie udało się otworzyć żadnego portu.</translation>
        </message>
        <message>
            <source>Слухаю порти: %1</source>
            <translation>Nasłuchuję portów: %1</translation>
        </message>
        <message>
            <source>Прилад знайдено</source>
            <translation>Znaleziono przyrząd</translation>
        </message>
        <message numerus="yes">
            <source>Порт %1, значення %2 (%n знак(ів) після коми)</source>
            <translation>
                <numerusform>Port %1, wartość %2 (%n miejsce po przecinku)</numerusform>
                <numerusform>Port %1, wartość %2 (%n miejsca po przecinku)</numerusform>
                <numerusform>Port %1, wartość %2 (%n miejsc po przecinku)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>TimerSettingsDialog</name>
        <message>
            <source>Налаштування таймера запису</source>
            <translation>Ustawienia timera zapisu</translation>
        </message>
        <message>
            <source>Режим таймера:</source>
            <translation>Tryb timera:</translation>
        </message>
        <message>
            <source>Синхронний (один таймер для всіх)</source>
            <translation>Synchroniczny (jeden timer dla wszystkich)</translation>
        </message>
        <message>
            <source>Індивідуальний для кожного приладу</source>
            <translation>Indywidualny dla każdego przyrządu</translation>
        </message>
        <message>
            <source>Інтервал запису:</source>
            <translation>Interwał zapisu:</translation>
        </message>
        <message>
            <source> мс (0 = вимкнено)</source>
            <translation> ms (0 = wyłączony)</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Przyrząd</translation>
        </message>
        <message>
            <source>Інтервал (мс)</source>
            <translation>Interwał (ms)</translation>
        </message>
        <message>
            <source>Скинути таймер</source>
            <translation>Resetuj timer</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
    </context>
    <context>
        <name>TrendWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>pomiar nr %1
%2 %3</translation>
        </message>
        <message>
            <source>Замало даних для тренду</source>
            <translation>Za mało danych dla trendu</translation>
        </message>
        <message>
            <source>нижня межа</source>
            <translation>dolna granica</translation>
        </message>
        <message>
            <source>верхня межа</source>
            <translation>górna granica</translation>
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
            <translation>Nowy użytkownik</translation>
        </message>
        <message>
            <source>Користувач</source>
            <translation>Użytkownik</translation>
        </message>
        <message>
            <source>ім'я або посада</source>
            <translation>imię lub stanowisko</translation>
        </message>
        <message>
            <source>Ім'я:</source>
            <translation>Imię:</translation>
        </message>
        <message>
            <source>Роль:</source>
            <translation>Rola:</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — роль змінити не можна, інакше керувати користувачами стане нікому.</source>
            <translation>To jedyny administrator — nie można zmienić roli, inaczej nikt nie mógłby zarządzać użytkownikami.</translation>
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
            <translation>Użytkownicy</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Dodaj</translation>
        </message>
        <message>
            <source>Змінити</source>
            <translation>Edytuj</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Usuń</translation>
        </message>
        <message>
            <source>Прилад належить одному користувачеві: якщо позначити його тут, він автоматично зніметься з попереднього власника.</source>
            <translation>Przyrząd należy do jednego użytkownika: zaznaczenie go tutaj automatycznie odbierze go poprzedniemu właścicielowi.</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Zapisz</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Anuluj</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Прилади користувача «%1»</source>
            <translation>Przyrządy użytkownika „%1”</translation>
        </message>
        <message>
            <source>Прилади</source>
            <translation>Przyrządy</translation>
        </message>
        <message>
            <source>(зараз у «%1»)</source>
            <translation>(obecnie u „%1”)</translation>
        </message>
        <message>
            <source>(закріплений за видаленим користувачем)</source>
            <translation>(przypisany do usuniętego użytkownika)</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — його видалити не можна. Спершу призначте адміністратором когось іншого.</source>
            <translation>To jedyny administrator — nie można go usunąć. Najpierw nadaj uprawnienia administratora komuś innemu.</translation>
        </message>
        <message>
            <source>Видалити користувача «%1»?</source>
            <translation>Usunąć użytkownika „%1”?</translation>
        </message>
        <message>
            <source>

Закріплені за ним прилади (%1) стануть нічийними.</source>
            <translation>

Przyrządy przypisane do tego użytkownika (%1) nie będą miały właściciela.</translation>
        </message>
        <message>
            <source>Видалення</source>
            <translation>Usuwanie</translation>
        </message>
    </context>
    <context>
        <name>XdoKeystrokeSink</name>
        <message>
            <source>Сеанс Wayland без XWayland: значення не можна набирати в інші програми. Увійдіть у сеанс X11 (Xorg) або увімкніть XWayland.</source>
            <translation>Sesja Wayland bez XWayland: wartości nie mogą być wpisywane do innych programów. Zaloguj się do sesji X11 (Xorg) lub włącz XWayland.</translation>
        </message>
        <message>
            <source>Немає X-дисплея (змінна DISPLAY не задана), тому значення не можна набирати в інші програми.</source>
            <translation>Brak ekranu X (zmienna DISPLAY nie jest ustawiona), więc wartości nie mogą być wpisywane do innych programów.</translation>
        </message>
        <message>
            <source>Не знайдено бібліотек X11 (libX11, libXtst), тому значення не можна набирати в інші програми.</source>
            <translation>Nie znaleziono bibliotek X11 (libX11, libXtst), więc wartości nie mogą być wpisywane do innych programów.</translation>
        </message>
        <message>
            <source>Не вдалося під'єднатися до X-дисплея %1, тому значення не можна набирати в інші програми.</source>
            <translation>Nie można połączyć się z ekranem X %1, więc wartości nie mogą być wpisywane do innych programów.</translation>
        </message>
        <message>
            <source>X-сервер %1 не підтримує розширення XTest, тому значення не можна набирати в інші програми.</source>
            <translation>Serwer X %1 nie obsługuje rozszerzenia XTest, więc wartości nie mogą być wpisywane do innych programów.</translation>
        </message>
    </context>
    <context>
        <name>devozor_scan_setting_window</name>
        <message>
            <source>Сканування</source>
            <translation>Skanowanie</translation>
        </message>
        <message>
            <source>Step Scan</source>
            <translation>Krok skanowania</translation>
        </message>
        <message>
            <source>Max Scan</source>
            <translation>Maksimum skanowania</translation>
        </message>
        <message>
            <source>Min Scan</source>
            <translation>Minimum skanowania</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Zastosuj</translation>
        </message>
    </context>
</TS>
