#include "CatalogApp.h"
#include "QtBackend.h"
#include "Templates.h"

CCatalogApp theApp;

int main(int argc, char** argv)
{
    AfxSetResources(&OrvaneResources());
    return RunQtApplication(argc, argv);
}
