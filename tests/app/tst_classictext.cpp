#include "app/classictext.h"
#include "app/fonts.h"
#include "app/widgets.h"
#include "screens/splash/frmsplash.h"
#include "support/testprogram.h"

#include <QTest>

namespace {

QFont arial(float points, bool bold = false)
{
    FontSpec spec{QStringLiteral("Arial"), points};
    spec.bold = bold;
    return toQFont(spec);
}

} // namespace

class TestClassicText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void glyphsAdvanceByWholePixels();
    void wrapping_data();
    void wrapping();
    void aWordTooWideStaysWholeAndIsSetCloser();
    void everyWrappedLabelOfTheProgramShowsAllItsLines();
};

void TestClassicText::glyphsAdvanceByWholePixels()
{
    const ClassicText text(arial(9.75f));
    // Qt's own layout makes this 588.2 pixels and wraps it a word early in the 585 of the
    // splash screen's credits.
    const QString firstLine = FrmSplash::credits().left(FrmSplash::credits().indexOf(" des"));
    QCOMPARE(text.width(firstLine), 580);
    // "s" is 6.5 pixels wide at 13 pixels: halves go to the even pixel.
    QCOMPARE(text.width("s"), 6);
    QCOMPARE(text.width(QString(38, ' ')), 38 * 4);
    QCOMPARE(text.width(""), 0);
}

void TestClassicText::wrapping_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines");
    // Widths at Arial 9.75 pt: "eins" 23, "zwei" 25, a blank 4.
    QTest::newRow("fits") << "eins zwei" << 60 << QStringList{"eins zwei"};
    QTest::newRow("exactly fits") << "eins zwei" << 52 << QStringList{"eins zwei"};
    QTest::newRow("one pixel short breaks at the blank") << "eins zwei" << 51 << QStringList{"eins", "zwei"};
    QTest::newRow("a run of blanks vanishes at the break") << "eins      zwei" << 40 << QStringList{"eins", "zwei"};
    QTest::newRow("blanks inside a line stay") << "eins   zwei" << 60 << QStringList{"eins   zwei"};
    QTest::newRow("trailing blanks hang over the edge") << "eins zwei   " << 52 << QStringList{"eins zwei   "};
    QTest::newRow("line feeds and an empty line") << "eins\n\nzwei" << 200 << QStringList{"eins", "", "zwei"};
    QTest::newRow("no wrapping without a width") << "eins zwei" << -1 << QStringList{"eins zwei"};
    QTest::newRow("a word wider than the line stands alone")
        << "ab Unterrichtsprojektes cd" << 40 << QStringList{"ab", "Unterrichtsprojektes", "cd"};
    QTest::newRow("a hyphen is no place to break") << "Hohenstein-Überlingen" << 60 << QStringList{"Hohenstein-Überlingen"};
}

void TestClassicText::wrapping()
{
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    const ClassicText text(arial(9.75f));
    QCOMPARE(text.width("eins zwei"), 52);
    QCOMPARE(text.wrap(caption, width), lines);
}

void TestClassicText::aWordTooWideStaysWholeAndIsSetCloser()
{
    // The hub's "Punkte" in Times New Roman 24 pt bold is two pixels wider than its label by
    // whole-pixel widths; it keeps one line and is set closer to show whole.
    FontSpec spec{QStringLiteral("Times New Roman"), 24};
    spec.bold = true;
    const ClassicText text(toQFont(spec));
    QCOMPARE(text.wrap("Punkte", 97), QStringList{"Punkte"});
    QVERIFY(text.width("Punkte") > 97);
    QCOMPARE(text.width("Punkte", 97), 97);
    // At most one pixel per glyph: a word far too wide is clipped rather than crushed.
    QCOMPARE(text.width("Punkte", 50), text.width("Punkte") - 6);
}

void TestClassicText::everyWrappedLabelOfTheProgramShowsAllItsLines()
{
    // Each wrapped label breaks into as many lines as its design height shows: the last line's
    // baseline lies inside the label. Multi-line captions are listed with their line counts.
    const QMap<QString, int> multiLine{
        {"frmBedienung.Label2(2)", 2}, {"frmBedienung.Label2(1)", 2}, {"frmBedienung.Label2(6)", 2},
        {"frmBedienung.Label4", 3},    {"frmSplash.lblErklaerung", 3}, {"frmSplash.lblAutoren", 2},
        {"frmSplash.lblVelm3", 2},     {"frmSplash.lblVelm2", 3},     {"frmPasswort.lblPasswort", 2},
    };
    TestProgram t;
    t.vars().Schueler = "Anna";
    Screen *previous = nullptr;
    int checked = 0;
    for (Screen *screen : t.program.screens()) {
        t.nav().show(*screen);
        if (previous)
            t.nav().unload(*previous);
        previous = screen;
        for (const auto &c : screen->controls()) {
            auto *label = qobject_cast<VbLabel *>(c->widget());
            if (!label || !label->wordWrap() || c->caption().isEmpty())
                continue;
            const QString name = screen->name() + "." + c->name()
                + (c->index() == NoIndex ? QString() : QString("(%1)").arg(c->index()));
            const ClassicText text(label->font());
            const int lines = int(label->lines().size());
            QVERIFY2(text.lineTop(lines - 1) + QFontMetrics(label->font()).ascent() <= label->height(), qPrintable(name));
            QVERIFY2(lines == multiLine.value(name, 1), qPrintable(QString("%1 has %2 lines").arg(name).arg(lines)));
            ++checked;
        }
    }
    QVERIFY(checked > 20);
}

ZD_TEST_MAIN(TestClassicText)
#include "tst_classictext.moc"
