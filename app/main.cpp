#include "app/CatalogApp.h"
#include "platform/qt/QtBackend.h"
#include "res/Resources.h"

CCatalogApp theApp;

int main(int argc, char** argv)
{
    AfxSetResources(&OrvaneResources());
    return RunQtApplication(argc, argv);
}
