// A label whose text the program writes: the value labels beside the spin
// buttons and the span label after "t=". The window implements it with a
// widget; the tests implement it with a recorder.
#pragma once

#include <string_view>

namespace waves {

class TextLabel {
public:
    virtual ~TextLabel() = default;
    virtual void set_text(std::string_view text) = 0;
};

}  // namespace waves
