// tabulon-host: stands in for the station software that loads the component.
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
