#include "shell/EditorApp.h"

#include <QApplication>
#include <QMainWindow>

int runEditor(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Tavelle");
    window.show();
    return app.exec();
}
