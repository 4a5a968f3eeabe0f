#pragma once

#include <QString>

enum class MsgIcon { None, Information, Critical };

// The program's message box: a text, an optional icon, one "OK" and a title. It returns when the
// user confirms with the button, Enter or Esc. Tests put a recorder in its place.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const QString &text, MsgIcon icon, const QString &title);
};
