// The metafile readers of the platform tests, compiled into this test program too.
#include "platform/gdi/MetafileSvg.cpp"
