// A spin button: a vertical pair of arrows without text.
//
// A press on the upper arrow emits spinUp, on the lower arrow spinDown,
// once per press. Held down, an arrow repeats like a scroll bar's arrow
// (a pause, then a steady rate) for as long as the pointer stays on it.
// With the keyboard focus, Up and Down raise the same signals (the key's own
// auto-repeat repeats them). The button keeps no value of its own: every
// signal is exactly one step for whoever listens.
//
// For assistive technology it is a spin box with the actions "increase"
// and "decrease", and it reads its value from the label beside it (see
// set_value_label and accessible_interfaces.h).
#pragma once

#include <QBasicTimer>
#include <QPointer>
#include <QWidget>

#include "layout/control_events.h"

namespace waves {

class TextLabelWidget;

class SpinButton final : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // The label that shows the value this button steps; its text is the
    // button's value for screen readers, announced whenever it changes.
    void set_value_label(TextLabelWidget* label);
    QString value_text() const;

    // One step, as a click on an arrow makes it (used by the accessible actions).
    void step_up() { step(Arrow::up); }
    void step_down() { step(Arrow::down); }

    // Delays of the repeat while an arrow is held, in milliseconds.
    static constexpr int kRepeatDelayMs = kArrowRepeatDelayMs;
    static constexpr int kRepeatIntervalMs = kArrowRepeatIntervalMs;

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
    QPointer<TextLabelWidget> value_label_;
};

}  // namespace waves
