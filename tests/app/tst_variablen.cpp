#include "app/variablen.h"
#include "support/testprogram.h"

#include <QTest>

class TestVariablen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void changesStopAtTheLimits_data();
    void changesStopAtTheLimits();
    void sumsStopAtTheLimits_data();
    void sumsStopAtTheLimits();
    void resetScoreClearsOnlyTheScore();
};

void TestVariablen::changesStopAtTheLimits_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("result");
    QTest::newRow("ordinary") << 3 << 1 << 4;
    QTest::newRow("to the top") << 32766 << 1 << 32767;
    QTest::newRow("past the top") << 32767 << 1 << 32767;
    QTest::newRow("points past the top") << 32760 << 30 << 32767;
    QTest::newRow("minus ten below zero") << 2 << -10 << -8;
    QTest::newRow("past the bottom") << -32768 << -10 << -32768;
}

void TestVariablen::changesStopAtTheLimits()
{
    QFETCH(int, start);
    QFETCH(int, delta);
    QFETCH(int, result);
    Int16 plus(start);
    plus += delta;
    QCOMPARE(plus.value(), result);
    Int16 minus(start);
    minus -= -delta;
    QCOMPARE(minus.value(), result);
}

void TestVariablen::sumsStopAtTheLimits_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("sum");
    QTest::newRow("hub points") << 100 << 50 << 150;
    QTest::newRow("past the top") << 32767 << 50 << 32767;
    QTest::newRow("past the bottom") << -32768 << -1 << -32768;
}

void TestVariablen::sumsStopAtTheLimits()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, sum);
    QCOMPARE((Int16(a) + Int16(b)).value(), sum);
}

void TestVariablen::resetScoreClearsOnlyTheScore()
{
    Variablen v;
    v.Schueler = "Anna";
    v.LevelFertig = 3;
    v.PunkteFang = 10;
    v.PunkteLaby = 50;
    v.VersucheFang = 1;
    v.VersucheLaby = 2;
    v.Fehler = 7;
    v.PasswortOK = -1;
    v.PasswortAktuell = "x";
    v.resetScore();
    QCOMPARE(v.PunkteFang.value() + v.PunkteLaby.value() + v.VersucheFang.value() + v.VersucheLaby.value()
                 + v.Fehler.value(),
             0);
    QCOMPARE(v.Schueler, "Anna");
    QCOMPARE(v.LevelFertig, 3);
    QCOMPARE(v.PasswortOK, -1);
    QCOMPARE(v.PasswortAktuell, "x");
}

ZD_TEST_MAIN(TestVariablen)
#include "tst_variablen.moc"
