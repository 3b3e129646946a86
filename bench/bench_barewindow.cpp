// The yardstick of the start-up benchmark: a bare Qt 5 main window of a
// given size with the program's three menus and a status bar, and nothing
// else.
//   bench_barewindow WIDTH HEIGHT

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    const QStringList size = app.arguments().mid(1);
    window.resize(size.value(0, "733").toInt(), size.value(1, "766").toInt());
    const QList<QStringList> menus = {
        {"Файл", "Открыть", "Сохранить", "Сравнить", "Отчёт", "Выход"},
        {"Режимы работы", "Офлайн режим", "Режим юстировки"},
        {"Справка", "Обновление ПО", "О программе"},
    };
    for (const QStringList &entries : menus) {
        QMenu *menu = window.menuBar()->addMenu(entries.first());
        for (const QString &entry : entries.mid(1))
            menu->addAction(entry);
    }
    window.setStatusBar(new QStatusBar(&window));
    window.show();
    return app.exec();
}
