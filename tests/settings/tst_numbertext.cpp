#include "settings/numbertext.h"
#include "support/testprogram.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void format_data();
    void format();
    void parse_data();
    void parse();
};

void TestNumberText::format_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de whole, no grouping") << de << 4440.0f << "4440";
    QTest::newRow("de fraction, decimal comma") << de << 26.25f << "26,25";
    QTest::newRow("de negative") << de << -15.0f << "-15";
    QTest::newRow("de trailing zero dropped") << de << 10.5f << "10,5";
    QTest::newRow("de seven digits at most") << de << 1234.5678f << "1234,568";
    QTest::newRow("en whole, no grouping") << en << 4440.0f << "4440";
    QTest::newRow("en fraction, decimal point") << en << 26.25f << "26.25";
    QTest::newRow("en negative") << en << -15.0f << "-15";
    QTest::newRow("en trailing zero dropped") << en << 10.5f << "10.5";
    QTest::newRow("zero") << de << 0.0f << "0";
    // Locales whose own minus is not the plain hyphen still write the plain one.
    QTest::newRow("sv negative plain minus") << QLocale(QLocale::Swedish, QLocale::Sweden) << -2.5f << "-2,5";
}

void TestNumberText::format()
{
    QFETCH(QLocale, locale);
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::format(value, locale), text);
}

void TestNumberText::parse_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<float>("value");

    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de 4440") << de << "4440" << true << 4440.0f;
    QTest::newRow("de 26,25") << de << "26,25" << true << 26.25f;
    QTest::newRow("de -15") << de << "-15" << true << -15.0f;
    QTest::newRow("de 10,5") << de << "10,5" << true << 10.5f;
    QTest::newRow("de reads a point written elsewhere") << de << "26.25" << true << 26.25f;
    // "1.234" is no grouped thousand here: the program never writes groups.
    QTest::newRow("de point is a decimal, not a group") << de << "1.234" << true << 1.234f;
    QTest::newRow("en 26.25") << en << "26.25" << true << 26.25f;
    QTest::newRow("en reads a comma written elsewhere") << en << "10,5" << true << 10.5f;
    QTest::newRow("en -15") << en << "-15" << true << -15.0f;
    QTest::newRow("de garbage") << de << "zehn" << false << 0.0f;
    QTest::newRow("en garbage") << en << "12abc" << false << 0.0f;
    QTest::newRow("de empty") << de << "" << false << 0.0f;
    QTest::newRow("en empty") << en << "" << false << 0.0f;
    QTest::newRow("two separators") << de << "1,2,3" << false << 0.0f;
    // A position or size must be a finite number a float can hold.
    QTest::newRow("nan") << de << "nan" << false << 0.0f;
    QTest::newRow("infinite") << en << "inf" << false << 0.0f;
    QTest::newRow("negative infinite") << de << "-inf" << false << 0.0f;
    QTest::newRow("beyond float") << de << "1e39" << false << 0.0f;
    QTest::newRow("beyond float, other separator") << de << "3.5e38" << false << 0.0f;
    QTest::newRow("largest float") << en << "3.4e38" << true << 3.4e38f;
}

void TestNumberText::parse()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(float, value);
    const std::optional<float> parsed = NumberText::parse(text, locale);
    QCOMPARE(parsed.has_value(), converts);
    if (converts)
        QCOMPARE(*parsed, value);
}

ZD_TEST_MAIN(TestNumberText)
#include "tst_numbertext.moc"
