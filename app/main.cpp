#include "platform/Host.h"

int main(int argc, char** argv) {
    StartHost(argc, argv);
    return 0;
}
