// Checks that a handler call is refused silently: no parameter, no label
// and no surface changes.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/recorded_form.h"

namespace waves::testing {

template <typename Handler>
void expect_refused(RecordedForm& f, Handler handler) {
    const Parameters before = f.form.params;
    const std::vector<std::string> labels = f.label_texts();
    f.log.calls.clear();
    handler();
    EXPECT_EQ(f.form.params, before);
    EXPECT_EQ(f.label_texts(), labels);
    EXPECT_TRUE(f.log.calls.empty()) << describe(f.log.calls.front());
}

}  // namespace waves::testing
