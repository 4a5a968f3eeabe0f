#include "app/assets.h"
#include "screens/hub/frmauswahl.h"
#include "screens/laby/frmlaby.h"
#include "screens/laby/maze.h"
#include "screens/start/frmbedienung.h"
#include "screens/start/frmstart.h"
#include "support/testprogram.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

const QString Warning = QStringLiteral("Beim Bewegen durch das Labyrinth bitte keine Maustasten drücken!");

// The way through the maze along the middle of the corridors and openings, in twips: out of the
// start button into corridor 1, through the one opening of divider 1, the upper openings of
// dividers 2 and 4, the top opening of divider 3, and down corridor 5 to the goal.
const QList<QPointF> WayToTheGoal{
    {700, 1000},    // on the start button
    {1807, 1000},   // corridor 1
    {1807, 5047},   // at the opening of divider 1
    {3967, 5047},   // corridor 2
    {3967, 3607},   // at the upper opening of divider 2
    {6127, 3607},   // corridor 3
    {6127, 847},    // at the top opening of divider 3
    {8287, 847},    // corridor 4
    {8287, 3487},   // at the upper opening of divider 4
    {10447, 3487},  // corridor 5
    {10447, 4447},  // at the goal opening
    {11100, 4447},  // on the goal
};

} // namespace

class TestLaby : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void loadsAsDesigned();
    void transitions_data();
    void transitions();
    void goalLiesAboveTheWallsItOverlaps_data();
    void goalLiesAboveTheWallsItOverlaps();
    void twoWallRunsAndAWinThroughTheHub();
    void pointerRunThroughTheCorridorsReachesTheGoal();
    void pointerRunIntoAWallCountsOnce();
    void pressOnStartDraggedIntoTheMazeWarns();
    void brokenFaceFilesGiveTheBuiltInFaces_data();
    void brokenFaceFilesGiveTheBuiltInFaces();
    void faceFilesAreReadAtEveryUse();
    void reopeningStartsReady_data();
    void reopeningStartsReady();
    void pointsStopAtTheLimit();

private:
    FrmLaby &openLaby();
    void step(FrmLaby &laby, const QString &what);
    QString state(FrmLaby &laby) const;
    QString face(const QString &file) const { return QDir(m_faces.path()).filePath(file); }
    void walk(FrmLaby &laby, QPointF from, QPointF to, const std::function<void()> &afterEachMove = {});
    FrmAuswahl &reachHub();

    std::unique_ptr<TestProgram> t;
    QTemporaryDir m_faces;
};

void TestLaby::init()
{
    t = std::make_unique<TestProgram>();
    for (const char *file : {"Face02.ico", "Face04.ico"}) {
        QFile::remove(face(file));
        QVERIFY(QFile::copy(QStringLiteral(FACE_DIR "/%1").arg(file), face(file)));
    }
    t->program.setAppPath(m_faces.path());
}

void TestLaby::cleanup()
{
    t.reset();
}

FrmLaby &TestLaby::openLaby()
{
    FrmLaby &laby = t->program.frmLaby();
    t->nav().showModal(laby);
    return laby;
}

FrmAuswahl &TestLaby::reachHub()
{
    t->startPastSplash();
    Drive::type(t->program.frmStart().ctl("txtName"), "Lea");
    Drive::click(t->program.frmStart().ctl("cmdStart"));
    Drive::click(t->program.frmBedienung().ctl("cmdGelesen"));
    return t->program.frmAuswahl();
}

// One step of a case: "start" clicks the start button; "wall", "goal" and "bg" move over wall
// piece 9, the goal or the corridors, "+L" or "+R" with that button held; "btn+L@X,Y" moves over
// the start button at X, Y twips relative to it.
void TestLaby::step(FrmLaby &laby, const QString &what)
{
    const QStringList parts = what.split('@');
    const QString where = parts.first().section('+', 0, 0);
    const QString held = parts.first().section('+', 1);
    const Qt::MouseButtons buttons = held == "L" ? Qt::LeftButton : held == "R" ? Qt::RightButton : Qt::NoButton;
    QPointF at(300, 300);
    if (parts.size() == 2)
        at = QPointF(parts[1].section(',', 0, 0).toFloat(), parts[1].section(',', 1).toFloat());
    if (where == "start")
        Drive::click(laby.ctl("cmdStart"));
    else if (where == "wall")
        Drive::moveOver(laby.ctl("Label1", 9), at, buttons);
    else if (where == "goal")
        Drive::moveOver(laby.ctl("picZiel"), at, buttons);
    else if (where == "bg")
        Drive::moveOver(laby, QPointF(1807, 3000), buttons);
    else if (where == "btn")
        Drive::moveOver(laby.ctl("cmdStart"), at, buttons);
    else
        QFAIL(qPrintable("unknown step " + what));
}

// The screen's state by the rows of its state table, or what does not fit any of them.
QString TestLaby::state(FrmLaby &laby) const
{
    const Control &smiley = laby.ctl("imgSmiley");
    const Control &sad = laby.ctl("imgSad");
    auto faceAt = [](const Control &c, float side, bool shown) {
        return c.visible() == shown && c.width() == side && c.height() == side && c.left() == 4560 && c.top() == 2760;
    };
    const QString pointer = laby.mousePointer().picture;
    struct Row
    {
        const char *name;
        qint16 spiel;
        float smileySide;
        bool smileyShown;
        float sadSide;
        bool sadShown;
        QString pointer;
    };
    const Row rows[] = {
        {"Ready", 0, 480, false, 480, false, Assets::Smiley},
        {"Running", -1, 32, false, 32, false, face("Face02.ico")},
        {"Failed", 0, 32, false, 232, true, face("Face04.ico")},
        {"Won", 0, 182, true, 32, false, face("Face02.ico")},
        {"Stopped", 0, 32, false, 32, false, face("Face02.ico")},
    };
    for (const Row &row : rows)
        if (laby.SpielLaeuft == row.spiel && faceAt(smiley, row.smileySide, row.smileyShown)
            && faceAt(sad, row.sadSide, row.sadShown) && pointer == row.pointer)
            return row.name;
    return QStringLiteral("none: SpielLaeuft %1, smiley %2 %3x%4, sad %5 %6x%7, pointer %8")
        .arg(laby.SpielLaeuft)
        .arg(smiley.visible()).arg(smiley.width()).arg(smiley.height())
        .arg(sad.visible()).arg(sad.width()).arg(sad.height())
        .arg(pointer);
}

void TestLaby::loadsAsDesigned()
{
    FrmLaby &laby = openLaby();
    QCOMPARE(laby.window()->size(), QSize(794, 575));
    QCOMPARE(laby.caption(), QStringLiteral("Das Labyrinth"));
    QCOMPARE(state(laby), QStringLiteral("Ready"));
    for (int i = 0; i < Maze::Pieces; ++i) {
        const Control &wall = laby.ctl("Label1", i);
        QCOMPARE(wall.left(), Maze::Walls[size_t(i)].left);
        QCOMPARE(wall.height(), Maze::Walls[size_t(i)].height);
        QCOMPARE(wall.widget()->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(wall.widget()->autoFillBackground());
    }
    // The goal takes its picture's 66 x 52 pixels and a pixel of border around them.
    QCOMPARE(laby.ctl("picZiel").widget()->geometry(), QRect(720, 272, 68, 54));
    QCOMPARE(laby.ctl("cmdStart").widget()->geometry(), QRect(0, 32, 97, 73));
    // The pieces on the right and bottom edge end at the window's edge.
    const QImage shot = laby.window()->grab().toImage();
    QCOMPARE(shot.pixelColor(793, 574), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(120, 300), QColor(Qt::white));
}

void TestLaby::transitions_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QList<int>>("counters"); // PunkteLaby, VersucheLaby, Fehler
    QTest::addColumn<int>("warnings");

    using L = QStringList;
    using C = QList<int>;
    QTest::newRow("start") << L{"start"} << "Running" << C{0, 0, 0} << 0;
    QTest::newRow("wall") << L{"start", "wall"} << "Failed" << C{0, 1, 1} << 0;
    QTest::newRow("goal") << L{"start", "goal"} << "Won" << C{50, 1, 0} << 0;
    QTest::newRow("held over the corridors") << L{"start", "bg+L"} << "Stopped" << C{0, 0, 0} << 1;
    QTest::newRow("right button held over the corridors") << L{"start", "bg+R"} << "Stopped" << C{0, 0, 0} << 1;
    QTest::newRow("held over a wall: no sad face") << L{"start", "wall+L"} << "Stopped" << C{0, 0, 0} << 1;
    QTest::newRow("held on the start button") << L{"start", "btn+L@1440,1095"} << "Running" << C{0, 0, 0} << 0;
    QTest::newRow("held beyond its right edge") << L{"start", "btn+L@1455,500"} << "Stopped" << C{0, 0, 0} << 1;
    QTest::newRow("held beyond its bottom edge") << L{"start", "btn+L@500,1110"} << "Stopped" << C{0, 0, 0} << 1;
    QTest::newRow("held left of and above it") << L{"start", "btn+L@-150,500", "btn+L@500,-150"} << "Running"
                                               << C{0, 0, 0} << 0;
    QTest::newRow("beyond it with no button held") << L{"start", "btn@3000,3000"} << "Running" << C{0, 0, 0} << 0;
    QTest::newRow("held over the goal") << L{"start", "goal+L"} << "Won" << C{50, 1, 0} << 0;
    QTest::newRow("second contact in the same attempt") << L{"start", "wall", "wall"} << "Failed" << C{0, 1, 1} << 0;
    QTest::newRow("goal after a wall") << L{"start", "wall", "goal"} << "Failed" << C{0, 1, 1} << 0;
    QTest::newRow("wall after the goal") << L{"start", "goal", "wall"} << "Won" << C{50, 1, 0} << 0;
    QTest::newRow("restart during an attempt") << L{"start", "start"} << "Running" << C{0, 0, 0} << 0;
    QTest::newRow("restart after a wall") << L{"start", "wall", "start"} << "Running" << C{0, 1, 1} << 0;
    QTest::newRow("restart after a win") << L{"start", "goal", "start", "goal"} << "Won" << C{100, 2, 0} << 0;
    QTest::newRow("before the first start") << L{"wall", "goal", "bg"} << "Ready" << C{0, 0, 0} << 0;
    QTest::newRow("held before the first start") << L{"bg+L", "wall+L"} << "Ready" << C{0, 0, 0} << 2;
    QTest::newRow("held after a wall") << L{"start", "wall", "bg+L"} << "Failed" << C{0, 1, 1} << 1;
    QTest::newRow("held after a win") << L{"start", "goal", "wall+L"} << "Won" << C{50, 1, 0} << 1;
    QTest::newRow("wall after a warning") << L{"start", "bg+L", "wall", "goal"} << "Stopped" << C{0, 0, 0} << 1;
    QTest::newRow("still held after the warning") << L{"start", "bg+L", "bg+L", "bg+L"} << "Stopped" << C{0, 0, 0} << 3;
}

void TestLaby::transitions()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, after);
    QFETCH(QList<int>, counters);
    QFETCH(int, warnings);

    FrmLaby &laby = openLaby();
    for (const QString &s : steps)
        step(laby, s);
    QCOMPARE(state(laby), after);
    QCOMPARE((QList<int>{t->vars().PunkteLaby.value(), t->vars().VersucheLaby.value(), t->vars().Fehler.value()}),
             counters);
    QCOMPARE(t->boxes.shown.size(), warnings);
    for (const auto &box : t->boxes.shown) {
        QCOMPARE(box.text, Warning);
        QCOMPARE(box.icon, MsgIcon::None);
        QCOMPARE(box.title, QStringLiteral("Zeigerdiplom"));
    }
    QVERIFY(t->exits.isEmpty());
}

void TestLaby::goalLiesAboveTheWallsItOverlaps_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::newRow("over piece 13") << QPointF(11000, 4085);
    QTest::newRow("over piece 14") << QPointF(11000, 4860);
    QTest::newRow("over piece 21") << QPointF(11790, 4500);
}

void TestLaby::goalLiesAboveTheWallsItOverlaps()
{
    QFETCH(QPointF, at);
    FrmLaby &laby = openLaby();
    step(laby, "start");
    Drive::pointerMove(laby, at);
    QCOMPARE(state(laby), QStringLiteral("Won"));
    QCOMPARE(t->vars().Fehler.value(), 0);
}

void TestLaby::twoWallRunsAndAWinThroughTheHub()
{
    FrmAuswahl &hub = reachHub();
    for (const char *end : {"wall", "wall", "goal"}) {
        Drive::click(hub.ctl("imgLaby", 1));
        FrmLaby &laby = t->program.frmLaby();
        QVERIFY(laby.isLoaded());
        QVERIFY(!hub.isLoaded());
        step(laby, "start");
        step(laby, end);
        Drive::click(laby.ctl("picZiel"));
        QVERIFY(!laby.isLoaded());
        QVERIFY(hub.isLoaded());
    }
    QCOMPARE(hub.ctl("lblPunkte").caption(), QStringLiteral("50"));
    QCOMPARE(hub.ctl("lblVersuche").caption(), QStringLiteral("3"));
    QCOMPARE(hub.ctl("lblFehler").caption(), QStringLiteral("2"));
}

// Moves the pointer from one point to the next in steps of at most 4 pixels, so that it is
// reported several times inside every corridor and opening it passes.
void TestLaby::walk(FrmLaby &laby, QPointF from, QPointF to, const std::function<void()> &afterEachMove)
{
    const QPointF way = to - from;
    const int steps = std::max(1, int(std::ceil(std::max(std::abs(way.x()), std::abs(way.y())) / 60)));
    for (int i = 1; i <= steps; ++i) {
        Drive::pointerMove(laby, from + way * (double(i) / steps));
        if (afterEachMove)
            afterEachMove();
    }
}

void TestLaby::pointerRunThroughTheCorridorsReachesTheGoal()
{
    FrmLaby &laby = openLaby();
    Drive::pointerMove(laby, WayToTheGoal.first());
    Drive::pointerPress(laby, WayToTheGoal.first());
    Drive::pointerRelease(laby, WayToTheGoal.first());
    QCOMPARE(state(laby), QStringLiteral("Running"));
    for (int i = 1; i < WayToTheGoal.size() - 1; ++i)
        walk(laby, WayToTheGoal[i - 1], WayToTheGoal[i], [&] { QCOMPARE(laby.SpielLaeuft, qint16(-1)); });
    walk(laby, WayToTheGoal[WayToTheGoal.size() - 2], WayToTheGoal.last());
    QCOMPARE(state(laby), QStringLiteral("Won"));
    QCOMPARE(t->vars().PunkteLaby.value(), 50);
    QCOMPARE(t->vars().Fehler.value(), 0);
    QVERIFY(t->boxes.shown.isEmpty());
}

void TestLaby::pointerRunIntoAWallCountsOnce()
{
    FrmLaby &laby = openLaby();
    Drive::pointerPress(laby, WayToTheGoal.first());
    Drive::pointerRelease(laby, WayToTheGoal.first());
    walk(laby, WayToTheGoal[0], WayToTheGoal[1]);
    // Right through divider 1 and on over corridor 2 and divider 2.
    walk(laby, WayToTheGoal[1], QPointF(5000, 1000));
    QCOMPARE(state(laby), QStringLiteral("Failed"));
    QCOMPARE(t->vars().VersucheLaby.value(), 1);
    QCOMPARE(t->vars().Fehler.value(), 1);
}

void TestLaby::pressOnStartDraggedIntoTheMazeWarns()
{
    FrmLaby &laby = openLaby();
    Drive::pointerPress(laby, {700, 1000});
    // Still on the button, then out of it upwards over a wall: the button holds the pointer.
    Drive::pointerMove(laby, {900, 1000}, Qt::LeftButton);
    Drive::pointerMove(laby, {900, 200}, Qt::LeftButton);
    QVERIFY(t->boxes.shown.isEmpty());
    Drive::pointerMove(laby, {1807, 1000}, Qt::LeftButton);
    QCOMPARE(t->boxes.shown.size(), 1);
    Drive::pointerRelease(laby, {1807, 1000});
    QCOMPARE(t->vars().Fehler.value(), 0);
}

void TestLaby::brokenFaceFilesGiveTheBuiltInFaces_data()
{
    QTest::addColumn<QByteArray>("face02");
    QTest::addColumn<QByteArray>("face04");
    // A null content removes the file, any other replaces it.
    QTest::newRow("Face02 missing") << QByteArray() << QByteArray("keep");
    QTest::newRow("Face04 missing") << QByteArray("keep") << QByteArray();
    QTest::newRow("both garbage") << QByteArray("kein Bild") << QByteArray("\x00\x00\x01\x00\x02", 5);
    QTest::newRow("Face02 empty") << QByteArray("") << QByteArray("keep");
    QTest::newRow("Face02 cut short") << QByteArray("cut") << QByteArray("keep");
    QTest::newRow("Face04 cut short") << QByteArray("keep") << QByteArray("cut");
    QTest::newRow("Face04 a PNG by that name") << QByteArray("keep") << QByteArray("png");
    QTest::newRow("Face02 a text by that name") << QByteArray("Hallo Welt\n") << QByteArray("keep");
    // One icon of 256 x 256 pixels whose data says it lies 200 MB further on.
    QTest::newRow("Face02 pointing past its end")
        << QByteArray("\x00\x00\x01\x00\x01\x00\x00\x00\x00\x00\x01\x00\x20\x00\x28\x00\x00\x00\x00\x00\x00\x0c", 22)
        << QByteArray("keep");
}

void TestLaby::brokenFaceFilesGiveTheBuiltInFaces()
{
    QFETCH(QByteArray, face02);
    QFETCH(QByteArray, face04);
    for (const auto &[file, content] : {std::pair{"Face02.ico", face02}, std::pair{"Face04.ico", face04}}) {
        if (content == "keep")
            continue;
        QByteArray bytes = content;
        QFile original(QStringLiteral(FACE_DIR "/%1").arg(file));
        QVERIFY(original.open(QIODevice::ReadOnly));
        if (content == "cut")
            bytes = original.readAll().chopped(100);
        if (content == "png") {
            QBuffer png;
            QVERIFY(QImage::fromData(original.readAll(), "ICO").save(&png, "PNG"));
            bytes = png.data();
        }
        QFile::remove(face(file));
        if (!bytes.isNull()) {
            QFile f(face(file));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
    }
    const QString smiling = face02 == "keep" ? face("Face02.ico") : Assets::Smiley;
    const QString frowning = face04 == "keep" ? face("Face04.ico") : Assets::Frown;

    FrmLaby &laby = openLaby();
    step(laby, "start");
    QCOMPARE(laby.mousePointer().picture, smiling);
    step(laby, "wall");
    QCOMPARE(laby.mousePointer().picture, frowning);
    QCOMPARE(laby.ctl("imgSad").picture(), frowning);
    QVERIFY(laby.ctl("imgSad").visible());
    step(laby, "start");
    step(laby, "goal");
    QCOMPARE(laby.mousePointer().picture, smiling);
    QCOMPARE(laby.ctl("imgSmiley").width(), 182.0f);
    QCOMPARE((QList<int>{t->vars().PunkteLaby.value(), t->vars().VersucheLaby.value(), t->vars().Fehler.value()}),
             (QList<int>{50, 2, 1}));
    QVERIFY(t->boxes.shown.isEmpty());
    QVERIFY(t->exits.isEmpty());
}

void TestLaby::faceFilesAreReadAtEveryUse()
{
    FrmLaby &laby = openLaby();
    step(laby, "start");
    QCOMPARE(laby.mousePointer().picture, face("Face02.ico"));
    // A file that goes away between two attempts is missed at once, and found again once back.
    QVERIFY(QFile::rename(face("Face02.ico"), face("weg.ico")));
    step(laby, "start");
    QCOMPARE(laby.mousePointer().picture, Assets::Smiley);
    QVERIFY(QFile::rename(face("weg.ico"), face("Face02.ico")));
    step(laby, "start");
    QCOMPARE(laby.mousePointer().picture, face("Face02.ico"));
}

void TestLaby::reopeningStartsReady_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("left before a start") << QStringList{};
    QTest::newRow("left running") << QStringList{"start"};
    QTest::newRow("left after a wall") << QStringList{"start", "wall"};
    QTest::newRow("left after a win") << QStringList{"start", "goal"};
    QTest::newRow("left after a warning") << QStringList{"start", "bg+L"};
}

void TestLaby::reopeningStartsReady()
{
    QFETCH(QStringList, steps);
    FrmAuswahl &hub = reachHub();
    Drive::click(hub.ctl("imgLaby", 1));
    FrmLaby &laby = t->program.frmLaby();
    for (const QString &s : steps)
        step(laby, s);
    Drive::click(laby.ctl("picZiel"));
    Drive::click(hub.ctl("imgLaby", 1));
    QVERIFY(laby.isLoaded());
    QCOMPARE(state(laby), QStringLiteral("Ready"));
}

void TestLaby::pointsStopAtTheLimit()
{
    t->vars().PunkteLaby = 32740;
    FrmLaby &laby = openLaby();
    step(laby, "start");
    step(laby, "goal");
    QCOMPARE(t->vars().PunkteLaby.value(), 32767);
    QCOMPARE(t->vars().VersucheLaby.value(), 1);
    QVERIFY(t->exits.isEmpty());
}

ZD_TEST_MAIN(TestLaby)
#include "tst_laby.moc"
