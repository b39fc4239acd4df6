#include "window/view/FocusNavigation.h"

#include <algorithm>
#include <vector>

namespace window::view {

namespace {

// The group's options that take the focus, in tab order.
std::vector<platform::OptionButton*> groupInTabOrder(const platform::OptionGroup& group)
{
    std::vector<platform::OptionButton*> options;
    for (platform::OptionButton* b : group.buttons())
        if (b->canTakeFocus() && b->tabIndex() >= 0)
            options.push_back(b);
    std::stable_sort(options.begin(), options.end(),
                     [](const platform::OptionButton* a, const platform::OptionButton* b) {
                         return a->tabIndex() < b->tabIndex();
                     });
    return options;
}

bool isTabStop(const platform::Control& c)
{
    if (c.kind() != platform::ControlKind::OptionButton)
        return true;
    const auto& option = static_cast<const platform::OptionButton&>(c);
    if (const platform::OptionButton* selected = option.group().selected(); selected && selected->canTakeFocus())
        return selected == &option;
    const auto options = groupInTabOrder(option.group());
    return !options.empty() && options.front() == &option;
}

} // namespace

platform::Control* nextTabStop(const platform::Form& form, platform::Control* from, bool backwards)
{
    const std::vector<platform::Control*> order = form.tabOrder();
    if (order.empty())
        return nullptr;
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    // Where `from` stands in the order; a control outside it stands where its
    // tab index would put it.
    std::ptrdiff_t at = -1;
    if (from) {
        const auto it = std::find(order.begin(), order.end(), from);
        if (it != order.end()) {
            at = it - order.begin();
        } else {
            const auto after = std::find_if(order.begin(), order.end(), [&](const platform::Control* c) {
                return c->tabIndex() > from->tabIndex();
            });
            at = (after - order.begin()) - (backwards ? 0 : 1);
        }
    } else if (backwards) {
        at = n;
    }
    for (std::ptrdiff_t step = 1; step <= n; ++step) {
        const std::ptrdiff_t i = ((at + (backwards ? -step : step)) % n + n) % n;
        platform::Control* c = order[static_cast<std::size_t>(i)];
        if (c != from && isTabStop(*c))
            return c;
    }
    return from && from->canTakeFocus() ? from : nullptr;
}

platform::OptionButton& nextInGroup(platform::OptionButton& from, bool backwards)
{
    const auto options = groupInTabOrder(from.group());
    const auto it = std::find(options.begin(), options.end(), &from);
    if (it == options.end() || options.size() < 2)
        return from;
    const auto n = static_cast<std::ptrdiff_t>(options.size());
    const std::ptrdiff_t i = ((it - options.begin()) + (backwards ? -1 : 1) + n) % n;
    return *options[static_cast<std::size_t>(i)];
}

} // namespace window::view
