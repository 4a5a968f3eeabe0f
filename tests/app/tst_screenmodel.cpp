#include "app/fonts.h"
#include "app/windowhints.h"
#include "support/modelscreen.h"
#include "support/testprogram.h"

#include <QLineEdit>
#include <QTest>

using enum ControlKind;

namespace {

ScreenDesign formDesign()
{
    return ScreenDesign{
        .caption = QStringLiteral("Probe"),
        .clientWidth = 6000,
        .clientHeight = 4500,
        .controls = {
            {"lblText", Label, NoIndex, "Design", {120, 120, 1500, 300}, style().autoSized()},
            {"lblWrap", Label, NoIndex, "ein langer Text, der umbricht", {120, 600, 900, 600}, style()},
            {"txtName", TextBox, NoIndex, "", {120, 1320, 2000, 375}, style().tab(2)},
            {"cmdOK", Button, NoIndex, "&OK", {2400, 3600, 1200, 450}, style().defaultButton().tab(3)},
            {"cmdAbbrechen", Button, NoIndex, "&Abbrechen", {3720, 3600, 1200, 450}, style().cancelButton().tab(4)},
            {"cmdNoTab", Button, NoIndex, "x", {120, 3600, 450, 450}, style().noTabStop().tab(0)},
            {"cmdOther", Button, NoIndex, "&Weiter", {600, 3600, 1200, 450}, style().tab(5)},
            // Declared after the button it overlaps, yet drawn beneath it.
            {"lblOver", Label, NoIndex, "über", {2400, 3600, 600, 450}, style()},
        },
    };
}

} // namespace

class TestScreenModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fractionalTwipsAddUpToWholePixels();
    void outerSizeGivesTheNominalClientArea();
    void designSizeScreensKeepTheirClientArea();
    void unloadDiscardsControlsButKeepsScreenVariables();
    void focusStartsAtTheLowestTabIndex();
    void enterAndEscapePressTheRightButton_data();
    void enterAndEscapePressTheRightButton();
    void accessKeyPressesItsButton();
    void autoSizedLabelFollowsItsCaption();
    void wrappingLabelKeepsItsSize();
    void windowedControlsLieAboveLabels();
    void systemColoursFollowThePalette_data();
    void systemColoursFollowThePalette();
    void designFontMapsOntoMetricCompatibleFaces_data();
    void designFontMapsOntoMetricCompatibleFaces();
    void minimisedScreenComesBackUnlessItHasAMinimiseBox_data();
    void minimisedScreenComesBackUnlessItHasAMinimiseBox();
    void openboxGetsAWindowTypeWithoutMinimise_data();
    void openboxGetsAWindowTypeWithoutMinimise();
    void windowLargerThanTheDesktopKeepsItsCornerOnIt_data();
    void windowLargerThanTheDesktopKeepsItsCornerOnIt();

private:
    std::unique_ptr<RecordingMessageBoxes> m_boxes;
    std::unique_ptr<Navigator> m_nav;
    std::unique_ptr<ModelScreen> m_form;
    QStringList m_clicked;
};

void TestScreenModel::init()
{
    m_boxes = std::make_unique<RecordingMessageBoxes>();
    m_nav = std::make_unique<Navigator>(*m_boxes);
    m_nav->setExitHandler([](int) {});
    m_form = std::make_unique<ModelScreen>(*m_nav, "frmProbe", formDesign());
    m_clicked.clear();
    m_form->wire = [this](ModelScreen &s) {
        for (const char *name : {"cmdOK", "cmdAbbrechen", "cmdOther", "cmdNoTab"})
            s.on(name, Event::Click, [this, name](const EventArgs &) { m_clicked << name; });
    };
}

void TestScreenModel::cleanup()
{
    m_form.reset();
    m_nav.reset();
}

void TestScreenModel::fractionalTwipsAddUpToWholePixels()
{
    m_nav->show(*m_form);
    Control &button = m_form->ctl("cmdOK");
    button.setLeft(0);
    QList<int> pixels;
    for (int tick = 1; tick <= 10; ++tick) {
        button.setLeft(button.left() + 3);
        pixels << button.widget()->x();
    }
    QCOMPARE(button.left(), 30.0f);
    // 3 twips a tick is a fifth of a pixel: the button moves on screen every fifth tick.
    QCOMPARE(pixels, (QList<int>{0, 0, 1, 1, 1, 1, 1, 2, 2, 2}));
}

void TestScreenModel::outerSizeGivesTheNominalClientArea()
{
    m_form->load = [](ModelScreen &s) {
        s.setWidth(12000);
        s.setHeight(9000);
    };
    m_nav->show(*m_form);
    QCOMPARE(m_form->scaleWidth(), 11910.0f);
    QCOMPARE(m_form->scaleHeight(), 8625.0f);
    QCOMPARE(m_form->width(), 12000.0f);
    QCOMPARE(m_form->window()->size(), QSize(794, 575));
    QCOMPARE(m_form->window()->minimumSize(), m_form->window()->maximumSize());
}

void TestScreenModel::designSizeScreensKeepTheirClientArea()
{
    m_nav->show(*m_form);
    QCOMPARE(m_form->scaleWidth(), 6000.0f);
    QCOMPARE(m_form->window()->size(), QSize(400, 300));
    QCOMPARE(m_form->window()->windowTitle(), "Probe");
}

void TestScreenModel::unloadDiscardsControlsButKeepsScreenVariables()
{
    // Another loaded screen keeps the program from ending when the probe unloads.
    ModelScreen other(*m_nav, "frmOther", formDesign());
    m_nav->show(other);
    m_nav->show(*m_form);
    m_form->ctl("lblText").setCaption("zur Laufzeit");
    m_form->ctl("cmdOK").setLeft(17.5f);
    m_form->ctl("cmdOK").setEnabled(false);
    m_form->setTag("7");
    m_form->perScreenCounter = 5;
    m_nav->show(*m_form); // showing a loaded screen does not load it again
    QCOMPARE(m_form->loads, 1);

    m_nav->unload(*m_form);
    QVERIFY(!m_form->isLoaded());
    QVERIFY(!m_form->findControl("cmdOK"));
    m_nav->show(*m_form);

    QCOMPARE(m_form->loads, 2);
    QCOMPARE(m_form->ctl("lblText").caption(), "Design");
    QCOMPARE(m_form->ctl("cmdOK").left(), 2400.0f);
    QVERIFY(m_form->ctl("cmdOK").enabled());
    QCOMPARE(m_form->tag(), "");
    QCOMPARE(m_form->perScreenCounter, 5);
}

void TestScreenModel::focusStartsAtTheLowestTabIndex()
{
    m_nav->show(*m_form);
    // cmdNoTab has the lowest index but no tab stop.
    QCOMPARE(Drive::focused(*m_form), m_form->ctl("txtName").widget());
    Drive::key(*m_form, Qt::Key_Tab);
    QCOMPARE(Drive::focused(*m_form), m_form->ctl("cmdOK").widget());
    Drive::key(*m_form, Qt::Key_Tab);
    QCOMPARE(Drive::focused(*m_form), m_form->ctl("cmdAbbrechen").widget());
    QCOMPARE(m_form->ctl("cmdNoTab").widget()->focusPolicy(), Qt::NoFocus);
    QCOMPARE(m_form->ctl("lblText").widget()->focusPolicy(), Qt::NoFocus);
}

void TestScreenModel::enterAndEscapePressTheRightButton_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Enter in the text box presses Default") << "txtName" << int(Qt::Key_Return) << "cmdOK";
    QTest::newRow("keypad Enter too") << "txtName" << int(Qt::Key_Enter) << "cmdOK";
    QTest::newRow("Esc in the text box presses Cancel") << "txtName" << int(Qt::Key_Escape) << "cmdAbbrechen";
    QTest::newRow("Enter on another button presses that one") << "cmdOther" << int(Qt::Key_Return) << "cmdOther";
    QTest::newRow("Esc on another button presses Cancel") << "cmdOther" << int(Qt::Key_Escape) << "cmdAbbrechen";
    QTest::newRow("Space presses the focused button") << "cmdAbbrechen" << int(Qt::Key_Space) << "cmdAbbrechen";
}

void TestScreenModel::enterAndEscapePressTheRightButton()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    m_nav->show(*m_form);
    m_form->ctl(focus).widget()->setFocus();
    Drive::key(*m_form, Qt::Key(key));
    QCOMPARE(m_clicked, QStringList{pressed});
}

void TestScreenModel::accessKeyPressesItsButton()
{
    m_nav->show(*m_form);
    // Access keys belong to the active window.
    QVERIFY(QTest::qWaitForWindowActive(m_form->window()));
    Drive::key(*m_form, Qt::Key_W, Qt::AltModifier);
    // The button shows itself pressed for a moment before it clicks.
    QTRY_COMPARE(m_clicked, QStringList{"cmdOther"});
}

void TestScreenModel::autoSizedLabelFollowsItsCaption()
{
    m_nav->show(*m_form);
    Control &label = m_form->ctl("lblText");
    const float oneLine = label.height();
    const float shortWidth = label.width();
    label.setCaption("ein viel längerer Text");
    QVERIFY(label.width() > shortWidth);
    QCOMPARE(label.left(), 120.0f);
    QCOMPARE(label.height(), oneLine);
    label.setCaption(QStringLiteral("zwei\rZeilen"));
    QVERIFY(label.height() > oneLine * 1.8f);
    label.setCaption("");
    QCOMPARE(label.width(), 0.0f);
    QCOMPARE(label.widget()->width(), Twips::toPixels(label.width()));
}

void TestScreenModel::wrappingLabelKeepsItsSize()
{
    m_nav->show(*m_form);
    Control &label = m_form->ctl("lblWrap");
    label.setCaption("noch ein viel längerer Text, der umbrechen muss, weil er nicht passt");
    QCOMPARE(label.width(), 900.0f);
    QCOMPARE(label.height(), 600.0f);
    QVERIFY(static_cast<QLabel *>(label.widget())->wordWrap());
}

void TestScreenModel::windowedControlsLieAboveLabels()
{
    m_nav->show(*m_form);
    const QPoint inBoth = m_form->ctl("cmdOK").widget()->geometry().topLeft() + QPoint(5, 5);
    QCOMPARE(m_form->window()->childAt(inBoth), m_form->ctl("cmdOK").widget());
}

void TestScreenModel::systemColoursFollowThePalette_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("colour");
    const QPalette palette = QApplication::palette();
    QTest::newRow("teal is red 0, green 192, blue 192") << quint32(0x00C0C000) << QColor(0, 192, 192);
    QTest::newRow("maroon") << quint32(0x00000080) << QColor(128, 0, 0);
    QTest::newRow("button face") << quint32(0x8000000F) << palette.color(QPalette::Button);
    QTest::newRow("button text") << quint32(0x80000012) << palette.color(QPalette::ButtonText);
    QTest::newRow("window background") << quint32(0x80000005) << palette.color(QPalette::Base);
    QTest::newRow("window text") << quint32(0x80000008) << palette.color(QPalette::Text);
    QTest::newRow("highlighted text") << quint32(0x8000000E) << palette.color(QPalette::HighlightedText);
}

void TestScreenModel::systemColoursFollowThePalette()
{
    QFETCH(quint32, value);
    QFETCH(QColor, colour);
    QCOMPARE(toQColor(value), colour);
}

void TestScreenModel::designFontMapsOntoMetricCompatibleFaces_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("installed");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
    QTest::newRow("Arial") << "Arial" << "Liberation Sans";
    QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
}

void TestScreenModel::designFontMapsOntoMetricCompatibleFaces()
{
    QFETCH(QString, face);
    QFETCH(QString, installed);
    FontSpec spec;
    spec.face = face;
    spec.size = 8.25f;
    QCOMPARE(QFontInfo(toQFont(spec)).family(), installed);
}

ZD_TEST_MAIN(TestScreenModel)
void TestScreenModel::minimisedScreenComesBackUnlessItHasAMinimiseBox_data()
{
    QTest::addColumn<bool>("minimisable");
    QTest::newRow("no minimise box") << false;
    QTest::newRow("minimise box") << true;
}

void TestScreenModel::minimisedScreenComesBackUnlessItHasAMinimiseBox()
{
    QFETCH(bool, minimisable);
    ScreenDesign design = formDesign();
    design.minMaxButtons = minimisable;
    ModelScreen screen(*m_nav, "frmMinimise", design);
    m_nav->show(screen);
    // As the window manager reports it when a window list or a key minimised the window.
    screen.window()->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(bool(screen.window()->windowState() & Qt::WindowMinimized), minimisable);
    QVERIFY(screen.window()->isVisible());
}

void TestScreenModel::openboxGetsAWindowTypeWithoutMinimise_data()
{
    QTest::addColumn<QString>("windowManager");
    QTest::addColumn<bool>("minimisable");
    QTest::addColumn<QStringList>("types");
    const QStringList toolbar{"TOOLBAR", "NORMAL"};
    QTest::newRow("openbox, no minimise box") << "Openbox" << false << toolbar;
    QTest::newRow("openbox, minimise box") << "Openbox" << true << QStringList();
    // The others honour the Motif hints that Qt sets, and a toolbar there may lose its frame.
    QTest::newRow("icewm") << "IceWM" << false << QStringList();
    QTest::newRow("no window manager") << "" << false << QStringList();
}

void TestScreenModel::openboxGetsAWindowTypeWithoutMinimise()
{
    QFETCH(QString, windowManager);
    QFETCH(bool, minimisable);
    QFETCH(QStringList, types);
    QCOMPARE(WindowHints::windowTypes(windowManager, minimisable), types);
}

void TestScreenModel::windowLargerThanTheDesktopKeepsItsCornerOnIt_data()
{
    QTest::addColumn<QRect>("desktop");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("fits") << QRect(0, 0, 1280, 1024) << QSize(800, 600) << QPoint(240, 212);
    QTest::newRow("panel on top") << QRect(0, 30, 1280, 994) << QSize(800, 600) << QPoint(240, 227);
    // 1280 x 1024 at scale 2 is a desktop of 640 x 512.
    QTest::newRow("too large") << QRect(0, 0, 640, 512) << QSize(800, 600) << QPoint(0, 0);
    QTest::newRow("too tall only") << QRect(0, 20, 1024, 500) << QSize(800, 600) << QPoint(112, 20);
}

void TestScreenModel::windowLargerThanTheDesktopKeepsItsCornerOnIt()
{
    QFETCH(QRect, desktop);
    QFETCH(QSize, window);
    QFETCH(QPoint, at);
    QCOMPARE(centredOn(desktop, window), at);
}

#include "tst_screenmodel.moc"
