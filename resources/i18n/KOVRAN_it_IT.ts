<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="uk_UA">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>Про програму</source>
            <translation>Informazioni sul programma</translation>
        </message>
        <message>
            <source>Версія:</source>
            <translation>Versione:</translation>
        </message>
        <message>
            <source>Папка налаштувань:</source>
            <translation>Cartella delle impostazioni:</translation>
        </message>
        <message>
            <source>Журнал роботи:</source>
            <translation>File di log:</translation>
        </message>
        <message>
            <source>Відкрити папку налаштувань</source>
            <translation>Apri la cartella delle impostazioni</translation>
        </message>
        <message>
            <source>Програма вимірювального стенда контролю якості.</source>
            <translation>Il programma di un banco di misura per il controllo qualità.</translation>
        </message>
    </context>
    <context>
        <name>AddDeviceDialog</name>
        <message>
            <source>Проверить связь</source>
            <translation>Verifica connessione</translation>
        </message>
        <message>
            <source>Статус: не проверено</source>
            <translation>Stato: non verificato</translation>
        </message>
        <message>
            <source>Подключить</source>
            <translation>Collega</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Подключение Modbus прибора</source>
            <translation>Collega strumento Modbus</translation>
        </message>
        <message>
            <source>Сохраненный адаптер (Порт):</source>
            <translation>Adattatore salvato (porta):</translation>
        </message>
        <message>
            <source>Текущая скорость порта:</source>
            <translation>Velocità attuale della porta:</translation>
        </message>
        <message>
            <source>Текущий адрес прибора (Modbus ID [1-247]):</source>
            <translation>Indirizzo attuale dello strumento (Modbus ID [1-247]):</translation>
        </message>
        <message>
            <source>--- Новые параметры прибора ---</source>
            <translation>--- Nuovi parametri dello strumento ---</translation>
        </message>
        <message>
            <source>Новый адрес (Modbus ID):</source>
            <translation>Nuovo indirizzo (Modbus ID):</translation>
        </message>
        <message>
            <source>Новая скорость:</source>
            <translation>Nuova velocità:</translation>
        </message>
        <message>
            <source>Статус: Ошибка открытия порта</source>
            <translation>Stato: Errore di apertura della porta</translation>
        </message>
        <message>
            <source>Статус: Таймаут (нет ответа от прибора)</source>
            <translation>Stato: Timeout (nessuna risposta dallo strumento)</translation>
        </message>
        <message>
            <source>Статус: Прибор ответил! Связь есть.</source>
            <translation>Stato: Lo strumento ha risposto! Connessione OK.</translation>
        </message>
        <message>
            <source>Статус: Ошибка CRC (неверная контрольная сумма)</source>
            <translation>Stato: Errore CRC (checksum errato)</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Прибор с адресом %1 уже существует на порту %2!
Пожалуйста, выберите другой 'Новый адрес'.</source>
            <translation>Uno strumento con indirizzo %1 esiste già sulla porta %2!
Scegliere un altro «Nuovo indirizzo».</translation>
        </message>
        <message>
            <source>Не удалось открыть порт.</source>
            <translation>Impossibile aprire la porta.</translation>
        </message>
        <message>
            <source>Нет сохраненных адаптеров! Добавьте адаптер через главное меню.</source>
            <translation>Nessun adattatore salvato! Aggiungere un adattatore dal menu principale.</translation>
        </message>
    </context>
    <context>
        <name>BleDeviceScanDialog</name>
        <message>
            <source>Додавання Bluetooth-приладу</source>
            <translation>Aggiungi uno strumento Bluetooth</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Ricerca strumenti...</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Fare clic su uno strumento per sceglierlo (viene evidenziato). In grigio i dispositivi di tipo sconosciuto, che non si possono aggiungere.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Aggiorna</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>(без назви)</source>
            <translation>(senza nome)</translation>
        </message>
        <message>
            <source>Знайдено приладів: %1 (придатних: %2)</source>
            <translation>Strumenti trovati: %1 (utilizzabili: %2)</translation>
        </message>
        <message>
            <source>Помилка сканування: %1</source>
            <translation>Errore di scansione: %1</translation>
        </message>
        <message>
            <source>Прилад невідомого типу — додати не можна</source>
            <translation>Strumento di tipo sconosciuto — non si può aggiungere</translation>
        </message>
        <message>
            <source>Обрано — клікніть ще раз, щоб зняти вибір</source>
            <translation>Scelto — fare di nuovo clic per annullare la scelta</translation>
        </message>
        <message>
            <source>Протокол: %1. Клікніть, щоб обрати цей прилад</source>
            <translation>Protocollo: %1. Fare clic per scegliere questo strumento</translation>
        </message>
    </context>
    <context>
        <name>ChartWidget</name>
        <message>
            <source>Усі прилади по Y</source>
            <translation>Tutti gli strumenti su Y</translation>
        </message>
        <message>
            <source>X–Y (два прилади)</source>
            <translation>X–Y (due strumenti)</translation>
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
            <translation>Griglia</translation>
        </message>
        <message>
            <source>Тип:</source>
            <translation>Tipo:</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>dati dalla tabella comune</translation>
        </message>
        <message>
            <source>дані з таблиць приладів</source>
            <translation>dati dalle tabelle degli strumenti</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Nessuno strumento</translation>
        </message>
        <message>
            <source>Порівнюється %1 пар; зайвих вимірів: %2</source>
            <translation>%1 coppie confrontate; misure in eccesso: %2</translation>
        </message>
    </context>
    <context>
        <name>ControlChartWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>misura n. %1
%2 %3</translation>
        </message>
        <message>
            <source>ковзний розмах %1</source>
            <translation>escursione mobile %1</translation>
        </message>
        <message>
            <source>порушує правила: %1</source>
            <translation>viola le regole: %1</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Fuori controllo statistico: %n punto</numerusform>
                <numerusform>Fuori controllo statistico: %n punti</numerusform>
            </translation>
        </message>
        <message>
            <source>№%1 — правила %2</source>
            <translation>n. %1 — regole %2</translation>
        </message>
        <message>
            <source>… і ще %1</source>
            <translation>… e altri %1</translation>
        </message>
        <message>
            <source>Правила: 1 — точка за межею 3σ; 2 — дві з трьох за 2σ; 3 — чотири з п'яти за 1σ; 4 — вісім поспіль з одного боку.</source>
            <translation>Regole: 1 — un punto oltre 3σ; 2 — due su tre oltre 2σ; 3 — quattro su cinque oltre 1σ; 4 — otto consecutivi dallo stesso lato.</translation>
        </message>
        <message>
            <source>Замало даних для контрольної карти</source>
            <translation>Dati insufficienti per una carta di controllo</translation>
        </message>
        <message>
            <source>ВКМ</source>
            <translation>LSC</translation>
        </message>
        <message>
            <source>НКМ</source>
            <translation>LIC</translation>
        </message>
    </context>
    <context>
        <name>DeviceEditDialog</name>
        <message>
            <source>Редагування параметрів приладу</source>
            <translation>Modifica parametri dello strumento</translation>
        </message>
        <message>
            <source>Назва:</source>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>Тип (з приладу):</source>
            <translation>Tipo (dallo strumento):</translation>
        </message>
        <message>
            <source>—</source>
            <translation>—</translation>
        </message>
        <message>
            <source>MAC-адреса:</source>
            <translation>Indirizzo MAC:</translation>
        </message>
        <message>
            <source>Серійний номер:</source>
            <translation>Numero di serie:</translation>
        </message>
        <message>
            <source>Дата калібрування:</source>
            <translation>Data di taratura:</translation>
        </message>
        <message>
            <source>Одиниці, задані в приладі:</source>
            <translation>Unità impostate nello strumento:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Usato quando lo strumento invia cifre senza separatore decimale</translation>
        </message>
        <message>
            <source>Знаків після коми в приладі:</source>
            <translation>Decimali nello strumento:</translation>
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
            <translation>Precisione:</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Disattivato</translation>
        </message>
        <message>
            <source>Min Peek</source>
            <translation>Mantenimento del minimo</translation>
        </message>
        <message>
            <source>Max Peek</source>
            <translation>Mantenimento del massimo</translation>
        </message>
        <message>
            <source>Range Peek</source>
            <translation>Eccentricità (max − min)</translation>
        </message>
        <message>
            <source>Module Peek</source>
            <translation>Picco assoluto</translation>
        </message>
        <message>
            <source>Min Limits</source>
            <translation>Solo limite inferiore</translation>
        </message>
        <message>
            <source>Max Limits</source>
            <translation>Solo limite superiore</translation>
        </message>
        <message>
            <source>Range Limits</source>
            <translation>Campo di tolleranza</translation>
        </message>
        <message>
            <source>Режим вимірювання:</source>
            <translation>Modalità di misura:</translation>
        </message>
        <message>
            <source>Мін. ліміт:</source>
            <translation>Limite inferiore:</translation>
        </message>
        <message>
            <source>Макс. ліміт:</source>
            <translation>Limite superiore:</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Нижній ліміт більший за верхній. Перевірте ліміти.</source>
            <translation>Il limite inferiore è maggiore di quello superiore. Controllare i limiti.</translation>
        </message>
        <message>
            <source>Лінійний датчик (0)</source>
            <translation>Sensore lineare (0)</translation>
        </message>
        <message>
            <source>Індикатор</source>
            <translation>Comparatore</translation>
        </message>
        <message>
            <source>Динамометр</source>
            <translation>Dinamometro</translation>
        </message>
        <message>
            <source>Unknown (%1)</source>
            <translation>Sconosciuto (%1)</translation>
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
            <translation>Selezione tipo di connessione</translation>
        </message>
        <message>
            <source>Виберіть тип підключення нового приладу:</source>
            <translation>Scegliere il tipo di connessione del nuovo strumento:</translation>
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
            <translation>USB (tastiera HID)</translation>
        </message>
        <message>
            <source>Бездротовий через nRF-донгл</source>
            <translation>Wireless tramite dongle nRF</translation>
        </message>
        <message>
            <source>Бездротовий через донгл BLED112</source>
            <translation>Wireless tramite dongle BLED112</translation>
        </message>
        <message>
            <source>Sylvac провід</source>
            <translation>Cavo Sylvac</translation>
        </message>
        <message>
            <source>Далі</source>
            <translation>Avanti</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>Device_visual</name>
        <message>
            <source>ADDR: %1 | %2</source>
            <translation>IND: %1 | %2</translation>
        </message>
        <message>
            <source>HID | VID_%1 PID_%2</source>
            <translation>HID | VID_%1 PID_%2</translation>
        </message>
        <message>
            <source>HID-клавіатура</source>
            <translation>Tastiera HID</translation>
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
            <translation>pollici</translation>
        </message>
        <message>
            <source>Клік — відкрити прилад. Затиснути та потягнути — змінити порядок</source>
            <translation>Clic — apri lo strumento. Tieni premuto e trascina — cambia l'ordine</translation>
        </message>
        <message>
            <source>Статистика вимірів</source>
            <translation>Statistiche delle misure</translation>
        </message>
        <message>
            <source>Прилад закріплено за користувачем</source>
            <translation>Strumento assegnato a un utente</translation>
        </message>
        <message>
            <source>Редагувати</source>
            <translation>Modifica</translation>
        </message>
        <message>
            <source>Вивантажити пам'ять приладу</source>
            <translation>Scarica memoria strumento</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Elimina</translation>
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
            <translation>Sylvac (cavo)</translation>
        </message>
        <message>
            <source>ƒ = %1 | вимкнено</source>
            <translation>ƒ = %1 | disattivata</translation>
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
            <translation>Altezza</translation>
        </message>
        <message>
            <source>Нуль висоти</source>
            <translation>Azzera altezza</translation>
        </message>
        <message>
            <source>Лазер</source>
            <translation>Laser</translation>
        </message>
        <message>
            <source>Нуль лазера</source>
            <translation>Azzera laser</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Azzera tutto</translation>
        </message>
        <message>
            <source>Точка</source>
            <translation>Punto</translation>
        </message>
        <message>
            <source>Дві точки</source>
            <translation>Due punti</translation>
        </message>
        <message>
            <source>Центр</source>
            <translation>Centro</translation>
        </message>
        <message>
            <source>Висота і лазер</source>
            <translation>Altezza e laser</translation>
        </message>
        <message>
            <source>Сканування</source>
            <translation>Scansione</translation>
        </message>
        <message>
            <source>Глибина</source>
            <translation>Profondità</translation>
        </message>
        <message>
            <source>Автоматично</source>
            <translation>Automatico</translation>
        </message>
        <message>
            <source>Встановити базу</source>
            <translation>Imposta base</translation>
        </message>
        <message>
            <source>Вгору</source>
            <translation>Su</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>Giù</translation>
        </message>
        <message>
            <source>СТОП</source>
            <translation>STOP</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>Завантажити макрос</source>
            <translation>Carica macro</translation>
        </message>
        <message>
            <source>Кількість повторів</source>
            <translation>Numero di ripetizioni</translation>
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
            <translation>unità</translation>
        </message>
        <message>
            <source>Експорт PDF</source>
            <translation>Esporta PDF</translation>
        </message>
        <message>
            <source>Експорт CSV</source>
            <translation>Esporta CSV</translation>
        </message>
        <message>
            <source>Point 1 add</source>
            <translation>Punto 1 aggiunto</translation>
        </message>
        <message>
            <source>Point 2 add</source>
            <translation>Punto 2 aggiunto</translation>
        </message>
        <message>
            <source>Point 3 add</source>
            <translation>Punto 3 aggiunto</translation>
        </message>
        <message>
            <source>Point 4 add</source>
            <translation>Punto 4 aggiunto</translation>
        </message>
        <message>
            <source>Меню таблицы</source>
            <translation>Menu tabella</translation>
        </message>
        <message>
            <source>Удалить выбранную строку</source>
            <translation>Elimina la riga selezionata</translation>
        </message>
        <message>
            <source>Очистить всю таблицу</source>
            <translation>Svuota tutta la tabella</translation>
        </message>
        <message>
            <source>Экспорт в CSV</source>
            <translation>Esporta in CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>File CSV (*.csv)</translation>
        </message>
        <message>
            <source>Экспорт в PDF</source>
            <translation>Esporta in PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>File PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Отчет об измерениях (Kovran)</source>
            <translation>Rapporto di misura (Kovran)</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Salvato: %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Impossibile scrivere il file %1.</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Macros Files (*.mcm)</source>
            <translation>File macro (*.mcm)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Apri</translation>
        </message>
        <message>
            <source>Macros (*.mcm)</source>
            <translation>Macro (*.mcm)</translation>
        </message>
    </context>
    <context>
        <name>Devozor_setting_wimdow</name>
        <message>
            <source>quick</source>
            <translation>veloce</translation>
        </message>
        <message>
            <source>standard</source>
            <translation>standard</translation>
        </message>
        <message>
            <source>precision</source>
            <translation>precisione</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Applica</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Velocità</translation>
        </message>
        <message>
            <source>Одиниці</source>
            <translation>Unità</translation>
        </message>
        <message>
            <source>Значення бази</source>
            <translation>Valore della base</translation>
        </message>
        <message>
            <source>Поріг лазера</source>
            <translation>Soglia laser</translation>
        </message>
    </context>
    <context>
        <name>DongleDeviceScanDialog</name>
        <message>
            <source>Додавання приладу через nRF-донгл</source>
            <translation>Aggiungi uno strumento tramite il dongle nRF</translation>
        </message>
        <message>
            <source>Додавання приладу через донгл BLED112</source>
            <translation>Aggiungi uno strumento tramite il dongle BLED112</translation>
        </message>
        <message>
            <source>Донгл:</source>
            <translation>Dongle:</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Fare clic su uno strumento per sceglierlo (viene evidenziato). In grigio i dispositivi di tipo sconosciuto, che non si possono aggiungere.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Aggiorna</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Донгл не знайдено. Під'єднайте його й натисніть «Оновити».</source>
            <translation>Nessun dongle trovato. Collegarlo e premere «Aggiorna».</translation>
        </message>
        <message>
            <source>Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл.</source>
            <translation>Tutti i dongle sono pieni. Liberare un posto o collegare un altro dongle.</translation>
        </message>
        <message>
            <source>Оновити список</source>
            <translation>Aggiorna l'elenco</translation>
        </message>
        <message>
            <source>%1 — %2 з %3</source>
            <translation>%1 — %2 di %3</translation>
        </message>
        <message>
            <source>Не вдалося відкрити донгл на %1.</source>
            <translation>Impossibile aprire il dongle su %1.</translation>
        </message>
        <message>
            <source>Донгл не почав сканування.</source>
            <translation>Il dongle non ha avviato la scansione.</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Ricerca strumenti...</translation>
        </message>
        <message>
            <source>Знайдено придатних приладів: %1</source>
            <translation>Strumenti utilizzabili trovati: %1</translation>
        </message>
        <message>
            <source>Не знайдено бібліотеку драйвера %1: встановіть її або покладіть поруч із програмою.</source>
            <translation>Libreria del driver %1 non trovata: installarla o metterla accanto al programma.</translation>
        </message>
    </context>
    <context>
        <name>FormulaExpression</name>
        <message>
            <source>Введіть вираз, наприклад (A - B) / 2.</source>
            <translation>Inserire un'espressione, ad esempio (A - B) / 2.</translation>
        </message>
        <message>
            <source>Вираз задовгий: не більше %1 символів.</source>
            <translation>L'espressione è troppo lunga: al massimo %1 caratteri.</translation>
        </message>
        <message>
            <source>Прилад, з яким рахувала формула, видалено: замініть «#» літерою приладу.</source>
            <translation>Uno strumento usato dalla formula è stato eliminato: sostituire «#» con la lettera di uno strumento.</translation>
        </message>
        <message>
            <source>Знак «=» на позиції %1 не дозволено: формула — це лише вираз, порівнюють через «==».</source>
            <translation>Il segno «=» alla posizione %1 non è ammesso: una formula è solo un'espressione; per confrontare si usa «==».</translation>
        </message>
        <message>
            <source>Число «%1» записане неправильно або завелике.</source>
            <translation>Il numero «%1» è scritto male o è troppo grande.</translation>
        </message>
        <message>
            <source>Невідома назва «%1»: прилади позначають великими літерами (A, B, C…), функції — малими (min, max, abs, sqrt).</source>
            <translation>Nome sconosciuto «%1»: gli strumenti sono lettere maiuscole (A, B, C…), le funzioni minuscole (min, max, abs, sqrt).</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області прилади від A до %2.</source>
            <translation>Lo strumento %1 non esiste: l'area di lavoro ha gli strumenti da A a %2.</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області ще немає приладів.</source>
            <translation>Lo strumento %1 non esiste: l'area di lavoro non ha ancora strumenti.</translation>
        </message>
        <message>
            <source>Вираз не використовує жодного приладу: додайте літеру приладу (A, B, C…).</source>
            <translation>L'espressione non usa alcuno strumento: aggiungere la lettera di uno strumento (A, B, C…).</translation>
        </message>
        <message>
            <source>Вираз має дати одне значення: кома розділяє лише аргументи функції.</source>
            <translation>L'espressione deve dare un solo valore: la virgola separa solo gli argomenti di una funzione.</translation>
        </message>
        <message>
            <source>Вираз обривається: бракує числа, літери приладу або дужки в кінці.</source>
            <translation>L'espressione si interrompe: alla fine manca un numero, la lettera di uno strumento o una parentesi.</translation>
        </message>
        <message>
            <source>Не закрито дужку.</source>
            <translation>Una parentesi non è chiusa.</translation>
        </message>
        <message>
            <source>Неправильна кількість аргументів функції «%1».</source>
            <translation>Numero di argomenti errato per la funzione «%1».</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1.</source>
            <translation>Errore nell'espressione alla posizione %1.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1, біля «%2».</source>
            <translation>Errore nell'espressione alla posizione %1, vicino a «%2».</translation>
        </message>
        <message>
            <source>Вираз не вдалося розібрати.</source>
            <translation>Non è stato possibile leggere l'espressione.</translation>
        </message>
    </context>
    <context>
        <name>FormulaManagerDialog</name>
        <message>
            <source>Формули</source>
            <translation>Formule</translation>
        </message>
        <message>
            <source>Нова формула</source>
            <translation>Nuova formula</translation>
        </message>
        <message>
            <source>Видалити формулу</source>
            <translation>Elimina formula</translation>
        </message>
        <message>
            <source>наприклад (A - B) / 2 або max(A, B, C) - min(A, B, C)</source>
            <translation>es. (A - B) / 2 o max(A, B, C) - min(A, B, C)</translation>
        </message>
        <message>
            <source>Вираз:</source>
            <translation>Espressione:</translation>
        </message>
        <message>
            <source>Прилади, що вимірюють ту саму величину, беруться в цих одиницях</source>
            <translation>Gli strumenti che misurano la stessa grandezza sono presi in questa unità</translation>
        </message>
        <message>
            <source>Одиниці:</source>
            <translation>Unità:</translation>
        </message>
        <message>
            <source>Прилади (подвійний клік або Enter додає літеру у вираз):</source>
            <translation>Strumenti (doppio clic o Invio inserisce la lettera nell'espressione):</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Приладів ще немає: формула рахує з приладів робочої області.</source>
            <translation>Ancora nessuno strumento: una formula calcola dagli strumenti dell'area di lavoro.</translation>
        </message>
        <message>
            <source>Видалити формулу &lt;b&gt;%1&lt;/b&gt;? Її записані значення також буде видалено.</source>
            <translation>Eliminare la formula &lt;b&gt;%1&lt;/b&gt;? Anche i suoi valori registrati saranno eliminati.</translation>
        </message>
        <message>
            <source>Формул ще немає: натисніть «Нова формула».</source>
            <translation>Ancora nessuna formula: premere «Nuova formula».</translation>
        </message>
        <message>
            <source>✓ Вираз правильний; рахує з приладів %1.</source>
            <translation>✓ L'espressione è valida; calcola dagli strumenti %1.</translation>
        </message>
        <message>
            <source>Більше формул додати не можна.</source>
            <translation>Non si possono aggiungere altre formule.</translation>
        </message>
        <message>
            <source>Формула %1</source>
            <translation>Formula %1</translation>
        </message>
        <message>
            <source>Введіть назву формули.</source>
            <translation>Inserire il nome della formula.</translation>
        </message>
        <message>
            <source>Формулу «%1» не можна зберегти:
%2</source>
            <translation>La formula «%1» non può essere salvata:
%2</translation>
        </message>
    </context>
    <context>
        <name>GlobalUnitsDialog</name>
        <message>
            <source>Одиниці виміру</source>
            <translation>Unità di misura</translation>
        </message>
        <message>
            <source>Лінійні прилади:</source>
            <translation>Strumenti lineari:</translation>
        </message>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Millimetri (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Pollici (inch)</translation>
        </message>
        <message>
            <source>Кутоміри:</source>
            <translation>Goniometri:</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Gradi (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radianti (rad)</translation>
        </message>
        <message>
            <source>Динамометри:</source>
            <translation>Dinamometri:</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Newton (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Libbre forza (lbf)</translation>
        </message>
    </context>
    <context>
        <name>HeightGaugeCycles</name>
        <message>
            <source>move to new points and enable auto move and cliked up arrow</source>
            <translation>Spostarsi sui nuovi punti, attivare «Automatico» e fare clic sulla freccia su</translation>
        </message>
    </context>
    <context>
        <name>HistogramWidget</name>
        <message>
            <source>%1 … %2 %3
вимірів: %4</source>
            <translation>%1 … %2 %3
misure: %4</translation>
        </message>
        <message>
            <source>Замало даних для гістограми</source>
            <translation>Dati insufficienti per un istogramma</translation>
        </message>
        <message>
            <source>НМ %1</source>
            <translation>LIS %1</translation>
        </message>
        <message>
            <source>ВМ %1</source>
            <translation>LSS %1</translation>
        </message>
    </context>
    <context>
        <name>KeyboardDeviceDialog</name>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Millimetri (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Pollici (inch)</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Newton (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Libbre forza (lbf)</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Gradi (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radianti (rad)</translation>
        </message>
        <message>
            <source>Підключення приладу-клавіатури</source>
            <translation>Collega uno strumento USB (tastiera HID)</translation>
        </message>
        <message>
            <source>Клавіатура, якою прилад передає дані:</source>
            <translation>Tastiera con cui lo strumento invia i dati:</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Aggiorna</translation>
        </message>
        <message>
            <source>Визначити за натисканням кнопки на приладі</source>
            <translation>Rileva premendo il pulsante dello strumento</translation>
        </message>
        <message>
            <source>Одиниці виміру, задані в приладі:</source>
            <translation>Unità impostate sullo strumento:</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Usato quando lo strumento invia cifre senza separatore decimale</translation>
        </message>
        <message>
            <source>Знаків після коми, заданих в приладі:</source>
            <translation>Decimali impostati sullo strumento:</translation>
        </message>
        <message>
            <source>Перевірка: натисніть кнопку передачі даних на приладі.</source>
            <translation>Verifica: premere il pulsante di invio dati sullo strumento.</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>  (вже додано)</source>
            <translation>  (già aggiunto)</translation>
        </message>
        <message>
            <source>Немає доступу до клавіатур: програма не може читати їхні натискання. Додайте користувача до групи input командою «sudo usermod -aG input $USER» і увійдіть у систему знову.</source>
            <translation>Nessun accesso alle tastiere: il programma non può leggerne i tasti. Aggiungere l'utente al gruppo input con «sudo usermod -aG input $USER» e accedere di nuovo al sistema.</translation>
        </message>
        <message>
            <source>Натисніть на приладі кнопку передачі даних…</source>
            <translation>Premere il pulsante di invio dati sullo strumento…</translation>
        </message>
        <message>
            <source>Клавіатуру визначено: %1</source>
            <translation>Tastiera rilevata: %1</translation>
        </message>
        <message>
            <source>Отримано «%1» → %2 %3</source>
            <translation>Ricevuto «%1» → %2 %3</translation>
        </message>
        <message>
            <source>Отримано «%1» — це не схоже на число, перевірте налаштування приладу.</source>
            <translation>Ricevuto «%1» — non sembra un numero; controllare le impostazioni dello strumento.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Не вибрано клавіатуру приладу.</source>
            <translation>Nessuna tastiera dello strumento selezionata.</translation>
        </message>
        <message>
            <source>Цю клавіатуру вже додано як прилад.</source>
            <translation>Questa tastiera è già stata aggiunta come strumento.</translation>
        </message>
        <message>
            <source>Клавіатура</source>
            <translation>Tastiera</translation>
        </message>
    </context>
    <context>
        <name>KeyboardEmulatorDialog</name>
        <message>
            <source>Увімкнути дублювання клавіатури</source>
            <translation>Attiva l'emulazione tastiera</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Emulazione tastiera</translation>
        </message>
        <message>
            <source>Кожне значення, передане приладом, система отримає так, ніби його набрали на клавіатурі — і воно потрапить просто в Excel чи будь-яку іншу активну програму.</source>
            <translation>Ogni valore inviato da uno strumento arriva al sistema come se fosse stato digitato sulla tastiera — direttamente in Excel o in qualsiasi altro programma attivo.</translation>
        </message>
        <message>
            <source>Пробіл</source>
            <translation>Spazio</translation>
        </message>
        <message>
            <source>нічого</source>
            <translation>niente</translation>
        </message>
        <message>
            <source>крапка  (12.345)</source>
            <translation>punto  (12.345)</translation>
        </message>
        <message>
            <source>кома  (12,345)</source>
            <translation>virgola  (12,345)</translation>
        </message>
        <message>
            <source>Між значеннями (мультирежим):</source>
            <translation>Tra i valori (modalità multi):</translation>
        </message>
        <message>
            <source>Після останнього:</source>
            <translation>Dopo l'ultimo:</translation>
        </message>
        <message>
            <source>Десятковий знак:</source>
            <translation>Separatore decimale:</translation>
        </message>
        <message>
            <source>Роздільник потрібен лише тоді, коли один запис несе показання кількох приладів одразу — тобто в мультирежимі. Для одного приладу набирається саме значення й завершальна клавіша.</source>
            <translation>Il separatore serve solo quando un record contiene le letture di più strumenti insieme, cioè in modalità multi. Per un solo strumento si digitano solo il valore e il tasto finale.</translation>
        </message>
        <message>
            <source>Десятковий знак обирають не за смаком, а за тим, що чекає програма-приймач: Excel з українською локаллю розпізнає число лише з комою, інакше воно стане текстом.</source>
            <translation>Il separatore decimale si sceglie in base a ciò che si aspetta il programma ricevente, non per gusto: Excel con impostazioni italiane riconosce un numero solo con la virgola, altrimenti diventa testo.</translation>
        </message>
        <message>
            <source>тут буде видно, що саме набереться</source>
            <translation>qui si vedrà esattamente cosa verrà digitato</translation>
        </message>
        <message>
            <source>Перевірити (2 прилади)</source>
            <translation>Prova (2 strumenti)</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>LaserNuromer</name>
        <message>
            <source>MainWindow</source>
            <translation>Alesametro laser</translation>
        </message>
        <message>
            <source>File</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Esci</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>Resets Setting</source>
            <translation>Ripristina impostazioni</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valore nominale</translation>
        </message>
        <message>
            <source>Upper range</source>
            <translation>Tolleranza superiore</translation>
        </message>
        <message>
            <source>Lower range</source>
            <translation>Tolleranza inferiore</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Applica</translation>
        </message>
        <message>
            <source>SET</source>
            <translation>IMPOSTA</translation>
        </message>
        <message>
            <source>ExportPDF</source>
            <translation>Esporta PDF</translation>
        </message>
        <message>
            <source>ExportCSV</source>
            <translation>Esporta CSV</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>POLLICI</translation>
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
            <translation>Nessun dato valido</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Ora</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Misura</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Unità</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Scostamento</translation>
        </message>
        <message>
            <source>Камеру не знайдено</source>
            <translation>Telecamera non trovata</translation>
        </message>
        <message>
            <source>Min : 0</source>
            <translation>Min: 0</translation>
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
            <translation>Escursione: 0</translation>
        </message>
        <message>
            <source>wait...</source>
            <translation>attendere...</translation>
        </message>
        <message>
            <source>inch</source>
            <translation>pollici</translation>
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
            <translation>Escursione: </translation>
        </message>
        <message>
            <source>Delete row</source>
            <translation>Elimina riga</translation>
        </message>
        <message>
            <source>Clear table</source>
            <translation>Svuota tabella</translation>
        </message>
        <message>
            <source>Confirmation</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Are you sure you want to delete all measurements from the table?</source>
            <translation>Eliminare davvero tutte le misure dalla tabella?</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>No data to export!</source>
            <translation>Nessun dato da esportare!</translation>
        </message>
        <message>
            <source>Save CSV</source>
            <translation>Salva CSV</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Valore</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unità</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису</source>
            <translation>Impossibile aprire il file in scrittura</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Operazione riuscita</translation>
        </message>
        <message>
            <source>CSV file saved successfully!</source>
            <translation>File CSV salvato correttamente!</translation>
        </message>
        <message>
            <source>No data to export</source>
            <translation>Nessun dato da esportare</translation>
        </message>
        <message>
            <source>Save PDF</source>
            <translation>Salva PDF</translation>
        </message>
        <message>
            <source>Звіт вимірювань</source>
            <translation>Rapporto di misura</translation>
        </message>
        <message>
            <source>PDF file saved successfully!</source>
            <translation>File PDF salvato correttamente!</translation>
        </message>
    </context>
    <context>
        <name>LaserSettings</name>
        <message>
            <source>Налаштування</source>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>Ліва камера</source>
            <translation>Telecamera sinistra</translation>
        </message>
        <message>
            <source>Права камера</source>
            <translation>Telecamera destra</translation>
        </message>
        <message>
            <source>COM-порт</source>
            <translation>Porta COM</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Velocità</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Operazione riuscita</translation>
        </message>
        <message>
            <source>Налаштування збережено!</source>
            <translation>Impostazioni salvate!</translation>
        </message>
    </context>
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Sistema di misura</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>Синхронізувати все</source>
            <translation>Sincronizza tutto</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Azzera tutto</translation>
        </message>
        <message>
            <source>Одиниці вимірювання</source>
            <translation>Unità di misura</translation>
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
            <translation>Modalità mono</translation>
        </message>
        <message>
            <source>Мульти режим</source>
            <translation>Modalità multi</translation>
        </message>
        <message>
            <source>Формули</source>
            <translation>Formule</translation>
        </message>
        <message>
            <source>Графік</source>
            <translation>Grafico</translation>
        </message>
        <message>
            <source>EXPORT</source>
            <translation>ESPORTA</translation>
        </message>
        <message>
            <source>Права кнопка миші — розгорнута статистика</source>
            <translation>Tasto destro del mouse — statistiche dettagliate</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Esporta</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>Розширення</source>
            <translation>Estensioni</translation>
        </message>
        <message>
            <source>Адаптер модбас</source>
            <translation>Adattatore Modbus</translation>
        </message>
        <message>
            <source>Скинути налаштування</source>
            <translation>Ripristina impostazioni</translation>
        </message>
        <message>
            <source>Користувачі</source>
            <translation>Utenti</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Emulazione tastiera</translation>
        </message>
        <message>
            <source>Ви впевнені що хочете видалити пристрій &lt;b&gt;%1&lt;/b&gt;?</source>
            <translation>Eliminare davvero lo strumento &lt;b&gt;%1&lt;/b&gt;?</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>Додавання приладу</source>
            <translation>Aggiunta di uno strumento</translation>
        </message>
        <message>
            <source>Цей тип підключення ще недоступний у цій версії програми.</source>
            <translation>Questo tipo di connessione non è ancora disponibile in questa versione del programma.</translation>
        </message>
        <message>
            <source>Скинути збережений вибір модуля, що відкривається при старті програми?</source>
            <translation>Ripristinare la scelta salvata del modulo aperto all'avvio?</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>Fatto</translation>
        </message>
        <message>
            <source>Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля.</source>
            <translation>Impostazioni ripristinate. Al prossimo avvio del programma verrà di nuovo proposta la scelta del modulo.</translation>
        </message>
        <message>
            <source>Значення (%1)</source>
            <translation>Valore (%1)</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Valore</translation>
        </message>
        <message>
            <source>№</source>
            <translation>N.</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Ora</translation>
        </message>
        <message>
            <source>Статус</source>
            <translation>Stato</translation>
        </message>
        <message>
            <source>min: %1
max: %2
avg: %3</source>
            <translation>min: %1
max: %2
media: %3</translation>
        </message>
        <message>
            <source>DEVICE %1</source>
            <translation>STRUMENTO %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Operazione riuscita</translation>
        </message>
        <message>
            <source>Немає даних для експорту.</source>
            <translation>Nessun dato da esportare.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Esporta in CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>File CSV (*.csv)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в CSV.</source>
            <translation>Dati esportati in CSV correttamente.</translation>
        </message>
        <message>
            <source>Експорт в PDF</source>
            <translation>Esporta in PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>File PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в PDF.</source>
            <translation>Dati esportati in PDF correttamente.</translation>
        </message>
        <message>
            <source>Експорт даних</source>
            <translation>Esporta dati</translation>
        </message>
        <message>
            <source>Оберіть формат для експорту даних:</source>
            <translation>Scegliere il formato di esportazione:</translation>
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
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Звіт про вимірювання (Kovran)</source>
            <translation>Rapporto di misura (Kovran)</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису.</source>
            <translation>Impossibile aprire il file in scrittura.</translation>
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
            <translation>ECCENTRICITÀ</translation>
        </message>
        <message>
            <source>MODULE</source>
            <translation>ASSOLUTO</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Passa</translation>
        </message>
        <message>
            <source>No Go</source>
            <translation>Non passa</translation>
        </message>
        <message>
            <source>Видалити рядок</source>
            <translation>Elimina riga</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Svuota tabella</translation>
        </message>
        <message>
            <source>Відкрити статистику</source>
            <translation>Apri statistiche</translation>
        </message>
        <message>
            <source>Очистити всі виміри цього приладу?</source>
            <translation>Cancellare tutte le misure di questo strumento?</translation>
        </message>
        <message>
            <source>Очистити всі записані рядки таблиці?</source>
            <translation>Cancellare tutte le righe registrate della tabella?</translation>
        </message>
        <message>
            <source>Відновлення даних</source>
            <translation>Recupero dati</translation>
        </message>
        <message>
            <source>Виявлено незбережені дані попереднього сеансу (записів: %1). Програму, ймовірно, було закрито аварійно.

Відновити ці дані в таблицях?</source>
            <translation>Sono stati trovati dati non salvati della sessione precedente (record: %1). Probabilmente il programma è stato chiuso in modo anomalo.

Ripristinare questi dati nelle tabelle?</translation>
        </message>
        <message>
            <source>Пам'ять приладу</source>
            <translation>Memoria dello strumento</translation>
        </message>
        <message>
            <source>Прилади %1 не підтримують вивантаження пам'яті.</source>
            <translation>Gli strumenti %1 non supportano lo scaricamento della memoria.</translation>
        </message>
        <message>
            <source>Прилад не на зв'язку.</source>
            <translation>Lo strumento non è collegato.</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Altimetro</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Stativo di misura</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Alesametro laser</translation>
        </message>
        <message>
            <source>Вибір модуля…</source>
            <translation>Scegli un modulo…</translation>
        </message>
        <message>
            <source>Довідка</source>
            <translation>Aiuto</translation>
        </message>
        <message>
            <source>Про програму</source>
            <translation>Informazioni sul programma</translation>
        </message>
        <message>
            <source>Експорт в XLSX</source>
            <translation>Esporta in XLSX</translation>
        </message>
        <message>
            <source>Книги Excel (*.xlsx)</source>
            <translation>Cartelle di lavoro Excel (*.xlsx)</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1:
%2</source>
            <translation>Impossibile scrivere il file %1:
%2</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в XLSX.</source>
            <translation>Dati esportati in XLSX correttamente.</translation>
        </message>
        <message>
            <source>XLSX</source>
            <translation>XLSX</translation>
        </message>
        <message>
            <source>Таблиця</source>
            <translation>Tabella</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Strumento</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Unità</translation>
        </message>
        <message>
            <source>Нижня межа</source>
            <translation>Limite inferiore</translation>
        </message>
        <message>
            <source>Верхня межа</source>
            <translation>Limite superiore</translation>
        </message>
        <message>
            <source>Прилад &lt;b&gt;%1&lt;/b&gt; використовують формули: %2.&lt;br&gt;Якщо його видалити, ці формули буде вимкнено, доки ви не зміните їхні вирази у «Формулах». Видалити прилад?</source>
            <translation>Lo strumento &lt;b&gt;%1&lt;/b&gt; è usato dalle formule %2.&lt;br&gt;Se viene eliminato, queste formule restano disattivate finché non se ne modificano le espressioni in «Formule». Eliminare lo strumento?</translation>
        </message>
        <message>
            <source>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</source>
            <translation>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</translation>
        </message>
        <message>
            <source>Перемістити прилад</source>
            <translation>Sposta strumento</translation>
        </message>
        <message>
            <source>Літери приладів у формулах зміняться разом із порядком карток:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Перемістити прилад?</source>
            <translation>Le lettere degli strumenti nelle formule cambiano con l'ordine delle schede:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Spostare lo strumento?</translation>
        </message>
    </context>
    <context>
        <name>ModbusSettingsDialog</name>
        <message>
            <source>Настройка адаптеров Modbus</source>
            <translation>Impostazioni adattatori Modbus</translation>
        </message>
        <message>
            <source>Порт:</source>
            <translation>Porta:</translation>
        </message>
        <message>
            <source>Скорость:</source>
            <translation>Velocità:</translation>
        </message>
        <message>
            <source>Добавить адаптер</source>
            <translation>Aggiungi adattatore</translation>
        </message>
        <message>
            <source>Удалить выбранный</source>
            <translation>Rimuovi selezionato</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Подключенные адаптеры:</source>
            <translation>Adattatori collegati:</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Attenzione</translation>
        </message>
        <message>
            <source>Этот адаптер уже добавлен в список!</source>
            <translation>Questo adattatore è già nell'elenco!</translation>
        </message>
        <message>
            <source>Адаптер: %1 | Скорость: %2</source>
            <translation>Adattatore: %1 | Velocità: %2</translation>
        </message>
    </context>
    <context>
        <name>ModuleChooser</name>
        <message>
            <source>KOVRAN — вибір модуля</source>
            <translation>KOVRAN — scelta del modulo</translation>
        </message>
        <message>
            <source>Оберіть модуль</source>
            <translation>Scegli un modulo</translation>
        </message>
        <message>
            <source>Робоча область</source>
            <translation>Area di lavoro</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Altimetro</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Stativo di misura</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Alesametro laser</translation>
        </message>
        <message>
            <source>Запам'ятати мій вибір і відкривати цей модуль при запуску</source>
            <translation>Ricorda la mia scelta e apri questo modulo all'avvio</translation>
        </message>
    </context>
    <context>
        <name>PlotCanvas</name>
        <message>
            <source>Межі осі</source>
            <translation>Limiti dell'asse</translation>
        </message>
        <message>
            <source>Мінімум:</source>
            <translation>Minimo:</translation>
        </message>
        <message>
            <source>Максимум:</source>
            <translation>Massimo:</translation>
        </message>
        <message>
            <source>%1
вимір №%2: %3 %4</source>
            <translation>%1
misura n. %2: %3 %4</translation>
        </message>
        <message>
            <source>вимір №%1
%2: %3 %4
%5: %6 %7</source>
            <translation>misura n. %1
%2: %3 %4
%5: %6 %7</translation>
        </message>
        <message>
            <source>Автомасштаб %1</source>
            <translation>Scala automatica %1</translation>
        </message>
        <message>
            <source>Задати межі %1…</source>
            <translation>Imposta limiti %1…</translation>
        </message>
        <message>
            <source>Автомасштаб обох осей</source>
            <translation>Scala automatica di entrambi gli assi</translation>
        </message>
        <message>
            <source>Сітка</source>
            <translation>Griglia</translation>
        </message>
        <message>
            <source>Немає даних для побудови</source>
            <translation>Nessun dato da tracciare</translation>
        </message>
        <message>
            <source>№ виміру</source>
            <translation>N. misura</translation>
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
            <translation>Preset</translation>
        </message>
        <message>
            <source>Кількість точек</source>
            <translation>Numero di punti</translation>
        </message>
        <message>
            <source>Задать точки</source>
            <translation>Imposta punti</translation>
        </message>
        <message>
            <source>Від</source>
            <translation>Da</translation>
        </message>
        <message>
            <source>До</source>
            <translation>A</translation>
        </message>
        <message>
            <source>Крок</source>
            <translation>Passo</translation>
        </message>
        <message>
            <source>Автогенерація</source>
            <translation>Generazione automatica</translation>
        </message>
        <message>
            <source>Відхилення </source>
            <translation>Deviazione </translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Valori impostati</translation>
        </message>
        <message>
            <source>Зберегти налаштування</source>
            <translation>Salva impostazioni</translation>
        </message>
        <message>
            <source>JSON %1 (*.json);;%2 (*.*)</source>
            <translation>JSON %1 (*.json);;%2 (*.*)</translation>
        </message>
        <message>
            <source>Файли</source>
            <translation>file</translation>
        </message>
        <message>
            <source>Всі файли</source>
            <translation>Tutti i file</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Не вдалося зберегти файл!</source>
            <translation>Impossibile salvare il file!</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Operazione riuscita</translation>
        </message>
        <message>
            <source>Налаштування успішно збережено</source>
            <translation>Preset salvato</translation>
        </message>
        <message>
            <source>Перевірте правильність введених чисел.</source>
            <translation>Controllare i numeri inseriti.</translation>
        </message>
        <message>
            <source>Крок повинен бути більшим за нуль.</source>
            <translation>Il passo deve essere maggiore di zero.</translation>
        </message>
        <message>
            <source>Початкове значення більше за кінцеве.</source>
            <translation>Il valore iniziale è maggiore di quello finale.</translation>
        </message>
        <message>
            <source>Увага</source>
            <translation>Attenzione</translation>
        </message>
        <message>
            <source>Занадто багато точок (&gt;10 000). Збільште крок.</source>
            <translation>Troppi punti (&gt;10 000). Aumentare il passo.</translation>
        </message>
    </context>
    <context>
        <name>StandWindow</name>
        <message>
            <source>Column %1</source>
            <translation>Colonna %1</translation>
        </message>
        <message>
            <source>Стовпець %1</source>
            <translation>Colonna %1</translation>
        </message>
        <message>
            <source>Вимірювальний стенд</source>
            <translation>Stativo di misura</translation>
        </message>
        <message>
            <source>Нуль</source>
            <translation>Zero</translation>
        </message>
        <message>
            <source>Серійний номер</source>
            <translation>Numero di serie</translation>
        </message>
        <message>
            <source>Зберегти в PDF</source>
            <translation>Salva in PDF</translation>
        </message>
        <message>
            <source>Зберегти в CSV</source>
            <translation>Salva in CSV</translation>
        </message>
        <message>
            <source>Режим рулетки</source>
            <translation>Modalità metro a nastro</translation>
        </message>
        <message>
            <source>Рулетку протянуто</source>
            <translation>Metro spostato</translation>
        </message>
        <message>
            <source>Пресет</source>
            <translation>Preset</translation>
        </message>
        <message>
            <source>Оберіть папку з пресетами</source>
            <translation>Scegliere la cartella dei preset</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Aggiorna</translation>
        </message>
        <message>
            <source> Стрворити пресет</source>
            <translation> Crea preset</translation>
        </message>
        <message>
            <source>Очистити</source>
            <translation>Cancella</translation>
        </message>
        <message>
            <source>Без пресета</source>
            <translation>Nessun preset</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Вихід</source>
            <translation>Esci</translation>
        </message>
        <message>
            <source>Скинути параметри</source>
            <translation>Ripristina impostazioni</translation>
        </message>
        <message>
            <source>Камера</source>
            <translation>Telecamera</translation>
        </message>
        <message>
            <source>Камеры не найдены</source>
            <translation>Nessuna telecamera trovata</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>Українська</source>
            <translation>Ucraino</translation>
        </message>
        <message>
            <source>Англійська</source>
            <translation>Inglese</translation>
        </message>
        <message>
            <source>Французька</source>
            <translation>Francese</translation>
        </message>
        <message>
            <source>Німецька</source>
            <translation>Tedesco</translation>
        </message>
        <message>
            <source>Італійська</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>Польська</source>
            <translation>Polacco</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Ora</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Valori impostati</translation>
        </message>
        <message>
            <source>Виміряні значення</source>
            <translation>Valori misurati</translation>
        </message>
        <message>
            <source>Відхилення</source>
            <translation>Deviazione</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>POLLICI</translation>
        </message>
        <message>
            <source>MM</source>
            <translation>MM</translation>
        </message>
        <message>
            <source>Вимірювання завершено</source>
            <translation>Misurazione completata</translation>
        </message>
        <message>
            <source>Всі точки пресету успішно виміряні.
Що бажаєте зробити далі?</source>
            <translation>Tutti i punti del preset sono stati misurati.
Cosa si desidera fare ora?</translation>
        </message>
        <message>
            <source>Зберегти PDF</source>
            <translation>Salva PDF</translation>
        </message>
        <message>
            <source>Зберегти CSV</source>
            <translation>Salva CSV</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Svuota la tabella</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Видалити вимірювання</source>
            <translation>Elimina misurazione</translation>
        </message>
        <message>
            <source>Видалення вимірювання</source>
            <translation>Eliminazione della misurazione</translation>
        </message>
        <message>
            <source>Як саме ви хочете видалити дані?</source>
            <translation>Come si desidera eliminare i dati?</translation>
        </message>
        <message>
            <source>Тільки цей рядок</source>
            <translation>Solo questa riga</translation>
        </message>
        <message>
            <source>Зі зміщенням (очистити все після)</source>
            <translation>Con spostamento (cancella tutto ciò che segue)</translation>
        </message>
        <message>
            <source>Режим Tape</source>
            <translation>Modalità metro a nastro</translation>
        </message>
        <message>
            <source>Спочатку увімкніть 'Tape mode' (поставте галочку).</source>
            <translation>Attivare prima la «Modalità metro a nastro» (spuntare la casella).</translation>
        </message>
        <message>
            <source>Tape</source>
            <translation>Metro a nastro</translation>
        </message>
        <message>
            <source>Рулетку перетягнуто.
Нова база вимірювання: %1</source>
            <translation>Il metro è stato spostato.
Nuova base di misura: %1</translation>
        </message>
        <message>
            <source>Помилка Tape</source>
            <translation>Errore metro a nastro</translation>
        </message>
        <message>
            <source>У таблиці ще немає жодного вимірювання для збереження бази.</source>
            <translation>La tabella non contiene ancora misurazioni da usare come base.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Пресет %1 не завантажено.
%2</source>
            <translation>Il preset %1 non è stato caricato.
%2</translation>
        </message>
        <message>
            <source>Файл не вдалося відкрити: %1</source>
            <translation>Impossibile aprire il file: %1</translation>
        </message>
        <message>
            <source>Файл не є коректним JSON: %1</source>
            <translation>Il file non è un JSON valido: %1</translation>
        </message>
        <message>
            <source>У файлі немає об'єкта пресета.</source>
            <translation>Il file non contiene un oggetto preset.</translation>
        </message>
        <message>
            <source>Поле "%1" має неправильний тип.</source>
            <translation>Il campo "%1" ha un tipo errato.</translation>
        </message>
        <message>
            <source>Забагато точок: %1 (не більше %2).</source>
            <translation>Troppi punti: %1 (al massimo %2).</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Salvato: %1</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Impossibile scrivere il file %1.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Esporta in CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>File CSV (*.csv)</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>File PDF (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>StatisticsDialog</name>
        <message>
            <source>Статистика</source>
            <translation>Statistiche</translation>
        </message>
        <message>
            <source>Рахувати за:</source>
            <translation>Calcola su:</translation>
        </message>
        <message>
            <source>Кількість</source>
            <translation>Numero</translation>
        </message>
        <message>
            <source>Середнє</source>
            <translation>Media</translation>
        </message>
        <message>
            <source>Мінімум</source>
            <translation>Minimo</translation>
        </message>
        <message>
            <source>Максимум</source>
            <translation>Massimo</translation>
        </message>
        <message>
            <source>Розмах</source>
            <translation>Escursione</translation>
        </message>
        <message>
            <source>Ст. відхилення</source>
            <translation>Dev. standard</translation>
        </message>
        <message>
            <source>У допуску</source>
            <translation>In tolleranza</translation>
        </message>
        <message>
            <source>Поза допуском</source>
            <translation>Fuori tolleranza</translation>
        </message>
        <message>
            <source>Придатних, %</source>
            <translation>Conformi, %</translation>
        </message>
        <message>
            <source>Закрити</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Розподіл значень</source>
            <translation>Distribuzione dei valori</translation>
        </message>
        <message>
            <source>Тренд за порядком вимірювання</source>
            <translation>Andamento nell'ordine di misura</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>dati dalla tabella comune</translation>
        </message>
        <message>
            <source>дані з таблиці приладу</source>
            <translation>dati dalla tabella dello strumento</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Nessuno strumento</translation>
        </message>
        <message>
            <source>усією таблицею (%1)</source>
            <translation>l'intera tabella (%1)</translation>
        </message>
        <message>
            <source>виділеними рядками (%1)</source>
            <translation>le righe selezionate (%1)</translation>
        </message>
        <message>
            <source>Для цього приладу допуски не задані, тож придатність не оцінюється. Задайте режим вимірювання з допусками в налаштуваннях приладу.</source>
            <translation>Per questo strumento non sono impostate tolleranze, quindi la conformità non viene valutata. Scegliere una modalità di misura con limiti nelle impostazioni dello strumento.</translation>
        </message>
        <message>
            <source>Допуск: від %1 до %2 %3</source>
            <translation>Tolleranza: da %1 a %2 %3</translation>
        </message>
        <message>
            <source>Допуск: не більше %1 %2</source>
            <translation>Tolleranza: al massimo %1 %2</translation>
        </message>
        <message>
            <source>Допуск: не менше %1 %2</source>
            <translation>Tolleranza: almeno %1 %2</translation>
        </message>
        <message>
            <source>Тренд: %1%2 %3 за вимір</source>
            <translation>Andamento: %1%2 %3 per misura</translation>
        </message>
        <message>
            <source>Придатність за короткочасним σ = MR̄ / 1,128 (ковзний розмах)</source>
            <translation>Capacità dalla σ a breve termine = MR̄ / 1,128 (escursione mobile)</translation>
        </message>
        <message>
            <source>Продуктивність за загальним σ (стандартне відхилення)</source>
            <translation>Prestazione dalla σ complessiva (deviazione standard)</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Esporta</translation>
        </message>
        <message>
            <source>Контрольна карта (I-MR)</source>
            <translation>Carta di controllo (I-MR)</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Fuori controllo statistico: %n punto</numerusform>
                <numerusform>Fuori controllo statistico: %n punti</numerusform>
            </translation>
        </message>
        <message>
            <source>Показник</source>
            <translation>Indice</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Valore</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Strumento</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Unità</translation>
        </message>
        <message>
            <source>Примітка</source>
            <translation>Nota</translation>
        </message>
        <message>
            <source>Статистика: %1</source>
            <translation>Statistiche: %1</translation>
        </message>
    </context>
    <context>
        <name>SylvacSerialDialog</name>
        <message>
            <source>Додавання приладу Sylvac (провід)</source>
            <translation>Aggiunta di uno strumento Sylvac (cavo)</translation>
        </message>
        <message>
            <source>Програма сама визначить, до якого порту під'єднано прилад. Переконайтеся, що кабель у роз'ємі, а прилад увімкнений.</source>
            <translation>Il programma trova da solo la porta dello strumento. Verificare che il cavo sia inserito e lo strumento acceso.</translation>
        </message>
        <message>
            <source>Шукати знову</source>
            <translation>Cerca di nuovo</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Немає вільних COM-портів</source>
            <translation>Nessuna porta COM libera</translation>
        </message>
        <message>
            <source>Усі порти вже зайняті іншими приладами.</source>
            <translation>Tutte le porte sono già usate da altri strumenti.</translation>
        </message>
        <message>
            <source>Натисніть кнопку передачі на приладі</source>
            <translation>Premere il pulsante di invio sullo strumento</translation>
        </message>
        <message>
            <source>Не вдалося відкрити жодного порту.</source>
            <translation>Impossibile aprire alcuna porta.</translation>
        </message>
        <message>
            <source>Слухаю порти: %1</source>
            <translation>In ascolto sulle porte: %1</translation>
        </message>
        <message>
            <source>Прилад знайдено</source>
            <translation>Strumento trovato</translation>
        </message>
        <message numerus="yes">
            <source>Порт %1, значення %2 (%n знак(ів) після коми)</source>
            <translation>
                <numerusform>Porta %1, valore %2 (%n decimale)</numerusform>
                <numerusform>Porta %1, valore %2 (%n decimali)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>TimerSettingsDialog</name>
        <message>
            <source>Налаштування таймера запису</source>
            <translation>Impostazioni del timer di registrazione</translation>
        </message>
        <message>
            <source>Режим таймера:</source>
            <translation>Modalità timer:</translation>
        </message>
        <message>
            <source>Синхронний (один таймер для всіх)</source>
            <translation>Sincrono (un timer per tutti)</translation>
        </message>
        <message>
            <source>Індивідуальний для кожного приладу</source>
            <translation>Individuale per ogni strumento</translation>
        </message>
        <message>
            <source>Інтервал запису:</source>
            <translation>Intervallo di registrazione:</translation>
        </message>
        <message>
            <source> мс (0 = вимкнено)</source>
            <translation> ms (0 = disattivato)</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Strumento</translation>
        </message>
        <message>
            <source>Інтервал (мс)</source>
            <translation>Intervallo (ms)</translation>
        </message>
        <message>
            <source>Скинути таймер</source>
            <translation>Azzera timer</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>TrendWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>misura n. %1
%2 %3</translation>
        </message>
        <message>
            <source>Замало даних для тренду</source>
            <translation>Dati insufficienti per un andamento</translation>
        </message>
        <message>
            <source>нижня межа</source>
            <translation>limite inferiore</translation>
        </message>
        <message>
            <source>верхня межа</source>
            <translation>limite superiore</translation>
        </message>
        <message>
            <source>тренд</source>
            <translation>andamento</translation>
        </message>
    </context>
    <context>
        <name>UserEditDialog</name>
        <message>
            <source>Новий користувач</source>
            <translation>Nuovo utente</translation>
        </message>
        <message>
            <source>Користувач</source>
            <translation>Utente</translation>
        </message>
        <message>
            <source>ім'я або посада</source>
            <translation>nome o mansione</translation>
        </message>
        <message>
            <source>Ім'я:</source>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>Роль:</source>
            <translation>Ruolo:</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — роль змінити не можна, інакше керувати користувачами стане нікому.</source>
            <translation>Questo è l'unico amministratore — il ruolo non può essere cambiato, altrimenti nessuno potrebbe gestire gli utenti.</translation>
        </message>
    </context>
    <context>
        <name>UserManager</name>
        <message>
            <source>Адміністратор</source>
            <translation>Amministratore</translation>
        </message>
        <message>
            <source>адміністратор</source>
            <translation>amministratore</translation>
        </message>
        <message>
            <source>оператор</source>
            <translation>operatore</translation>
        </message>
    </context>
    <context>
        <name>UsersDialog</name>
        <message>
            <source>Користувачі</source>
            <translation>Utenti</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Aggiungi</translation>
        </message>
        <message>
            <source>Змінити</source>
            <translation>Modifica</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>Прилад належить одному користувачеві: якщо позначити його тут, він автоматично зніметься з попереднього власника.</source>
            <translation>Uno strumento appartiene a un solo utente: se lo si seleziona qui, viene tolto automaticamente al proprietario precedente.</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Прилади користувача «%1»</source>
            <translation>Strumenti di «%1»</translation>
        </message>
        <message>
            <source>Прилади</source>
            <translation>Strumenti</translation>
        </message>
        <message>
            <source>(зараз у «%1»)</source>
            <translation>(ora di «%1»)</translation>
        </message>
        <message>
            <source>(закріплений за видаленим користувачем)</source>
            <translation>(assegnato a un utente eliminato)</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — його видалити не можна. Спершу призначте адміністратором когось іншого.</source>
            <translation>Questo è l'unico amministratore — non può essere eliminato. Nominare prima amministratore un altro utente.</translation>
        </message>
        <message>
            <source>Видалити користувача «%1»?</source>
            <translation>Eliminare l'utente «%1»?</translation>
        </message>
        <message>
            <source>

Закріплені за ним прилади (%1) стануть нічийними.</source>
            <translation>

Gli strumenti assegnati a questo utente (%1) resteranno senza proprietario.</translation>
        </message>
        <message>
            <source>Видалення</source>
            <translation>Eliminazione</translation>
        </message>
    </context>
    <context>
        <name>XdoKeystrokeSink</name>
        <message>
            <source>Сеанс Wayland без XWayland: значення не можна набирати в інші програми. Увійдіть у сеанс X11 (Xorg) або увімкніть XWayland.</source>
            <translation>Sessione Wayland senza XWayland: i valori non possono essere digitati in altri programmi. Accedere a una sessione X11 (Xorg) o attivare XWayland.</translation>
        </message>
        <message>
            <source>Немає X-дисплея (змінна DISPLAY не задана), тому значення не можна набирати в інші програми.</source>
            <translation>Nessun display X (variabile DISPLAY non impostata), quindi i valori non possono essere digitati in altri programmi.</translation>
        </message>
        <message>
            <source>Не знайдено бібліотек X11 (libX11, libXtst), тому значення не можна набирати в інші програми.</source>
            <translation>Le librerie X11 (libX11, libXtst) non sono state trovate, quindi i valori non possono essere digitati in altri programmi.</translation>
        </message>
        <message>
            <source>Не вдалося під'єднатися до X-дисплея %1, тому значення не можна набирати в інші програми.</source>
            <translation>Impossibile connettersi al display X %1, quindi i valori non possono essere digitati in altri programmi.</translation>
        </message>
        <message>
            <source>X-сервер %1 не підтримує розширення XTest, тому значення не можна набирати в інші програми.</source>
            <translation>Il server X %1 non supporta l'estensione XTest, quindi i valori non possono essere digitati in altri programmi.</translation>
        </message>
    </context>
    <context>
        <name>devozor_scan_setting_window</name>
        <message>
            <source>Сканування</source>
            <translation>Scansione</translation>
        </message>
        <message>
            <source>Step Scan</source>
            <translation>Passo di scansione</translation>
        </message>
        <message>
            <source>Max Scan</source>
            <translation>Massimo di scansione</translation>
        </message>
        <message>
            <source>Min Scan</source>
            <translation>Minimo di scansione</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Applica</translation>
        </message>
    </context>
</TS>
