#include "QuitOnSignals.h"
#include "serial/QtSerialLink.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QuitOnSignals quitOnSignals;
    Form1 window(std::make_unique<QtSerialLink>());
    window.show();
    return app.exec();
}
