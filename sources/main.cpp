#include "app.h"

int main(int argc, char* argv[])
{
    initTessitraResources();
    return tessitraMain(argc, argv);
}
