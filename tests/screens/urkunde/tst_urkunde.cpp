#include "app/fonts.h"
#include "app/widgets.h"
#include "screens/hub/frmauswahl.h"
#include "screens/urkunde/frmpasswort.h"
#include "screens/urkunde/frmurkunde.h"
#include "support/testprogram.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <cmath>

// The certificate: its load from the store, the drag in edit mode, the font change, storing the
// layout and printing.
class TestUrkunde : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void emptyStoreGivesTheDefaultLayout();
    void nameAndScoreShown_data();
    void nameAndScoreShown();
    void layoutRoundTripsThroughTheStore();
    void storedValuesThatAreNoUsableNumberGiveTheDefault_data();
    void storedValuesThatAreNoUsableNumberGiveTheDefault();
    void backgroundPictureBesideTheProgram_data();
    void backgroundPictureBesideTheProgram();
    void dragPutsTheSelectedTextsCentreOnThePointer();
    void dragFollowsOverButtonsAndBeyondTheEdge();
    void movesThatMoveNothing_data();
    void movesThatMoveNothing();
    void selectionOutlivesTheScreen();
    void outsideEditModeOnlyMessages();
    void fontDialogReachesBothTextsAndOnlyFaceAndSizeAreStored();
    void cancelledFontDialogChangesNothing();
    void printGivesOnePageWithPictureTextsAndNoButtons();
    void cancelledOrFailedPrintLeavesTheButtons();
    void onlyAVerdictOfExactlyMinusOneOpensEditMode_data();
    void onlyAVerdictOfExactlyMinusOneOpensEditMode();
    void leavingEndsEditMode_data();
    void leavingEndsEditMode();
    void accessKeysAndTabOrder();

private:
    FrmUrkunde &open();
    void enterEditMode();
    void store(const QString &key, const QString &value);
    QString stored(const QString &key) const;
    QPoint pixels(float twipsX, float twipsY) const;
    QWindow *window() const;
    QPointF centre(const Control &text) const;

    std::unique_ptr<TestProgram> t;
};

void TestUrkunde::init()
{
    t = std::make_unique<TestProgram>();
    t->vars().Schueler = QStringLiteral("Anna");
    t->nav().show(t->program.frmAuswahl());
}

void TestUrkunde::cleanup()
{
    t.reset();
}

FrmUrkunde &TestUrkunde::open()
{
    Drive::click(t->program.frmAuswahl().ctl("cmdUrkunde"));
    FrmUrkunde &urkunde = t->program.frmUrkunde();
    [&] { QVERIFY(urkunde.isLoaded()); }();
    return urkunde;
}

void TestUrkunde::enterEditMode()
{
    FrmUrkunde &urkunde = t->program.frmUrkunde();
    Drive::click(urkunde.ctl("cmdEdit"));
    Drive::type(t->program.frmPasswort().ctl("txtPasswort"), t->vars().PasswortAktuell);
    Drive::click(t->program.frmPasswort().ctl("cmdOK"));
    QCOMPARE(urkunde.EditierModus, qint16(-1));
}

void TestUrkunde::store(const QString &key, const QString &value)
{
    t->settings.WriteSetting("Zeigerdiplom", "Einstellungen", key, value);
}

QString TestUrkunde::stored(const QString &key) const
{
    QSettings store(t->settings.filePath("Zeigerdiplom"), QSettings::IniFormat);
    return store.value("Einstellungen/" + key, "<missing>").toString();
}

QPoint TestUrkunde::pixels(float twipsX, float twipsY) const
{
    return {Twips::toPixels(twipsX), Twips::toPixels(twipsY)};
}

QWindow *TestUrkunde::window() const
{
    return t->program.frmUrkunde().window()->windowHandle();
}

QPointF TestUrkunde::centre(const Control &text) const
{
    return {text.left() + text.width() / 2, text.top() + text.height() / 2};
}

void TestUrkunde::emptyStoreGivesTheDefaultLayout()
{
    FrmUrkunde &urkunde = open();
    QCOMPARE(urkunde.window()->windowTitle(), "Zeigerdiplom Urkunde");
    QCOMPARE(urkunde.window()->windowModality(), Qt::ApplicationModal);
    QVERIFY(t->program.frmAuswahl().isLoaded());
    Control &name = urkunde.ctl("cmdLabel", 0);
    Control &score = urkunde.ctl("cmdLabel", 1);
    QCOMPARE(name.left(), 10.0f);
    QCOMPARE(name.top(), 10.0f);
    QCOMPARE(score.left(), 10.0f);
    // The score sits 10 twips under the name as tall as Arial 48 made it, about one inch less a bit.
    const float tall = Twips::fromPixels(std::ceil(QFontMetricsF(toQFont({"Arial", 48})).lineSpacing()));
    QVERIFY2(tall > 1000 && tall < 1200, qPrintable(QString::number(tall)));
    QCOMPARE(score.top(), 10 + tall + 10);
    for (Control *text : {&name, &score}) {
        QCOMPARE(text->font().face, "Arial");
        QCOMPARE(text->font().size, 10.0f);
        QVERIFY(!text->font().bold);
        QCOMPARE(text->foreColor(), VbColors::WindowText);
    }
    // Then shrunk to 10 points, leaving a gap under the name.
    QVERIFY(name.top() + name.height() < score.top() - 500);
    QCOMPARE(urkunde.ctl("cmdEdit").caption(), "&Editieren");
    QCOMPARE(Drive::focused(urkunde), urkunde.ctl("cmdEdit").widget());
    // Reading the layout writes nothing.
    QVERIFY(!QFile::exists(t->settings.filePath("Zeigerdiplom")));
}

void TestUrkunde::nameAndScoreShown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("fang");
    QTest::addColumn<int>("laby");
    QTest::addColumn<QString>("score");
    QTest::newRow("sum") << "Anna" << 100 << 50 << "150";
    QTest::newRow("no name") << "" << 0 << 0 << "0";
    QTest::newRow("negative") << " Ole " << -20 << 5 << "-15";
    QTest::newRow("sum stops at the limit") << "Ben" << 32767 << 10 << "32767";
}

void TestUrkunde::nameAndScoreShown()
{
    QFETCH(QString, name);
    QFETCH(int, fang);
    QFETCH(int, laby);
    QFETCH(QString, score);
    t->vars().Schueler = name;
    t->vars().PunkteFang = fang;
    t->vars().PunkteLaby = laby;
    FrmUrkunde &urkunde = open();
    QCOMPARE(urkunde.ctl("cmdLabel", 0).caption(), name);
    QCOMPARE(urkunde.ctl("cmdLabel", 1).caption(), score);
    QVERIFY(t->exits.isEmpty());
}

void TestUrkunde::layoutRoundTripsThroughTheStore()
{
    FrmUrkunde &urkunde = open();
    enterEditMode();
    Control &name = urkunde.ctl("cmdLabel", 0);
    Control &score = urkunde.ctl("cmdLabel", 1);
    name.move(-300.5f, 4440);
    score.move(5175, 5160.25f);
    t->dialogs.fontAnswer = FontChoice{{"Times New Roman", 10.5f}, VbColors::Black};
    Drive::click(urkunde.ctl("cmdSchrift"));
    Drive::click(urkunde.ctl("cmdSpeichern"));
    QVERIFY(t->boxes.shown.isEmpty());
    QCOMPARE(urkunde.EditierModus, qint16(-1));

    // German number texts, and X holding the Top, Y the Left.
    QCOMPARE(stored("Urkunde0X"), "4440");
    QCOMPARE(stored("Urkunde0Y"), "-300,5");
    QCOMPARE(stored("Urkunde1X"), "5160,25");
    QCOMPARE(stored("Urkunde1Y"), "5175");
    QCOMPARE(stored("Schriftart0"), "Times New Roman");
    QCOMPARE(stored("Schriftart1"), "Times New Roman");
    QCOMPARE(stored("Schriftgr0"), "10,5");
    QCOMPARE(stored("Schriftgr1"), "10,5");

    Drive::click(urkunde.ctl("cmdBeenden"));
    open();
    Control &name2 = urkunde.ctl("cmdLabel", 0);
    Control &score2 = urkunde.ctl("cmdLabel", 1);
    QCOMPARE(name2.left(), -300.5f);
    QCOMPARE(name2.top(), 4440.0f);
    QCOMPARE(score2.left(), 5175.0f);
    QCOMPARE(score2.top(), 5160.25f);
    QCOMPARE(name2.font().face, "Times New Roman");
    QCOMPARE(score2.font().size, 10.5f);

    // Storing again unchanged writes the same texts.
    enterEditMode();
    Drive::click(urkunde.ctl("cmdSpeichern"));
    QCOMPARE(stored("Urkunde0Y"), "-300,5");
    QCOMPARE(stored("Schriftgr0"), "10,5");
}

void TestUrkunde::storedValuesThatAreNoUsableNumberGiveTheDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::newRow("Top of the name: word") << "Urkunde0X" << "oben" << 10.0f;
    QTest::newRow("Left of the name: empty") << "Urkunde0Y" << "" << 10.0f;
    QTest::newRow("Left of the score: not a number") << "Urkunde1Y" << "nan" << 10.0f;
    QTest::newRow("Left of the score: infinite") << "Urkunde1Y" << "inf" << 10.0f;
    QTest::newRow("Left of the score: far away") << "Urkunde1Y" << "1e30" << 10.0f;
    QTest::newRow("Left of the score: beyond any float") << "Urkunde1Y" << "1e39" << 10.0f;
    QTest::newRow("Top of the name: 100,000 digits") << "Urkunde0X" << QString(100000, QLatin1Char('7')) << 10.0f;
    QTest::newRow("Left of the score: point instead of comma") << "Urkunde1Y" << "12.5" << 12.5f;
    QTest::newRow("size zero") << "Schriftgr0" << "0" << 10.0f;
    QTest::newRow("size negative") << "Schriftgr0" << "-5" << 10.0f;
    QTest::newRow("size not a number") << "Schriftgr0" << "NaN" << 10.0f;
    QTest::newRow("size huge") << "Schriftgr0" << "1e9" << 10.0f;
    QTest::newRow("size fraction") << "Schriftgr0" << "26,25" << 26.25f;
}

void TestUrkunde::storedValuesThatAreNoUsableNumberGiveTheDefault()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(float, expected);
    store(key, text);
    FrmUrkunde &urkunde = open();
    QVERIFY(t->exits.isEmpty());
    QVERIFY(t->boxes.shown.isEmpty());
    const Control &name = urkunde.ctl("cmdLabel", 0);
    const Control &score = urkunde.ctl("cmdLabel", 1);
    const QMap<QString, float> read{
        {"Urkunde0X", name.top()}, {"Urkunde0Y", name.left()}, {"Urkunde1Y", score.left()},
        {"Schriftgr0", name.font().size},
    };
    QCOMPARE(read.value(key), expected);
}

void TestUrkunde::backgroundPictureBesideTheProgram_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ownPicture");
    QTest::newRow("missing: built-in picture") << "" << false;
    QTest::newRow("unreadable: built-in picture") << "garbage" << false;
    QTest::newRow("empty: built-in picture") << "empty" << false;
    QTest::newRow("cut short: built-in picture") << "truncated" << false;
    QTest::newRow("a PNG by that name: built-in picture") << "png" << false;
    QTest::newRow("20000 x 20000 announced: built-in picture") << "huge header" << false;
    QTest::newRow("10000 x 10000 in a few bytes: built-in picture") << "bomb" << false;
    QTest::newRow("4097 pixels wide: built-in picture") << "wide" << false;
    QTest::newRow("a school's own picture") << "blue" << true;
}

namespace {

// A bitmap's file and information headers: 8 bits a pixel with a grey palette, run-length
// encoded when its data holds fewer bytes than the picture has pixels.
QByteArray bitmap(qint32 width, qint32 height, const QByteArray &data)
{
    const bool encoded = data.size() < qint64(width) * height;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 1024 + data.size()) << quint32(0) << quint32(54 + 1024);
    out << quint32(40) << width << height << quint16(1) << quint16(8) << quint32(encoded ? 1 : 0)
        << quint32(data.size()) << quint32(2835) << quint32(2835) << quint32(256) << quint32(0);
    for (int i = 0; i < 256; ++i)
        out << quint8(i) << quint8(i) << quint8(i) << quint8(0);
    out.writeRawData(data.constData(), int(data.size()));
    return bytes;
}

long peakKilobytes()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

void TestUrkunde::backgroundPictureBesideTheProgram()
{
    QFETCH(QString, file);
    QFETCH(bool, ownPicture);
    const QString path = t->programDir() + "/Urkunde.bmp";
    QImage blue(300, 200, QImage::Format_RGB888);
    blue.fill(QColor(0, 0, 255));
    auto write = [&](const QByteArray &bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    if (file == "garbage") {
        write("BM this is no picture");
    } else if (file == "empty") {
        write({});
    } else if (file == "truncated") {
        QVERIFY(blue.save(path, "BMP"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(f.size() / 2));
    } else if (file == "png") {
        QVERIFY(blue.save(path, "PNG"));
    } else if (file == "huge header") {
        write(bitmap(20000, 20000, QByteArray(20000, '\x7f')));
    } else if (file == "bomb") {
        // Each row ends at once: 20000 bytes that decode into 100 MB.
        QByteArray rows;
        for (int y = 0; y < 10000; ++y)
            rows += QByteArray("\x00\x00", 2);
        write(bitmap(10000, 10000, rows + QByteArray("\x00\x01", 2)));
    } else if (file == "wide") {
        write(bitmap(4097, 2, QByteArray(4100 * 2, '\x7f')));
    } else if (file == "blue") {
        QVERIFY(blue.save(path, "BMP"));
    }
    const long peakBefore = peakKilobytes();
    FrmUrkunde &urkunde = open();
    // A picture from disk never costs more than a few dozen megabytes.
    QVERIFY2(peakKilobytes() - peakBefore < 64 * 1024, qPrintable(QString::number(peakKilobytes() - peakBefore)));
    QVERIFY(t->exits.isEmpty());
    const QImage shot = urkunde.window()->grab().toImage();
    // Inside the heading of the built-in picture, and far right where a small picture ends.
    const QColor heading = shot.pixelColor(180, 50);
    const QColor farRight = shot.pixelColor(650, 150);
    if (ownPicture) {
        QCOMPARE(heading, QColor(0, 0, 255));
        QCOMPARE(farRight, QColor(Qt::white));
    } else {
        QCOMPARE(heading, QColor(0xFF, 0x66, 0x66));
        QCOMPARE(shot.size(), QSize(794, 575));
    }
}

void TestUrkunde::dragPutsTheSelectedTextsCentreOnThePointer()
{
    FrmUrkunde &urkunde = open();
    enterEditMode();
    Control &name = urkunde.ctl("cmdLabel", 0);
    Control &score = urkunde.ctl("cmdLabel", 1);
    const float scoreLeft = score.left();
    const float scoreTop = score.top();
    // Nothing clicked yet: the name moves.
    const QPointF start = centre(name);
    QTest::mousePress(window(), Qt::LeftButton, {}, QPoint(400, 300));
    QCOMPARE(centre(name), start); // only the movement drags
    QTest::mouseMove(window(), QPoint(420, 330));
    QCOMPARE(centre(name), QPointF(6300, 4950));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, QPoint(420, 330));
    QCOMPARE(score.left(), scoreLeft);
    QCOMPARE(score.top(), scoreTop);

    // A click on the score selects it; the next drag moves the score.
    Drive::click(score);
    QCOMPARE(urkunde.AktivesLabel, qint16(1));
    QTest::mousePress(window(), Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(window(), QPoint(110, 210));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, QPoint(110, 210));
    QCOMPARE(centre(score), QPointF(1650, 3150));
    QCOMPARE(centre(name), QPointF(6300, 4950));
}

void TestUrkunde::dragFollowsOverButtonsAndBeyondTheEdge()
{
    FrmUrkunde &urkunde = open();
    enterEditMode();
    Control &name = urkunde.ctl("cmdLabel", 0);
    QTest::mousePress(window(), Qt::LeftButton, {}, QPoint(300, 300));
    // Over "Drucken", then past the window's left edge.
    QTest::mouseMove(window(), pixels(5800, 7500));
    QCOMPARE(centre(name), QPointF(5805, 7500));
    QTest::mouseMove(window(), QPoint(-20, 100));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, QPoint(-20, 100));
    QCOMPARE(centre(name), QPointF(-300, 1500));
    QVERIFY(name.left() < 0);
    QCOMPARE(urkunde.EditierModus, qint16(-1)); // nothing pressed on the way
}

void TestUrkunde::movesThatMoveNothing_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("pressOn");
    QTest::addColumn<QList<int>>("buttons");
    QTest::newRow("edit mode off") << false << "background" << QList<int>{Qt::LeftButton};
    QTest::newRow("right button") << true << "background" << QList<int>{Qt::RightButton};
    QTest::newRow("middle button") << true << "background" << QList<int>{Qt::MiddleButton};
    QTest::newRow("left with right") << true << "background" << QList<int>{Qt::LeftButton, Qt::RightButton};
    QTest::newRow("right with left") << true << "background" << QList<int>{Qt::RightButton, Qt::LeftButton};
    QTest::newRow("press on the text itself") << true << "text" << QList<int>{Qt::LeftButton};
    QTest::newRow("press on a button") << true << "button" << QList<int>{Qt::LeftButton};
}

void TestUrkunde::movesThatMoveNothing()
{
    QFETCH(bool, editMode);
    QFETCH(QString, pressOn);
    QFETCH(QList<int>, buttons);
    FrmUrkunde &urkunde = open();
    if (editMode)
        enterEditMode();
    Control &name = urkunde.ctl("cmdLabel", 0);
    name.move(3000, 3000);
    const QPointF before = centre(name);

    QPoint at(400, 100);
    if (pressOn == "text")
        at = name.widget()->geometry().center();
    else if (pressOn == "button")
        at = urkunde.ctl("cmdSpeichern").widget()->geometry().center();
    for (int button : buttons)
        QTest::mousePress(window(), Qt::MouseButton(button), {}, at);
    for (QPoint to : {QPoint(500, 200), QPoint(50, 60)})
        QTest::mouseMove(window(), to);
    for (int button : buttons)
        QTest::mouseRelease(window(), Qt::MouseButton(button), {}, QPoint(50, 60));
    QCOMPARE(centre(name), before);
}

void TestUrkunde::selectionOutlivesTheScreen()
{
    FrmUrkunde &urkunde = open();
    Drive::click(urkunde.ctl("cmdLabel", 1));
    Drive::click(urkunde.ctl("cmdBeenden"));
    QVERIFY(!urkunde.isLoaded());
    open();
    QCOMPARE(urkunde.AktivesLabel, qint16(1));
    enterEditMode();
    QTest::mousePress(window(), Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseMove(window(), QPoint(210, 200));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, QPoint(210, 200));
    QCOMPARE(centre(urkunde.ctl("cmdLabel", 1)), QPointF(3150, 3000));
}

void TestUrkunde::outsideEditModeOnlyMessages()
{
    FrmUrkunde &urkunde = open();
    t->dialogs.fontAnswer = FontChoice{{"Courier", 30}, VbColors::Red};
    Drive::click(urkunde.ctl("cmdSchrift"));
    Drive::click(urkunde.ctl("cmdSpeichern"));
    QCOMPARE(t->boxes.shown.size(), 2);
    QCOMPARE(t->boxes.shown[0].text, "Passworteingabe erforderlich!");
    QCOMPARE(t->boxes.shown[1].text, "Bitte starten Sie zuerst den Editier-Modus!");
    for (const auto &box : t->boxes.shown) {
        QCOMPARE(box.title, "Zeigerdiplom");
        QCOMPARE(box.icon, MsgIcon::None);
    }
    QVERIFY(t->dialogs.fontOpenedWith.isEmpty());
    QCOMPARE(urkunde.ctl("cmdLabel", 0).font().face, "Arial");
    QVERIFY(!QFile::exists(t->settings.filePath("Zeigerdiplom")));
}

void TestUrkunde::fontDialogReachesBothTextsAndOnlyFaceAndSizeAreStored()
{
    FrmUrkunde &urkunde = open();
    enterEditMode();
    const FontSpec chosen{"Times New Roman", 20.25f, true, true, true, true};
    t->dialogs.fontAnswer = FontChoice{chosen, 0x00FF00FF};
    Drive::click(urkunde.ctl("cmdSchrift"));
    QCOMPARE(t->dialogs.fontFlags, QList<int>{259});
    // It opens with its own settings, not with the texts' font.
    QCOMPARE(t->dialogs.fontOpenedWith.at(0).font.face, "Times New Roman");
    QCOMPARE(t->dialogs.fontOpenedWith.at(0).font.size, 8.0f);
    for (int index : {0, 1}) {
        const Control &text = urkunde.ctl("cmdLabel", index);
        QCOMPARE(text.font().face, chosen.face);
        QCOMPARE(text.font().size, chosen.size);
        QVERIFY(text.font().bold && text.font().italic && text.font().underline && text.font().strikeout);
        QCOMPARE(text.foreColor(), VbColor(0x00FF00FF));
        QCOMPARE(text.widget()->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0xFF));
    }
    // The text grew around its fixed top-left corner.
    const Control &name = urkunde.ctl("cmdLabel", 0);
    QCOMPARE(name.left(), 10.0f);
    QCOMPARE(name.top(), 10.0f);
    QVERIFY(name.height() > 450);

    // The next opening shows the last choice.
    t->dialogs.fontAnswer = FontChoice{{"Arial", 12}, VbColors::Black};
    Drive::click(urkunde.ctl("cmdSchrift"));
    QCOMPARE(t->dialogs.fontOpenedWith.at(1).font.face, chosen.face);
    QCOMPARE(t->dialogs.fontOpenedWith.at(1).font.size, chosen.size);
    QCOMPARE(t->dialogs.fontOpenedWith.at(1).color, VbColor(0x00FF00FF));

    t->dialogs.fontAnswer = FontChoice{chosen, 0x00FF00FF};
    Drive::click(urkunde.ctl("cmdSchrift"));
    Drive::click(urkunde.ctl("cmdSpeichern"));
    Drive::click(urkunde.ctl("cmdBeenden"));
    open();
    for (int index : {0, 1}) {
        const Control &text = urkunde.ctl("cmdLabel", index);
        QCOMPARE(text.font().face, chosen.face);
        QCOMPARE(text.font().size, chosen.size);
        QVERIFY(!text.font().bold && !text.font().italic && !text.font().underline && !text.font().strikeout);
        QCOMPARE(text.foreColor(), VbColors::WindowText);
    }
    // A new load, a new dialog component: its own settings again.
    enterEditMode();
    Drive::click(urkunde.ctl("cmdSchrift"));
    QCOMPARE(t->dialogs.fontOpenedWith.last().font.face, "Times New Roman");
    QCOMPARE(t->dialogs.fontOpenedWith.last().font.size, 8.0f);
}

void TestUrkunde::cancelledFontDialogChangesNothing()
{
    FrmUrkunde &urkunde = open();
    enterEditMode();
    t->dialogs.fontAnswer.reset();
    Drive::click(urkunde.ctl("cmdSchrift"));
    QCOMPARE(t->dialogs.fontOpenedWith.size(), 1);
    QCOMPARE(urkunde.ctl("cmdLabel", 0).font().face, "Arial");
    QCOMPARE(urkunde.ctl("cmdLabel", 1).font().size, 10.0f);
    QCOMPARE(urkunde.ctl("CommonDialog1").font().face, "Times New Roman");
    QVERIFY(t->boxes.shown.isEmpty());
}

void TestUrkunde::printGivesOnePageWithPictureTextsAndNoButtons()
{
    FrmUrkunde &urkunde = open();
    // Both texts in a colour found nowhere else, to find them on the page.
    enterEditMode();
    t->dialogs.fontAnswer = FontChoice{{"Arial", 36, true}, 0x00FF00FF};
    Drive::click(urkunde.ctl("cmdSchrift"));
    urkunde.ctl("cmdLabel", 0).move(4440, 2040);
    urkunde.ctl("cmdLabel", 1).move(3000, 5160);
    // No password needed: printing works outside edit mode too.
    Drive::click(urkunde.ctl("cmdEdit"));
    QCOMPARE(urkunde.EditierModus, qint16(0));

    QTemporaryDir out;
    t->dialogs.pdfFile = out.filePath("urkunde.pdf");
    QStringList visibleWhileDialog;
    t->dialogs.whilePrinterDialogOpen = [&] {
        for (const QString &b : FrmUrkunde::buttonsInPrintOrder())
            if (urkunde.ctl(b).visible())
                visibleWhileDialog << b;
    };
    Drive::click(urkunde.ctl("cmdDrucken"));
    QCOMPARE(t->dialogs.printerDialogs, 1);
    QCOMPARE(visibleWhileDialog, FrmUrkunde::buttonsInPrintOrder());
    for (const QString &b : FrmUrkunde::buttonsInPrintOrder())
        QVERIFY(urkunde.ctl(b).visible());
    QVERIFY(QFile::exists(t->dialogs.pdfFile));

    QProcess info;
    info.start("pdfinfo", {t->dialogs.pdfFile});
    QVERIFY(info.waitForFinished());
    const QString facts = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(facts.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(facts));
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+)").match(facts);
    QVERIFY2(size.hasMatch() && size.captured(1).toDouble() > size.captured(2).toDouble(), qPrintable(facts));

    // The page at 96 dots per inch shows the client area at its on-screen size.
    QProcess render;
    render.start("pdftoppm", {"-r", "96", "-png", "-singlefile", t->dialogs.pdfFile, out.filePath("page")});
    QVERIFY(render.waitForFinished());
    const QImage page(out.filePath("page.png"));
    QVERIFY(!page.isNull());
    auto count = [&](QRgb colour, int tolerance) {
        int n = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                const QColor want(colour);
                if (std::abs(c.red() - want.red()) <= tolerance && std::abs(c.green() - want.green()) <= tolerance
                    && std::abs(c.blue() - want.blue()) <= tolerance)
                    ++n;
            }
        return n;
    };
    QVERIFY(count(qRgb(0xFF, 0x66, 0x66), 8) > 2000);  // the heading of the picture
    QVERIFY(count(qRgb(0xFF, 0x00, 0xFF), 8) > 300);   // the two texts
    QCOMPARE(count(qRgb(0x00, 0x00, 0xFF), 8), 0);     // no "Editieren"
    QCOMPARE(count(qRgb(0x00, 0xFF, 0xFF), 8), 0);     // no "Schrift ändern"
    QCOMPARE(count(qRgb(0xFF, 0x00, 0x00), 8), 0);     // no "Beenden"
    // The heading at its on-screen size: 441 pixels wide, give or take its soft edges.
    int left = page.width(), right = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 240 && c.green() < 200 && std::abs(c.green() - c.blue()) < 12) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    QVERIFY2(std::abs((right - left + 1) - 441) <= 4, qPrintable(QString::number(right - left + 1)));
}

void TestUrkunde::cancelledOrFailedPrintLeavesTheButtons()
{
    FrmUrkunde &urkunde = open();
    t->dialogs.pdfFile.clear();
    Drive::click(urkunde.ctl("cmdDrucken"));
    QCOMPARE(t->dialogs.printerDialogs, 1);

    // A file that cannot be written: the print fails quietly and the buttons come back.
    t->dialogs.pdfFile = t->programDir() + "/no/such/folder/urkunde.pdf";
    Drive::click(urkunde.ctl("cmdDrucken"));
    QCOMPARE(t->dialogs.printerDialogs, 2);
    QVERIFY(!QFile::exists(t->dialogs.pdfFile));
    for (const QString &b : FrmUrkunde::buttonsInPrintOrder())
        QVERIFY(urkunde.ctl(b).visible());
    QVERIFY(t->boxes.shown.isEmpty());
    QVERIFY(t->exits.isEmpty());
}

void TestUrkunde::onlyAVerdictOfExactlyMinusOneOpensEditMode_data()
{
    QTest::addColumn<int>("verdict");
    QTest::addColumn<int>("editMode");
    QTest::newRow("-1") << -1 << -1;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 0;
    QTest::newRow("-2") << -2 << 0;
}

void TestUrkunde::onlyAVerdictOfExactlyMinusOneOpensEditMode()
{
    QFETCH(int, verdict);
    QFETCH(int, editMode);
    FrmUrkunde &urkunde = open();
    Drive::click(urkunde.ctl("cmdEdit"));
    FrmPasswort &prompt = t->program.frmPasswort();
    QVERIFY(prompt.isLoaded());
    // The prompt ends with whatever verdict it leaves behind.
    t->vars().PasswortOK = qint16(verdict);
    t->nav().unload(prompt);
    QCOMPARE(urkunde.EditierModus, qint16(editMode));
    QCOMPARE(urkunde.ctl("cmdEdit").caption(), editMode ? "Editieren beenden" : "Editieren");
}

void TestUrkunde::leavingEndsEditMode_data()
{
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("Beenden") << false;
    QTest::newRow("title bar") << true;
}

void TestUrkunde::leavingEndsEditMode()
{
    QFETCH(bool, titleBar);
    FrmUrkunde &urkunde = open();
    enterEditMode();
    if (titleBar)
        urkunde.window()->close();
    else
        Drive::click(urkunde.ctl("cmdBeenden"));
    QVERIFY(!urkunde.isLoaded());
    QCOMPARE(urkunde.EditierModus, qint16(0));
    FrmAuswahl &hub = t->program.frmAuswahl();
    QVERIFY(hub.isLoaded());
    open();
    QCOMPARE(urkunde.EditierModus, qint16(0));
    QCOMPARE(urkunde.ctl("cmdEdit").caption(), "&Editieren");
    QVERIFY(t->exits.isEmpty());
}

void TestUrkunde::accessKeysAndTabOrder()
{
    FrmUrkunde &urkunde = open();
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order << Drive::focused(urkunde)->objectName();
        Drive::key(urkunde, Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"cmdEdit", "cmdDrucken", "cmdBeenden", "cmdSchrift", "cmdSpeichern"}));

    // Access keys belong to the active window; the button shows itself pressed before it clicks.
    QVERIFY(QTest::qWaitForWindowActive(urkunde.window()));
    Drive::key(urkunde, Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(t->dialogs.printerDialogs, 1);
    Drive::key(urkunde, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(t->boxes.shown.size(), 1);
    Drive::key(urkunde, Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(t->boxes.shown.size(), 2);
    Drive::key(urkunde, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(t->program.frmPasswort().isLoaded());
    Drive::key(t->program.frmPasswort(), Qt::Key_Escape);
    // After a toggle the caption carries no access key any more.
    QCOMPARE(urkunde.ctl("cmdEdit").caption(), "Editieren");
    // Without a window manager nobody hands the activation back to the window beneath.
    urkunde.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(urkunde.window()));
    Drive::key(urkunde, Qt::Key_E, Qt::AltModifier);
    Drive::key(urkunde, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(!urkunde.isLoaded());
    QVERIFY(!t->program.frmPasswort().isLoaded());
}

ZD_TEST_MAIN(TestUrkunde)
#include "tst_urkunde.moc"
