#include "screens/hub/frmauswahl.h"
#include "screens/start/frmbedienung.h"
#include "screens/start/frmstart.h"
#include "screens/urkunde/frmurkunde.h"
#include "app/oneline.h"
#include "support/testprogram.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

// Whatever a child types as a name, or pastes into the name box: it reaches the hub, the
// instructions and the certificate whole, shows on one line from where the layout puts it, and
// is cut off where the layout ends.
class TestNames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void nameShownOnOneLineFromTheLeft_data();
    void nameShownOnOneLineFromTheLeft();

private:
    std::unique_ptr<TestProgram> t;
};

namespace {

// The columns and rows of a screenshot's part that hold ink: pixels far from the background.
QRect inkIn(const QImage &shot, QRect area, QColor background)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                    + std::abs(c.blue() - background.blue()) > 150)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

QString repeated(const QString &part, int length)
{
    QString text;
    while (text.size() < length)
        text += part;
    return text.left(length);
}

} // namespace

void TestNames::init()
{
    t = std::make_unique<TestProgram>();
    t->startPastSplash();
}

void TestNames::cleanup()
{
    t.reset();
}

void TestNames::nameShownOnOneLineFromTheLeft_data()
{
    QTest::addColumn<QString>("name");
    // Letters that only Qt's shaping sets right: the hub must show exactly what Qt draws.
    QTest::addColumn<bool>("shaped");
    QTest::newRow("ordinary") << "Anna" << false;
    QTest::newRow("100,000 letters") << repeated("Ab", 100000) << false;
    QTest::newRow("100,000 with blanks") << repeated("Anna ", 100000) << false;
    QTest::newRow("emoji") << QString::fromUtf8("Lea \U0001F600\U0001F469\u200D\U0001F467") << false;
    QTest::newRow("Hebrew only") << QString::fromUtf8("\u05E9\u05E8\u05D4") << true;
    QTest::newRow("Arabic only") << QString::fromUtf8("\u0644\u064A\u0644\u0649") << true;
    QTest::newRow("Hebrew after Latin") << QString::fromUtf8("Anna \u05E9\u05E8\u05D4") << true;
    QTest::newRow("combining marks") << QString::fromUtf8("Zoe\u0308 Z\u0337\u0322a\u0338l\u0334g\u0335o") << true;
    QTest::newRow("control characters") << QString::fromUtf8("An\tna\r\nBen\x01\x7f\u2028Ole") << false;
}

void TestNames::nameShownOnOneLineFromTheLeft()
{
    QFETCH(QString, name);
    QFETCH(bool, shaped);
    FrmStart &start = t->program.frmStart();
    // Pasted, as a child could: typed key by key it would take minutes.
    Control &box = start.ctl("txtName");
    qobject_cast<QLineEdit *>(box.widget())->insert(name);
    const QRect boxArea = box.widget()->geometry().adjusted(2, 2, -2, -2);
    const QRect typed = inkIn(start.window()->grab().toImage(), boxArea, Qt::white);
    QVERIFY2(typed.left() < boxArea.left() + 10, qPrintable(QString::number(typed.left() - boxArea.left())));

    Drive::click(start.ctl("cmdStart"));
    FrmBedienung &instructions = t->program.frmBedienung();
    QVERIFY(instructions.isLoaded());
    QCOMPARE(instructions.ctl("lblSchüler").height(), instructions.ctl("lbl3").height());
    Drive::click(instructions.ctl("cmdGelesen"));
    FrmAuswahl &hub = t->program.frmAuswahl();
    QVERIFY(hub.isLoaded());
    // Kept whole, whatever its length.
    QCOMPARE(t->vars().Schueler.size(), name.size());
    QCOMPARE(t->vars().Schueler, name);

    // On the hub: from the label's left edge, on its first line, cut off at its right edge.
    const Control &label = hub.ctl("lblSchüler");
    const QRect area = label.widget()->geometry();
    const QColor teal(0x00, 0xC0, 0xC0);
    const QImage shot = hub.window()->grab().toImage();
    const QRect ink = inkIn(shot, area, teal);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.left() <= area.left() + 3, qPrintable(QString::number(ink.left() - area.left())));
    const QFont font = label.widget()->font();
    QVERIFY(ink.bottom() < area.top() + QFontMetricsF(font).lineSpacing());
    if (shaped) {
        QImage drawn(area.size(), QImage::Format_RGB32);
        drawn.fill(teal);
        QPainter p(&drawn);
        p.setFont(font);
        p.setPen(label.widget()->palette().color(QPalette::WindowText));
        p.drawText(QPointF(0, QFontMetrics(font).ascent()), oneLine(name));
        p.end();
        QCOMPARE(shot.copy(area).convertToFormat(QImage::Format_RGB32), drawn);
    }

    // On the certificate: one line of the name's font, from where the layout puts it.
    Drive::click(hub.ctl("cmdUrkunde"));
    FrmUrkunde &urkunde = t->program.frmUrkunde();
    QVERIFY(urkunde.isLoaded());
    const Control &text = urkunde.ctl("cmdLabel", 0);
    QCOMPARE(text.left(), 10.0f);
    QCOMPARE(text.height(), urkunde.ctl("cmdLabel", 1).height());
    QVERIFY(t->exits.isEmpty());
    QVERIFY(t->boxes.shown.isEmpty());
}

ZD_TEST_MAIN(TestNames)
#include "tst_names.moc"
