#include "ui/spin_button.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

#include "ui/text_label_widget.h"

namespace waves {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

QSize SpinButton::sizeHint() const { return {17, 25}; }

void SpinButton::set_value_label(TextLabelWidget* label) {
    value_label_ = label;
    connect(label, &TextLabelWidget::textChanged, this, [this](const QString& text) {
        QAccessibleValueChangeEvent event(this, text);
        QAccessible::updateAccessibility(&event);
    });
}

QString SpinButton::value_text() const { return value_label_ ? value_label_->text() : QString(); }

QRect SpinButton::arrow_rect(Arrow arrow) const {
    const int upper_height = height() / 2;
    if (arrow == Arrow::up) return {0, 0, width(), upper_height};
    if (arrow == Arrow::down) return {0, upper_height, width(), height() - upper_height};
    return {};
}

SpinButton::Arrow SpinButton::arrow_at(QPoint position) const {
    if (arrow_rect(Arrow::up).contains(position)) return Arrow::up;
    if (arrow_rect(Arrow::down).contains(position)) return Arrow::down;
    return Arrow::none;
}

void SpinButton::step(Arrow arrow) {
    if (arrow == Arrow::up) emit spinUp();
    if (arrow == Arrow::down) emit spinDown();
}

void SpinButton::release() {
    held_ = Arrow::none;
    pointer_on_held_ = false;
    repeat_timer_.stop();
    update();
}

void SpinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Arrow arrow : {Arrow::up, Arrow::down}) {
        QStyleOptionButton bevel;
        bevel.initFrom(this);
        bevel.rect = arrow_rect(arrow);
        const bool sunken = held_ == arrow && pointer_on_held_;
        bevel.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        if (!bevel.rect.contains(mapFromGlobal(QCursor::pos()))) bevel.state &= ~QStyle::State_MouseOver;
        style()->drawControl(QStyle::CE_PushButtonBevel, &bevel, &painter, this);

        QStyleOption indicator = bevel;
        indicator.rect = bevel.rect.adjusted(3, 2, -3, -2);
        if (sunken) indicator.rect.translate(1, 1);
        style()->drawPrimitive(arrow == Arrow::up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &indicator, &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || held_ != Arrow::none) {
        event->ignore();
        return;
    }
    const Arrow arrow = arrow_at(event->position().toPoint());
    if (arrow == Arrow::none) return;
    held_ = arrow;
    pointer_on_held_ = true;
    update();
    repeat_timer_.start(kRepeatDelayMs, this);
    step(arrow);
}

void SpinButton::mouseMoveEvent(QMouseEvent* event) {
    if (held_ == Arrow::none) return;
    const bool on_held = arrow_at(event->position().toPoint()) == held_;
    if (on_held != pointer_on_held_) {
        pointer_on_held_ = on_held;
        update();
    }
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    release();
}

void SpinButton::timerEvent(QTimerEvent* event) {
    if (event->timerId() != repeat_timer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (held_ == Arrow::none) {
        repeat_timer_.stop();
        return;
    }
    // After the first pause the arrow repeats at a steady rate; off the
    // arrow it pauses, and goes on when the pointer comes back.
    repeat_timer_.start(kRepeatIntervalMs, this);
    if (pointer_on_held_) step(held_);
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up: step(Arrow::up); break;
        case Qt::Key_Down: step(Arrow::down); break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void SpinButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void SpinButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    release();
}

}  // namespace waves
