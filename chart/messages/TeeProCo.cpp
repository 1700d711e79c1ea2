#include "chart/messages/TeeProCo.h"

namespace {

// Only the texts this program shows; the command and gallery records stay
// empty.
const TTeeMessageText texts[] = {
    {TeeMsg_ValuesOpen, "Open"},
    {TeeMsg_ValuesHigh, "High"},
    {TeeMsg_ValuesLow, "Low"},
    {TeeMsg_ValuesClose, "Close"},
    {TeeMsg_ValuesDate, "Date"},
    {TeeMsg_GalleryCandle, "Candle"},
    {TeeMsg_GalleryVolume, "Volume"},
};

}  // namespace

std::span<const TTeeMessageText> TeeprocoTexts() { return texts; }
