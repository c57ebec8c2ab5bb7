// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen: its logos and its credits.

#include "toy_fixture.h"

#include "platform/ui/canvas.h"
#include "platform/ui/draw_op.h"
#include "startscreen/start_screen.h"

#include <QtTest>

class TestStartScreen : public ToyFixture {
    Q_OBJECT

    std::vector<QString> creditsDrawn(Window3& w) const
    {
        std::vector<QString> lines;
        for (const auto& op : w.Canvas2->drawn())
            lines.push_back(op.text);
        return lines;
    }

  private Q_SLOTS:
    void creditsComeEveryFourSecondsAndDriftUp()
    {
        Window3& w = Window3::shared();
        clock->advance(3999);
        QVERIFY(creditsDrawn(w).empty());
        clock->advance(1);
        QCOMPARE(int(creditsDrawn(w).size()), 1);
        QVERIFY(creditsDrawn(w)[0].startsWith(QStringLiteral("Tumbletot")));
        const int top = w.Canvas2->drawn()[0].box.top();
        clock->advance(1000); // ten ticks, ten pixels up
        QCOMPARE(w.Canvas2->drawn()[0].box.top(), top - 10);
        clock->advance(7000);
        const auto fields = creditsDrawn(w);
        QVERIFY(fields.size() >= 2);
        QVERIFY(fields.back().startsWith(QStringLiteral("Free software")));
        clock->advance(4000); // and the cycle starts over
        QVERIFY(creditsDrawn(w).back().startsWith(QStringLiteral("Tumbletot")));
    }

    void logosAreOnTheirCanvases()
    {
        Window3& w = Window3::shared();
        QVERIFY(!w.MenuBarVisible());
        QVERIFY(w.Canvas1->Backdrop() != nullptr);
        const QImage shot = w.Canvas3->widget()->grab().toImage();
        // The logo's white is not drawn: the yellow panel shows through at its corner.
        QCOMPARE(shot.pixelColor(1, 1), QColor(255, 255, 0));
        QCOMPARE(shot.pixelColor(56, 27), QColor(255, 0, 0));
    }
};

QTEST_MAIN(TestStartScreen)
#include "tst_startscreen.moc"
