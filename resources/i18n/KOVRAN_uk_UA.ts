<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="uk_UA">
    <context>
        <name>AddDeviceDialog</name>
        <message>
            <source>Проверить связь</source>
            <translation>Перевірити зв'язок</translation>
        </message>
        <message>
            <source>Статус: не проверено</source>
            <translation>Статус: не перевірено</translation>
        </message>
        <message>
            <source>Подключить</source>
            <translation>Підключити</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Скасувати</translation>
        </message>
        <message>
            <source>Подключение Modbus прибора</source>
            <translation>Підключення приладу Modbus</translation>
        </message>
        <message>
            <source>Сохраненный адаптер (Порт):</source>
            <translation>Збережений адаптер (порт):</translation>
        </message>
        <message>
            <source>Текущая скорость порта:</source>
            <translation>Поточна швидкість порту:</translation>
        </message>
        <message>
            <source>Текущий адрес прибора (Modbus ID [1-247]):</source>
            <translation>Поточна адреса приладу (Modbus ID [1-247]):</translation>
        </message>
        <message>
            <source>--- Новые параметры прибора ---</source>
            <translation>--- Нові параметри приладу ---</translation>
        </message>
        <message>
            <source>Новый адрес (Modbus ID):</source>
            <translation>Нова адреса (Modbus ID):</translation>
        </message>
        <message>
            <source>Новая скорость:</source>
            <translation>Нова швидкість:</translation>
        </message>
        <message>
            <source>Статус: Ошибка открытия порта</source>
            <translation>Статус: Помилка відкриття порту</translation>
        </message>
        <message>
            <source>Статус: Таймаут (нет ответа от прибора)</source>
            <translation>Статус: Тайм-аут (немає відповіді від приладу)</translation>
        </message>
        <message>
            <source>Статус: Прибор ответил! Связь есть.</source>
            <translation>Статус: Прилад відповів! Зв'язок є.</translation>
        </message>
        <message>
            <source>Статус: Ошибка CRC (неверная контрольная сумма)</source>
            <translation>Статус: Помилка CRC (невірна контрольна сума)</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Помилка</translation>
        </message>
        <message>
            <source>Прибор с адресом %1 уже существует на порту %2!
Пожалуйста, выберите другой 'Новый адрес'.</source>
            <translation>Прилад з адресою %1 уже існує на порту %2!
Будь ласка, виберіть іншу 'Нову адресу'.</translation>
        </message>
        <message>
            <source>Не удалось открыть порт.</source>
            <translation>Не вдалося відкрити порт.</translation>
        </message>
        <message>
            <source>Нет сохраненных адаптеров! Добавьте адаптер через главное меню.</source>
            <translation>Немає збережених адаптерів! Додайте адаптер через головне меню.</translation>
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
            <source>Графік вимірів з'явиться в наступній версії програми.</source>
            <translation>Графік вимірів з'явиться в наступній версії програми.</translation>
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
            <source>KOVRAN</source>
            <translation>KOVRAN</translation>
        </message>
        <message>
            <source>Ця функція з'явиться в наступній версії програми.</source>
            <translation>Ця функція з'явиться в наступній версії програми.</translation>
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
            <source>Модулі розширення ще не встановлено</source>
            <translation>Модулі розширення ще не встановлено</translation>
        </message>
        <message>
            <source>DEVICE %1</source>
            <translation>DEVICE %1</translation>
        </message>
    </context>
    <context>
        <name>ModbusSettingsDialog</name>
        <message>
            <source>Настройка адаптеров Modbus</source>
            <translation>Налаштування адаптерів Modbus</translation>
        </message>
        <message>
            <source>Порт:</source>
            <translation>Порт:</translation>
        </message>
        <message>
            <source>Скорость:</source>
            <translation>Швидкість:</translation>
        </message>
        <message>
            <source>Добавить адаптер</source>
            <translation>Додати адаптер</translation>
        </message>
        <message>
            <source>Удалить выбранный</source>
            <translation>Видалити вибраний</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Закрити</translation>
        </message>
        <message>
            <source>Подключенные адаптеры:</source>
            <translation>Підключені адаптери:</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Увага</translation>
        </message>
        <message>
            <source>Этот адаптер уже добавлен в список!</source>
            <translation>Цей адаптер уже додано до списку!</translation>
        </message>
        <message>
            <source>Адаптер: %1 | Скорость: %2</source>
            <translation>Адаптер: %1 | Швидкість: %2</translation>
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
</TS>
