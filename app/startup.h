#pragma once

class QApplication;

// What every process of the program sets up once: style, fonts, Qt's German texts.
void configureApplication(QApplication &app);

// Whether Qt has a desktop to show windows on: a chosen platform, or an X or Wayland display.
bool desktopAvailable();
