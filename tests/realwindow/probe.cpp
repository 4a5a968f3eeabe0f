// Reads a screenshot of the real program for the real-window tests.
//
//   probe buttons SHOT.png RRGGBB MAXTOP
//       one line "index x y" per number button of that face colour whose top edge lies above
//       MAXTOP pixels, x and y the point of the button to click (its middle unless another
//       button covers that)
//   probe hub SHOT.png
//       "points attempts errors" as the hub's score labels show them, read by comparing each
//       label with the program's own label drawn with every candidate number
#include "tools/offscreenprogram.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "screens/fang/board.h"
#include "screens/hub/frmauswahl.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <limits>
#include <vector>

namespace {

bool is(const QImage &shot, int x, int y, QRgb colour)
{
    return x >= 0 && y >= 0 && x < shot.width() && y < shot.height() && (shot.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
}

// For every pixel, how many pixels of one colour start there, going right and going down.
struct Runs
{
    Runs(const QImage &shot, QRgb colour)
        : w(shot.width())
        , right(size_t(shot.width() * shot.height()), 0)
        , down(size_t(shot.width() * shot.height()), 0)
    {
        for (int y = shot.height() - 1; y >= 0; --y)
            for (int x = w - 1; x >= 0; --x) {
                if (!is(shot, x, y, colour))
                    continue;
                right[at(x, y)] = 1 + (x + 1 < w ? right[at(x + 1, y)] : 0);
                down[at(x, y)] = 1 + (y + 1 < shot.height() ? down[at(x, y + 1)] : 0);
            }
    }
    size_t at(int x, int y) const { return size_t(y * w + x); }
    int r(int x, int y) const { return right[at(x, y)]; }
    int d(int x, int y) const { return down[at(x, y)]; }

    int w;
    std::vector<int> right;
    std::vector<int> down;
};

struct Found
{
    int index;
    QRect square;
};

// The point of a button to click: the one farthest inside its own square that no other button's
// square covers. Moving buttons of one level share a colour and may ride over each other for a
// long while; a click on the middle of a covered button would press the one above it.
QPoint clickPoint(const Found &button, const std::vector<Found> &all)
{
    const QRect &own = button.square;
    const auto coveredAt = [&](QPoint p) {
        return std::any_of(all.begin(), all.end(), [&](const Found &other) {
            return other.index != button.index && other.square.contains(p);
        });
    };
    QPoint best(own.left() + own.width() / 2, own.top() + own.height() / 2);
    if (!coveredAt(best))
        return best;
    int bestDepth = -1;
    const int step = std::max(2, own.width() / 12);
    for (int y = own.top() + 3; y <= own.bottom() - 3; y += step)
        for (int x = own.left() + 3; x <= own.right() - 3; x += step) {
            const QPoint p(x, y);
            if (coveredAt(p))
                continue;
            // How far the button may move before a click here misses it.
            const int depth = std::min({x - own.left(), own.right() - x, y - own.top(), own.bottom() - y});
            if (depth > bestDepth) {
                bestDepth = depth;
                best = p;
            }
        }
    return best;
}

int buttons(const QImage &shot, QRgb face, int maxTop)
{
    // A number button is a square of its side with the raised edge of a graphical button:
    // white along the top and the left, ending in the black of the bottom and the right
    // edges. Moving buttons may cover each other, so one corner whose two edges are whole,
    // with the face colour just inside it, is enough to find a button; a white edge must
    // have exactly the button's length, so edges of neighbours that line up do not count.
    const Runs white(shot, 0xFFFFFF);
    const Runs black(shot, 0x000000);
    std::vector<Found> found;
    for (int i = 1; i <= Board::Buttons; ++i) {
        const int n = int(std::lround(Board::side(i) / 15));
        bool seen = false;
        for (int y = 0; y + n <= shot.height() && y < maxTop && !seen; ++y) {
            for (int x = 0; x + n <= shot.width() && !seen; ++x) {
                const int r = x + n - 1;
                const int b = y + n - 1;
                // An edge starts at the corner, not somewhere along a longer white line.
                const bool top = white.r(x, y) == n - 1 && !is(shot, x - 1, y, 0xFFFFFF);
                const bool left = white.d(x, y) == n - 1 && !is(shot, x, y - 1, 0xFFFFFF);
                if (!top && !left)
                    continue;
                const bool bottom = black.r(x, b) >= n;
                const bool right = black.d(r, y) >= n;
                seen = (top && left && is(shot, x + 2, y + 2, face))
                    || (left && bottom && is(shot, x + 2, b - 2, face))
                    || (top && right && is(shot, r - 2, y + 2, face));
                if (seen)
                    found.push_back({i, QRect(x, y, n, n)});
            }
        }
    }
    for (const Found &button : found) {
        const QPoint p = clickPoint(button, found);
        std::printf("%d %d %d\n", button.index, p.x(), p.y());
    }
    return 0;
}

long difference(const QImage &a, const QImage &b)
{
    long sum = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum;
}

int hub(const QImage &shot)
{
    SeededRandom random(1);
    OffscreenProgram offscreen(random);
    Program &program = offscreen.program;
    FrmAuswahl &screen = program.frmAuswahl();
    program.nav().show(screen);
    for (const char *name : {"lblPunkte", "lblVersuche", "lblFehler"}) {
        Control &label = screen.ctl(name);
        const QImage shown = shot.copy(label.widget()->geometry()).convertToFormat(QImage::Format_RGB32);
        int best = -1;
        long bestDifference = std::numeric_limits<long>::max();
        for (int n = 0; n <= 300; ++n) {
            label.setCaption(QString::number(n));
            const QImage drawn = label.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const long d = difference(shown, drawn);
            if (d < bestDifference) {
                bestDifference = d;
                best = n;
            }
        }
        std::printf("%d ", best);
    }
    std::printf("\n");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 5 && QByteArray(argv[1]) == "buttons") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        const QRgb face = QByteArray(argv[3]).toUInt(nullptr, 16);
        return buttons(shot.convertToFormat(QImage::Format_RGB32), face, QByteArray(argv[4]).toInt());
    }
    if (argc == 3 && QByteArray(argv[1]) == "hub") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        configureApplication(app);
        return hub(QImage(QString::fromLocal8Bit(argv[2])));
    }
    std::fprintf(stderr, "usage: probe buttons SHOT RRGGBB MAXTOP | probe hub SHOT\n");
    return 2;
}
