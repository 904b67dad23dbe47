// A label of the window. The value labels beside the arrows and after "t="
// are written by the core through the TextLabel interface; the captions
// are set once from the layout.
#pragma once

#include <QLabel>

#include "app/text_label.h"

class TextLabelWidget final : public QLabel, public waves::TextLabel {
    Q_OBJECT

public:
    explicit TextLabelWidget(QWidget* parent = nullptr) : QLabel(parent) {}

    void set_text(std::string_view text) override {
        setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
};
