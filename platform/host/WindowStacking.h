#pragma once
// Host-private: windows shown while a form is up stay in front of it, with a
// window manager and without one. A window manager learns which window
// another belongs to from the transient parent of its native window; a
// form's native window can be made anew while it shows (a web view among its
// widgets turns it into an OpenGL window), which drops every link to it, so
// the links are set again at each show.

class QWidget;

// From its next show on, Window (a top-level widget) belongs above Owner's
// window, or above none for nullptr. A link that would close a loop is left
// out.
void SetWindowOwner(QWidget* Window, QWidget* Owner);
// Raises a shown window above the others, and activates it unless it shows
// without taking the activation. Without a window manager, a window mapped
// again keeps its old place in the stacking order, which may be under a
// window made since.
void BringToFront(QWidget* Window);
// A host dialog (files, printer): raised at each show, above the forms.
void KeepAboveForms(QWidget* Dialog);
