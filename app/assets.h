#pragma once

#include <QString>

// The program's own drawings, built in as resources.
namespace Assets {
inline const QString MouseIcon = QStringLiteral(":/assets/mouse.svg");
inline const QString HubMouseIcon = QStringLiteral(":/assets/mouse-hub.svg");
inline const QString Smiley = QStringLiteral(":/assets/smiley.svg");
inline const QString Frown = QStringLiteral(":/assets/frown.svg");
inline const QString StartPicture = QStringLiteral(":/assets/start.svg");
inline const QString GoalPicture = QStringLiteral(":/assets/ziel.svg");
inline const QString VelmstiftLogo = QStringLiteral(":/assets/logo-velmstift.svg");
// The pointing hand over links; its fingertip, the hot spot, is at x 12, y 1.
inline const QString Glove = QStringLiteral(":/assets/glove.svg");
// Made at build time from the real first level of "Voze ziv Urared".
inline const QString FangTile = QStringLiteral(":/tiles/tile-fang.png");
// The certificate's picture, drawn at build time from its SVG source; the same file lies
// beside the program, where a school may replace it.
inline const QString Urkunde = QStringLiteral(":/urkunde/Urkunde.bmp");
// Made at build time from the real labyrinth.
inline const QString LabyTile = QStringLiteral(":/tiles/tile-laby.png");
} // namespace Assets
