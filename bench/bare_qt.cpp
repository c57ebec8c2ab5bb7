// SPDX-License-Identifier: GPL-3.0-or-later
// The floor to measure the toy against: a bare Qt program doing the same visible job. One
// full-screen widget with a line of text; each key or click fills one random ellipse with a
// 10 px outline on white, in place of the last one, and starts a short beep. The ellipses are
// 100 to 400 px, or with --screen-sized as large a share of the screen as the toy's shapes.
// Its sound never stops, 20 ms queued as the toy's: a beep written into a stream that has run dry
// would wait until the server's prebuffer filled again.

#include <QApplication>
#include <QAudioSink>
#include <QKeyEvent>
#include <QMediaDevices>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kOutline = 10;
constexpr int kQueuedMs = 20;
constexpr int kTopUpMs = 2;
// The toy's shapes span a quarter of the screen plus up to 55 % more, each way.
constexpr double kLeastShare = 0.25;
constexpr double kSpanShare = 0.55;

class Bare : public QWidget {
  public:
    explicit Bare(bool screenSized) : screenSized_(screenSized)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        QAudioFormat format;
        format.setSampleRate(kRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        for (int i = 0; i < kRate / 10; ++i)
            beep_.push_back(std::int16_t(8000 * std::sin(2 * M_PI * 880 * i / kRate) *
                                         (1.0 - double(i) / (kRate / 10))));
        sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
        sink_->setBufferSize(kRate * kQueuedMs / 1000 * qsizetype(sizeof(std::int16_t)));
        stream_ = sink_->start();
        at_ = beep_.size();
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this] { topUp(); });
        timer->start(kTopUpMs);
    }

  protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.fillRect(event->rect(), Qt::white);
        p.drawText(20, 30, QStringLiteral("Press any key"));
        if (shape_.isValid()) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(Qt::black, kOutline));
            p.setBrush(colour_);
            p.drawEllipse(shape_);
        }
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!event->isAutoRepeat())
            play();
    }
    void mousePressEvent(QMouseEvent*) override { play(); }

  private:
    void play()
    {
        auto* random = QRandomGenerator::global();
        const QRect old = shape_.adjusted(-kOutline, -kOutline, kOutline, kOutline);
        const int w = screenSized_
                          ? int(width() * (kLeastShare + kSpanShare * random->generateDouble()))
                          : random->bounded(100, 400);
        const int h = screenSized_
                          ? int(height() * (kLeastShare + kSpanShare * random->generateDouble()))
                          : random->bounded(100, 400);
        shape_ = QRect(random->bounded(std::max(1, width() - w)),
                       random->bounded(std::max(1, height() - h)), w, h);
        colour_ = QColor::fromHsv(random->bounded(360), 255, 255);
        update(old);
        update(shape_.adjusted(-kOutline, -kOutline, kOutline, kOutline));
        at_ = 0;
        topUp();
    }
    // What the sink has room for: the beep from where it is, then silence.
    void topUp()
    {
        if (!stream_)
            return;
        std::vector<std::int16_t> out(std::size_t(sink_->bytesFree()) / sizeof(std::int16_t));
        for (std::int16_t& sample : out)
            sample = at_ < beep_.size() ? beep_[at_++] : 0;
        stream_->write(reinterpret_cast<const char*>(out.data()),
                       qint64(out.size() * sizeof(std::int16_t)));
    }

    bool screenSized_;
    QRect shape_;
    QColor colour_;
    std::vector<std::int16_t> beep_;
    std::size_t at_;
    QAudioSink* sink_;
    QIODevice* stream_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Bare bare(app.arguments().contains(QStringLiteral("--screen-sized")));
    bare.setWindowTitle(QStringLiteral("bare"));
    // Without a window manager nobody makes it full screen: it sizes itself, as the toy does.
    if (const QScreen* screen = bare.screen())
        bare.setGeometry(screen->geometry());
    bare.showFullScreen();
    return app.exec();
}
