// The clipboard over the host's: text as UTF-8, bitmaps as images.
#include "platform/host/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <algorithm>

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
    if (auto* metafile = dynamic_cast<TMetafile*>(Source)) {
        // The file's bytes for programs that take metafiles, the picture
        // played back for those that take images.
        auto* data = new QMimeData;
        std::string bytes = metafile->SaveToBytes();
        data->setData(metafile->GetEnhanced() ? "image/emf" : "image/wmf", QByteArray(bytes.data(), qsizetype(bytes.size())));
        TBitmap picture;
        picture.SetSize(std::max(1, metafile->GetWidth()), std::max(1, metafile->GetHeight()));
        metafile->Draw(picture.GetCanvas(), TRect(0, 0, picture.GetWidth(), picture.GetHeight()));
        data->setImageData(BitmapImage(&picture).copy());
        HostClipboard()->setMimeData(data);
        return;
    }
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
    if (Format == CF_ENHMETAFILE) return data->hasFormat("image/emf");
    if (Format == CF_METAFILEPICT) return data->hasFormat("image/wmf");
    return false;
}

void TClipboard::Clear() { HostClipboard()->clear(); }

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
