#include "app/driver.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    pickpath::platform::prepareProcess();
    return pickpath::runDriver(argc, argv);
}
