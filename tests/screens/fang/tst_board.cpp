#include "app/randomsource.h"
#include "screens/fang/board.h"
#include "support/testprogram.h"

#include <QTest>

#include <cmath>

namespace {

constexpr float ClientWidth = 11910;
constexpr float ClientHeight = 8625;

// Empty when the layout keeps every promise of a new board, else what it breaks.
QString brokenPromise(const Board::Layout &layout, float width, float height)
{
    for (int i = 1; i <= Board::Buttons; ++i) {
        const Board::Place p = layout[i];
        if (p.left != std::floor(p.left) || p.top != std::floor(p.top))
            return QStringLiteral("button %1 is not on whole twips").arg(i);
        if (p.left < 0 || p.left + Board::side(i) > width)
            return QStringLiteral("button %1 leaves the window sideways").arg(i);
        if (p.top < 1)
            return QStringLiteral("button %1 touches the top").arg(i);
        if (p.top + Board::side(i) > height - 1464)
            return QStringLiteral("button %1 reaches into the row strip").arg(i);
        for (int j = 1; j < i; ++j)
            if (Board::spansOverlap(p.left, Board::side(i), layout[j].left, Board::side(j)))
                return QStringLiteral("buttons %1 and %2 share a column").arg(j).arg(i);
    }
    return {};
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void finishedRow_data();
    void finishedRow();
    void spansThatTouchDoNotOverlap();
    void everyBoardKeepsItsColumnsAndTheStripFree();
    void placesRoundHalvesToEven_data();
    void placesRoundHalvesToEven();
    void rejectedPlaceIsDrawnAgainWithNewNumbers();
    void retryBoundStillGivesAValidBoard();
    void deadEndStillGivesAValidBoard();
};

void TestBoard::finishedRow_data()
{
    QTest::addColumn<float>("gap");
    QTest::addColumn<QList<float>>("lefts");
    QTest::newRow("level 1, gap 5") << 5.0f
                                    << QList<float>{45, 1505, 2845, 4065, 5165, 6145, 7005, 7745, 8365, 8865};
    QTest::newRow("levels 2 to 5, gap 10") << 10.0f
                                           << QList<float>{45, 1510, 2855, 4080, 5185, 6170, 7035, 7780, 8405, 8910};
}

void TestBoard::finishedRow()
{
    QFETCH(float, gap);
    QFETCH(QList<float>, lefts);
    for (int k = 1; k <= Board::Buttons; ++k)
        QCOMPARE(Board::rowLeft(k, gap), lefts[k - 1]);
    QCOMPARE(Board::side(1), 1455.0f);
    QCOMPARE(Board::side(10), 375.0f);
    QCOMPARE(Board::rowLeft(10, gap) + Board::side(10), gap == 5 ? 9240.0f : 9285.0f);
}

void TestBoard::spansThatTouchDoNotOverlap()
{
    QVERIFY(!Board::spansOverlap(1455, 1335, 0, 1455));
    QVERIFY(Board::spansOverlap(1454, 1335, 0, 1455));
    QVERIFY(!Board::spansOverlap(0, 1455, 1455, 1335));
}

void TestBoard::everyBoardKeepsItsColumnsAndTheStripFree()
{
    for (quint32 seed = 1; seed <= 3000; ++seed) {
        SeededRandom random(seed);
        const Board::Layout layout = Board::scatter(ClientWidth, ClientHeight, random);
        const QString broken = brokenPromise(layout, ClientWidth, ClientHeight);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(broken)));
    }
}

void TestBoard::placesRoundHalvesToEven_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("left");
    // (width - 1455) * 0.5 lands on a half.
    QTest::newRow("5227.5 goes up to 5228") << 11910.0f << 5228.0f;
    QTest::newRow("5228.5 goes down to 5228") << 11912.0f << 5228.0f;
}

void TestBoard::placesRoundHalvesToEven()
{
    QFETCH(float, width);
    QFETCH(float, left);
    ScriptedRandom random({0.5f});
    const Board::Layout layout = Board::scatter(width, ClientHeight, random);
    QCOMPARE(layout[1].left, left);
    // (8625 - 1455 - 10 - 1455) * 0.5 + 1 = 2853.5
    QCOMPARE(layout[1].top, 2854.0f);
}

void TestBoard::rejectedPlaceIsDrawnAgainWithNewNumbers()
{
    // Button 1 at Left 0; button 2 first drawn on top of it, then drawn again further right.
    // The remaining buttons take the last two numbers, over and over, until each fits.
    const float touching = 1455.0f / (ClientWidth - 1335);
    ScriptedRandom random({0.0f, 0.0f, 0.0f, 0.3f, touching, 0.7f});
    const Board::Layout layout = Board::scatter(ClientWidth, ClientHeight, random);
    QCOMPARE(layout[1].left, 0.0f);
    QCOMPARE(layout[2].left, 1455.0f); // touching button 1 is allowed
    QCOMPARE(layout[2].top, std::nearbyint((ClientHeight - 1455 - 10 - 1335) * 0.7 + 1));
    QVERIFY(brokenPromise(layout, ClientWidth, ClientHeight).isEmpty());
}

void TestBoard::retryBoundStillGivesAValidBoard()
{
    // Every draw is 0, so every button after the first is drawn onto button 1 for ever.
    ScriptedRandom random({0.0f});
    const Board::Layout layout = Board::scatter(ClientWidth, ClientHeight, random);
    QVERIFY2(brokenPromise(layout, ClientWidth, ClientHeight).isEmpty(),
             qPrintable(brokenPromise(layout, ClientWidth, ClientHeight)));
    QVERIFY(random.drawn() <= 2 * Board::MaxTries * Board::Buttons + 100);
}

void TestBoard::deadEndStillGivesAValidBoard()
{
    // Buttons 1 to 9 spread so that every gap left is narrower than button 10 (375 twips).
    std::vector<float> draws;
    float left = 313;
    for (int i = 1; i <= 9; ++i) {
        draws.push_back(left / (ClientWidth - Board::side(i)));
        draws.push_back(0.5f);
        left += Board::side(i) + 313;
    }
    ScriptedRandom random(draws);
    const Board::Layout layout = Board::scatter(ClientWidth, ClientHeight, random);
    QVERIFY2(brokenPromise(layout, ClientWidth, ClientHeight).isEmpty(),
             qPrintable(brokenPromise(layout, ClientWidth, ClientHeight)));
}

ZD_TEST_MAIN(TestBoard)
#include "tst_board.moc"
