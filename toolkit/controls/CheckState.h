// Which look a check box or radio button takes for an element state.
#pragma once

#include <cstdint>

// Visual-style state number: 1 normal, 2 hot, 3 pressed, 4 disabled; 5 to
// 8 the same when checked. Disabled wins over pressed, pressed over hot.
int32_t CheckBoxThemeState(uint32_t state, bool disabled);

struct CheckBoxLook {
    bool checked = false;
    bool inactive = false;
    bool hot = false;
    bool pushed = false;
};
// The classic frame-control flags for the same state.
CheckBoxLook CheckBoxClassicLook(uint32_t state, bool disabled);

// Width and height of a check element around its measured text.
constexpr int32_t kCheckBoxSize = 13;
constexpr int32_t kCheckTextIndent = 17;
void CheckBoxMeasure(int32_t textWidth, int32_t textHeight, int32_t* width, int32_t* height);
