// A spin button: a vertical pair of arrows without text.
//
// A press on the upper arrow emits spinUp, on the lower arrow spinDown,
// once per press. Held down, an arrow repeats like a scroll bar's arrow
// (a pause, then a steady rate) for as long as the pointer stays on it.
// With the keyboard focus, Up and Down raise the same signals (the key's own
// auto-repeat repeats them). The button keeps no value of its own: every
// signal is exactly one step for whoever listens.
#pragma once

#include <QBasicTimer>
#include <QWidget>

class SpinButton final : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Delays of the repeat while an arrow is held, in milliseconds.
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 50;

signals:
    void spinUp();
    void spinDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Arrow { none, up, down };

    Arrow arrow_at(QPoint position) const;
    QRect arrow_rect(Arrow arrow) const;
    void step(Arrow arrow);
    void release();

    Arrow held_ = Arrow::none;   // the arrow the mouse pressed, until release
    bool pointer_on_held_ = false;
    QBasicTimer repeat_timer_;
};
