#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Every file the program keeps lives in the folder it was started in.
    app::Program program(QDir::current());
    program.start();
    return QApplication::exec();
}
