#pragma once

#include <QJsonObject>

class Screen;

// Every control of a loaded screen as it stands: name, index, kind, geometry in twips, caption,
// font as asked, colours, visibility, enabled state and tab index; and the screen itself.
QJsonObject dumpLayout(const Screen &screen);
