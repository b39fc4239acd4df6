#include "platform/qt/InputCodes.h"

#include <utility>

namespace platform::qt {

namespace {

constexpr std::pair<int, std::int16_t> kKeys[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},    {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},       {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},     {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},
    {Qt::Key_Home, 36},      {Qt::Key_Left, 37},       {Qt::Key_Up, 38},        {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},      {Qt::Key_Select, 41},     {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},    {Qt::Key_Help, 47},       {Qt::Key_Menu, 93},      {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},  {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},     {Qt::Key_Comma, 188},     {Qt::Key_Less, 188},     {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},  {Qt::Key_Greater, 190},  {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191}, {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},     {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
};

// The keypad's keys, told apart by the keypad modifier.
std::int16_t keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::int16_t>(96 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

} // namespace

std::int16_t keyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier)
        if (const std::int16_t code = keypadCode(qtKey))
            return code;
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<std::int16_t>(qtKey); // the same numbers
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    // Shifted digits arrive as their symbols; the key is the digit's.
    constexpr const char* kShiftedDigits = ")!@#$%^&*(";
    for (int digit = 0; digit < 10; ++digit)
        if (qtKey == kShiftedDigits[digit])
            return static_cast<std::int16_t>('0' + digit);
    for (const auto& [key, code] : kKeys)
        if (key == qtKey)
            return code;
    return 0;
}

std::int16_t shiftOf(Qt::KeyboardModifiers modifiers)
{
    std::int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

std::int16_t buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

std::int16_t buttonsOf(Qt::MouseButtons buttons)
{
    std::int16_t code = 0;
    for (const auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & button)
            code = static_cast<std::int16_t>(code | buttonOf(button));
    return code;
}

} // namespace platform::qt
