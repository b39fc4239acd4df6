#pragma once
// The form model's classes that headers name without using them.

namespace platform {
class CommandButton;
class Control;
class Form;
} // namespace platform
