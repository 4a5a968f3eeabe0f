#include "app/assets.h"
#include "app/errors.h"
#include "app/pictures.h"
#include "support/modelscreen.h"
#include "support/testprogram.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using enum ControlKind;

namespace {

// One control of every kind that reports movements, none overlapping, and a label that has no
// movement handler of its own.
ScreenDesign pointerDesign()
{
    return ScreenDesign{
        .caption = QStringLiteral("Zeiger"),
        .clientWidth = 6000,
        .clientHeight = 4500,
        .controls = {
            {"cmdKnopf", Button, NoIndex, "Knopf", {300, 300, 1500, 600}, style()},
            {"cmdBild", Button, NoIndex, "", {300, 1200, 1500, 600}, style().face(VbColors::White)},
            {"lblText", Label, 3, "Text", {2100, 300, 1500, 600}, style()},
            {"imgBild", Image, NoIndex, "", {2100, 1200, 1500, 600}, style().pic(Assets::Smiley).stretched()},
            {"picBild", PictureBox, NoIndex, "", {3900, 300, 1500, 600}, style()},
            {"fraRahmen", Frame, NoIndex, "", {3900, 1200, 1500, 600}, style()},
            {"lblStumm", Label, NoIndex, "", {300, 2400, 1500, 600}, style()},
        },
    };
}

} // namespace

class TestPointer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void movementGoesToTheControlBeneath_data();
    void movementGoesToTheControlBeneath();
    void controlWithoutHandlerKeepsItsMovements();
    void pressedControlKeepsThePointerUntilReleased();
    void holdOutlastsAModalWindow();
    void pictureBoxSizesItselfToItsPictureAndBorder();
    void buttonLeavesItsMaskColourOut();
    void pictureFilesAreReadWhenLoaded_data();
    void pictureFilesAreReadWhenLoaded();
    void pointerFromAFile();
    void pointerAtTwiceThePixels_data();
    void pointerAtTwiceThePixels();
    void rasterPictureAtTwiceThePixelsReadsItsLargerSibling_data();
    void rasterPictureAtTwiceThePixelsReadsItsLargerSibling();

private:
    ModelScreen &open();

    std::unique_ptr<RecordingMessageBoxes> m_boxes;
    std::unique_ptr<Navigator> m_nav;
    std::unique_ptr<ModelScreen> m_form;
    // "name button x y" for every movement a handler got.
    QStringList m_moves;
};

void TestPointer::init()
{
    m_boxes = std::make_unique<RecordingMessageBoxes>();
    m_nav = std::make_unique<Navigator>(*m_boxes);
    m_nav->setExitHandler([](int) {});
    m_form = std::make_unique<ModelScreen>(*m_nav, "frmZeiger", pointerDesign());
    m_moves.clear();
    m_form->wire = [this](ModelScreen &s) {
        auto record = [this](const QString &name) {
            return [this, name](const EventArgs &e) {
                m_moves << QStringLiteral("%1 %2 %3 %4").arg(name).arg(e.button).arg(e.x).arg(e.y);
            };
        };
        for (const char *name : {"cmdKnopf", "cmdBild", "lblText", "imgBild", "picBild", "fraRahmen"})
            s.on(name, Event::MouseMove, record(name));
        s.onForm(Event::MouseMove, record("Form"));
    };
}

void TestPointer::cleanup()
{
    m_form.reset();
    m_nav.reset();
}

ModelScreen &TestPointer::open()
{
    m_nav->show(*m_form);
    return *m_form;
}

void TestPointer::movementGoesToTheControlBeneath_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("reported");
    // Positions are relative to the control, in twips: a pixel is 15.
    QTest::newRow("button, no button held") << QPointF(450, 450) << 0 << "cmdKnopf 0 150 150";
    QTest::newRow("graphical button, right held") << QPointF(450, 1350) << int(Qt::RightButton) << "cmdBild 2 150 150";
    QTest::newRow("label") << QPointF(2400, 600) << 0 << "lblText 0 300 300";
    QTest::newRow("image") << QPointF(2250, 1260) << int(Qt::LeftButton) << "imgBild 1 150 60";
    QTest::newRow("picture box") << QPointF(5385, 885) << 0 << "picBild 0 1485 585";
    QTest::newRow("frame, middle held") << QPointF(3930, 1230) << int(Qt::MiddleButton) << "fraRahmen 4 30 30";
    QTest::newRow("background") << QPointF(4500, 3600) << 0 << "Form 0 4500 3600";
    QTest::newRow("background, left held") << QPointF(30, 30) << int(Qt::LeftButton) << "Form 1 30 30";
}

void TestPointer::movementGoesToTheControlBeneath()
{
    QFETCH(QPointF, at);
    QFETCH(int, held);
    QFETCH(QString, reported);
    ModelScreen &form = open();
    // A button is held from a press just before, on the same control.
    const Qt::MouseButton button = Qt::MouseButton(held);
    if (held) {
        Drive::pointerMove(form, at - QPointF(15, 15));
        Drive::pointerPress(form, at - QPointF(15, 15), button);
        m_moves.clear();
    }
    Drive::pointerMove(form, at, Qt::MouseButtons(held));
    if (held)
        Drive::pointerRelease(form, at, button);
    QCOMPARE(m_moves, QStringList{reported});
}

void TestPointer::controlWithoutHandlerKeepsItsMovements()
{
    ModelScreen &form = open();
    Drive::pointerMove(form, {600, 2700});
    Drive::pointerPress(form, {600, 2700});
    Drive::pointerMove(form, {600, 2730}, Qt::LeftButton);
    Drive::pointerRelease(form, {600, 2730});
    QCOMPARE(m_moves, QStringList{});
}

void TestPointer::pressedControlKeepsThePointerUntilReleased()
{
    ModelScreen &form = open();
    Drive::pointerMove(form, {2400, 600});
    Drive::pointerPress(form, {2400, 600});
    // Over the picture box, over the background, and left of and above the window.
    Drive::pointerMove(form, {4500, 600}, Qt::LeftButton);
    Drive::pointerMove(form, {4500, 3600}, Qt::LeftButton);
    Drive::pointerMove(form, {-150, -300}, Qt::LeftButton);
    Drive::pointerRelease(form, {-150, -300});
    Drive::pointerMove(form, {4500, 600});
    QCOMPARE(m_moves, (QStringList{"lblText 0 300 300", "lblText 1 2400 300", "lblText 1 2400 3300", "lblText 1 -2250 -600",
                                   "picBild 0 600 300"}));
}

void TestPointer::holdOutlastsAModalWindow()
{
    ModelScreen &form = open();
    Drive::pointerMove(form, {2400, 600});
    Drive::pointerPress(form, {2400, 600});
    // A message box comes and goes while the button stays held.
    {
        QWidget box;
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        Drive::pointerMove(form, {4500, 600}, Qt::LeftButton);
    }
    Drive::pointerMove(form, {4530, 600}, Qt::LeftButton);
    Drive::pointerMove(form, {4500, 3600}, Qt::LeftButton);
    Drive::pointerRelease(form, {4500, 3600});
    Drive::pointerMove(form, {4500, 660});
    QCOMPARE(m_moves, (QStringList{"lblText 0 300 300", "lblText 1 2430 300", "lblText 1 2400 3300",
                                   "picBild 0 600 360"}));
}

void TestPointer::pictureBoxSizesItselfToItsPictureAndBorder()
{
    ModelScreen form(*m_nav, "frmBild",
                     ScreenDesign{.clientWidth = 3000, .clientHeight = 3000,
                                  .controls = {{"picAuto", PictureBox, NoIndex, "", {150, 150, 3000, 3000},
                                                style().pic(Assets::Smiley).autoSized().bordered()},
                                               {"picFest", PictureBox, NoIndex, "", {150, 150, 3000, 3000},
                                                style().pic(Assets::Smiley)}}});
    m_nav->show(form);
    // The 32 x 32 picture and one pixel of border on each side.
    QCOMPARE(form.ctl("picAuto").width(), 34 * 15.0f);
    QCOMPARE(form.ctl("picAuto").height(), 34 * 15.0f);
    QCOMPARE(form.ctl("picAuto").widget()->size(), QSize(34, 34));
    QCOMPARE(form.ctl("picAuto").left(), 150.0f);
    QCOMPARE(form.ctl("picFest").widget()->size(), QSize(200, 200));
}

void TestPointer::buttonLeavesItsMaskColourOut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("weiss.png");
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(5, 5, qRgb(255, 0, 0));
    QVERIFY(picture.save(path));
    ModelScreen form(*m_nav, "frmMaske",
                     ScreenDesign{.clientWidth = 3000, .clientHeight = 3000,
                                  .controls = {{"cmdMaske", Button, NoIndex, "", {0, 0, 600, 600},
                                                style().face(VbColors::Blue).pic(path).mask(VbColors::White)}}});
    m_nav->show(form);
    const QImage shown = form.ctl("cmdMaske").widget()->grab().toImage();
    // The 10 x 10 picture lies centred on the 40 x 40 button: white shows the face, red stays.
    QCOMPARE(shown.pixelColor(15, 15), QColor(Qt::blue));
    QCOMPARE(shown.pixelColor(20, 20), QColor(Qt::red));
}

void TestPointer::pictureFilesAreReadWhenLoaded_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("garbage") << QByteArray("keine Ikone, nur Text\n") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("icon") << QByteArray("face") << true;
}

void TestPointer::pictureFilesAreReadWhenLoaded()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    const QString path = dir.filePath("Face.ico");
    if (content == "face") {
        QVERIFY(QFile::copy(QStringLiteral(FACE_DIR "/Face02.ico"), path));
    } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    if (readable) {
        QCOMPARE(Pictures::loadFile(path), path);
    } else {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Pictures::loadFile(path));
    }
}

void TestPointer::pointerFromAFile()
{
    ModelScreen &form = open();
    const Pointer face = Pointer::custom(QStringLiteral(FACE_DIR "/Face04.ico"));
    form.setMousePointer(face);
    QCOMPARE(form.mousePointer().picture, face.picture);
    const QCursor cursor = form.window()->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    // An icon points with its centre.
    QCOMPARE(cursor.hotSpot(), QPoint(16, 16));
    // Yellow inside the face, transparent in the corner.
    const QImage image = cursor.pixmap().toImage();
    QCOMPARE(image.pixelColor(16, 6), QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
}

void TestPointer::pointerAtTwiceThePixels_data()
{
    QTest::addColumn<Pointer>("pointer");
    QTest::addColumn<QPoint>("hotSpot");
    // The X server takes both in device pixels.
    QTest::newRow("icon, pointing with its centre") << Pointer::custom(Assets::Smiley) << QPoint(32, 32);
    QTest::newRow("glove, pointing with its fingertip") << Pointer::custom(Assets::Glove, 12, 1) << QPoint(24, 2);
}

void TestPointer::pointerAtTwiceThePixels()
{
    QFETCH(Pointer, pointer);
    QFETCH(QPoint, hotSpot);
    const QCursor cursor = Pictures::cursor(pointer, 2.0);
    QCOMPARE(cursor.pixmap().size(), QSize(64, 64));
    QCOMPARE(cursor.pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(cursor.hotSpot(), hotSpot);
}

void TestPointer::rasterPictureAtTwiceThePixelsReadsItsLargerSibling_data()
{
    QTest::addColumn<bool>("largerExists");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("scale 1") << true << 1.0 << QColor(Qt::red);
    QTest::newRow("scale 2") << true << 2.0 << QColor(Qt::blue);
    QTest::newRow("scale 1.5") << true << 1.5 << QColor(Qt::blue);
    QTest::newRow("scale 2, no larger file") << false << 2.0 << QColor(Qt::red);
}

void TestPointer::rasterPictureAtTwiceThePixelsReadsItsLargerSibling()
{
    QFETCH(bool, largerExists);
    QFETCH(qreal, ratio);
    QFETCH(QColor, shown);
    QTemporaryDir dir;
    QImage normal(40, 30, QImage::Format_RGB32);
    normal.fill(Qt::red);
    QVERIFY(normal.save(dir.filePath("tile.png")));
    if (largerExists) {
        QImage larger(80, 60, QImage::Format_RGB32);
        larger.fill(Qt::blue);
        QVERIFY(larger.save(dir.filePath("tile@2x.png")));
    }
    const QString source = dir.filePath("tile.png");
    QCOMPARE(Pictures::naturalSize(source), QSize(40, 30));
    const QPixmap picture = Pictures::render(source, QSize(40, 30), ratio);
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(40, 30));
    QCOMPARE(picture.toImage().pixelColor(5, 5), shown);
}

ZD_TEST_MAIN(TestPointer)
#include "tst_pointer.moc"
