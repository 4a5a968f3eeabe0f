// Every screen at twice the pixels (QT_SCALE_FACTOR=2), drawn by the screenshot tool, against
// the same screen at scale 1: the same layout, and pictures drawn anew at the finer resolution
// instead of the scale-1 pixels stretched.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

int grey(QRgb p)
{
    return qGray(p);
}

// The scale-2 shot brought back to scale 1, each pixel the mean of its four.
QImage halved(const QImage &two)
{
    QImage one(two.width() / 2, two.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb p = two.pixel(2 * x + dx, 2 * y + dy);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            one.setPixel(x, y, qRgb(r / 4, g / 4, b / 4));
        }
    return one;
}

// The sum of squared steps between neighbouring pixels: an edge drawn one pixel wide counts
// twice what the same edge smeared over two pixels counts.
double edgeEnergy(const QImage &image)
{
    double sum = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int here = grey(image.pixel(x, y));
            const double dx = grey(image.pixel(x + 1, y)) - here;
            const double dy = grey(image.pixel(x, y + 1)) - here;
            sum += dx * dx + dy * dy;
        }
    return sum;
}

// Pixels that differ from their right or lower neighbour.
int edgePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QRgb here = image.pixel(x, y);
            if (here != image.pixel(x + 1, y) || here != image.pixel(x, y + 1))
                ++count;
        }
    return count;
}

// The 2 x 2 blocks, on the even grid of scale-1 pixels, whose four pixels are not all equal.
int splitBlocks(const QImage &image)
{
    int count = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) || p != image.pixel(x + 1, y + 1))
                ++count;
        }
    return count;
}

QJsonArray controlsOf(const QString &json)
{
    QFile file(json);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("controls")).toArray();
}

} // namespace

class TestHiDpiShots : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void screenKeepsItsLayoutAtTwiceThePixels_data();
    void screenKeepsItsLayoutAtTwiceThePixels();
    void picturesAreDrawnAtTwiceThePixels_data();
    void picturesAreDrawnAtTwiceThePixels();

private:
    void screens();
    bool shoot(const QString &scale, const QString &dir);

    QTemporaryDir m_one;
    QTemporaryDir m_two;
};

bool TestHiDpiShots::shoot(const QString &scale, const QString &dir)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(SHOTS_TOOL), {dir});
    return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

void TestHiDpiShots::initTestCase()
{
    QVERIFY(shoot(QStringLiteral("1"), m_one.path()));
    QVERIFY(shoot(QStringLiteral("2"), m_two.path()));
}

void TestHiDpiShots::screens()
{
    QTest::addColumn<QString>("screen");
    for (const char *name : {"frmSplash", "frmStart", "frmBedienung", "frmAuswahl", "frmMaus1", "frmMaus2",
                             "frmMaus3", "frmMaus4", "frmMaus5", "frmWinner", "frmLaby", "frmUrkunde",
                             "frmPasswort", "frmChangePW"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestHiDpiShots::screenKeepsItsLayoutAtTwiceThePixels_data()
{
    screens();
}

void TestHiDpiShots::screenKeepsItsLayoutAtTwiceThePixels()
{
    QFETCH(QString, screen);
    const QImage one = QImage(QDir(m_one.path()).filePath(screen + ".png")).convertToFormat(QImage::Format_RGB32);
    const QImage two = QImage(QDir(m_two.path()).filePath(screen + ".png")).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!one.isNull());
    QCOMPARE(two.size(), one.size() * 2);

    // Brought back to scale 1 the shot matches the scale-1 shot but for the anti-aliased edges
    // of text, whose glyphs a larger font shapes a little differently.
    const QImage back = halved(two);
    double total = 0;
    int differing = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            const int d = std::abs(grey(back.pixel(x, y)) - grey(one.pixel(x, y)));
            total += d;
            if (d > 64)
                ++differing;
        }
    const double pixels = double(one.width()) * one.height();
    const double meanDifference = total / pixels;
    const double differingShare = differing / pixels;
    qInfo("%s: mean difference %.2f, %.2f%% of the pixels differ", qPrintable(screen), meanDifference,
          100 * differingShare);
    QVERIFY2(meanDifference < 4.0, qPrintable(QString::number(meanDifference)));
    QVERIFY2(differingShare < 0.02, qPrintable(QString::number(differingShare)));
}

void TestHiDpiShots::picturesAreDrawnAtTwiceThePixels_data()
{
    screens();
}

void TestHiDpiShots::picturesAreDrawnAtTwiceThePixels()
{
    QFETCH(QString, screen);
    const QImage one = QImage(QDir(m_one.path()).filePath(screen + ".png")).convertToFormat(QImage::Format_RGB32);
    const QImage two = QImage(QDir(m_two.path()).filePath(screen + ".png")).convertToFormat(QImage::Format_RGB32);
    // The scale-1 shot stretched smoothly: what a screen that only scaled its pixels would show.
    const QImage stretched = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    int pictures = 0;
    for (const QJsonValue &value : controlsOf(QDir(m_one.path()).filePath(screen + ".json"))) {
        const QJsonObject c = value.toObject();
        if (c.value(QStringLiteral("Picture")).toString().isEmpty() || !c.value(QStringLiteral("visible")).toBool())
            continue;
        // Inside the control's border, in pixels of the scale-2 shot.
        const QRect box(std::lround(c.value("Left").toDouble() / 15) * 2 + 2,
                        std::lround(c.value("Top").toDouble() / 15) * 2 + 2,
                        std::lround(c.value("Width").toDouble() / 15) * 2 - 4,
                        std::lround(c.value("Height").toDouble() / 15) * 2 - 4);
        const QRect inside = box.intersected(two.rect());
        if (inside.width() < 16 || inside.height() < 16)
            continue;
        const QImage picture = two.copy(inside);
        const double sharp = edgeEnergy(picture);
        const double smeared = edgeEnergy(stretched.copy(inside));
        const int edges = edgePixels(one.copy(QRect(inside.topLeft() / 2, inside.size() / 2)));
        const int split = splitBlocks(picture);
        const QString name = c.value(QStringLiteral("objectName")).toString();
        qInfo("%s.%s: edge energy %.0f against %.0f stretched; %d of 2 x 2 blocks split, %d edge pixels at scale 1",
              qPrintable(screen), qPrintable(name), sharp, smeared, split, edges);
        if (edges < 20)
            continue; // a plain area, no edges to tell by
        ++pictures;
        // Smoothly stretched, the edges are smeared over twice the width.
        QVERIFY2(sharp > 1.4 * smeared, qPrintable(name + " looks stretched smoothly"));
        // Each scale-1 pixel drawn as four equal ones leaves no 2 x 2 block split by an edge.
        QVERIFY2(split > 0.4 * edges, qPrintable(name + " looks like its scale-1 pixels doubled"));
    }
    if (pictures == 0)
        QSKIP("no picture with edges on this screen");
}

QTEST_GUILESS_MAIN(TestHiDpiShots)
#include "tst_hidpishots.moc"
