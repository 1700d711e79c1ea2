// The clipboard over the host's: text as UTF-8, bitmaps as images.
#include "platform/host/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/host/Host.h"
#include "platform/host/QtBridge.h"

namespace {

QClipboard* HostClipboard() {
    EnsureHost();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) throw Exception("Cannot open clipboard");
    return clipboard;
}

}  // namespace

void TClipboard::Assign(TPersistent* Source) {
    auto* bitmap = dynamic_cast<TBitmap*>(Source);
    if (!bitmap) {
        TPersistent::Assign(Source);
        return;
    }
    HostClipboard()->setImage(BitmapImage(bitmap).copy());
}

void TClipboard::AssignTo(TPersistent* Dest) {
    auto* bitmap = dynamic_cast<TBitmap*>(Dest);
    if (!bitmap) {
        TPersistent::AssignTo(Dest);
        return;
    }
    QImage image = HostClipboard()->image();
    if (image.isNull()) throw EInvalidGraphic("The clipboard holds no picture");
    TBitmap copy;
    SetBitmapImage(&copy, image);
    bitmap->Assign(&copy);
}

AnsiString TClipboard::GetAsText() { return AnsiString(HostClipboard()->text().toUtf8().toStdString()); }

void TClipboard::SetAsText(const AnsiString& Value) { HostClipboard()->setText(QString::fromUtf8(Value.c_str())); }

bool TClipboard::HasFormat(Word Format) {
    const QMimeData* data = HostClipboard()->mimeData();
    if (!data) return false;
    if (Format == CF_TEXT) return data->hasText();
    if (Format == CF_BITMAP) return data->hasImage();
    return false;
}

void TClipboard::Clear() { HostClipboard()->clear(); }

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
