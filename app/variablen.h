#pragma once

#include "int16.h"

#include <QString>

// The variables the screens share for the whole run of the program.
struct Variablen
{
    // The child's name, exactly as typed.
    QString Schueler;
    // The level of "Voze ziv Urared" just finished, 1 to 5.
    quint8 LevelFertig = 0;
    Int16 PunkteLaby;
    Int16 PunkteFang;
    Int16 VersucheLaby;
    Int16 VersucheFang;
    Int16 Fehler;
    // Truth value of the last teacher password prompt: -1 true, 0 false.
    qint16 PasswortOK = 0;
    QString PasswortAktuell;
    QString Generalpasswort;

    // The name screen clears the score for every new child.
    void resetScore()
    {
        PunkteLaby = 0;
        PunkteFang = 0;
        VersucheLaby = 0;
        VersucheFang = 0;
        Fehler = 0;
    }
};
