// Registration of the compiled-in resources, in a unit of its own so that tests can load the pictures
// without linking the whole program.
#include "app.h"

void initTessitraResources()
{
    Q_INIT_RESOURCE(resources);
}

void cleanupTessitraResources()
{
    Q_CLEANUP_RESOURCE(resources);
}
