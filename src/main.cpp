#include "vantrel.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(vantrel);

    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));

    TVantrel* window = new TVantrel();
    window->show();
    const int result = application.exec();
    delete window;

    Q_CLEANUP_RESOURCE(vantrel);
    return result;
}
