// SPDX-License-Identifier: GPL-3.0-or-later
// Colours, placement, the six shapes and the backgrounds, on a canvas of 1000 x 600.

#include "toy_fixture.h"

#include "drawing/ink.h"
#include "platform/canvas.h"
#include "platform/draw_op.h"
#include "platform/static_text.h"
#include "play/play_window.h"
#include "settings/module1.h"

#include <QtTest>

namespace {

constexpr int W = 1000;
constexpr int H = 600;

// Draws that make get_Pos_n_Col produce this box on the 1000 x 600 canvas.
void scriptBox(ScriptedRandom& r, int width, int height, int left = 0, int top = 0)
{
    r.push(ScriptedRandom::giving(width, W * 0.55, W * 0.25));
    r.push(ScriptedRandom::giving(height, H * 0.55, H * 0.25));
    r.push((left + 0.5) / (W - width));
    r.push((top + 0.5) / (H - height));
}

QColor pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT
    ToyFixture toy;

    Window1& openPlay()
    {
        Window1& w = Window1::shared();
        toy.random->reset();
        return w;
    }

  private Q_SLOTS:
    void init() { toy.reset(); }

    void canvasIsTheScreenLessItsMargins()
    {
        Window1& w = openPlay();
        QCOMPARE(w.Canvas1->Width(), W);
        QCOMPARE(w.Canvas1->Height(), H);
    }

    void centredBoxes()
    {
        Window1& w = openPlay();
        scriptBox(*toy.random, 400, 300, 17, 33);
        toy.random->push({0.0, 0.9}); // fill black, line red
        w.get_Pos_n_Col(0);
        QCOMPARE(w.x_start, 300);
        QCOMPARE(w.y_start, 150);
        QCOMPARE(w.x_width, 400);
        QCOMPARE(w.y_height, 300);
        QCOMPARE(toy.random->drawn(), 6); // four placement draws even when centred
        QCOMPARE(toy.random->overdrawn(), 0);

        scriptBox(*toy.random, 260, 450);
        toy.random->push({0.0, 0.9});
        w.get_Pos_n_Col(1);
        QCOMPARE(w.x_width, 450);
        QCOMPARE(w.x_start, 275);
        QCOMPARE(w.y_start, 75);
    }

    void squareBoxIsClampedToTheRightEdge()
    {
        Window1& w = openPlay();
        Module1::appearMode = "random";
        scriptBox(*toy.random, 260, 450, 700, 20);
        toy.random->push({0.0, 0.9});
        w.get_Pos_n_Col(1);
        QCOMPARE(w.x_width, 450);
        QCOMPARE(w.x_start, 550);
        QCOMPARE(w.y_start, 20);

        // Ending exactly at the edge writes the same value back.
        scriptBox(*toy.random, 260, 450, 550, 0);
        toy.random->push({0.0, 0.9});
        w.get_Pos_n_Col(1);
        QCOMPARE(w.x_start, 550);
    }

    void randomBoxesStayInsideTheCanvas()
    {
        Window1& w = openPlay();
        Module1::appearMode = "random";
        for (double r : {0.0, 0.3, 0.999999}) {
            toy.random->push({r, r, r, r, 0.0, 0.9});
            w.get_Pos_n_Col(0);
            QVERIFY(w.x_start >= 0 && w.x_start + w.x_width <= W);
            QVERIFY(w.y_start >= 0 && w.y_start + w.y_height <= H);
            QVERIFY(w.x_width >= int(0.25 * W) && w.x_width <= int(0.8 * W));
        }
    }

    void portraitCanvasRunsSquaresOffTheLeft()
    {
        Window1& w = openPlay();
        w.Canvas1->setBounds({8, 7, 300, 600});
        for (const char* mode : {"centered", "random"}) {
            Module1::appearMode = mode;
            toy.random->push({0.5, 0.99, 0.5, 0.5, 0.0, 0.9});
            w.get_Pos_n_Col(1);
            QVERIFY(w.x_width > 300);
            QCOMPARE(w.x_start, 300 - w.x_width);
            QVERIFY(w.x_start < 0);
        }
    }

    void oddSizesTruncateInsteadOfRounding()
    {
        Window1& w = openPlay();
        w.Canvas1->setBounds({8, 7, 1001, 600});
        toy.random->push(
            {ScriptedRandom::giving(400, 1001 * 0.55, 1001 * 0.25), 0.5, 0.5, 0.5, 0.0, 0.9});
        w.get_Pos_n_Col(0);
        QCOMPARE(w.x_width, 400);
        QCOMPARE(w.x_start, 300);
    }

    void beginnersColoursAreBlackRedAndWhiteEachOnce()
    {
        Window1& w = openPlay();
        const struct {
            platform::Color back;
            double fillDraw;
            platform::Color fill;
            platform::Color line;
        } cases[] = {
            {w.col_White, 0.0, w.col_Black, w.col_Red}, // line draw black, white: rejected
            {w.col_White, 0.4, w.col_Red, w.col_Black},
            {w.col_Black, 0.9, w.col_White, w.col_Red},
            {w.col_Red, 0.0, w.col_Black, w.col_White},
        };
        for (const auto& c : cases) {
            w.screenCol = c.back;
            // A fill equal to the background is drawn again; the line retries until it differs.
            toy.random->push({0.5, 0.5, 0.5, 0.5, c.fillDraw, 0.0, 0.4, 0.9});
            w.get_Pos_n_Col(0);
            QCOMPARE(w.ranCol, c.fill);
            QCOMPARE(w.lineCol, c.line);
            QVERIFY(w.ranCol != w.screenCol && w.lineCol != w.screenCol && w.lineCol != w.ranCol);
            toy.random->reset();
        }
    }

    void fillIsDrawnAgainWhenItMatchesTheBackground()
    {
        Window1& w = openPlay();
        Module1::beginnersMode = "off";
        w.screenCol = w.col_Green;
        toy.random->push({0.5, 0.5, 0.5, 0.5});
        toy.random->push({ScriptedRandom::giving(4, 8, 1), ScriptedRandom::giving(1, 8, 1)});
        // Black is safe from the background but taken by the fill: the line draws again.
        toy.random->push(ScriptedRandom::giving(2, 3, 1));
        w.get_Pos_n_Col(0);
        QCOMPARE(w.ranCol, w.col_Black);
        QCOMPARE(w.lineCol, w.col_White);
        toy.random->push(ScriptedRandom::giving(3, 3, 1));
        w.get_Line_Col();
        QCOMPARE(w.lineCol, w.col_Red);
        QCOMPARE(toy.random->overdrawn(), 0);
    }

    void outOfBeginnersTheLineIsBlackUnlessTaken()
    {
        Window1& w = openPlay();
        Module1::beginnersMode = "off";
        w.screenCol = w.col_LBlue;
        for (int n = 2; n <= 8; ++n) {
            toy.random->push({0.5, 0.5, 0.5, 0.5, ScriptedRandom::giving(n, 8, 1)});
            w.get_Pos_n_Col(0);
            QCOMPARE(w.lineCol, w.col_Black);
        }
        QCOMPARE(toy.random->overdrawn(), 0);
    }

    void backgroundCases()
    {
        Window1& w = openPlay();
        w.setBackColor();
        QCOMPARE(w.lastBackCase, 5);
        QCOMPARE(w.screenCol, w.col_White);
        QCOMPARE(toy.random->drawn(), 0);

        Module1::backMode = "different";
        Module1::beginnersMode = "off";
        toy.random->push(ScriptedRandom::giving(2, 5, 1));
        w.setBackColor();
        QCOMPARE(w.screenCol, w.col_LBlue);
        QCOMPARE(w.BackColor(), w.col_LBlue);

        Module1::beginnersMode = "on"; // overrides, after its own draw was made
        toy.random->push({ScriptedRandom::giving(2, 5, 1), ScriptedRandom::giving(7, 3, 5)});
        w.setBackColor();
        QCOMPARE(w.lastBackCase, 7);
        QCOMPARE(w.screenCol, w.col_Black);
        QCOMPARE(toy.random->remaining(), std::size_t(0));
        // The parent's help line cannot stay black on black.
        QCOMPARE(w.StaticText1->TextColor(), w.col_White);
    }

    void helpLineIsBlackWhereverBlackCanBeRead()
    {
        Window1& w = openPlay();
        for (int n = 1; n <= 12; ++n) {
            Module1::playMode = "backgroundOnly";
            Module1::beginnersMode = "off";
            w.lastBackCase = 0;
            toy.random->push(ScriptedRandom::giving(n, 12, 1));
            w.setBackColor();
            const platform::Color ink = w.StaticText1->TextColor();
            const platform::Color black{0, 0, 0};
            QVERIFY2(contrastRatio(ink, w.screenCol) >= 4.5, qPrintable(QString::number(n)));
            QVERIFY2(ink == black || contrastRatio(black, w.screenCol) < 4.5,
                     qPrintable(QString::number(n)));
        }
        QCOMPARE(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
    }

    void backgroundOnlyRetriesOnceAndBeginnersStillRule()
    {
        Window1& w = openPlay();
        Module1::playMode = "backgroundOnly";
        Module1::beginnersMode = "off";
        Module1::backMode = "white";
        w.lastBackCase = 9;
        toy.random->push({ScriptedRandom::giving(9, 12, 1), ScriptedRandom::giving(9, 12, 1)});
        w.setBackColor();
        QCOMPARE(w.lastBackCase, 9); // the second draw is kept even when it repeats
        toy.random->push({ScriptedRandom::giving(12, 12, 1)});
        w.setBackColor();
        QCOMPARE(w.screenCol, w.col_Green);

        Module1::beginnersMode = "on"; // "white" keeps the beginners rule away
        toy.random->push({ScriptedRandom::giving(10, 12, 1)});
        w.setBackColor();
        QCOMPARE(w.screenCol, w.col_Blue);

        Module1::backMode = "changing";
        toy.random->push({0.1, ScriptedRandom::giving(10, 12, 1), ScriptedRandom::giving(6, 3, 5)});
        w.setBackColor();
        QCOMPARE(w.screenCol, w.col_Red);
    }

    void polygonsFollowTheBox()
    {
        Window1& w = openPlay();
        Module1::appearMode = "random";
        w.Canvas1->setBounds({8, 7, 1000, 600});
        scriptBox(*toy.random, 250, 200, 100, 50); // square side = height = 200
        toy.random->push({0.0, 0.9});
        w.draw_Triangle();
        const auto& drawn = w.Canvas1->drawn();
        QCOMPARE(int(drawn.size()), 2);
        QCOMPARE(drawn[0].points, QPolygon({QPoint(100, 250), QPoint(200, 50), QPoint(300, 250)}));

        scriptBox(*toy.random, 250, 201, 100, 50);
        toy.random->push({0.0, 0.9});
        w.draw_Romb();
        QCOMPARE(int(drawn.size()), 2); // the triangle is gone
        QCOMPARE(drawn[1].points,
                 QPolygon({QPoint(100, 150), QPoint(200, 50), QPoint(301, 150), QPoint(200, 251)}));
    }

    void squareIsFilledThenOutlinedAndAloneOnTheCanvas()
    {
        Window1& w = openPlay();
        scriptBox(*toy.random, 260, 450);
        toy.random->push({0.4, 0.0}); // fill red; line black
        w.draw_Square();
        QImage shot = w.Canvas1->widget()->grab().toImage();
        // Box (275, 75, 450, 450): outline 10 pixels inside its edge.
        QCOMPARE(pixel(shot, 275 + 225, 75 + 225), QColor(255, 0, 0));
        QCOMPARE(pixel(shot, 275 + 4, 300), QColor(0, 0, 0));
        QCOMPARE(pixel(shot, 275 + 449, 300), QColor(0, 0, 0));
        QCOMPARE(pixel(shot, 275 + 12, 300), QColor(255, 0, 0));
        QCOMPARE(pixel(shot, 270, 300), QColor(255, 255, 255));
        QCOMPARE(pixel(shot, 275 + 455, 300), QColor(255, 255, 255));

        scriptBox(*toy.random, 600, 300, 0, 0); // oval: centred (200, 150, 600, 300)
        toy.random->push({0.0, 0.9});
        w.draw_Oval();
        shot = w.Canvas1->widget()->grab().toImage();
        QCOMPARE(pixel(shot, 500, 300), QColor(0, 0, 0));           // fill black
        QCOMPARE(pixel(shot, 204, 300), QColor(255, 0, 0));         // line red at the left end
        QCOMPARE(pixel(shot, 275 + 4, 100), QColor(255, 255, 255)); // the square's outline is gone
        QCOMPARE(pixel(shot, 195, 300), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
