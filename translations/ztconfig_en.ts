<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>ZTConfig Конфигуратор серии ZT</source>
        <translation>ZTConfig Configurator for the ZT series</translation>
    </message>
    <message>
        <source>Почтовый адрес: указывается изготовителем</source>
        <translation>Postal address: given by the manufacturer</translation>
    </message>
    <message>
        <source>Тел.: +7 (000) 000-00-00, e-mail: support@example.invalid</source>
        <translation>Tel.: +7 (000) 000-00-00, e-mail: support@example.invalid</translation>
    </message>
    <message>
        <source>Версия: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Дата сборки: %1г.</source>
        <translation>Build date: %1</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Сравнение с файлом</source>
        <translation>Comparison with a file</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Модуль</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>CsvLog</name>
    <message>
        <source>Тип модуля</source>
        <translation>Module type</translation>
    </message>
    <message>
        <source>Прошивка</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Параметры связи</source>
        <translation>Line settings</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Канал %1: вход</source>
        <translation>Channel %1: input</translation>
    </message>
    <message>
        <source>Канал %1: температура</source>
        <translation>Channel %1: temperature</translation>
    </message>
    <message>
        <source>Канал %1: выход</source>
        <translation>Channel %1: output</translation>
    </message>
    <message>
        <source>Канал %1: холодный спай</source>
        <translation>Channel %1: cold junction</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>не удалось открыть файл %1: %2</source>
        <translation>could not open file %1: %2</translation>
    </message>
    <message>
        <source>не удалось записать в %1: %2</source>
        <translation>could not write to %1: %2</translation>
    </message>
    <message>
        <source>файл %1 удалён или его папка недоступна</source>
        <translation>file %1 was removed or its folder is unavailable</translation>
    </message>
</context>
<context>
    <name>CsvLogDialog</name>
    <message>
        <source>Запись в CSV</source>
        <translation>CSV log</translation>
    </message>
    <message>
        <source>Для таблиц: разделитель «;», запятая в числах</source>
        <translation>For spreadsheets: separator “;”, decimal comma</translation>
    </message>
    <message>
        <source>RFC 4180: разделитель «,», точка в числах</source>
        <translation>RFC 4180: separator “,”, decimal point</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Обзор…</source>
        <translation>&amp;Browse…</translation>
    </message>
    <message>
        <source>Фор&amp;мат</source>
        <translation>For&amp;mat</translation>
    </message>
    <message>
        <source>&amp;Новый файл каждый час (время начала в имени)</source>
        <translation>&amp;New file every hour (start time in the name)</translation>
    </message>
</context>
<context>
    <name>CsvLogWindow</name>
    <message>
        <source>Запись в CSV</source>
        <translation>CSV log</translation>
    </message>
    <message>
        <source>Файл записи CSV</source>
        <translation>CSV log file</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Запись в CSV: %1</source>
        <translation>CSV log: %1</translation>
    </message>
    <message>
        <source>Запись в CSV остановлена</source>
        <translation>CSV log stopped</translation>
    </message>
    <message>
        <source>Запись в CSV остановлена: %1</source>
        <translation>CSV log stopped: %1</translation>
    </message>
    <message>
        <source>Запись в CSV не начата: %1</source>
        <translation>CSV log not started: %1</translation>
    </message>
    <message>
        <source>&amp;Запись в CSV…</source>
        <translation>CSV &amp;log…</translation>
    </message>
    <message>
        <source>Нач&amp;ать</source>
        <translation>&amp;Start</translation>
    </message>
</context>
<context>
    <name>LineSettingsDialog</name>
    <message>
        <source>Параметры связи</source>
        <translation>Line settings</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Формат</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Адрес модуля</source>
        <translation>Module address</translation>
    </message>
    <message>
        <source>Подключение</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Последовательный порт</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>Modbus TCP</source>
        <translation>Modbus TCP</translation>
    </message>
    <message>
        <source>Адрес шлюза</source>
        <translation>Gateway address</translation>
    </message>
    <message>
        <source>например 192.168.1.50</source>
        <translation>for example 192.168.1.50</translation>
    </message>
    <message>
        <source>Порт TCP</source>
        <translation>TCP port</translation>
    </message>
    <message>
        <source>Тайм-аут ответа</source>
        <translation>Response time-out</translation>
    </message>
    <message>
        <source> мс</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Адрес шлюза: имя узла или адрес IPv4 или IPv6, например 192.168.1.50</source>
        <translation>Gateway address: a host name or an IPv4 or IPv6 address, for example 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Конфигуратор модулей серии ZT</source>
        <translation>ZT series module configurator</translation>
    </message>
    <message>
        <source>COM PORT</source>
        <translation>COM PORT</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Выбрать файл</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>Установить настройки</source>
        <translation>Apply settings</translation>
    </message>
    <message>
        <source>Показать настройки</source>
        <translation>Show settings</translation>
    </message>
    <message>
        <source>Имя модуля</source>
        <translation>Module name</translation>
    </message>
    <message>
        <source>Версия прошивки</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Перезагрузка</source>
        <translation>Reboot</translation>
    </message>
    <message>
        <source>Сброс до заводских настроек</source>
        <translation>Factory reset</translation>
    </message>
    <message>
        <source>Канал 0</source>
        <translation>Channel 0</translation>
    </message>
    <message>
        <source>Тип датчика</source>
        <translation>Sensor type</translation>
    </message>
    <message>
        <source>J от -210 до 1200 °С</source>
        <translation>J from -210 to 1200 °C</translation>
    </message>
    <message>
        <source>K от -200 до 1372 °С</source>
        <translation>K from -200 to 1372 °C</translation>
    </message>
    <message>
        <source>T от -200 до 400 °С</source>
        <translation>T from -200 to 400 °C</translation>
    </message>
    <message>
        <source>E от -200 до 1000 °С</source>
        <translation>E from -200 to 1000 °C</translation>
    </message>
    <message>
        <source>R от -50 до 1768 °С</source>
        <translation>R from -50 to 1768 °C</translation>
    </message>
    <message>
        <source>S от -50 до 1768 °С</source>
        <translation>S from -50 to 1768 °C</translation>
    </message>
    <message>
        <source>B от 250 до 1820 °С</source>
        <translation>B from 250 to 1820 °C</translation>
    </message>
    <message>
        <source>N от -200 до 1300 °С</source>
        <translation>N from -200 to 1300 °C</translation>
    </message>
    <message>
        <source>L от -200 до 800 °С</source>
        <translation>L from -200 to 800 °C</translation>
    </message>
    <message>
        <source>A1 от 0 до 2500 °С</source>
        <translation>A1 from 0 to 2500 °C</translation>
    </message>
    <message>
        <source>A2 от 0 до 1800 °С</source>
        <translation>A2 from 0 to 1800 °C</translation>
    </message>
    <message>
        <source>A3 от 0 до 1800 °С</source>
        <translation>A3 from 0 to 1800 °C</translation>
    </message>
    <message>
        <source>Pt50 α=0.00385 °С⁻¹ от -200 до 850 °С</source>
        <translation>Pt50 α=0.00385 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>Pt100 α=0.00385 °С⁻¹ от -200 до 850 °С</source>
        <translation>Pt100 α=0.00385 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>Pt500 α=0.00385 °С⁻¹ от -200 до 850 °С</source>
        <translation>Pt500 α=0.00385 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>Pt1000 α=0.00385 °С⁻¹ от -200 до 850 °С</source>
        <translation>Pt1000 α=0.00385 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>50П α=0.00391 °С⁻¹ от -200 до 850 °С</source>
        <translation>50П α=0.00391 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>100П α=0.00391 °С⁻¹ от -200 до 850 °С</source>
        <translation>100П α=0.00391 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>500П α=0.00391 °С⁻¹ от -200 до 850 °С</source>
        <translation>500П α=0.00391 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>1000П α=0.00391 °С⁻¹ от -200 до 850 °С</source>
        <translation>1000П α=0.00391 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>100H α=0.00617 °С⁻¹ от -60 до 180 °С</source>
        <translation>100H α=0.00617 °C⁻¹ from -60 to 180 °C</translation>
    </message>
    <message>
        <source>500H α=0.00617 °С⁻¹ от -60 до 180 °С</source>
        <translation>500H α=0.00617 °C⁻¹ from -60 to 180 °C</translation>
    </message>
    <message>
        <source>1000H α=0.00617 °С⁻¹ от -60 до 180 °С</source>
        <translation>1000H α=0.00617 °C⁻¹ from -60 to 180 °C</translation>
    </message>
    <message>
        <source>Cu50 α=0.00426 °С⁻¹ от -50 до 200 °С</source>
        <translation>Cu50 α=0.00426 °C⁻¹ from -50 to 200 °C</translation>
    </message>
    <message>
        <source>Cu100 α=0.00426 °С⁻¹ от -50 до 200 °С</source>
        <translation>Cu100 α=0.00426 °C⁻¹ from -50 to 200 °C</translation>
    </message>
    <message>
        <source>Cu500 α=0.00426 °С⁻¹ от -50 до 200 °С</source>
        <translation>Cu500 α=0.00426 °C⁻¹ from -50 to 200 °C</translation>
    </message>
    <message>
        <source>Cu1000 α=0.00426 °С⁻¹ от -50 до 200 °С</source>
        <translation>Cu1000 α=0.00426 °C⁻¹ from -50 to 200 °C</translation>
    </message>
    <message>
        <source>50М α=0.00428 °С⁻¹ от -180 до 200 °С</source>
        <translation>50М α=0.00428 °C⁻¹ from -180 to 200 °C</translation>
    </message>
    <message>
        <source>100М α=0.00428 °С⁻¹ от -180 до 200 °С</source>
        <translation>100М α=0.00428 °C⁻¹ from -180 to 200 °C</translation>
    </message>
    <message>
        <source>500М α=0.00428 °С⁻¹ от -180 до 200 °С</source>
        <translation>500М α=0.00428 °C⁻¹ from -180 to 200 °C</translation>
    </message>
    <message>
        <source>1000М α=0.00428 °С⁻¹ от -180 до 200 °С</source>
        <translation>1000М α=0.00428 °C⁻¹ from -180 to 200 °C</translation>
    </message>
    <message>
        <source>Схема подключения датчика</source>
        <translation>Sensor wiring</translation>
    </message>
    <message>
        <source>2-ух</source>
        <translation>2-wire</translation>
    </message>
    <message>
        <source>3-ех</source>
        <translation>3-wire</translation>
    </message>
    <message>
        <source>4-ех</source>
        <translation>4-wire</translation>
    </message>
    <message>
        <source>Нижняя граница преобразования</source>
        <translation>Lower conversion limit</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Верхняя граница преобразования</source>
        <translation>Upper conversion limit</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>Датчик холодного спая</source>
        <translation>Cold-junction sensor</translation>
    </message>
    <message>
        <source>Входное значение</source>
        <translation>Input value</translation>
    </message>
    <message>
        <source>мВ</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Расчетное выходное значение</source>
        <translation>Calculated output value</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Инверсия выхода</source>
        <translation>Invert output</translation>
    </message>
    <message>
        <source>Калибровка усиления</source>
        <translation>Gain calibration</translation>
    </message>
    <message>
        <source>Калибровка смещения</source>
        <translation>Offset calibration</translation>
    </message>
    <message>
        <source>Выполнить юстировку смещения</source>
        <translation>Calibrate offset</translation>
    </message>
    <message>
        <source>Выполнить юстировку усиления</source>
        <translation>Calibrate gain</translation>
    </message>
    <message>
        <source>Канал 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Параметры RS-485</source>
        <translation>RS-485 parameters</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Режимы работы</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Офлайн режим</source>
        <translation>Offline mode</translation>
    </message>
    <message>
        <source>Режим юстировки</source>
        <translation>Calibration mode</translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation>Software update</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Разрешить калибровку</source>
        <translation>Allow calibration</translation>
    </message>
    <message>
        <source>Сравнить с &amp;файлом…</source>
        <translation>Compare with &amp;file…</translation>
    </message>
    <message>
        <source>Сохранить о&amp;тчёт…</source>
        <translation>Save &amp;report…</translation>
    </message>
    <message>
        <source>Соединиться</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Сохранить настройки в файл</source>
        <translation>Save settings to file</translation>
    </message>
    <message>
        <source>Включить ХС</source>
        <translation>Enable CJC</translation>
    </message>
    <message>
        <source>Вкл. быстрое преобразование</source>
        <translation>Fast conversion</translation>
    </message>
</context>
<context>
    <name>ModuleList</name>
    <message>
        <source>Опрашивается адрес %1 из %2</source>
        <translation>Asking address %1 of %2</translation>
    </message>
    <message>
        <source>Ответили модулей: %1</source>
        <translation>Modules that answered: %1</translation>
    </message>
    <message>
        <source>Опрос остановлен на адресе %1. Ответили модулей: %2</source>
        <translation>Stopped at address %1. Modules that answered: %2</translation>
    </message>
    <message>
        <source>Ни один модуль не ответил. Проверьте питание модулей, подключение линий A и B и скорость и формат (Режимы работы → Параметры связи…).</source>
        <translation>No module answered. Check the power of the modules, the connection of lines A and B, and the speed and format (Modes → Line settings…).</translation>
    </message>
    <message>
        <source>устройство не опознано</source>
        <translation>device not recognised</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ModuleListDialog</name>
    <message>
        <source>Модули на линии</source>
        <translation>Modules on the line</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Прошивка</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>&amp;Подключиться</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>&amp;Копировать список</source>
        <translation>C&amp;opy list</translation>
    </message>
</context>
<context>
    <name>RtuProvider</name>
    <message>
        <source>RTU порт %1 (%2) открыт: %3</source>
        <translation>RTU port %1 (%2) open: %3</translation>
    </message>
    <message>
        <source>RTU порт %1 закрыт</source>
        <translation>RTU port %1 closed</translation>
    </message>
    <message>
        <source>Ошибка порта %1</source>
        <translation>Port error %1</translation>
    </message>
</context>
<context>
    <name>TrafficView</name>
    <message>
        <source>Обмен с модулем</source>
        <translation>Exchange with the module</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Направление</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Количество / значения</source>
        <translation>Count / values</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Байты</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>запрос</source>
        <translation>request</translation>
    </message>
    <message>
        <source>ответ</source>
        <translation>reply</translation>
    </message>
    <message>
        <source>чтение регистров хранения</source>
        <translation>read holding registers</translation>
    </message>
    <message>
        <source>чтение входных регистров</source>
        <translation>read input registers</translation>
    </message>
    <message>
        <source>запись регистра</source>
        <translation>write register</translation>
    </message>
    <message>
        <source>запись регистров</source>
        <translation>write registers</translation>
    </message>
    <message>
        <source>успешно</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>исключение %1</source>
        <translation>exception %1</translation>
    </message>
    <message>
        <source>ошибка CRC</source>
        <translation>CRC error</translation>
    </message>
    <message>
        <source>чужой ответ</source>
        <translation>foreign reply</translation>
    </message>
    <message>
        <source>тайм-аут</source>
        <translation>time-out</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Сохранить обмен с модулем</source>
        <translation>Save the exchange with the module</translation>
    </message>
    <message>
        <source>Текст (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Не удалось сохранить %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>&amp;График</source>
        <translation>&amp;Trend</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Температура, °C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Входное значение</source>
        <translation>Input value</translation>
    </message>
    <message>
        <source>Входное значение, %1</source>
        <translation>Input value, %1</translation>
    </message>
    <message>
        <source>Выходной ток, мА</source>
        <translation>Output current, mA</translation>
    </message>
    <message>
        <source>Канал %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Левая кнопка: выделить область для увеличения; правая кнопка: назад; средняя кнопка: сдвиг по времени; колесо: масштаб времени. Щелчок по названию канала скрывает или показывает линию.</source>
        <translation>Left button: select an area to zoom in; right button: back; middle button: shift in time; wheel: time scale. A click on a channel&apos;s name hides or shows its line.</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Остановить прокрутку; значения продолжают записываться</source>
        <translation>Stop scrolling; values are still recorded</translation>
    </message>
    <message>
        <source>Показать:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>последние 10 мин</source>
        <translation>last 10 min</translation>
    </message>
    <message>
        <source>1 ч</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>всё</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Сохранить PNG…</source>
        <translation>Save PNG…</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save trend</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить изображение %1</source>
        <translation>Could not save image %1</translation>
    </message>
    <message>
        <source>Не удалось открыть окно графика: %1</source>
        <translation>Could not open the trend window: %1</translation>
    </message>
    <message>
        <source>В этой сборке программы нет окна графика</source>
        <translation>This build of the program has no trend window</translation>
    </message>
</context>
<context>
    <name>UpDateDialog</name>
    <message>
        <source>Обновление программы ZTConfig </source>
        <translation>ZTConfig software update </translation>
    </message>
    <message>
        <source>Проверить...</source>
        <translation>Check...</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source> (термопара)</source>
        <translation> (thermocouple)</translation>
    </message>
    <message>
        <source> (термометр сопротивления)</source>
        <translation> (resistance thermometer)</translation>
    </message>
    <message>
        <source>: установить</source>
        <translation>: set</translation>
    </message>
    <message>
        <source>, Ом</source>
        <translation>, Ω</translation>
    </message>
    <message>
        <source>, Ом: установить</source>
        <translation>, Ω: set</translation>
    </message>
    <message>
        <source>, канал %1</source>
        <translation>, channel %1</translation>
    </message>
    <message>
        <source>Файл настроек</source>
        <translation>Settings file</translation>
    </message>
    <message>
        <source>Подсказка юстировки</source>
        <translation>Calibration hint</translation>
    </message>
</context>
<context>
    <name>chtext</name>
    <message>
        <source>Введено некорректное значение</source>
        <translation>The value entered is not valid</translation>
    </message>
    <message>
        <source>Введено значение превышает максимально допустимое</source>
        <translation>The value entered is above the maximum allowed</translation>
    </message>
    <message>
        <source>Введено значение меньше минимально допустимое</source>
        <translation>The value entered is below the minimum allowed</translation>
    </message>
    <message>
        <source>Введено корректное значение</source>
        <translation>The value entered is valid</translation>
    </message>
    <message>
        <source>Введено значение превышает максимально допустимого</source>
        <translation>The value entered is above the maximum allowed</translation>
    </message>
    <message>
        <source>Введено значение меньше минимально допустимого</source>
        <translation>The value entered is below the minimum allowed</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Недопустимый формат CSV: %1 (ru или rfc4180)</source>
        <translation>Invalid CSV format: %1 (ru or rfc4180)</translation>
    </message>
    <message>
        <source>Запись CSV прервана: %1</source>
        <translation>CSV log interrupted: %1</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>&amp;Язык</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message>
        <source>Действует со следующего запуска</source>
        <translation>Takes effect at the next start</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Отсутствует имя порта</source>
        <translation>No port name</translation>
    </message>
    <message>
        <source>Порт больше не доступен, проверте подключение и обновите список портов</source>
        <translation>The port is no longer available; check the connection and refresh the port list</translation>
    </message>
    <message>
        <source>Порт занят</source>
        <translation>The port is busy</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1.
В Linux пользователь должен входить в группу dialout (sudo usermod -aG dialout $USER, затем войти в систему заново).</source>
        <translation>No access to port %1.
On Linux the user must be in the dialout group (sudo usermod -aG dialout $USER, then log in again).</translation>
    </message>
    <message>
        <source>Не удалось открыть порт %1: %2</source>
        <translation>Could not open port %1: %2</translation>
    </message>
    <message>
        <source>Ошибка соединения</source>
        <translation>Connection error</translation>
    </message>
    <message>
        <source>Ошибка связи</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <source>Подключенное устройство не опознано</source>
        <translation>The connected device was not recognised</translation>
    </message>
    <message>
        <source>Порты обновлены</source>
        <translation>Ports refreshed</translation>
    </message>
    <message>
        <source>Ошибка связи модулем</source>
        <translation>Communication error with the module</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Запись выполнена!</source>
        <translation>Written!</translation>
    </message>
    <message>
        <source>Юстировка</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Юстировка выполнена!</source>
        <translation>Calibration done!</translation>
    </message>
    <message>
        <source>Модуль пререзагружен!</source>
        <translation>The module has rebooted!</translation>
    </message>
    <message>
        <source>Модуль сброшен до заводских настроек!</source>
        <translation>The module has been reset to factory settings!</translation>
    </message>
    <message>
        <source>В офлайн режиме передача данных не возможна</source>
        <translation>No data can be sent in offline mode</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Файл конфигурации не выбран</source>
        <translation>No configuration file chosen</translation>
    </message>
    <message>
        <source>Выбранный файл не соответствует подключенному модулю!</source>
        <translation>The chosen file does not match the connected module!</translation>
    </message>
    <message>
        <source>Недопустимое значение в файле настроек: %1 = %2.
В модуль ничего не записано.</source>
        <translation>Invalid value in the settings file: %1 = %2.
Nothing was written to the module.</translation>
    </message>
    <message>
        <source>В файле настроек %1 нет ключа %2.
В модуль ничего не записано.</source>
        <translation>Settings file %1 has no key %2.
Nothing was written to the module.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл настроек %1</source>
        <translation>Could not save settings file %1</translation>
    </message>
    <message>
        <source>Запись настроек завершена</source>
        <translation>Settings written</translation>
    </message>
    <message>
        <source>Запись настроек прервана: %1.
Модуль мог принять только часть настроек.</source>
        <translation>Writing the settings was interrupted: %1.
The module may have taken only some of them.</translation>
    </message>
    <message>
        <source>связь с модулем прекращена</source>
        <translation>the connection to the module ended</translation>
    </message>
    <message>
        <source>Идёт запись настроек в модуль. Прервать запись и выйти?</source>
        <translation>Settings are being written to the module. Stop writing and quit?</translation>
    </message>
    <message>
        <source>включён офлайн режим</source>
        <translation>offline mode was switched on</translation>
    </message>
    <message>
        <source>Модуль не выбран</source>
        <translation>No module chosen</translation>
    </message>
    <message>
        <source>Введено некорректное значение: %1, канал %2.
Файл не сохранён.</source>
        <translation>Invalid value entered: %1, channel %2.
The file was not saved.</translation>
    </message>
    <message>
        <source>Офлайн режим</source>
        <translation>Offline mode</translation>
    </message>
    <message>
        <source>Офлайн режим предназначен для конфигурирования модулей серии ZT без подключения реальных приборов. Включить режим офлайн?</source>
        <translation>Offline mode is for configuring ZT series modules without real devices connected. Switch offline mode on?</translation>
    </message>
    <message>
        <source>Юстировка должна выполняться в строгом соответствии с инструкцией <byte value="xd"/>
Включить режим юстировки?</source>
        <translation>Calibration must follow the instructions strictly.<byte value="xd"/>
Switch calibration mode on?</translation>
    </message>
    <message>
        <source>Модуль не подключен</source>
        <translation>No module connected</translation>
    </message>
    <message>
        <source>Идёт запись настроек в модуль</source>
        <translation>Settings are being written to the module</translation>
    </message>
    <message>
        <source>Модуль не принял настройки:
%1</source>
        <translation>The module did not take the settings:
%1</translation>
    </message>
    <message>
        <source>%1: в модуле %2, в файле %3</source>
        <translation>%1: module %2, file %3</translation>
    </message>
    <message>
        <source>Настройки модуля совпадают с файлом %1</source>
        <translation>The module&apos;s settings match file %1</translation>
    </message>
    <message>
        <source>Настройки модуля отличаются от файла %1:</source>
        <translation>The module&apos;s settings differ from file %1:</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Сохранить отчёт</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Отчёт о модуле сохранён в %1</source>
        <translation>Module report saved to %1</translation>
    </message>
    <message>
        <source>Не удалось сохранить отчёт %1: %2</source>
        <translation>Could not save report %1: %2</translation>
    </message>
    <message>
        <source>&amp;Параметры связи…</source>
        <translation>&amp;Line settings…</translation>
    </message>
    <message>
        <source>Поиск &amp;модуля…</source>
        <translation>&amp;Find module…</translation>
    </message>
    <message>
        <source>Параметры связи</source>
        <translation>Line settings</translation>
    </message>
    <message>
        <source>Модуль принял новые параметры связи: %1.
Переподключиться с ними?</source>
        <translation>The module took the new line settings: %1.
Reconnect with them?</translation>
    </message>
    <message>
        <source>Поиск модуля</source>
        <translation>Module search</translation>
    </message>
    <message>
        <source>Проверяется: %1</source>
        <translation>Trying: %1</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Модуль не найден ни на одной скорости, ни в одном формате, ни по одному адресу.
Проверьте питание модуля и подключение линий A и B.</source>
        <translation>No module was found at any speed, format or address.
Check the module&apos;s power and the A and B lines.</translation>
    </message>
    <message>
        <source>Ошибка соединения: модуль не отвечает (%1), на линии ни одного байта.
Проверьте питание модуля, подключение линий A и B (не перепутаны ли они) и параметры связи (Режимы работы → Параметры связи…). Модуль с неизвестными параметрами найдёт поиск: Режимы работы → Поиск модуля…</source>
        <translation>Connection error: the module does not answer (%1), not a single byte on the line.
Check the module&apos;s power, the A and B lines (are they swapped?) and the line settings (Modes → Line settings…). A module with unknown settings is found by the search: Modes → Find module…</translation>
    </message>
    <message>
        <source>Ошибка соединения: адаптер RS-485 возвращает отправленный запрос (эхо), и программа не может выделить ответ модуля.
Отключите эхо в настройках адаптера или возьмите адаптер с автоматическим переключением приёма и передачи.</source>
        <translation>Connection error: the RS-485 adapter returns the request sent (echo), and the program cannot pick out the module&apos;s answer.
Switch the echo off in the adapter&apos;s settings or use an adapter that switches between receiving and sending by itself.</translation>
    </message>
    <message>
        <source>Ошибка соединения: с линии приходят байты, но не кадр Modbus RTU (%1).
Вероятно, модуль настроен на другую скорость или формат. Найти его: Режимы работы → Поиск модуля…</source>
        <translation>Connection error: bytes arrive from the line, but no Modbus RTU frame (%1).
The module is probably set to another speed or format. To find it: Modes → Find module…</translation>
    </message>
    <message>
        <source>Ошибка соединения: на запрос к адресу %1 ответил модуль с адресом %2.
Соединиться по адресу %2?</source>
        <translation>Connection error: a request to address %1 was answered by a module at address %2.
Connect at address %2?</translation>
    </message>
    <message>
        <source>Ошибка соединения: модуль ответил только на повторный запрос (%1).
Попробуйте соединиться ещё раз.</source>
        <translation>Connection error: the module answered only a repeated request (%1).
Try connecting again.</translation>
    </message>
    <message>
        <source>Соединиться</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Отключиться</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Модули на &amp;линии…</source>
        <translation>Modules on the li&amp;ne…</translation>
    </message>
    <message>
        <source>Modbus TCP</source>
        <translation>Modbus TCP</translation>
    </message>
    <message>
        <source>Шлюз Modbus TCP задаётся в меню Режимы работы → Параметры связи…</source>
        <translation>The Modbus TCP gateway is set in Modes → Line settings…</translation>
    </message>
    <message>
        <source>Через шлюз Modbus TCP проверяются только адреса 1–247: скорость и формат линии RS-485 задаёт шлюз.</source>
        <translation>Behind a Modbus TCP gateway only the addresses 1–247 are tried: the gateway sets the speed and format of the RS-485 line.</translation>
    </message>
    <message>
        <source>Модуль не найден ни по одному адресу за шлюзом %1.
Скорость и формат линии RS-485 задаются в настройках шлюза; проверьте их, питание модуля и подключение линий A и B к шлюзу.</source>
        <translation>No module found at any address behind the gateway %1.
The speed and format of the RS-485 line are set in the gateway&apos;s settings; check them, the module&apos;s power and the wiring of lines A and B to the gateway.</translation>
    </message>
</context>
<context>
    <name>updmsg</name>
    <message>
        <source>Программа установки</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Доступна версия: %1 %2, обновить?</source>
        <translation>Version available: %1 %2, update?</translation>
    </message>
    <message>
        <source>Доступных обновлений нет!</source>
        <translation>No updates available!</translation>
    </message>
    <message>
        <source>Загрузка обновлений</source>
        <translation>Downloading updates</translation>
    </message>
    <message>
        <source>Ошибка файла %1</source>
        <translation>File error %1</translation>
    </message>
    <message>
        <source>Не удалось загрузить %1</source>
        <translation>Could not download %1</translation>
    </message>
    <message>
        <source>Файл обновлений не подписан или повреждён</source>
        <translation>The update file is not signed or is damaged</translation>
    </message>
    <message>
        <source>Обновления в этой сборке не настроены</source>
        <translation>Updates are not configured in this build</translation>
    </message>
    <message>
        <source>Загруженный файл не совпадает с файлом обновлений; он удалён</source>
        <translation>The downloaded file does not match the update file; it has been deleted</translation>
    </message>
    <message>
        <source>Загружено и проверено: %1</source>
        <translation>Downloaded and verified: %1</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1</source>
        <translation>Could not save file %1</translation>
    </message>
    <message>
        <source>Не удалось запустить программу установки %1</source>
        <translation>Could not start installer %1</translation>
    </message>
</context>
<context>
    <name>zt::calibration</name>
    <message>
        <source>Юстировка смещения выполняется при входном напряжении 0 мВ<byte value="xd"/>
Юстировка усиления выполняется при входном напряжении %1 мВ</source>
        <translation>Offset calibration is done at an input voltage of 0 mV<byte value="xd"/>
Gain calibration is done at an input voltage of %1 mV</translation>
    </message>
    <message>
        <source>Юстировка смещения выполняется при входном сопротивлении 0 Ом<byte value="xd"/>
Юстировка усиления выполняется при входном сопротивлении %1</source>
        <translation>Offset calibration is done at an input resistance of 0 Ω<byte value="xd"/>
Gain calibration is done at an input resistance of %1</translation>
    </message>
    <message>
        <source>Юстировка смещения выполняется при входном сопротивлении 0 Ом<byte value="xd"/>
Юстировка усиления выполняется при входном сопротивлении 10 000 Ом</source>
        <translation>Offset calibration is done at an input resistance of 0 Ω<byte value="xd"/>
Gain calibration is done at an input resistance of 10 000 Ω</translation>
    </message>
    <message>
        <source>Юстировка смещения выполняется при входном токе 3 мА <byte value="xd"/>
Юстировка усиления выполняется при входном токе 21 мА </source>
        <translation>Offset calibration is done at an input current of 3 mA<byte value="xd"/>
Gain calibration is done at an input current of 21 mA</translation>
    </message>
    <message>
        <source>%1 Ом</source>
        <translation>%1 Ω</translation>
    </message>
    <message>
        <source>Выполнить юстировку усиления канала 0?</source>
        <translation>Calibrate the gain of channel 0?</translation>
    </message>
    <message>
        <source>Выполнить юстировку усиления канала 1?</source>
        <translation>Calibrate the gain of channel 1?</translation>
    </message>
    <message>
        <source>Выполнить юстировку смещения канала 0?</source>
        <translation>Calibrate the offset of channel 0?</translation>
    </message>
    <message>
        <source>Выполнить юстировку смещения канала 1?</source>
        <translation>Calibrate the offset of channel 1?</translation>
    </message>
</context>
<context>
    <name>zt::catalogue</name>
    <message>
        <source>мВ</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
</context>
<context>
    <name>zt::codec</name>
    <message>
        <source>Нет достоверного значения</source>
        <translation>No reliable value</translation>
    </message>
</context>
<context>
    <name>zt::commission::text</name>
    <message>
        <source>Канал %1: датчик</source>
        <translation>Channel %1: sensor</translation>
    </message>
    <message>
        <source>Канал %1: схема подключения</source>
        <translation>Channel %1: wiring</translation>
    </message>
    <message>
        <source>Канал %1: нижняя граница</source>
        <translation>Channel %1: lower limit</translation>
    </message>
    <message>
        <source>Канал %1: верхняя граница</source>
        <translation>Channel %1: upper limit</translation>
    </message>
    <message>
        <source>Канал %1: инверсия выхода</source>
        <translation>Channel %1: output inversion</translation>
    </message>
    <message>
        <source>Канал %1: быстрое преобразование</source>
        <translation>Channel %1: fast conversion</translation>
    </message>
    <message>
        <source>Компенсация холодного спая</source>
        <translation>Cold-junction compensation</translation>
    </message>
    <message>
        <source>Тип модуля</source>
        <translation>Module type</translation>
    </message>
    <message>
        <source>не из каталога, код 0x%1</source>
        <translation>not in the catalogue, code 0x%1</translation>
    </message>
    <message>
        <source>Прошивка</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Адрес модуля</source>
        <translation>Module address</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Формат кадра</source>
        <translation>Frame format</translation>
    </message>
    <message>
        <source>Канал %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>Датчик</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Схема подключения</source>
        <translation>Wiring</translation>
    </message>
    <message>
        <source>Быстрое преобразование</source>
        <translation>Fast conversion</translation>
    </message>
    <message>
        <source>Нижняя граница преобразования</source>
        <translation>Lower conversion limit</translation>
    </message>
    <message>
        <source>Верхняя граница преобразования</source>
        <translation>Upper conversion limit</translation>
    </message>
    <message>
        <source>Инверсия выхода</source>
        <translation>Output inversion</translation>
    </message>
    <message>
        <source>Входное значение</source>
        <translation>Input value</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Расчетное выходное значение</source>
        <translation>Calculated output value</translation>
    </message>
    <message>
        <source>Температура холодного спая</source>
        <translation>Cold-junction temperature</translation>
    </message>
    <message>
        <source>вкл.</source>
        <translation>on</translation>
    </message>
    <message>
        <source>выкл.</source>
        <translation>off</translation>
    </message>
    <message>
        <source>%1-проводная</source>
        <translation>%1-wire</translation>
    </message>
    <message>
        <source>вне списка (код %1)</source>
        <translation>not in the list (code %1)</translation>
    </message>
    <message>
        <source>вне списка</source>
        <translation>not in the list</translation>
    </message>
    <message>
        <source>°С</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Запись о модуле %1</source>
        <translation>Record of module %1</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Настройка каналов</source>
        <translation>Channel settings</translation>
    </message>
    <message>
        <source>Измеренные значения</source>
        <translation>Measured values</translation>
    </message>
    <message>
        <source>Файл настроек</source>
        <translation>Settings file</translation>
    </message>
    <message>
        <source>Настройки модуля совпадают с файлом.</source>
        <translation>The module&apos;s settings match the file.</translation>
    </message>
    <message>
        <source>Настройки модуля отличаются от файла:</source>
        <translation>The module&apos;s settings differ from the file:</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Модуль</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>zt::line</name>
    <message>
        <source>Модуль ответил: %1 (%2)</source>
        <translation>The module answered: %1 (%2)</translation>
    </message>
    <message>
        <source>Нет связи с модулем: %1 (%2)</source>
        <translation>No link to the module: %1 (%2)</translation>
    </message>
    <message>
        <source>недопустимая функция</source>
        <translation>illegal function</translation>
    </message>
    <message>
        <source>недопустимый адрес</source>
        <translation>illegal data address</translation>
    </message>
    <message>
        <source>недопустимое значение</source>
        <translation>illegal data value</translation>
    </message>
    <message>
        <source>сбой устройства</source>
        <translation>server device failure</translation>
    </message>
    <message>
        <source>запрос принят, выполняется</source>
        <translation>acknowledged, in progress</translation>
    </message>
    <message>
        <source>устройство занято</source>
        <translation>server device busy</translation>
    </message>
    <message>
        <source>отказ в выполнении</source>
        <translation>negative acknowledge</translation>
    </message>
    <message>
        <source>ошибка чётности памяти</source>
        <translation>memory parity error</translation>
    </message>
    <message>
        <source>шлюз: нет пути к устройству</source>
        <translation>gateway: no path to the device</translation>
    </message>
    <message>
        <source>шлюз: устройство не ответило</source>
        <translation>gateway: target device failed to respond</translation>
    </message>
    <message>
        <source>исключение</source>
        <translation>exception</translation>
    </message>
    <message>
        <source>%1 %2, адрес %3</source>
        <translation>%1 %2, address %3</translation>
    </message>
    <message>
        <source>Modbus TCP %1, адрес %2</source>
        <translation>Modbus TCP %1, address %2</translation>
    </message>
    <message>
        <source>Шлюз Modbus TCP %1 не найден: такого имени нет в сети</source>
        <translation>Modbus TCP gateway %1 not found: no such name on the network</translation>
    </message>
    <message>
        <source>Шлюз Modbus TCP %1 отказал в соединении: на этом адресе и порту нет сервера Modbus TCP</source>
        <translation>Modbus TCP gateway %1 refused the connection: no Modbus TCP server at this address and port</translation>
    </message>
    <message>
        <source>Шлюз Modbus TCP %1 недоступен: нет маршрута или нет ответа за %2 мс</source>
        <translation>Modbus TCP gateway %1 unreachable: no route, or no answer within %2 ms</translation>
    </message>
    <message>
        <source>Шлюз Modbus TCP %1 закрыл соединение</source>
        <translation>Modbus TCP gateway %1 closed the connection</translation>
    </message>
    <message>
        <source>Шлюз Modbus TCP %1 не ответил на запрос за %2 мс</source>
        <translation>Modbus TCP gateway %1 did not answer a request within %2 ms</translation>
    </message>
    <message>
        <source>Ошибка соединения со шлюзом Modbus TCP %1: %2</source>
        <translation>Connection error with Modbus TCP gateway %1: %2</translation>
    </message>
    <message>
        <source>Modbus TCP %1: соединение…</source>
        <translation>Modbus TCP %1: connecting…</translation>
    </message>
    <message>
        <source>Modbus TCP %1: соединение установлено</source>
        <translation>Modbus TCP %1: connected</translation>
    </message>
    <message>
        <source>Modbus TCP %1: соединение закрыто</source>
        <translation>Modbus TCP %1: connection closed</translation>
    </message>
</context>
<context>
    <name>zt::ranges</name>
    <message>
        <source>J от -210 до 1200 °С</source>
        <translation>J from -210 to 1200 °C</translation>
    </message>
    <message>
        <source>K от -200 до 1372 °С</source>
        <translation>K from -200 to 1372 °C</translation>
    </message>
    <message>
        <source>T от -200 до 400 °С</source>
        <translation>T from -200 to 400 °C</translation>
    </message>
    <message>
        <source>E от -200 до 1000 °С</source>
        <translation>E from -200 to 1000 °C</translation>
    </message>
    <message>
        <source>R от -50 до 1768 °С</source>
        <translation>R from -50 to 1768 °C</translation>
    </message>
    <message>
        <source>S от -50 до 1768 °С</source>
        <translation>S from -50 to 1768 °C</translation>
    </message>
    <message>
        <source>B от 250 до 1820 °С</source>
        <translation>B from 250 to 1820 °C</translation>
    </message>
    <message>
        <source>N от -200 до 1300 °С</source>
        <translation>N from -200 to 1300 °C</translation>
    </message>
    <message>
        <source>L от -200 до 800 °С</source>
        <translation>L from -200 to 800 °C</translation>
    </message>
    <message>
        <source>A1 от 0 до 2500 °С</source>
        <translation>A1 from 0 to 2500 °C</translation>
    </message>
    <message>
        <source>A2 от 0 до 1800 °С</source>
        <translation>A2 from 0 to 1800 °C</translation>
    </message>
    <message>
        <source>A3 от 0 до 1800 °С</source>
        <translation>A3 from 0 to 1800 °C</translation>
    </message>
    <message>
        <source>Pt50 α=0.00385 °С⁻¹ от -200 до 850 °С</source>
        <translation>Pt50 α=0.00385 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>Pt100 α=0.00385 °С⁻¹ от -200 до 850 °С</source>
        <translation>Pt100 α=0.00385 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>Pt500 α=0.00385 °С⁻¹ от -200 до 850 °С</source>
        <translation>Pt500 α=0.00385 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>Pt1000 α=0.00385 °С⁻¹ от -200 до 850 °С</source>
        <translation>Pt1000 α=0.00385 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>50П α=0.00391 °С⁻¹ от -200 до 850 °С</source>
        <translation>50П α=0.00391 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>100П α=0.00391 °С⁻¹ от -200 до 850 °С</source>
        <translation>100П α=0.00391 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>500П α=0.00391 °С⁻¹ от -200 до 850 °С</source>
        <translation>500П α=0.00391 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>1000П α=0.00391 °С⁻¹ от -200 до 850 °С</source>
        <translation>1000П α=0.00391 °C⁻¹ from -200 to 850 °C</translation>
    </message>
    <message>
        <source>100H α=0.00617 °С⁻¹ от -60 до 180 °С</source>
        <translation>100H α=0.00617 °C⁻¹ from -60 to 180 °C</translation>
    </message>
    <message>
        <source>500H α=0.00617 °С⁻¹ от -60 до 180 °С</source>
        <translation>500H α=0.00617 °C⁻¹ from -60 to 180 °C</translation>
    </message>
    <message>
        <source>1000H α=0.00617 °С⁻¹ от -60 до 180 °С</source>
        <translation>1000H α=0.00617 °C⁻¹ from -60 to 180 °C</translation>
    </message>
    <message>
        <source>Cu50 α=0.00426 °С⁻¹ от -50 до 200 °С</source>
        <translation>Cu50 α=0.00426 °C⁻¹ from -50 to 200 °C</translation>
    </message>
    <message>
        <source>Cu100 α=0.00426 °С⁻¹ от -50 до 200 °С</source>
        <translation>Cu100 α=0.00426 °C⁻¹ from -50 to 200 °C</translation>
    </message>
    <message>
        <source>Cu500 α=0.00426 °С⁻¹ от -50 до 200 °С</source>
        <translation>Cu500 α=0.00426 °C⁻¹ from -50 to 200 °C</translation>
    </message>
    <message>
        <source>Cu1000 α=0.00426 °С⁻¹ от -50 до 200 °С</source>
        <translation>Cu1000 α=0.00426 °C⁻¹ from -50 to 200 °C</translation>
    </message>
    <message>
        <source>50М α=0.00428 °С⁻¹ от -180 до 200 °С</source>
        <translation>50М α=0.00428 °C⁻¹ from -180 to 200 °C</translation>
    </message>
    <message>
        <source>100М α=0.00428 °С⁻¹ от -180 до 200 °С</source>
        <translation>100М α=0.00428 °C⁻¹ from -180 to 200 °C</translation>
    </message>
    <message>
        <source>500М α=0.00428 °С⁻¹ от -180 до 200 °С</source>
        <translation>500М α=0.00428 °C⁻¹ from -180 to 200 °C</translation>
    </message>
    <message>
        <source>1000М α=0.00428 °С⁻¹ от -180 до 200 °С</source>
        <translation>1000М α=0.00428 °C⁻¹ from -180 to 200 °C</translation>
    </message>
</context>
<context>
    <name>zt::settingsfile</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Файл настроек %1 не найден</source>
        <translation>Settings file %1 not found</translation>
    </message>
    <message>
        <source>Нет доступа к файлу настроек %1</source>
        <translation>No access to settings file %1</translation>
    </message>
    <message>
        <source>Файл %1 больше 64 КиБ: это не файл настроек</source>
        <translation>File %1 is larger than 64 KiB: it is not a settings file</translation>
    </message>
    <message>
        <source>Файл %1 не является файлом настроек: строка %2, %3</source>
        <translation>File %1 is not a settings file: line %2, %3</translation>
    </message>
    <message>
        <source>Файл настроек %1, раздел [%2], строка %5: недопустимое значение %3=%4; нужно %6</source>
        <translation>Settings file %1, section [%2], line %5: invalid value %3=%4; expected %6</translation>
    </message>
    <message>
        <source>нулевой байт: это не текст</source>
        <translation>a zero byte: this is not text</translation>
    </message>
    <message>
        <source>у имени раздела нет «]»</source>
        <translation>the section name has no “]”</translation>
    </message>
    <message>
        <source>текст после имени раздела</source>
        <translation>text after the section name</translation>
    </message>
    <message>
        <source>нет «=» между ключом и значением</source>
        <translation>no “=” between key and value</translation>
    </message>
    <message>
        <source>нет имени ключа</source>
        <translation>no key name</translation>
    </message>
    <message>
        <source>ключ %1 уже задан в строке %2</source>
        <translation>key %1 is already given on line %2</translation>
    </message>
    <message>
        <source>целое десятичное число от %1 до %2</source>
        <translation>a whole decimal number from %1 to %2</translation>
    </message>
    <message>
        <source>true или false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>название типа модуля из списка или пустое значение</source>
        <translation>the name of a module type from the list, or an empty value</translation>
    </message>
</context>
</TS>
