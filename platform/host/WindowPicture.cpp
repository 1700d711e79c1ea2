#include "platform/host/WindowPicture.h"

#include <QPainter>
#include <QWidget>

#include "platform/controls/Forms.h"
#include "platform/host/QtBridge.h"

void GrabWindowPicture(TWinControl* Control, TBitmap* Bitmap) {
    Application->ProcessMessages();
    auto* surface = static_cast<QWidget*>(Control->GetHandle());
    QPixmap picture = surface->grab();
    Bitmap->SetSize(picture.width(), picture.height());
    QPainter painter(&BitmapImage(Bitmap));
    painter.drawPixmap(0, 0, picture);
}
