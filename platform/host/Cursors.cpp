// Cursor handles as host cursors, the override cursor and the pointer position.
#include "platform/host/Cursors.h"

#include <QCursor>
#include <QGuiApplication>
#include <utility>

#include "platform/host/Host.h"
#include "platform/host/WindowSurfaceWidget.h"

struct TCursorHandle {
    QCursor cursor;
};

std::map<int, HCURSOR> CreateStandardCursors() {
    EnsureHost();
    static const std::pair<int, Qt::CursorShape> standard[] = {
        {crDefault, Qt::ArrowCursor}, {crNone, Qt::BlankCursor}, {crArrow, Qt::ArrowCursor},
        {crCross, Qt::CrossCursor}, {crIBeam, Qt::IBeamCursor}, {crSizeNESW, Qt::SizeBDiagCursor},
        {crSizeNS, Qt::SizeVerCursor}, {crSizeNWSE, Qt::SizeFDiagCursor}, {crSizeWE, Qt::SizeHorCursor},
        {crUpArrow, Qt::UpArrowCursor}, {crHourGlass, Qt::WaitCursor}, {crDrag, Qt::DragMoveCursor},
        {crNoDrop, Qt::ForbiddenCursor}, {crHSplit, Qt::SplitHCursor}, {crVSplit, Qt::SplitVCursor},
        {crMultiDrag, Qt::DragCopyCursor}, {crSQLWait, Qt::BusyCursor}, {crNo, Qt::ForbiddenCursor},
        {crAppStart, Qt::BusyCursor}, {crHelp, Qt::WhatsThisCursor}, {crHandPoint, Qt::PointingHandCursor},
        {crSizeAll, Qt::SizeAllCursor}};
    std::map<int, HCURSOR> cursors;
    for (auto& [number, shape] : standard) cursors[number] = new TCursorHandle{QCursor(shape)};
    return cursors;
}

HCURSOR CreateArrowCursor() {
    EnsureHost();
    return new TCursorHandle{QCursor(Qt::ArrowCursor)};
}

void FreeCursor(HCURSOR Cursor) { delete Cursor; }

QCursor HostCursor(TCursor Cursor) { return Screen->GetCursors(Cursor)->cursor; }

void SetOverrideCursor(HCURSOR Cursor) { QGuiApplication::setOverrideCursor(Cursor->cursor); }

void ChangeOverrideCursor(HCURSOR Cursor) { QGuiApplication::changeOverrideCursor(Cursor->cursor); }

void RestoreOverrideCursor() { QGuiApplication::restoreOverrideCursor(); }

TPoint HostCursorPos() {
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}
