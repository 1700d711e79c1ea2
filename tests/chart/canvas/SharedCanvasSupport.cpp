// The drawing helpers of the platform tests (pixels read past any mapping
// or clip, ink boxes), compiled into this test program too.
#include "platform/gdi/CanvasTestSupport.cpp"
