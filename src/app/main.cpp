#include "app/CPlotApp.h"

int main(int argc, char *argv[])
{
    CPlotApp app(argc, argv);
    app.InitInstance();
    return app.exec();
}
