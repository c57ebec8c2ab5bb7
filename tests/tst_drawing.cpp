// SPDX-License-Identifier: GPL-3.0-or-later
// Colours, placement, the six shapes and the backgrounds, on a canvas of 1000 x 600.

#include "toy_fixture.h"

#include "drawing/ink.h"
#include "platform/ui/canvas.h"
#include "platform/ui/static_text.h"
#include "play/play_window.h"
#include "settings/module1.h"

#include <QPainter>
#include <QPainterPath>
#include <QtTest>
#include <cmath>

namespace {

constexpr int W = 1000;
constexpr int H = 600;

// Draws that make get_Pos_n_Col produce this box on a canvas of the given size, and then a
// black fill with a red line.
void scriptBox(ScriptedRandom& r, int width, int height, int left = 0, int top = 0,
               QSize canvas = {W, H})
{
    r.push(ScriptedRandom::giving(width, canvas.width() * 0.55, canvas.width() * 0.25));
    r.push(ScriptedRandom::giving(height, canvas.height() * 0.55, canvas.height() * 0.25));
    r.push((left + 0.5) / (canvas.width() - width));
    r.push((top + 0.5) / (canvas.height() - height));
    r.push({0.0, 0.9});
}

// The pixels at least depth inside an ideal shape, or with a negative depth at least that far
// outside it.
QImage deeperThan(const QPainterPath& ideal, double depth)
{
    QImage mask(W, H, QImage::Format_Grayscale8);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    painter.setPen(QPen(depth > 0 ? Qt::black : Qt::white, 2 * std::abs(depth)));
    painter.setBrush(Qt::white);
    painter.drawPath(ideal);
    painter.end();
    if (depth < 0)
        mask.invertPixels();
    return mask;
}

} // namespace

class TestDrawing : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    void boxesArePlacedByTheDrawsAndTruncated()
    {
        Window1& w = openPlay();
        const struct {
            std::string_view appear;
            QSize canvas;
            QRect drawn; // the box the draws ask for
            bool square;
            QRect placed;
        } cases[] = {
            {Word::centered, {W, H}, {17, 33, 400, 300}, false, {300, 150, 400, 300}},
            {Word::centered, {W, H}, {0, 0, 260, 450}, true, {275, 75, 450, 450}},
            // A square is clamped to the right edge; ending exactly at it writes the same back.
            {Word::random, {W, H}, {700, 20, 260, 450}, true, {550, 20, 450, 450}},
            {Word::random, {W, H}, {550, 0, 260, 450}, true, {550, 0, 450, 450}},
            // Halves are cut off, not rounded.
            {Word::centered, {1001, H}, {0, 0, 400, 315}, false, {300, 142, 400, 315}},
            // On a portrait canvas a square runs off the left, in either mode.
            {Word::centered, {300, 600}, {0, 62, 157, 476}, true, {-176, 62, 476, 476}},
            {Word::random, {300, 600}, {71, 62, 157, 476}, true, {-176, 62, 476, 476}},
        };
        for (const auto& c : cases) {
            Module1::appearMode = c.appear;
            w.Canvas1->setBounds({8, 7, c.canvas.width(), c.canvas.height()});
            random->reset();
            scriptBox(*random, c.drawn.width(), c.drawn.height(), c.drawn.left(), c.drawn.top(),
                      c.canvas);
            w.get_Pos_n_Col(c.square ? 1 : 0);
            QCOMPARE(QRect(w.x_start, w.y_start, w.x_width, w.y_height), c.placed);
            // Four placement draws even when centred, so the colours that follow stay in step.
            QVERIFY(random->spent());
        }
    }

    void beginnersColoursAreBlackRedAndWhiteEachOnce()
    {
        Window1& w = openPlay();
        const Palette& p = w.palette;
        const struct {
            platform::Color back;
            double fillDraw;
            platform::Color fill;
            platform::Color line;
        } cases[] = {
            {p.col_White, 0.0, p.col_Black, p.col_Red}, // line draw black, white: rejected
            {p.col_White, 0.4, p.col_Red, p.col_Black},
            {p.col_Black, 0.9, p.col_White, p.col_Red},
            {p.col_Red, 0.0, p.col_Black, p.col_White},
        };
        for (const auto& c : cases) {
            w.screenCol = c.back;
            // A fill equal to the background is drawn again; the line retries until it differs.
            random->push({0.5, 0.5, 0.5, 0.5, c.fillDraw, 0.0, 0.4, 0.9});
            w.get_Pos_n_Col(0);
            QCOMPARE(w.ranCol, c.fill);
            QCOMPARE(w.lineCol, c.line);
            random->reset();
        }
    }

    void outOfBeginnersTheFillAvoidsTheBackgroundAndTheLineIsBlackUnlessTaken()
    {
        Window1& w = openPlay();
        Module1::beginnersMode = Word::off;
        w.screenCol = w.palette.col_LBlue;
        for (int n = 2; n <= 8; ++n) {
            random->push({0.5, 0.5, 0.5, 0.5, ScriptedRandom::giving(n, 8, 1)});
            w.get_Pos_n_Col(0);
            QCOMPARE(w.lineCol, w.palette.col_Black);
        }
        w.screenCol = w.palette.col_Green;
        random->push({0.5, 0.5, 0.5, 0.5});
        random->push({ScriptedRandom::giving(4, 8, 1), ScriptedRandom::giving(1, 8, 1)});
        // Black is safe from the background but taken by the fill: the line draws again.
        random->push(ScriptedRandom::giving(2, 3, 1));
        w.get_Pos_n_Col(0);
        QCOMPARE(w.ranCol, w.palette.col_Black);
        QCOMPARE(w.lineCol, w.palette.col_White);
        random->push(ScriptedRandom::giving(3, 3, 1));
        w.get_Line_Col();
        QCOMPARE(w.lineCol, w.palette.col_Red);
        QVERIFY(random->spent());
    }

    void backgroundFollowsItsModeBeginnersAndTheLastCase()
    {
        Window1& w = openPlay();
        const Palette& p = w.palette;
        // The draws that pick case n of all twelve, of the five gentle ones, of the beginners'.
        const auto any = [](int n) { return ScriptedRandom::giving(n, 12, 1); };
        const auto gentle = [](int n) { return ScriptedRandom::giving(n, 5, 1); };
        const auto beginners = [](int n) { return ScriptedRandom::giving(n, 3, 5); };
        const std::string_view on = Word::on, off = Word::off, only = Word::backgroundOnly;
        const struct {
            std::string_view play, back, beginners;
            int last; // the case drawn before
            std::vector<double> draws;
            platform::Color colour;
        } cases[] = {
            {Word::shapes, Word::white, on, 0, {}, p.col_White},
            {Word::shapes, Word::different, off, 0, {gentle(2)}, p.col_LBlue},
            // The beginners' colours override, after the mode's own draw was made.
            {Word::shapes, Word::different, on, 0, {gentle(2), beginners(7)}, p.col_Black},
            // Only the background: a repeat is drawn once more, and the second draw kept.
            {only, Word::white, off, 9, {any(9), any(9)}, p.col_Pink},
            {only, Word::white, off, 9, {any(12)}, p.col_Green},
            // "white" keeps the beginners' rule away.
            {only, Word::white, on, 0, {any(10)}, p.col_Blue},
            {only, Word::changing, on, 0, {0.1, any(10), beginners(6)}, p.col_Red},
        };
        for (const auto& c : cases) {
            Module1::playMode = c.play;
            Module1::backMode = c.back;
            Module1::beginnersMode = c.beginners;
            w.lastBackCase = c.last;
            random->reset();
            for (double draw : c.draws)
                random->push(draw);
            w.setBackColor();
            QCOMPARE(w.BackColor(), c.colour);
            QVERIFY(random->spent());
        }
    }

    void helpLineIsBlackWhereverBlackCanBeRead()
    {
        Window1& w = openPlay();
        Module1::playMode = Word::backgroundOnly;
        Module1::beginnersMode = Word::off;
        const platform::Color black{0, 0, 0};
        for (int n = 1; n <= 12; ++n) {
            w.lastBackCase = 0;
            random->push(ScriptedRandom::giving(n, 12, 1));
            w.setBackColor();
            const platform::Color ink = w.StaticText1->TextColor();
            QVERIFY2(contrastRatio(ink, w.screenCol) >= 4.5 &&
                         (ink == black || contrastRatio(black, w.screenCol) < 4.5),
                     qPrintable(QString::number(n)));
        }
        QCOMPARE(contrastRatio(black, {255, 255, 255}), 21.0);
    }

    void everyShapeIsFilledInsideAWholeOutlineAtItsPlace()
    {
        // Centred, from a 600 x 300 box or its square 300 x 300.
        const QRectF square(350, 150, 300, 300);
        const QRectF wide(200, 150, 600, 300);
        QPainterPath ideal[6];
        ideal[0].addRect(square);
        ideal[1].addRect(wide);
        ideal[2].addEllipse(square);
        ideal[3].addEllipse(wide);
        ideal[4].addPolygon(QPolygonF({{350, 450}, {500, 150}, {650, 450}, {350, 450}}));
        ideal[5].addPolygon(
            QPolygonF({{350, 300}, {500, 150}, {650, 300}, {500, 450}, {350, 300}}));
        const std::pair<const char*, void (Window1::*)()> shapes[] = {
            {"square", &Window1::draw_Square},     {"rectangle", &Window1::draw_Rectangle},
            {"circle", &Window1::draw_Circle},     {"oval", &Window1::draw_Oval},
            {"triangle", &Window1::draw_Triangle}, {"rhombus", &Window1::draw_Romb}};
        for (int k = 0; k < 6; ++k) {
            const auto [name, draw] = shapes[k];
            Window1& w = openPlay();
            scriptBox(*random, 600, 300);
            (w.*draw)();
            const QImage shot = w.Canvas1->widget()->grab().toImage();
            // Deep inside the fill, the outline a ten-pixel band inside the edge, the background
            // outside; smoothing may blend the pixels in between.
            const QImage fill = deeperThan(ideal[k], 12);
            const QImage line = deeperThan(ideal[k], 1.5);
            const QImage notLine = deeperThan(ideal[k], 7.5);
            const QImage outside = deeperThan(ideal[k], -1.5);
            int wrong = 0;
            int lined = 0;
            for (int y = 0; y < H; ++y) {
                for (int x = 0; x < W; ++x) {
                    const QColor seen = shot.pixelColor(x, y);
                    lined += seen == Qt::red;
                    if (fill.pixelColor(x, y) == Qt::white)
                        wrong += seen != Qt::black;
                    else if (line.pixelColor(x, y) == Qt::white &&
                             notLine.pixelColor(x, y) == Qt::black)
                        wrong += seen != Qt::red;
                    else if (outside.pixelColor(x, y) == Qt::white)
                        wrong += seen != Qt::white;
                }
            }
            QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1: %2 pixels").arg(name).arg(wrong)));
            // Ten pixels across, less the smoothed pixels at its two edges.
            const double across = lined / ideal[k].length();
            QVERIFY2(across >= 8 && across <= 10, qPrintable(QString::number(across)));
        }
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
