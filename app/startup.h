#pragma once

class QApplication;

// What every process of the program sets up once: style, fonts, Qt's German texts.
void configureApplication(QApplication &app);
