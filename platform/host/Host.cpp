#include "platform/host/Host.h"

#include <QApplication>
#include <QScreen>

void StartHost(int& argc, char** argv) {
    if (QApplication::instance()) return;
    // No Qt::AA_ShareOpenGLContexts here: it would start OpenGL with every
    // run; the web browser control sets up the sharing with its first page.
    // Deliberately never freed: windows may outlive main's locals at exit.
    new QApplication(argc, argv);
}

bool HostStarted() { return QApplication::instance() != nullptr; }

void EnsureHost() {
    static int argc = 1;
    static char name[] = "velmora";
    static char* argv[] = {name, nullptr};
    StartHost(argc, argv);
}

std::string HostApplicationName() { return QCoreApplication::applicationName().toStdString(); }

TSize HostScreenSize() {
    const QRect geometry = QGuiApplication::primaryScreen()->geometry();
    return {geometry.width(), geometry.height()};
}

int HostScreenPixelsPerInch() { return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch()); }
