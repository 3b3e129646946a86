#pragma once

#include <QtGlobal>

// What ztconfig-cli says: the help, and the messages on stderr.
namespace cli::text {

constexpr auto Help =
    "Использование: ztconfig-cli КОМАНДА --port УСТРОЙСТВО | --tcp УЗЕЛ[:ПОРТ] [параметры]\n"
    "\n"
    "Настройка и проверка модулей ZT и PLB без окна программы.\n"
    "\n"
    "Команды:\n"
    "  identify                тип модуля, дата прошивки, параметры линии модуля PLB\n"
    "  read [--json]           вся настройка обоих каналов и одни измеренные значения;\n"
    "                          --json: один объект JSON\n"
    "  save ФАЙЛ.ztset         сохранить настройку модуля в файл настроек, как \"Сохранить\"\n"
    "  write ФАЙЛ.ztset [--dry-run]\n"
    "                          проверить файл, как перед записью из окна, вывести отличия\n"
    "                          модуль -> файл, записать только отличающиеся регистры\n"
    "                          (каждую запись после подтверждения предыдущей), прочитать\n"
    "                          модуль заново и сравнить с файлом; --dry-run: только отличия\n"
    "  write ФАЙЛ.ztset --addresses 3,5,17-20 [--report-dir КАТАЛОГ] [--dry-run]\n"
    "                          то же для каждого модуля списка по очереди, в конце строка\n"
    "                          на модуль: адрес, итог, код; код завершения - наибольший\n"
    "                          из них; --report-dir: запись о каждом модуле, как report\n"
    "                          --from ФАЙЛ.ztset, в КАТАЛОГ/017.pdf (по адресу)\n"
    "  watch [--interval МС] [--count N] [--csv] [--dialect ru|rfc4180]\n"
    "                          измеренные значения строками (время, канал, вход,\n"
    "                          температура, выход, холодный спай), по умолчанию каждые\n"
    "                          700 мс до Ctrl+C; --csv: таблица CSV, как \"Запись в CSV\"\n"
    "                          в окне: заголовок с типом, прошивкой, линией и единицами,\n"
    "                          строка на каждое чтение (время ISO 8601, оба канала),\n"
    "                          концы строк CRLF; --dialect rfc4180 (по умолчанию):\n"
    "                          \",\" и \".\"; --dialect ru: \";\" и \",\", с меткой UTF-8 (BOM)\n"
    "  report ФАЙЛ.pdf [--from ФАЙЛ.ztset]\n"
    "                          запись о модуле на одной странице PDF; --from: файл,\n"
    "                          из которого модуль записан, и совпадает ли модуль с ним\n"
    "  scan [--from АДРЕС] [--to АДРЕС] [--json]\n"
    "                          модули на линии: по одному чтению опознавания на адрес\n"
    "                          (по умолчанию 1..247), строка на ответивший модуль:\n"
    "                          \"17 PLB-2TI-4-20-M 12.05.23\"; --json: объект JSON на строку;\n"
    "                          код 0, если ответил хоть один, иначе 3\n"
    "\n"
    "Линия:\n"
    "  --port УСТРОЙСТВО       последовательный порт, например /dev/ttyUSB0\n"
    "  --tcp УЗЕЛ[:ПОРТ]       вместо --port: шлюз Modbus TCP (имя, адрес IPv4 или [IPv6]),\n"
    "                          порт по умолчанию 502; скорость и формат задаёт шлюз\n"
    "  --timeout МС            с --tcp: ожидание ответа на запрос 100..60000 мс,\n"
    "                          по умолчанию 1000\n"
    "  --baud СКОРОСТЬ         2400, 4800, 9600, 19200, 38400, 57600 или 115200;\n"
    "                          по умолчанию 9600\n"
    "  --format ФОРМАТ         8N1, 8N2, 8O1 или 8E1; по умолчанию 8N1\n"
    "  --address АДРЕС         адрес модуля 1..247 (с --tcp: Unit ID), по умолчанию 1\n"
    "\n"
    "  --help                  эта справка\n"
    "  --version               версия программы\n"
    "\n"
    "Данные выводятся в stdout, сообщения в stderr.\n"
    "\n"
    "Коды завершения:\n"
    "  0    выполнено\n"
    "  2    ошибка в командной строке\n"
    "  3    порт не открылся или шлюз недоступен, модуль не отвечает или не опознан,\n"
    "       связь прервана,\n"
    "       запись не подтверждена (модуль прочитан заново: что в нём теперь)\n"
    "  4    файл настроек для модуля другого типа; в модуль ничего не записано\n"
    "  5    файл не читается или не записывается, или в файле настроек недопустимое\n"
    "       значение; в модуль ничего не записано\n"
    "  6    модуль отказался принять запись (ответил исключением)\n"
    "  7    прочитанная после записи настройка модуля отличается от файла\n"
    "  130  запись прервана (Ctrl+C, SIGTERM, SIGHUP): текущий запрос завершается;\n"
    "       повторный Ctrl+C завершает программу сразу\n";

constexpr auto SeeHelp = "Справка: ztconfig-cli --help";
constexpr auto NoCommand = "Не указана команда";
constexpr auto UnknownCommand = "Неизвестная команда: %1";
constexpr auto NoPort = "Не указан порт: --port УСТРОЙСТВО или --tcp УЗЕЛ[:ПОРТ]";
constexpr auto PortAndTcp = "Параметры --port и --tcp вместе не указываются";
constexpr auto SerialOnly = "Параметр --%1 не указывается с --tcp: скорость и формат линии задаёт шлюз";
constexpr auto BadTcp = "Недопустимый шлюз: %1 (УЗЕЛ[:ПОРТ]: имя, адрес IPv4 или [IPv6], порт 1..65535)";
constexpr auto TimeoutNeedsTcp = "Параметр --timeout указывается вместе с --tcp";
constexpr auto BadTimeout = "Недопустимый тайм-аут: %1 (100..60000 мс)";
constexpr auto BadBaud = "Недопустимая скорость: %1 (%2)";
constexpr auto BadFormat = "Недопустимый формат: %1 (например 8N1, 8E1, 8N2)";
constexpr auto BadAddress = "Недопустимый адрес модуля: %1 (1..247)";
constexpr auto BadNumber = "Недопустимое значение %1: %2";
constexpr auto NoFileArgument = "Команде %1 нужен файл";
constexpr auto ExtraArguments = "Лишние аргументы: %1";
constexpr auto OptionNotForCommand = "Параметр --%1 не относится к команде %2";
constexpr auto AddressesDown = "Первый адрес больше последнего: %1 > %2";
constexpr auto AddressAndAddresses = "Параметры --address и --addresses вместе не указываются";
constexpr auto ReportDirNeedsAddresses = "Параметр --report-dir указывается вместе с --addresses";
constexpr auto AddressListTooLong = "Список адресов длиннее %1 знаков";
constexpr auto BadAddressItem = "Недопустимый адрес в списке: \"%1\" (адрес 1..247 или диапазон, например 17-20)";
constexpr auto AddressRangeDown = "Диапазон адресов не по возрастанию: %1";
constexpr auto AddressTwice = "Адрес %1 в списке дважды";

constexpr auto PortNotOpened = "Не удалось открыть порт %1: %2";
constexpr auto NoAnswer = "Модуль не отвечает (порт %1, %2)";
constexpr auto NotRecognised = "Подключенное устройство не опознано";
constexpr auto LineLost = "Связь с модулем прервана";
constexpr auto FileSaveFailed = "Не удалось сохранить файл настроек %1";
constexpr auto FileSaved = "Настройки модуля %1 сохранены в %2";
constexpr auto FileForOtherType = "Файл %1 для модуля %2, подключен %3.";
constexpr auto FileBadValue = "Недопустимое значение в файле настроек: %1 = %2.";
constexpr auto FileMissingKey = "В файле настроек %1 нет ключа %2.";
constexpr auto NothingWritten = "В модуль ничего не записано.";

constexpr auto NoDifferences = "Настройки модуля совпадают с файлом";
constexpr auto DifferenceLine = "%1: %2 -> %3";
constexpr auto WriteDone = "Записано и проверено: %1";
// %2 the module's answer in words.
constexpr auto Refused = "Модуль не принял запись: %1. %2";
constexpr auto ReadBack = "Настройки в модуле после записи:";
constexpr auto NotKept = "Модуль не сохранил записанное: %1";
constexpr auto NotKeptLine = "  %1: в модуле %2, в файле %3";
constexpr auto Interrupted = "Запись прервана";
constexpr auto InterruptNoted = "Запись остановится после ответа на текущий запрос (ещё раз Ctrl+C - выход сразу)";
constexpr auto InterruptedAtOnce = "Выход сразу, без ответа на текущий запрос: что записано, неизвестно";
constexpr auto Written = "Записаны: %1";
constexpr auto NotWritten = "Не записаны: %1";
constexpr auto Unconfirmed = "Запись не подтверждена: %1";
constexpr auto Nothing = "нет";

// scan: one line per module that answered; the summary on stderr.
constexpr auto ScanModule = "%1 %2 %3";
constexpr auto ScanRefused = "%1 ответил: %2";
constexpr auto ScanUnrecognised = "%1 не опознан";
constexpr auto ScanFound = "Ответили модулей: %1";
constexpr auto ScanNone = "Ни один модуль не ответил (%1, адреса %2..%3)";
constexpr auto ScanLine = "порт %1, %2 %3";
constexpr auto ScanGateway = "Modbus TCP %1";

// write --addresses: a heading before each module's messages, then one line
// per module; the outcome in words by the exit code.
constexpr auto EachModule = "Адрес %1:";
constexpr auto EachSummary = "%1 %2 (код %3)";
constexpr auto OutcomeDone = "выполнено";
constexpr auto OutcomeNoAnswer = "не отвечает, не опознан или запись не подтверждена";
constexpr auto OutcomeOtherType = "модуль другого типа, не записан";
constexpr auto OutcomeBadFile = "не записан: файл или значение недопустимы";
constexpr auto OutcomeRefused = "не принял запись";
constexpr auto OutcomeNotKept = "не сохранил записанное";
constexpr auto OutcomeInterrupted = "запись прервана";
constexpr auto ReportDirFailed = "Не удалось создать каталог %1";

constexpr auto ReportSaved = "Запись о модуле %1 сохранена в %2";
constexpr auto ReportFailed = "Не удалось записать %1: %2";

constexpr auto BadDialect = QT_TRANSLATE_NOOP("cli", "Недопустимый формат CSV: %1 (ru или rfc4180)");
constexpr auto CsvFailed = QT_TRANSLATE_NOOP("cli", "Запись CSV прервана: %1");
constexpr auto WatchChannel = "канал %1";

} // namespace cli::text
