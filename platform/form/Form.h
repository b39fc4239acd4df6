#pragma once
// The form object: its controls, the focus, and the form-level events.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Event.h"
#include "platform/form/Control.h"

namespace platform {

// Why a form is being closed, as the QueryUnload event reports it.
enum UnloadMode : int {
    FormControlMenu = 0, // the user closed the window
    FormCode = 1,        // code unloaded it
    AppWindows = 2,      // the desktop session is ending
    AppTaskManager = 3,
    FormMDIForm = 4,
    FormOwner = 5,
};

class Form {
public:
    explicit Form(std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const noexcept { return name_; }
    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string_view caption) { caption_.assign(caption); }

    // Controls in creation order.
    const std::vector<Control*>& controls() const noexcept { return controls_; }
    Control* find(std::string_view name) const;

    Control* focus() const noexcept { return focus_; }
    // Moves the focus: the old control's lostFocus runs, then the new one's
    // gotFocus. A control that cannot take the focus, or already has it, is
    // left alone.
    void setFocus(Control& control);
    // The controls that take the focus, in tab order.
    std::vector<Control*> tabOrder() const;

    // With key preview on, the form sees keyDown before the focused control.
    bool keyPreview() const noexcept { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }

    long helpContextId() const noexcept { return helpContextId_; }
    void setHelpContextId(long id) { helpContextId_ = id; }

    // The window handle the platform gave this form (0 while it has none).
    std::intptr_t hWnd() const noexcept { return hWnd_; }
    void setHWnd(std::intptr_t handle) { hWnd_ = handle; }

    // Asks to close the form: queryUnload may cancel by setting its first
    // argument non-zero; otherwise unload runs and the form counts as closed.
    // Returns whether it closed.
    bool close(int mode);
    bool closed() const noexcept { return closed_; }

    Event<int&, int> keyDown;     // key code (0 = consumed), shift state
    Event<int&, int> queryUnload; // cancel, unload mode
    Event<> unload;
    // Raised when an outermost user-input call has finished, with every nested
    // handler done: the moment for a view to show the new state once.
    Event<> inputDone;

private:
    friend class Control;
    friend class InputScope;
    void add(Control& control);
    void remove(Control& control);

    std::string name_;
    std::string caption_;
    std::vector<Control*> controls_;
    Control* focus_ = nullptr;
    bool keyPreview_ = false;
    long helpContextId_ = 0;
    std::intptr_t hWnd_ = 0;
    bool closed_ = false;
    int inputDepth_ = 0;
};

} // namespace platform
