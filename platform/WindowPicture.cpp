#include "WindowPicture.h"

#include <QPainter>
#include <QWidget>

#include "Forms.h"
#include "QtBridge.h"

void GrabWindowPicture(TWinControl* Control, TBitmap* Bitmap) {
    Application->ProcessMessages();
    auto* surface = static_cast<QWidget*>(Control->GetHandle());
    QPixmap picture = surface->grab();
    Bitmap->SetSize(picture.width(), picture.height());
    QPainter painter(&BitmapImage(Bitmap));
    painter.drawPixmap(0, 0, picture);
}
