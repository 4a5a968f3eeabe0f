#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What a screen's frame offers, told to the window manager in the terms it honours.
//
// Qt already tells the window manager through the Motif hints that a screen has no minimise
// box, and managers such as icewm drop it then. Openbox ignores those hints and decides by the
// window type alone, so there a screen without a minimise box is declared a toolbar: openbox
// keeps its title bar and close box and offers neither minimise nor maximise. A child who
// minimised a screen on a desktop without a task bar could not bring it back.
namespace WindowHints {

// The name the running window manager gives itself ("Openbox", "IceWM"...); empty where there
// is none or the platform is not X11.
QString windowManagerName();

// The window types to declare for a screen, most wanted first; empty keeps Qt's own choice.
QStringList windowTypes(const QString &windowManager, bool minimisable);

// Declares the window type for the window manager now running. Call when the native window
// exists and before it is shown, as window managers read the type when a window is mapped.
void apply(QWidget *window, bool minimisable);

// Shows the window again at once whenever it gets minimised all the same (from a window list or
// a key of the window manager): on a desktop without a task bar a child could not bring it back.
void keepRestored(QWidget *window);

// Both, for a dialog that is about to be shown: no minimise box, and no staying minimised. A
// modal dialog minimised for good would leave the program waiting for it out of sight.
void withoutMinimise(QWidget *dialog);

} // namespace WindowHints
