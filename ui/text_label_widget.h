// A label of the window. The value labels beside the arrows and after "t="
// are written by the core through the TextLabel interface; the captions
// are set once from the layout.
//
// A value label can be given a subject ("A amplitude"): a screen reader then
// reads it as "A amplitude 0.5", kept up to date with every new text.
#pragma once

#include <QLabel>

#include "core/app/text_label.h"

namespace waves {

class TextLabelWidget final : public QLabel, public TextLabel {
    Q_OBJECT

public:
    explicit TextLabelWidget(QWidget* parent = nullptr) : QLabel(parent) {}

    void set_text(std::string_view text) override {
        setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        if (!subject_.isEmpty()) setAccessibleName(subject_ + QLatin1Char(' ') + this->text());
        emit textChanged(this->text());
    }

    void set_subject(const QString& subject) {
        subject_ = subject;
        setAccessibleName(subject_ + QLatin1Char(' ') + text());
    }

signals:
    void textChanged(const QString& text);

private:
    QString subject_;
};

}  // namespace waves
