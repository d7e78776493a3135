// xiangce: the desktop program (being written; replaced by the real start-up shortly).
#include <QApplication>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
