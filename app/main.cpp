#include "app/mainwindow/velmora.h"

int main(int argc, char** argv) { return VelmoraMain(argc, argv); }
