<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="uk_UA">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>Про програму</source>
            <translation>À propos du programme</translation>
        </message>
        <message>
            <source>Версія:</source>
            <translation>Version :</translation>
        </message>
        <message>
            <source>Папка налаштувань:</source>
            <translation>Dossier des paramètres :</translation>
        </message>
        <message>
            <source>Журнал роботи:</source>
            <translation>Fichier journal :</translation>
        </message>
        <message>
            <source>Відкрити папку налаштувань</source>
            <translation>Ouvrir le dossier des paramètres</translation>
        </message>
        <message>
            <source>Програма вимірювального стенда контролю якості.</source>
            <translation>Le programme d'un banc de mesure pour le contrôle qualité.</translation>
        </message>
    </context>
    <context>
        <name>AddDeviceDialog</name>
        <message>
            <source>Проверить связь</source>
            <translation>Tester la connexion</translation>
        </message>
        <message>
            <source>Статус: не проверено</source>
            <translation>État : non testé</translation>
        </message>
        <message>
            <source>Подключить</source>
            <translation>Connecter</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Подключение Modbus прибора</source>
            <translation>Connexion d'un instrument Modbus</translation>
        </message>
        <message>
            <source>Сохраненный адаптер (Порт):</source>
            <translation>Adaptateur enregistré (port) :</translation>
        </message>
        <message>
            <source>Текущая скорость порта:</source>
            <translation>Vitesse actuelle du port :</translation>
        </message>
        <message>
            <source>Текущий адрес прибора (Modbus ID [1-247]):</source>
            <translation>Adresse actuelle de l'instrument (ID Modbus [1-247]) :</translation>
        </message>
        <message>
            <source>--- Новые параметры прибора ---</source>
            <translation>--- Nouveaux paramètres de l'instrument ---</translation>
        </message>
        <message>
            <source>Новый адрес (Modbus ID):</source>
            <translation>Nouvelle adresse (ID Modbus) :</translation>
        </message>
        <message>
            <source>Новая скорость:</source>
            <translation>Nouvelle vitesse :</translation>
        </message>
        <message>
            <source>Статус: Ошибка открытия порта</source>
            <translation>État : Erreur d'ouverture du port</translation>
        </message>
        <message>
            <source>Статус: Таймаут (нет ответа от прибора)</source>
            <translation>État : Délai dépassé (pas de réponse de l'instrument)</translation>
        </message>
        <message>
            <source>Статус: Прибор ответил! Связь есть.</source>
            <translation>État : L'instrument a répondu ! Connexion établie.</translation>
        </message>
        <message>
            <source>Статус: Ошибка CRC (неверная контрольная сумма)</source>
            <translation>État : Erreur CRC (somme de contrôle incorrecte)</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Прибор с адресом %1 уже существует на порту %2!
Пожалуйста, выберите другой 'Новый адрес'.</source>
            <translation>Un instrument avec l'adresse %1 existe déjà sur le port %2 !
Veuillez choisir une autre « Nouvelle adresse ».</translation>
        </message>
        <message>
            <source>Не удалось открыть порт.</source>
            <translation>Impossible d'ouvrir le port.</translation>
        </message>
        <message>
            <source>Нет сохраненных адаптеров! Добавьте адаптер через главное меню.</source>
            <translation>Aucun adaptateur enregistré ! Ajoutez un adaptateur depuis le menu principal.</translation>
        </message>
    </context>
    <context>
        <name>BleDeviceScanDialog</name>
        <message>
            <source>Додавання Bluetooth-приладу</source>
            <translation>Ajouter un instrument Bluetooth</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Recherche d'instruments...</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Cliquez sur un instrument pour le choisir (il est mis en évidence). En gris, les appareils de type inconnu — ils ne peuvent pas être ajoutés.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Actualiser</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>(без назви)</source>
            <translation>(sans nom)</translation>
        </message>
        <message>
            <source>Знайдено приладів: %1 (придатних: %2)</source>
            <translation>Instruments trouvés : %1 (utilisables : %2)</translation>
        </message>
        <message>
            <source>Помилка сканування: %1</source>
            <translation>Erreur de recherche : %1</translation>
        </message>
        <message>
            <source>Прилад невідомого типу — додати не можна</source>
            <translation>Instrument de type inconnu — impossible de l'ajouter</translation>
        </message>
        <message>
            <source>Обрано — клікніть ще раз, щоб зняти вибір</source>
            <translation>Choisi — cliquez de nouveau pour annuler le choix</translation>
        </message>
        <message>
            <source>Протокол: %1. Клікніть, щоб обрати цей прилад</source>
            <translation>Protocole : %1. Cliquez pour choisir cet instrument</translation>
        </message>
    </context>
    <context>
        <name>ChartWidget</name>
        <message>
            <source>Усі прилади по Y</source>
            <translation>Tous les instruments sur Y</translation>
        </message>
        <message>
            <source>X–Y (два прилади)</source>
            <translation>X–Y (deux instruments)</translation>
        </message>
        <message>
            <source>X:</source>
            <translation>X :</translation>
        </message>
        <message>
            <source>Y:</source>
            <translation>Y :</translation>
        </message>
        <message>
            <source>Сітка</source>
            <translation>Grille</translation>
        </message>
        <message>
            <source>Тип:</source>
            <translation>Type :</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>données du tableau commun</translation>
        </message>
        <message>
            <source>дані з таблиць приладів</source>
            <translation>données des tableaux des instruments</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Aucun instrument</translation>
        </message>
        <message>
            <source>Порівнюється %1 пар; зайвих вимірів: %2</source>
            <translation>%1 paires comparées ; mesures en trop : %2</translation>
        </message>
    </context>
    <context>
        <name>ControlChartWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>mesure n° %1
%2 %3</translation>
        </message>
        <message>
            <source>ковзний розмах %1</source>
            <translation>étendue mobile %1</translation>
        </message>
        <message>
            <source>порушує правила: %1</source>
            <translation>enfreint les règles : %1</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Hors contrôle statistique : %n point</numerusform>
                <numerusform>Hors contrôle statistique : %n points</numerusform>
            </translation>
        </message>
        <message>
            <source>№%1 — правила %2</source>
            <translation>n° %1 — règles %2</translation>
        </message>
        <message>
            <source>… і ще %1</source>
            <translation>… et %1 de plus</translation>
        </message>
        <message>
            <source>Правила: 1 — точка за межею 3σ; 2 — дві з трьох за 2σ; 3 — чотири з п'яти за 1σ; 4 — вісім поспіль з одного боку.</source>
            <translation>Règles : 1 — un point au-delà de 3σ ; 2 — deux sur trois au-delà de 2σ ; 3 — quatre sur cinq au-delà de 1σ ; 4 — huit de suite du même côté.</translation>
        </message>
        <message>
            <source>Замало даних для контрольної карти</source>
            <translation>Pas assez de données pour une carte de contrôle</translation>
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
            <translation>Modifier les paramètres de l'instrument</translation>
        </message>
        <message>
            <source>Назва:</source>
            <translation>Nom :</translation>
        </message>
        <message>
            <source>Тип (з приладу):</source>
            <translation>Type (de l'instrument) :</translation>
        </message>
        <message>
            <source>—</source>
            <translation>—</translation>
        </message>
        <message>
            <source>MAC-адреса:</source>
            <translation>Adresse MAC :</translation>
        </message>
        <message>
            <source>Серійний номер:</source>
            <translation>Numéro de série :</translation>
        </message>
        <message>
            <source>Дата калібрування:</source>
            <translation>Date d'étalonnage :</translation>
        </message>
        <message>
            <source>Одиниці, задані в приладі:</source>
            <translation>Unités réglées dans l'instrument :</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Utilisé lorsque l'instrument envoie des chiffres sans séparateur décimal</translation>
        </message>
        <message>
            <source>Знаків після коми в приладі:</source>
            <translation>Décimales dans l'instrument :</translation>
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
            <translation>Précision :</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>Min Peek</source>
            <translation>Maintien du min.</translation>
        </message>
        <message>
            <source>Max Peek</source>
            <translation>Maintien du max.</translation>
        </message>
        <message>
            <source>Range Peek</source>
            <translation>Faux-rond (max − min)</translation>
        </message>
        <message>
            <source>Module Peek</source>
            <translation>Crête absolue</translation>
        </message>
        <message>
            <source>Min Limits</source>
            <translation>Limite inférieure seule</translation>
        </message>
        <message>
            <source>Max Limits</source>
            <translation>Limite supérieure seule</translation>
        </message>
        <message>
            <source>Range Limits</source>
            <translation>Intervalle de tolérance</translation>
        </message>
        <message>
            <source>Режим вимірювання:</source>
            <translation>Mode de mesure :</translation>
        </message>
        <message>
            <source>Мін. ліміт:</source>
            <translation>Limite inférieure :</translation>
        </message>
        <message>
            <source>Макс. ліміт:</source>
            <translation>Limite supérieure :</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Нижній ліміт більший за верхній. Перевірте ліміти.</source>
            <translation>La limite inférieure est supérieure à la limite supérieure. Vérifiez les limites.</translation>
        </message>
        <message>
            <source>Лінійний датчик (0)</source>
            <translation>Capteur linéaire (0)</translation>
        </message>
        <message>
            <source>Індикатор</source>
            <translation>Comparateur</translation>
        </message>
        <message>
            <source>Динамометр</source>
            <translation>Dynamomètre</translation>
        </message>
        <message>
            <source>Unknown (%1)</source>
            <translation>Inconnu (%1)</translation>
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
            <translation>Choix du type de connexion</translation>
        </message>
        <message>
            <source>Виберіть тип підключення нового приладу:</source>
            <translation>Choisissez le type de connexion du nouvel instrument :</translation>
        </message>
        <message>
            <source>Modbus (RS-485)</source>
            <translation>Modbus (RS-485)</translation>
        </message>
        <message>
            <source>Бездротовий (Bluetooth)</source>
            <translation>Sans fil (Bluetooth)</translation>
        </message>
        <message>
            <source>USB (HID-клавіатура)</source>
            <translation>USB (clavier HID)</translation>
        </message>
        <message>
            <source>Бездротовий через nRF-донгл</source>
            <translation>Sans fil via dongle nRF</translation>
        </message>
        <message>
            <source>Бездротовий через донгл BLED112</source>
            <translation>Sans fil via dongle BLED112</translation>
        </message>
        <message>
            <source>Sylvac провід</source>
            <translation>Câble Sylvac</translation>
        </message>
        <message>
            <source>Далі</source>
            <translation>Suivant</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>Device_visual</name>
        <message>
            <source>ADDR: %1 | %2</source>
            <translation>ADR : %1 | %2</translation>
        </message>
        <message>
            <source>HID | VID_%1 PID_%2</source>
            <translation>HID | VID_%1 PID_%2</translation>
        </message>
        <message>
            <source>HID-клавіатура</source>
            <translation>Clavier HID</translation>
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
            <translation>pouces</translation>
        </message>
        <message>
            <source>Клік — відкрити прилад. Затиснути та потягнути — змінити порядок</source>
            <translation>Clic — ouvrir l'instrument. Maintenir et glisser — changer l'ordre</translation>
        </message>
        <message>
            <source>Статистика вимірів</source>
            <translation>Statistiques des mesures</translation>
        </message>
        <message>
            <source>Прилад закріплено за користувачем</source>
            <translation>Instrument attribué à un utilisateur</translation>
        </message>
        <message>
            <source>Редагувати</source>
            <translation>Modifier</translation>
        </message>
        <message>
            <source>Вивантажити пам'ять приладу</source>
            <translation>Télécharger la mémoire de l'instrument</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>КОМ: 141414</source>
            <translation>COM : 141414</translation>
        </message>
        <message>
            <source>МАС: 9f:51:55:55</source>
            <translation>MAC : 9f:51:55:55</translation>
        </message>
        <message>
            <source>Sylvac (провід)</source>
            <translation>Sylvac (câble)</translation>
        </message>
        <message>
            <source>ƒ = %1 | вимкнено</source>
            <translation>ƒ = %1 | désactivée</translation>
        </message>
        <message>
            <source>ƒ (формула)</source>
            <translation>ƒ (formule)</translation>
        </message>
    </context>
    <context>
        <name>DevozorWindow</name>
        <message>
            <source>Висота</source>
            <translation>Hauteur</translation>
        </message>
        <message>
            <source>Нуль висоти</source>
            <translation>Zéro hauteur</translation>
        </message>
        <message>
            <source>Лазер</source>
            <translation>Laser</translation>
        </message>
        <message>
            <source>Нуль лазера</source>
            <translation>Zéro laser</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Tout mettre à zéro</translation>
        </message>
        <message>
            <source>Точка</source>
            <translation>Point</translation>
        </message>
        <message>
            <source>Дві точки</source>
            <translation>Deux points</translation>
        </message>
        <message>
            <source>Центр</source>
            <translation>Centre</translation>
        </message>
        <message>
            <source>Висота і лазер</source>
            <translation>Hauteur et laser</translation>
        </message>
        <message>
            <source>Сканування</source>
            <translation>Balayage</translation>
        </message>
        <message>
            <source>Глибина</source>
            <translation>Profondeur</translation>
        </message>
        <message>
            <source>Автоматично</source>
            <translation>Automatique</translation>
        </message>
        <message>
            <source>Встановити базу</source>
            <translation>Définir la base</translation>
        </message>
        <message>
            <source>Вгору</source>
            <translation>Monter</translation>
        </message>
        <message>
            <source>Вниз</source>
            <translation>Descendre</translation>
        </message>
        <message>
            <source>СТОП</source>
            <translation>STOP</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Завантажити макрос</source>
            <translation>Charger une macro</translation>
        </message>
        <message>
            <source>Кількість повторів</source>
            <translation>Nombre de répétitions</translation>
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
            <translation>unité</translation>
        </message>
        <message>
            <source>Експорт PDF</source>
            <translation>Exporter en PDF</translation>
        </message>
        <message>
            <source>Експорт CSV</source>
            <translation>Exporter en CSV</translation>
        </message>
        <message>
            <source>Point 1 add</source>
            <translation>Point 1 ajouté</translation>
        </message>
        <message>
            <source>Point 2 add</source>
            <translation>Point 2 ajouté</translation>
        </message>
        <message>
            <source>Point 3 add</source>
            <translation>Point 3 ajouté</translation>
        </message>
        <message>
            <source>Point 4 add</source>
            <translation>Point 4 ajouté</translation>
        </message>
        <message>
            <source>Меню таблицы</source>
            <translation>Menu du tableau</translation>
        </message>
        <message>
            <source>Удалить выбранную строку</source>
            <translation>Supprimer la ligne sélectionnée</translation>
        </message>
        <message>
            <source>Очистить всю таблицу</source>
            <translation>Vider tout le tableau</translation>
        </message>
        <message>
            <source>Экспорт в CSV</source>
            <translation>Exporter en CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>Экспорт в PDF</source>
            <translation>Exporter en PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>Fichiers PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Отчет об измерениях (Kovran)</source>
            <translation>Rapport de mesure (Kovran)</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Enregistré : %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Impossible d'écrire le fichier %1.</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Macros Files (*.mcm)</source>
            <translation>Fichiers de macros (*.mcm)</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Ouvrir</translation>
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
            <translation>rapide</translation>
        </message>
        <message>
            <source>standard</source>
            <translation>standard</translation>
        </message>
        <message>
            <source>precision</source>
            <translation>précision</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Appliquer</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Vitesse</translation>
        </message>
        <message>
            <source>Одиниці</source>
            <translation>Unités</translation>
        </message>
        <message>
            <source>Значення бази</source>
            <translation>Valeur de la base</translation>
        </message>
        <message>
            <source>Поріг лазера</source>
            <translation>Seuil laser</translation>
        </message>
    </context>
    <context>
        <name>DongleDeviceScanDialog</name>
        <message>
            <source>Додавання приладу через nRF-донгл</source>
            <translation>Ajouter un instrument par le dongle nRF</translation>
        </message>
        <message>
            <source>Додавання приладу через донгл BLED112</source>
            <translation>Ajouter un instrument par le dongle BLED112</translation>
        </message>
        <message>
            <source>Донгл:</source>
            <translation>Dongle :</translation>
        </message>
        <message>
            <source>Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої невідомого типу — їх не можна додати.</source>
            <translation>Cliquez sur un instrument pour le choisir (il est mis en évidence). En gris, les appareils de type inconnu — ils ne peuvent pas être ajoutés.</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Actualiser</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Донгл не знайдено. Під'єднайте його й натисніть «Оновити».</source>
            <translation>Aucun dongle trouvé. Branchez-le et appuyez sur « Actualiser ».</translation>
        </message>
        <message>
            <source>Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл.</source>
            <translation>Tous les dongles sont pleins. Libérez une place ou branchez un autre dongle.</translation>
        </message>
        <message>
            <source>Оновити список</source>
            <translation>Actualiser la liste</translation>
        </message>
        <message>
            <source>%1 — %2 з %3</source>
            <translation>%1 — %2 sur %3</translation>
        </message>
        <message>
            <source>Не вдалося відкрити донгл на %1.</source>
            <translation>Impossible d'ouvrir le dongle sur %1.</translation>
        </message>
        <message>
            <source>Донгл не почав сканування.</source>
            <translation>Le dongle n'a pas commencé la recherche.</translation>
        </message>
        <message>
            <source>Пошук приладів...</source>
            <translation>Recherche d'instruments...</translation>
        </message>
        <message>
            <source>Знайдено придатних приладів: %1</source>
            <translation>Instruments utilisables trouvés : %1</translation>
        </message>
        <message>
            <source>Не знайдено бібліотеку драйвера %1: встановіть її або покладіть поруч із програмою.</source>
            <translation>La bibliothèque de pilote %1 est introuvable : installez-la ou placez-la à côté du programme.</translation>
        </message>
    </context>
    <context>
        <name>FormulaExpression</name>
        <message>
            <source>Введіть вираз, наприклад (A - B) / 2.</source>
            <translation>Saisissez une expression, par exemple (A - B) / 2.</translation>
        </message>
        <message>
            <source>Вираз задовгий: не більше %1 символів.</source>
            <translation>L'expression est trop longue : %1 caractères au plus.</translation>
        </message>
        <message>
            <source>Прилад, з яким рахувала формула, видалено: замініть «#» літерою приладу.</source>
            <translation>Un instrument utilisé par la formule a été supprimé : remplacez « # » par la lettre d'un instrument.</translation>
        </message>
        <message>
            <source>Знак «=» на позиції %1 не дозволено: формула — це лише вираз, порівнюють через «==».</source>
            <translation>Le signe « = » en position %1 n'est pas permis : une formule n'est qu'une expression ; on compare avec « == ».</translation>
        </message>
        <message>
            <source>Число «%1» записане неправильно або завелике.</source>
            <translation>Le nombre « %1 » est mal écrit ou trop grand.</translation>
        </message>
        <message>
            <source>Невідома назва «%1»: прилади позначають великими літерами (A, B, C…), функції — малими (min, max, abs, sqrt).</source>
            <translation>Nom inconnu « %1 » : les instruments sont des majuscules (A, B, C…), les fonctions des minuscules (min, max, abs, sqrt).</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області прилади від A до %2.</source>
            <translation>Il n'y a pas d'instrument %1 : l'espace de travail a les instruments A à %2.</translation>
        </message>
        <message>
            <source>Приладу %1 немає: у робочій області ще немає приладів.</source>
            <translation>Il n'y a pas d'instrument %1 : l'espace de travail n'a encore aucun instrument.</translation>
        </message>
        <message>
            <source>Вираз не використовує жодного приладу: додайте літеру приладу (A, B, C…).</source>
            <translation>L'expression n'utilise aucun instrument : ajoutez la lettre d'un instrument (A, B, C…).</translation>
        </message>
        <message>
            <source>Вираз має дати одне значення: кома розділяє лише аргументи функції.</source>
            <translation>L'expression doit donner une seule valeur : la virgule ne sépare que les arguments d'une fonction.</translation>
        </message>
        <message>
            <source>Вираз обривається: бракує числа, літери приладу або дужки в кінці.</source>
            <translation>L'expression s'interrompt : il manque à la fin un nombre, la lettre d'un instrument ou une parenthèse.</translation>
        </message>
        <message>
            <source>Не закрито дужку.</source>
            <translation>Une parenthèse n'est pas fermée.</translation>
        </message>
        <message>
            <source>Неправильна кількість аргументів функції «%1».</source>
            <translation>Nombre d'arguments incorrect pour la fonction « %1 ».</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1.</source>
            <translation>Erreur dans l'expression en position %1.</translation>
        </message>
        <message>
            <source>Помилка у виразі на позиції %1, біля «%2».</source>
            <translation>Erreur dans l'expression en position %1, près de « %2 ».</translation>
        </message>
        <message>
            <source>Вираз не вдалося розібрати.</source>
            <translation>L'expression n'a pas pu être lue.</translation>
        </message>
    </context>
    <context>
        <name>FormulaManagerDialog</name>
        <message>
            <source>Формули</source>
            <translation>Formules</translation>
        </message>
        <message>
            <source>Нова формула</source>
            <translation>Nouvelle formule</translation>
        </message>
        <message>
            <source>Видалити формулу</source>
            <translation>Supprimer la formule</translation>
        </message>
        <message>
            <source>наприклад (A - B) / 2 або max(A, B, C) - min(A, B, C)</source>
            <translation>p. ex. (A - B) / 2 ou max(A, B, C) - min(A, B, C)</translation>
        </message>
        <message>
            <source>Вираз:</source>
            <translation>Expression :</translation>
        </message>
        <message>
            <source>Прилади, що вимірюють ту саму величину, беруться в цих одиницях</source>
            <translation>Les instruments qui mesurent la même grandeur sont pris dans cette unité</translation>
        </message>
        <message>
            <source>Одиниці:</source>
            <translation>Unité :</translation>
        </message>
        <message>
            <source>Прилади (подвійний клік або Enter додає літеру у вираз):</source>
            <translation>Instruments (un double-clic ou Entrée insère la lettre dans l'expression) :</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Приладів ще немає: формула рахує з приладів робочої області.</source>
            <translation>Pas encore d'instrument : une formule calcule à partir des instruments de l'espace de travail.</translation>
        </message>
        <message>
            <source>Видалити формулу &lt;b&gt;%1&lt;/b&gt;? Її записані значення також буде видалено.</source>
            <translation>Supprimer la formule &lt;b&gt;%1&lt;/b&gt; ? Ses valeurs enregistrées seront aussi supprimées.</translation>
        </message>
        <message>
            <source>Формул ще немає: натисніть «Нова формула».</source>
            <translation>Pas encore de formule : appuyez sur « Nouvelle formule ».</translation>
        </message>
        <message>
            <source>✓ Вираз правильний; рахує з приладів %1.</source>
            <translation>✓ L'expression est valide ; elle calcule à partir des instruments %1.</translation>
        </message>
        <message>
            <source>Більше формул додати не можна.</source>
            <translation>Impossible d'ajouter d'autres formules.</translation>
        </message>
        <message>
            <source>Формула %1</source>
            <translation>Formule %1</translation>
        </message>
        <message>
            <source>Введіть назву формули.</source>
            <translation>Saisissez le nom de la formule.</translation>
        </message>
        <message>
            <source>Формулу «%1» не можна зберегти:
%2</source>
            <translation>La formule « %1 » ne peut pas être enregistrée :
%2</translation>
        </message>
    </context>
    <context>
        <name>GlobalUnitsDialog</name>
        <message>
            <source>Одиниці виміру</source>
            <translation>Unités de mesure</translation>
        </message>
        <message>
            <source>Лінійні прилади:</source>
            <translation>Instruments linéaires :</translation>
        </message>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Millimètres (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Pouces (inch)</translation>
        </message>
        <message>
            <source>Кутоміри:</source>
            <translation>Rapporteurs :</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Degrés (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radians (rad)</translation>
        </message>
        <message>
            <source>Динамометри:</source>
            <translation>Dynamomètres :</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Newtons (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Livres-force (lbf)</translation>
        </message>
    </context>
    <context>
        <name>HeightGaugeCycles</name>
        <message>
            <source>move to new points and enable auto move and cliked up arrow</source>
            <translation>Allez aux nouveaux points, activez le mode automatique et cliquez sur la flèche vers le haut</translation>
        </message>
    </context>
    <context>
        <name>HistogramWidget</name>
        <message>
            <source>%1 … %2 %3
вимірів: %4</source>
            <translation>%1 … %2 %3
mesures : %4</translation>
        </message>
        <message>
            <source>Замало даних для гістограми</source>
            <translation>Trop peu de données pour un histogramme</translation>
        </message>
        <message>
            <source>НМ %1</source>
            <translation>LTI %1</translation>
        </message>
        <message>
            <source>ВМ %1</source>
            <translation>LTS %1</translation>
        </message>
    </context>
    <context>
        <name>KeyboardDeviceDialog</name>
        <message>
            <source>Міліметри (mm)</source>
            <translation>Millimètres (mm)</translation>
        </message>
        <message>
            <source>Дюйми (inch)</source>
            <translation>Pouces (inch)</translation>
        </message>
        <message>
            <source>Ньютони (N)</source>
            <translation>Newtons (N)</translation>
        </message>
        <message>
            <source>Фунт-сила (lbf)</source>
            <translation>Livres-force (lbf)</translation>
        </message>
        <message>
            <source>Градуси (°)</source>
            <translation>Degrés (°)</translation>
        </message>
        <message>
            <source>Радіани (rad)</source>
            <translation>Radians (rad)</translation>
        </message>
        <message>
            <source>Підключення приладу-клавіатури</source>
            <translation>Connecter un instrument clavier</translation>
        </message>
        <message>
            <source>Клавіатура, якою прилад передає дані:</source>
            <translation>Clavier par lequel l'instrument envoie ses données :</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Actualiser</translation>
        </message>
        <message>
            <source>Визначити за натисканням кнопки на приладі</source>
            <translation>Détecter en appuyant sur le bouton de l'instrument</translation>
        </message>
        <message>
            <source>Одиниці виміру, задані в приладі:</source>
            <translation>Unités réglées sur l'instrument :</translation>
        </message>
        <message>
            <source>Використовується, якщо прилад передає цифри без десяткового роздільника</source>
            <translation>Utilisé lorsque l'instrument envoie des chiffres sans séparateur décimal</translation>
        </message>
        <message>
            <source>Знаків після коми, заданих в приладі:</source>
            <translation>Décimales réglées sur l'instrument :</translation>
        </message>
        <message>
            <source>Перевірка: натисніть кнопку передачі даних на приладі.</source>
            <translation>Vérification : appuyez sur le bouton d'envoi de l'instrument.</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>  (вже додано)</source>
            <translation>  (déjà ajouté)</translation>
        </message>
        <message>
            <source>Немає доступу до клавіатур: програма не може читати їхні натискання. Додайте користувача до групи input командою «sudo usermod -aG input $USER» і увійдіть у систему знову.</source>
            <translation>Pas d'accès aux claviers : le programme ne peut pas lire leurs touches. Ajoutez votre utilisateur au groupe input avec « sudo usermod -aG input $USER » et reconnectez-vous.</translation>
        </message>
        <message>
            <source>Натисніть на приладі кнопку передачі даних…</source>
            <translation>Appuyez sur le bouton d'envoi de l'instrument…</translation>
        </message>
        <message>
            <source>Клавіатуру визначено: %1</source>
            <translation>Clavier détecté : %1</translation>
        </message>
        <message>
            <source>Отримано «%1» → %2 %3</source>
            <translation>Reçu « %1 » → %2 %3</translation>
        </message>
        <message>
            <source>Отримано «%1» — це не схоже на число, перевірте налаштування приладу.</source>
            <translation>Reçu « %1 » — ce n'est pas un nombre ; vérifiez les réglages de l'instrument.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Не вибрано клавіатуру приладу.</source>
            <translation>Aucun clavier d'instrument n'est choisi.</translation>
        </message>
        <message>
            <source>Цю клавіатуру вже додано як прилад.</source>
            <translation>Ce clavier est déjà ajouté comme instrument.</translation>
        </message>
        <message>
            <source>Клавіатура</source>
            <translation>Clavier</translation>
        </message>
    </context>
    <context>
        <name>KeyboardEmulatorDialog</name>
        <message>
            <source>Увімкнути дублювання клавіатури</source>
            <translation>Activer la sortie clavier</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Sortie clavier</translation>
        </message>
        <message>
            <source>Кожне значення, передане приладом, система отримає так, ніби його набрали на клавіатурі — і воно потрапить просто в Excel чи будь-яку іншу активну програму.</source>
            <translation>Chaque valeur envoyée par un instrument parvient au système comme si elle avait été tapée au clavier — directement dans Excel ou tout autre programme actif.</translation>
        </message>
        <message>
            <source>Пробіл</source>
            <translation>Espace</translation>
        </message>
        <message>
            <source>нічого</source>
            <translation>rien</translation>
        </message>
        <message>
            <source>крапка  (12.345)</source>
            <translation>point  (12.345)</translation>
        </message>
        <message>
            <source>кома  (12,345)</source>
            <translation>virgule  (12,345)</translation>
        </message>
        <message>
            <source>Між значеннями (мультирежим):</source>
            <translation>Entre les valeurs (mode multi) :</translation>
        </message>
        <message>
            <source>Після останнього:</source>
            <translation>Après le dernier :</translation>
        </message>
        <message>
            <source>Десятковий знак:</source>
            <translation>Séparateur décimal :</translation>
        </message>
        <message>
            <source>Роздільник потрібен лише тоді, коли один запис несе показання кількох приладів одразу — тобто в мультирежимі. Для одного приладу набирається саме значення й завершальна клавіша.</source>
            <translation>Le séparateur n'est utile que lorsqu'un enregistrement porte les mesures de plusieurs instruments à la fois, c'est-à-dire en mode multi. Pour un seul instrument, seuls la valeur et la touche finale sont tapées.</translation>
        </message>
        <message>
            <source>Десятковий знак обирають не за смаком, а за тим, що чекає програма-приймач: Excel з українською локаллю розпізнає число лише з комою, інакше воно стане текстом.</source>
            <translation>Le séparateur décimal se choisit selon ce qu'attend le programme destinataire, non par goût : Excel en paramètres régionaux français ne reconnaît un nombre qu'avec une virgule, sinon il devient du texte.</translation>
        </message>
        <message>
            <source>тут буде видно, що саме набереться</source>
            <translation>ici s'affiche exactement ce qui sera tapé</translation>
        </message>
        <message>
            <source>Перевірити (2 прилади)</source>
            <translation>Tester (2 instruments)</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>LaserNuromer</name>
        <message>
            <source>MainWindow</source>
            <translation>Alésomètre laser</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Langue</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Resets Setting</source>
            <translation>Réinitialiser les paramètres</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur nominale</translation>
        </message>
        <message>
            <source>Upper range</source>
            <translation>Tolérance supérieure</translation>
        </message>
        <message>
            <source>Lower range</source>
            <translation>Tolérance inférieure</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Appliquer</translation>
        </message>
        <message>
            <source>SET</source>
            <translation>RÉGLER</translation>
        </message>
        <message>
            <source>ExportPDF</source>
            <translation>Exporter en PDF</translation>
        </message>
        <message>
            <source>ExportCSV</source>
            <translation>Exporter en CSV</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>POUCES</translation>
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
            <translation>Aucune donnée valide</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Heure</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Cote</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>Difference</source>
            <translation>Écart</translation>
        </message>
        <message>
            <source>Камеру не знайдено</source>
            <translation>Caméra introuvable</translation>
        </message>
        <message>
            <source>Min : 0</source>
            <translation>Min : 0</translation>
        </message>
        <message>
            <source>Max: 0</source>
            <translation>Max : 0</translation>
        </message>
        <message>
            <source>delta: 0</source>
            <translation>delta : 0</translation>
        </message>
        <message>
            <source>Range: 0</source>
            <translation>Étendue : 0</translation>
        </message>
        <message>
            <source>wait...</source>
            <translation>patientez...</translation>
        </message>
        <message>
            <source>inch</source>
            <translation>pouces</translation>
        </message>
        <message>
            <source>мм</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>Min:</source>
            <translation>Min :</translation>
        </message>
        <message>
            <source>Max: </source>
            <translation>Max : </translation>
        </message>
        <message>
            <source>D min: </source>
            <translation>D min : </translation>
        </message>
        <message>
            <source>D max: </source>
            <translation>D max : </translation>
        </message>
        <message>
            <source>Range: </source>
            <translation>Étendue : </translation>
        </message>
        <message>
            <source>Delete row</source>
            <translation>Supprimer la ligne</translation>
        </message>
        <message>
            <source>Clear table</source>
            <translation>Vider le tableau</translation>
        </message>
        <message>
            <source>Confirmation</source>
            <translation>Confirmation</translation>
        </message>
        <message>
            <source>Are you sure you want to delete all measurements from the table?</source>
            <translation>Voulez-vous vraiment supprimer toutes les mesures du tableau ?</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>No data to export!</source>
            <translation>Aucune donnée à exporter !</translation>
        </message>
        <message>
            <source>Save CSV</source>
            <translation>Enregistrer le CSV</translation>
        </message>
        <message>
            <source>Data</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису</source>
            <translation>Impossible d'ouvrir le fichier en écriture</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Succès</translation>
        </message>
        <message>
            <source>CSV file saved successfully!</source>
            <translation>Fichier CSV enregistré avec succès !</translation>
        </message>
        <message>
            <source>No data to export</source>
            <translation>Aucune donnée à exporter</translation>
        </message>
        <message>
            <source>Save PDF</source>
            <translation>Enregistrer le PDF</translation>
        </message>
        <message>
            <source>Звіт вимірювань</source>
            <translation>Rapport de mesure</translation>
        </message>
        <message>
            <source>PDF file saved successfully!</source>
            <translation>Fichier PDF enregistré avec succès !</translation>
        </message>
    </context>
    <context>
        <name>LaserSettings</name>
        <message>
            <source>Налаштування</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Ліва камера</source>
            <translation>Caméra gauche</translation>
        </message>
        <message>
            <source>Права камера</source>
            <translation>Caméra droite</translation>
        </message>
        <message>
            <source>COM-порт</source>
            <translation>Port COM</translation>
        </message>
        <message>
            <source>Швидкість</source>
            <translation>Débit</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Succès</translation>
        </message>
        <message>
            <source>Налаштування збережено!</source>
            <translation>Paramètres enregistrés !</translation>
        </message>
    </context>
    <context>
        <name>MeasuringSystem</name>
        <message>
            <source>KOVRAN — Вимірювальна система</source>
            <translation>KOVRAN — Système de mesure</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Синхронізувати все</source>
            <translation>Tout synchroniser</translation>
        </message>
        <message>
            <source>Обнулити все</source>
            <translation>Tout mettre à zéro</translation>
        </message>
        <message>
            <source>Одиниці вимірювання</source>
            <translation>Unités de mesure</translation>
        </message>
        <message>
            <source>Таймер</source>
            <translation>Minuteur</translation>
        </message>
        <message>
            <source>Макрос</source>
            <translation>Macro</translation>
        </message>
        <message>
            <source>Моно режим</source>
            <translation>Mode mono</translation>
        </message>
        <message>
            <source>Мульти режим</source>
            <translation>Mode multi</translation>
        </message>
        <message>
            <source>Формули</source>
            <translation>Formules</translation>
        </message>
        <message>
            <source>Графік</source>
            <translation>Graphique</translation>
        </message>
        <message>
            <source>EXPORT</source>
            <translation>EXPORTER</translation>
        </message>
        <message>
            <source>Права кнопка миші — розгорнута статистика</source>
            <translation>Clic droit — statistiques détaillées</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Налаштування</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Langue</translation>
        </message>
        <message>
            <source>Розширення</source>
            <translation>Extensions</translation>
        </message>
        <message>
            <source>Адаптер модбас</source>
            <translation>Adaptateur Modbus</translation>
        </message>
        <message>
            <source>Скинути налаштування</source>
            <translation>Réinitialiser les paramètres</translation>
        </message>
        <message>
            <source>Користувачі</source>
            <translation>Utilisateurs</translation>
        </message>
        <message>
            <source>Дублювання клавіатури</source>
            <translation>Sortie clavier</translation>
        </message>
        <message>
            <source>Ви впевнені що хочете видалити пристрій &lt;b&gt;%1&lt;/b&gt;?</source>
            <translation>Voulez-vous vraiment supprimer l'instrument &lt;b&gt;%1&lt;/b&gt; ?</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Додавання приладу</source>
            <translation>Ajout d'un instrument</translation>
        </message>
        <message>
            <source>Цей тип підключення ще недоступний у цій версії програми.</source>
            <translation>Ce type de connexion n'est pas encore disponible dans cette version du programme.</translation>
        </message>
        <message>
            <source>Скинути збережений вибір модуля, що відкривається при старті програми?</source>
            <translation>Réinitialiser le choix enregistré du module ouvert au démarrage ?</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля.</source>
            <translation>Paramètres réinitialisés. Le choix du module réapparaîtra au prochain démarrage du programme.</translation>
        </message>
        <message>
            <source>Значення (%1)</source>
            <translation>Valeur (%1)</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>№</source>
            <translation>N°</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Heure</translation>
        </message>
        <message>
            <source>Статус</source>
            <translation>Statut</translation>
        </message>
        <message>
            <source>min: %1
max: %2
avg: %3</source>
            <translation>min : %1
max : %2
moy. : %3</translation>
        </message>
        <message>
            <source>DEVICE %1</source>
            <translation>INSTRUMENT %1</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Succès</translation>
        </message>
        <message>
            <source>Немає даних для експорту.</source>
            <translation>Aucune donnée à exporter.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Exporter en CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в CSV.</source>
            <translation>Données exportées en CSV avec succès.</translation>
        </message>
        <message>
            <source>Експорт в PDF</source>
            <translation>Exporter en PDF</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>Fichiers PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в PDF.</source>
            <translation>Données exportées en PDF avec succès.</translation>
        </message>
        <message>
            <source>Експорт даних</source>
            <translation>Exporter les données</translation>
        </message>
        <message>
            <source>Оберіть формат для експорту даних:</source>
            <translation>Choisissez le format d'export :</translation>
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
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Звіт про вимірювання (Kovran)</source>
            <translation>Rapport de mesure (Kovran)</translation>
        </message>
        <message>
            <source>Не вдалося відкрити файл для запису.</source>
            <translation>Impossible d'ouvrir le fichier en écriture.</translation>
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
            <translation>FAUX-ROND</translation>
        </message>
        <message>
            <source>MODULE</source>
            <translation>ABSOLU</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Bon</translation>
        </message>
        <message>
            <source>No Go</source>
            <translation>Mauvais</translation>
        </message>
        <message>
            <source>Видалити рядок</source>
            <translation>Supprimer la ligne</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Vider le tableau</translation>
        </message>
        <message>
            <source>Відкрити статистику</source>
            <translation>Ouvrir les statistiques</translation>
        </message>
        <message>
            <source>Очистити всі виміри цього приладу?</source>
            <translation>Effacer toutes les mesures de cet instrument ?</translation>
        </message>
        <message>
            <source>Очистити всі записані рядки таблиці?</source>
            <translation>Effacer toutes les lignes enregistrées du tableau ?</translation>
        </message>
        <message>
            <source>Відновлення даних</source>
            <translation>Récupération des données</translation>
        </message>
        <message>
            <source>Виявлено незбережені дані попереднього сеансу (записів: %1). Програму, ймовірно, було закрито аварійно.

Відновити ці дані в таблицях?</source>
            <translation>Des données non enregistrées de la session précédente ont été trouvées (enregistrements : %1). Le programme a probablement été fermé anormalement.

Restaurer ces données dans les tableaux ?</translation>
        </message>
        <message>
            <source>Пам'ять приладу</source>
            <translation>Mémoire de l'instrument</translation>
        </message>
        <message>
            <source>Прилади %1 не підтримують вивантаження пам'яті.</source>
            <translation>Les instruments %1 ne prennent pas en charge le téléchargement de la mémoire.</translation>
        </message>
        <message>
            <source>Прилад не на зв'язку.</source>
            <translation>L'instrument n'est pas connecté.</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Colonne de mesure</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Support de mesure</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Alésomètre laser</translation>
        </message>
        <message>
            <source>Вибір модуля…</source>
            <translation>Choisir un module…</translation>
        </message>
        <message>
            <source>Довідка</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Про програму</source>
            <translation>À propos du programme</translation>
        </message>
        <message>
            <source>Експорт в XLSX</source>
            <translation>Exporter en XLSX</translation>
        </message>
        <message>
            <source>Книги Excel (*.xlsx)</source>
            <translation>Classeurs Excel (*.xlsx)</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1:
%2</source>
            <translation>Impossible d'écrire le fichier %1 :
%2</translation>
        </message>
        <message>
            <source>Дані успішно експортовано в XLSX.</source>
            <translation>Données exportées en XLSX avec succès.</translation>
        </message>
        <message>
            <source>XLSX</source>
            <translation>XLSX</translation>
        </message>
        <message>
            <source>Таблиця</source>
            <translation>Tableau</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>Нижня межа</source>
            <translation>Limite inférieure</translation>
        </message>
        <message>
            <source>Верхня межа</source>
            <translation>Limite supérieure</translation>
        </message>
        <message>
            <source>Прилад &lt;b&gt;%1&lt;/b&gt; використовують формули: %2.&lt;br&gt;Якщо його видалити, ці формули буде вимкнено, доки ви не зміните їхні вирази у «Формулах». Видалити прилад?</source>
            <translation>L'instrument &lt;b&gt;%1&lt;/b&gt; est utilisé par les formules %2.&lt;br&gt;S'il est supprimé, ces formules sont désactivées jusqu'à ce que vous modifiiez leurs expressions dans « Formules ». Supprimer l'instrument ?</translation>
        </message>
        <message>
            <source>&lt;b&gt;%1&lt;/b&gt;: %2 → %3</source>
            <translation>&lt;b&gt;%1&lt;/b&gt; : %2 → %3</translation>
        </message>
        <message>
            <source>Перемістити прилад</source>
            <translation>Déplacer l'instrument</translation>
        </message>
        <message>
            <source>Літери приладів у формулах зміняться разом із порядком карток:&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Перемістити прилад?</source>
            <translation>Les lettres des instruments dans les formules changent avec l'ordre des cartes :&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Déplacer l'instrument ?</translation>
        </message>
    </context>
    <context>
        <name>ModbusSettingsDialog</name>
        <message>
            <source>Настройка адаптеров Modbus</source>
            <translation>Réglage des adaptateurs Modbus</translation>
        </message>
        <message>
            <source>Порт:</source>
            <translation>Port :</translation>
        </message>
        <message>
            <source>Скорость:</source>
            <translation>Vitesse :</translation>
        </message>
        <message>
            <source>Добавить адаптер</source>
            <translation>Ajouter un adaptateur</translation>
        </message>
        <message>
            <source>Удалить выбранный</source>
            <translation>Supprimer la sélection</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Подключенные адаптеры:</source>
            <translation>Adaptateurs connectés :</translation>
        </message>
        <message>
            <source>Внимание</source>
            <translation>Attention</translation>
        </message>
        <message>
            <source>Этот адаптер уже добавлен в список!</source>
            <translation>Cet adaptateur est déjà dans la liste !</translation>
        </message>
        <message>
            <source>Адаптер: %1 | Скорость: %2</source>
            <translation>Adaptateur : %1 | Vitesse : %2</translation>
        </message>
    </context>
    <context>
        <name>ModuleChooser</name>
        <message>
            <source>KOVRAN — вибір модуля</source>
            <translation>KOVRAN — choix du module</translation>
        </message>
        <message>
            <source>Оберіть модуль</source>
            <translation>Choisissez un module</translation>
        </message>
        <message>
            <source>Робоча область</source>
            <translation>Espace de travail</translation>
        </message>
        <message>
            <source>Висотомір</source>
            <translation>Colonne de mesure</translation>
        </message>
        <message>
            <source>Вимірювальна стійка</source>
            <translation>Support de mesure</translation>
        </message>
        <message>
            <source>Лазерний нутромір</source>
            <translation>Alésomètre laser</translation>
        </message>
        <message>
            <source>Запам'ятати мій вибір і відкривати цей модуль при запуску</source>
            <translation>Mémoriser mon choix et ouvrir ce module au démarrage</translation>
        </message>
    </context>
    <context>
        <name>PlotCanvas</name>
        <message>
            <source>Межі осі</source>
            <translation>Limites de l'axe</translation>
        </message>
        <message>
            <source>Мінімум:</source>
            <translation>Minimum :</translation>
        </message>
        <message>
            <source>Максимум:</source>
            <translation>Maximum :</translation>
        </message>
        <message>
            <source>%1
вимір №%2: %3 %4</source>
            <translation>%1
mesure n° %2 : %3 %4</translation>
        </message>
        <message>
            <source>вимір №%1
%2: %3 %4
%5: %6 %7</source>
            <translation>mesure n° %1
%2 : %3 %4
%5 : %6 %7</translation>
        </message>
        <message>
            <source>Автомасштаб %1</source>
            <translation>Échelle automatique %1</translation>
        </message>
        <message>
            <source>Задати межі %1…</source>
            <translation>Définir les limites %1…</translation>
        </message>
        <message>
            <source>Автомасштаб обох осей</source>
            <translation>Échelle automatique des deux axes</translation>
        </message>
        <message>
            <source>Сітка</source>
            <translation>Grille</translation>
        </message>
        <message>
            <source>Немає даних для побудови</source>
            <translation>Aucune donnée à tracer</translation>
        </message>
        <message>
            <source>№ виміру</source>
            <translation>N° de mesure</translation>
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
            <translation>Préréglage</translation>
        </message>
        <message>
            <source>Кількість точек</source>
            <translation>Nombre de points</translation>
        </message>
        <message>
            <source>Задать точки</source>
            <translation>Définir les points</translation>
        </message>
        <message>
            <source>Від</source>
            <translation>De</translation>
        </message>
        <message>
            <source>До</source>
            <translation>À</translation>
        </message>
        <message>
            <source>Крок</source>
            <translation>Pas</translation>
        </message>
        <message>
            <source>Автогенерація</source>
            <translation>Génération automatique</translation>
        </message>
        <message>
            <source>Відхилення </source>
            <translation>Écart </translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Valeurs de consigne</translation>
        </message>
        <message>
            <source>Зберегти налаштування</source>
            <translation>Enregistrer les paramètres</translation>
        </message>
        <message>
            <source>JSON %1 (*.json);;%2 (*.*)</source>
            <translation>JSON %1 (*.json);;%2 (*.*)</translation>
        </message>
        <message>
            <source>Файли</source>
            <translation>fichiers</translation>
        </message>
        <message>
            <source>Всі файли</source>
            <translation>Tous les fichiers</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Не вдалося зберегти файл!</source>
            <translation>Impossible d'enregistrer le fichier !</translation>
        </message>
        <message>
            <source>Успіх</source>
            <translation>Succès</translation>
        </message>
        <message>
            <source>Налаштування успішно збережено</source>
            <translation>Préréglage enregistré</translation>
        </message>
        <message>
            <source>Перевірте правильність введених чисел.</source>
            <translation>Vérifiez les nombres saisis.</translation>
        </message>
        <message>
            <source>Крок повинен бути більшим за нуль.</source>
            <translation>Le pas doit être supérieur à zéro.</translation>
        </message>
        <message>
            <source>Початкове значення більше за кінцеве.</source>
            <translation>La valeur de début est supérieure à la valeur de fin.</translation>
        </message>
        <message>
            <source>Увага</source>
            <translation>Attention</translation>
        </message>
        <message>
            <source>Занадто багато точок (&gt;10 000). Збільште крок.</source>
            <translation>Trop de points (&gt;10 000). Augmentez le pas.</translation>
        </message>
    </context>
    <context>
        <name>StandWindow</name>
        <message>
            <source>Column %1</source>
            <translation>Colonne %1</translation>
        </message>
        <message>
            <source>Стовпець %1</source>
            <translation>Colonne %1</translation>
        </message>
        <message>
            <source>Вимірювальний стенд</source>
            <translation>Support de mesure</translation>
        </message>
        <message>
            <source>Нуль</source>
            <translation>Zéro</translation>
        </message>
        <message>
            <source>Серійний номер</source>
            <translation>Numéro de série</translation>
        </message>
        <message>
            <source>Зберегти в PDF</source>
            <translation>Enregistrer en PDF</translation>
        </message>
        <message>
            <source>Зберегти в CSV</source>
            <translation>Enregistrer en CSV</translation>
        </message>
        <message>
            <source>Режим рулетки</source>
            <translation>Mode ruban</translation>
        </message>
        <message>
            <source>Рулетку протянуто</source>
            <translation>Ruban déplacé</translation>
        </message>
        <message>
            <source>Пресет</source>
            <translation>Préréglage</translation>
        </message>
        <message>
            <source>Оберіть папку з пресетами</source>
            <translation>Choisissez le dossier des préréglages</translation>
        </message>
        <message>
            <source>Оновити</source>
            <translation>Actualiser</translation>
        </message>
        <message>
            <source> Стрворити пресет</source>
            <translation> Créer un préréglage</translation>
        </message>
        <message>
            <source>Очистити</source>
            <translation>Effacer</translation>
        </message>
        <message>
            <source>Без пресета</source>
            <translation>Sans préréglage</translation>
        </message>
        <message>
            <source>Файл</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Вихід</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Скинути параметри</source>
            <translation>Réinitialiser les paramètres</translation>
        </message>
        <message>
            <source>Камера</source>
            <translation>Caméra</translation>
        </message>
        <message>
            <source>Камеры не найдены</source>
            <translation>Aucune caméra trouvée</translation>
        </message>
        <message>
            <source>Мова</source>
            <translation>Langue</translation>
        </message>
        <message>
            <source>Українська</source>
            <translation>Ukrainien</translation>
        </message>
        <message>
            <source>Англійська</source>
            <translation>Anglais</translation>
        </message>
        <message>
            <source>Французька</source>
            <translation>Français</translation>
        </message>
        <message>
            <source>Німецька</source>
            <translation>Allemand</translation>
        </message>
        <message>
            <source>Італійська</source>
            <translation>Italien</translation>
        </message>
        <message>
            <source>Польська</source>
            <translation>Polonais</translation>
        </message>
        <message>
            <source>Час</source>
            <translation>Heure</translation>
        </message>
        <message>
            <source>Задані значення</source>
            <translation>Valeurs de consigne</translation>
        </message>
        <message>
            <source>Виміряні значення</source>
            <translation>Valeurs mesurées</translation>
        </message>
        <message>
            <source>Відхилення</source>
            <translation>Écart</translation>
        </message>
        <message>
            <source>INCH</source>
            <translation>POUCES</translation>
        </message>
        <message>
            <source>MM</source>
            <translation>MM</translation>
        </message>
        <message>
            <source>Вимірювання завершено</source>
            <translation>Mesure terminée</translation>
        </message>
        <message>
            <source>Всі точки пресету успішно виміряні.
Що бажаєте зробити далі?</source>
            <translation>Tous les points du préréglage ont été mesurés.
Que voulez-vous faire ensuite ?</translation>
        </message>
        <message>
            <source>Зберегти PDF</source>
            <translation>Enregistrer le PDF</translation>
        </message>
        <message>
            <source>Зберегти CSV</source>
            <translation>Enregistrer le CSV</translation>
        </message>
        <message>
            <source>Очистити таблицю</source>
            <translation>Vider le tableau</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Видалити вимірювання</source>
            <translation>Supprimer la mesure</translation>
        </message>
        <message>
            <source>Видалення вимірювання</source>
            <translation>Suppression de la mesure</translation>
        </message>
        <message>
            <source>Як саме ви хочете видалити дані?</source>
            <translation>Comment voulez-vous supprimer les données ?</translation>
        </message>
        <message>
            <source>Тільки цей рядок</source>
            <translation>Cette ligne seulement</translation>
        </message>
        <message>
            <source>Зі зміщенням (очистити все після)</source>
            <translation>Avec décalage (effacer tout ce qui suit)</translation>
        </message>
        <message>
            <source>Режим Tape</source>
            <translation>Mode ruban</translation>
        </message>
        <message>
            <source>Спочатку увімкніть 'Tape mode' (поставте галочку).</source>
            <translation>Activez d'abord le « Mode ruban » (cochez la case).</translation>
        </message>
        <message>
            <source>Tape</source>
            <translation>Ruban</translation>
        </message>
        <message>
            <source>Рулетку перетягнуто.
Нова база вимірювання: %1</source>
            <translation>Le ruban a été déplacé.
Nouvelle base de mesure : %1</translation>
        </message>
        <message>
            <source>Помилка Tape</source>
            <translation>Erreur ruban</translation>
        </message>
        <message>
            <source>У таблиці ще немає жодного вимірювання для збереження бази.</source>
            <translation>Le tableau ne contient encore aucune mesure à conserver comme base.</translation>
        </message>
        <message>
            <source>Помилка</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Пресет %1 не завантажено.
%2</source>
            <translation>Le préréglage %1 n'a pas été chargé.
%2</translation>
        </message>
        <message>
            <source>Файл не вдалося відкрити: %1</source>
            <translation>Impossible d'ouvrir le fichier : %1</translation>
        </message>
        <message>
            <source>Файл не є коректним JSON: %1</source>
            <translation>Le fichier n'est pas un JSON valide : %1</translation>
        </message>
        <message>
            <source>У файлі немає об'єкта пресета.</source>
            <translation>Le fichier ne contient aucun objet de préréglage.</translation>
        </message>
        <message>
            <source>Поле "%1" має неправильний тип.</source>
            <translation>Le champ « %1 » a un type incorrect.</translation>
        </message>
        <message>
            <source>Забагато точок: %1 (не більше %2).</source>
            <translation>Trop de points : %1 (%2 au maximum).</translation>
        </message>
        <message>
            <source>Збережено: %1</source>
            <translation>Enregistré : %1</translation>
        </message>
        <message>
            <source>Не вдалося записати файл %1.</source>
            <translation>Impossible d'écrire le fichier %1.</translation>
        </message>
        <message>
            <source>Експорт в CSV</source>
            <translation>Exporter en CSV</translation>
        </message>
        <message>
            <source>CSV Files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>PDF Files (*.pdf)</source>
            <translation>Fichiers PDF (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>StatisticsDialog</name>
        <message>
            <source>Статистика</source>
            <translation>Statistiques</translation>
        </message>
        <message>
            <source>Рахувати за:</source>
            <translation>Calculer sur :</translation>
        </message>
        <message>
            <source>Кількість</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Середнє</source>
            <translation>Moyenne</translation>
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
            <translation>Étendue</translation>
        </message>
        <message>
            <source>Ст. відхилення</source>
            <translation>Écart type</translation>
        </message>
        <message>
            <source>У допуску</source>
            <translation>Dans la tolérance</translation>
        </message>
        <message>
            <source>Поза допуском</source>
            <translation>Hors tolérance</translation>
        </message>
        <message>
            <source>Придатних, %</source>
            <translation>Conformes, %</translation>
        </message>
        <message>
            <source>Закрити</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Розподіл значень</source>
            <translation>Répartition des valeurs</translation>
        </message>
        <message>
            <source>Тренд за порядком вимірювання</source>
            <translation>Tendance dans l'ordre des mesures</translation>
        </message>
        <message>
            <source>дані зі спільної таблиці</source>
            <translation>données du tableau commun</translation>
        </message>
        <message>
            <source>дані з таблиці приладу</source>
            <translation>données du tableau de l'instrument</translation>
        </message>
        <message>
            <source>Немає приладів</source>
            <translation>Aucun instrument</translation>
        </message>
        <message>
            <source>усією таблицею (%1)</source>
            <translation>tout le tableau (%1)</translation>
        </message>
        <message>
            <source>виділеними рядками (%1)</source>
            <translation>les lignes sélectionnées (%1)</translation>
        </message>
        <message>
            <source>Для цього приладу допуски не задані, тож придатність не оцінюється. Задайте режим вимірювання з допусками в налаштуваннях приладу.</source>
            <translation>Aucune tolérance n'est définie pour cet instrument, la conformité n'est donc pas évaluée. Choisissez un mode de mesure avec limites dans les paramètres de l'instrument.</translation>
        </message>
        <message>
            <source>Допуск: від %1 до %2 %3</source>
            <translation>Tolérance : de %1 à %2 %3</translation>
        </message>
        <message>
            <source>Допуск: не більше %1 %2</source>
            <translation>Tolérance : au plus %1 %2</translation>
        </message>
        <message>
            <source>Допуск: не менше %1 %2</source>
            <translation>Tolérance : au moins %1 %2</translation>
        </message>
        <message>
            <source>Тренд: %1%2 %3 за вимір</source>
            <translation>Tendance : %1%2 %3 par mesure</translation>
        </message>
        <message>
            <source>Придатність за короткочасним σ = MR̄ / 1,128 (ковзний розмах)</source>
            <translation>Capabilité selon σ court terme = MR̄ / 1,128 (étendue mobile)</translation>
        </message>
        <message>
            <source>Продуктивність за загальним σ (стандартне відхилення)</source>
            <translation>Performance selon σ global (écart type)</translation>
        </message>
        <message>
            <source>Експорт</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Контрольна карта (I-MR)</source>
            <translation>Carte de contrôle (I-MR)</translation>
        </message>
        <message numerus="yes">
            <source>Поза статистичним контролем: %n точок</source>
            <translation>
                <numerusform>Hors contrôle statistique : %n point</numerusform>
                <numerusform>Hors contrôle statistique : %n points</numerusform>
            </translation>
        </message>
        <message>
            <source>Показник</source>
            <translation>Indicateur</translation>
        </message>
        <message>
            <source>Значення</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>Одиниця</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>Примітка</source>
            <translation>Remarque</translation>
        </message>
        <message>
            <source>Статистика: %1</source>
            <translation>Statistiques : %1</translation>
        </message>
    </context>
    <context>
        <name>SylvacSerialDialog</name>
        <message>
            <source>Додавання приладу Sylvac (провід)</source>
            <translation>Ajout d'un instrument Sylvac (câble)</translation>
        </message>
        <message>
            <source>Програма сама визначить, до якого порту під'єднано прилад. Переконайтеся, що кабель у роз'ємі, а прилад увімкнений.</source>
            <translation>Le programme trouve seul le port de l'instrument. Vérifiez que le câble est branché et que l'instrument est allumé.</translation>
        </message>
        <message>
            <source>Шукати знову</source>
            <translation>Rechercher à nouveau</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Немає вільних COM-портів</source>
            <translation>Aucun port COM libre</translation>
        </message>
        <message>
            <source>Усі порти вже зайняті іншими приладами.</source>
            <translation>Tous les ports sont déjà utilisés par d'autres instruments.</translation>
        </message>
        <message>
            <source>Натисніть кнопку передачі на приладі</source>
            <translation>Appuyez sur le bouton d'envoi de l'instrument</translation>
        </message>
        <message>
            <source>Не вдалося відкрити жодного порту.</source>
            <translation>Aucun port n'a pu être ouvert.</translation>
        </message>
        <message>
            <source>Слухаю порти: %1</source>
            <translation>Écoute des ports : %1</translation>
        </message>
        <message>
            <source>Прилад знайдено</source>
            <translation>Instrument trouvé</translation>
        </message>
        <message numerus="yes">
            <source>Порт %1, значення %2 (%n знак(ів) після коми)</source>
            <translation>
                <numerusform>Port %1, valeur %2 (%n décimale)</numerusform>
                <numerusform>Port %1, valeur %2 (%n décimales)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>TimerSettingsDialog</name>
        <message>
            <source>Налаштування таймера запису</source>
            <translation>Réglages du minuteur d'enregistrement</translation>
        </message>
        <message>
            <source>Режим таймера:</source>
            <translation>Mode du minuteur :</translation>
        </message>
        <message>
            <source>Синхронний (один таймер для всіх)</source>
            <translation>Synchrone (un minuteur pour tous)</translation>
        </message>
        <message>
            <source>Індивідуальний для кожного приладу</source>
            <translation>Individuel pour chaque instrument</translation>
        </message>
        <message>
            <source>Інтервал запису:</source>
            <translation>Intervalle d'enregistrement :</translation>
        </message>
        <message>
            <source> мс (0 = вимкнено)</source>
            <translation> ms (0 = désactivé)</translation>
        </message>
        <message>
            <source>Прилад</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>Інтервал (мс)</source>
            <translation>Intervalle (ms)</translation>
        </message>
        <message>
            <source>Скинути таймер</source>
            <translation>Réinitialiser le minuteur</translation>
        </message>
        <message>
            <source>ОК</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>TrendWidget</name>
        <message>
            <source>вимір №%1
%2 %3</source>
            <translation>mesure n° %1
%2 %3</translation>
        </message>
        <message>
            <source>Замало даних для тренду</source>
            <translation>Trop peu de données pour une tendance</translation>
        </message>
        <message>
            <source>нижня межа</source>
            <translation>limite inférieure</translation>
        </message>
        <message>
            <source>верхня межа</source>
            <translation>limite supérieure</translation>
        </message>
        <message>
            <source>тренд</source>
            <translation>tendance</translation>
        </message>
    </context>
    <context>
        <name>UserEditDialog</name>
        <message>
            <source>Новий користувач</source>
            <translation>Nouvel utilisateur</translation>
        </message>
        <message>
            <source>Користувач</source>
            <translation>Utilisateur</translation>
        </message>
        <message>
            <source>ім'я або посада</source>
            <translation>nom ou fonction</translation>
        </message>
        <message>
            <source>Ім'я:</source>
            <translation>Nom :</translation>
        </message>
        <message>
            <source>Роль:</source>
            <translation>Rôle :</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — роль змінити не можна, інакше керувати користувачами стане нікому.</source>
            <translation>C'est le seul administrateur — son rôle ne peut pas être modifié, sinon plus personne ne pourrait gérer les utilisateurs.</translation>
        </message>
    </context>
    <context>
        <name>UserManager</name>
        <message>
            <source>Адміністратор</source>
            <translation>Administrateur</translation>
        </message>
        <message>
            <source>адміністратор</source>
            <translation>administrateur</translation>
        </message>
        <message>
            <source>оператор</source>
            <translation>opérateur</translation>
        </message>
    </context>
    <context>
        <name>UsersDialog</name>
        <message>
            <source>Користувачі</source>
            <translation>Utilisateurs</translation>
        </message>
        <message>
            <source>Додати</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Змінити</source>
            <translation>Modifier</translation>
        </message>
        <message>
            <source>Видалити</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Прилад належить одному користувачеві: якщо позначити його тут, він автоматично зніметься з попереднього власника.</source>
            <translation>Un instrument appartient à un seul utilisateur : le cocher ici le retire automatiquement à son propriétaire précédent.</translation>
        </message>
        <message>
            <source>Зберегти</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Скасувати</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>%1  —  %2</source>
            <translation>%1  —  %2</translation>
        </message>
        <message>
            <source>Прилади користувача «%1»</source>
            <translation>Instruments de « %1 »</translation>
        </message>
        <message>
            <source>Прилади</source>
            <translation>Instruments</translation>
        </message>
        <message>
            <source>(зараз у «%1»)</source>
            <translation>(actuellement chez « %1 »)</translation>
        </message>
        <message>
            <source>(закріплений за видаленим користувачем)</source>
            <translation>(attribué à un utilisateur supprimé)</translation>
        </message>
        <message>
            <source>Це єдиний адміністратор — його видалити не можна. Спершу призначте адміністратором когось іншого.</source>
            <translation>C'est le seul administrateur — il ne peut pas être supprimé. Nommez d'abord quelqu'un d'autre administrateur.</translation>
        </message>
        <message>
            <source>Видалити користувача «%1»?</source>
            <translation>Supprimer l'utilisateur « %1 » ?</translation>
        </message>
        <message>
            <source>

Закріплені за ним прилади (%1) стануть нічийними.</source>
            <translation>

Les instruments attribués à cet utilisateur (%1) n'auront plus de propriétaire.</translation>
        </message>
        <message>
            <source>Видалення</source>
            <translation>Suppression</translation>
        </message>
    </context>
    <context>
        <name>XdoKeystrokeSink</name>
        <message>
            <source>Сеанс Wayland без XWayland: значення не можна набирати в інші програми. Увійдіть у сеанс X11 (Xorg) або увімкніть XWayland.</source>
            <translation>Session Wayland sans XWayland : les valeurs ne peuvent pas être tapées dans d'autres programmes. Ouvrez une session X11 (Xorg) ou activez XWayland.</translation>
        </message>
        <message>
            <source>Немає X-дисплея (змінна DISPLAY не задана), тому значення не можна набирати в інші програми.</source>
            <translation>Aucun affichage X (DISPLAY n'est pas défini), les valeurs ne peuvent donc pas être tapées dans d'autres programmes.</translation>
        </message>
        <message>
            <source>Не знайдено бібліотек X11 (libX11, libXtst), тому значення не можна набирати в інші програми.</source>
            <translation>Les bibliothèques X11 (libX11, libXtst) sont introuvables, les valeurs ne peuvent donc pas être tapées dans d'autres programmes.</translation>
        </message>
        <message>
            <source>Не вдалося під'єднатися до X-дисплея %1, тому значення не можна набирати в інші програми.</source>
            <translation>Impossible de se connecter à l'affichage X %1, les valeurs ne peuvent donc pas être tapées dans d'autres programmes.</translation>
        </message>
        <message>
            <source>X-сервер %1 не підтримує розширення XTest, тому значення не можна набирати в інші програми.</source>
            <translation>Le serveur X %1 ne prend pas en charge l'extension XTest, les valeurs ne peuvent donc pas être tapées dans d'autres programmes.</translation>
        </message>
    </context>
    <context>
        <name>devozor_scan_setting_window</name>
        <message>
            <source>Сканування</source>
            <translation>Balayage</translation>
        </message>
        <message>
            <source>Step Scan</source>
            <translation>Pas de balayage</translation>
        </message>
        <message>
            <source>Max Scan</source>
            <translation>Maximum du balayage</translation>
        </message>
        <message>
            <source>Min Scan</source>
            <translation>Minimum du balayage</translation>
        </message>
        <message>
            <source>Aplly</source>
            <translation>Appliquer</translation>
        </message>
    </context>
</TS>
