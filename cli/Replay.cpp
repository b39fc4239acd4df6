#include "cli/Replay.h"

#include <cstdlib>
#include <string>
#include <optional>
#include <unordered_map>
#include <string_view>
#include <vector>

#include "cli/ScriptLines.h"
#include "platform/form/Input.h"
#include "platform/text/Utf8.h"
#include "window/model/FrmPoker.h"
#include "window/model/StateDump.h"

namespace cli {

namespace {

using platform::ControlKind;

struct ParsedLine {
    std::string_view action;
    std::string_view name;
    std::optional<std::string_view> arg;
};

ParsedLine split(std::string_view line)
{
    ParsedLine p;
    const auto first = line.find(' ');
    p.action = line.substr(0, first);
    if (first == std::string_view::npos)
        return p;
    const std::string_view rest = line.substr(first + 1);
    const auto second = rest.find(' ');
    p.name = rest.substr(0, second);
    if (second != std::string_view::npos)
        p.arg = rest.substr(second + 1);
    return p;
}

// "\\" backslash, "\r" CR, "\n" LF, "\t" TAB; any other escape stays as written.
void unescape(std::string_view in, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '\\' && i + 1 < in.size()) {
            switch (in[i + 1]) {
            case '\\': out.push_back('\\'); ++i; continue;
            case 'r': out.push_back('\r'); ++i; continue;
            case 'n': out.push_back('\n'); ++i; continue;
            case 't': out.push_back('\t'); ++i; continue;
            default: break;
            }
        }
        out.push_back(in[i]);
    }
}

bool isTypeable(const platform::Control& c)
{
    return c.kind() == ControlKind::TextBox || c.kind() == ControlKind::ComboBox;
}

bool isClickable(const platform::Control& c)
{
    return c.kind() == ControlKind::OptionButton || c.kind() == ControlKind::CheckBox
        || (c.kind() == ControlKind::CommandButton && c.visible());
}

} // namespace

class ReplaySession::Impl {
public:
    Impl(std::FILE* out, std::FILE* err) : out_(out), err_(err)
    {
        frm_.Form_Load();
        for (platform::Control* c : frm_.form.controls())
            controls_.emplace(c->name(), c);
    }

    // Returns false after reporting a bad line.
    bool run(std::string_view line, long number);

    window::FrmPoker frm_;

private:
    bool fail(long number, std::string_view what);
    platform::Control* controlFor(std::string_view name) const;
    void focusFirst(platform::Control& c);

    std::FILE* out_;
    std::FILE* err_;
    // The controls by name. The names are few and short: a hash of the length
    // and three characters tells them apart well enough.
    struct NameHash {
        std::size_t operator()(std::string_view n) const noexcept
        {
            return n.empty() ? 0 : n.size() * 131 + static_cast<unsigned char>(n[3 % n.size()]) * 31
                    + static_cast<unsigned char>(n[n.size() / 2]) * 7 + static_cast<unsigned char>(n.back());
        }
    };
    std::unordered_map<std::string_view, platform::Control*, NameHash> controls_;
    std::string text_;
    std::string dump_;
    std::vector<char32_t> keys_;
};

bool ReplaySession::Impl::fail(long number, std::string_view what)
{
    std::fprintf(err_, "tablewise: line %ld: %.*s\n", number, static_cast<int>(what.size()), what.data());
    return false;
}

platform::Control* ReplaySession::Impl::controlFor(std::string_view name) const
{
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void ReplaySession::Impl::focusFirst(platform::Control& c)
{
    if (c.canTakeFocus())
        platform::input::moveFocus(c);
}

bool ReplaySession::Impl::run(std::string_view line, long number)
{
    const ParsedLine p = split(line);
    const std::string_view action = p.action;
    const bool known = action == "type" || action == "backspace" || action == "click" || action == "select"
        || action == "focus" || action == "dump";
    if (!known)
        return fail(number, "unknown action \"" + std::string(action) + "\"");

    if (action == "dump") {
        if (line.size() > action.size())
            return fail(number, "unexpected text after dump");
        dump_.clear();
        window::appendStateDump(dump_, frm_);
        std::fwrite(dump_.data(), 1, dump_.size(), out_);
        std::fflush(out_);
        return true;
    }

    if (line.size() == action.size() || p.name.empty())
        return fail(number, std::string(action) + " needs a control name");
    platform::Control* control = controlFor(p.name);
    if (!control)
        return fail(number, "unknown control \"" + std::string(p.name) + "\"");
    const std::string name(p.name);

    if (action == "type") {
        if (!isTypeable(*control))
            return fail(number, "cannot type into " + name);
        if (!p.arg)
            return fail(number, "type needs a text");
        unescape(*p.arg, text_);
        keys_.clear();
        for (std::size_t pos = 0; pos < text_.size();) {
            const std::size_t at = pos;
            const char32_t c = platform::utf8::decode(text_, pos);
            if (c == U'\uFFFD' && text_.compare(at, 3, "\xEF\xBF\xBD") != 0)
                return fail(number, "the text is not valid UTF-8");
            if (platform::utf8::isControl(c))
                return fail(number, "control character in the text");
            keys_.push_back(c);
        }
        auto& box = static_cast<platform::TextControl&>(*control);
        focusFirst(box);
        for (char32_t key : keys_) {
            box.moveCaretToEnd();
            platform::input::keyPress(box, static_cast<int>(key));
        }
        return true;
    }

    if (action == "backspace") {
        if (!isTypeable(*control))
            return fail(number, "cannot press backspace in " + name);
        long count = 1;
        if (p.arg) {
            const std::string_view n = *p.arg;
            if (n.empty() || n.size() > 4 || n.find_first_not_of("0123456789") != std::string_view::npos)
                return fail(number, "backspace count must be a number from 1 to 9999");
            count = std::strtol(std::string(n).c_str(), nullptr, 10);
            if (count < 1)
                return fail(number, "backspace count must be a number from 1 to 9999");
        }
        auto& box = static_cast<platform::TextControl&>(*control);
        focusFirst(box);
        for (long i = 0; i < count; ++i) {
            box.moveCaretToEnd();
            platform::input::keyPress(box, platform::KeyBackspace);
        }
        return true;
    }

    if (p.arg && action != "select")
        return fail(number, "unexpected text after " + std::string(action) + " " + name);

    if (action == "click") {
        if (!isClickable(*control))
            return fail(number, "cannot click " + name);
        focusFirst(*control);
        platform::input::click(*control);
        return true;
    }

    if (action == "select") {
        if (control->kind() != ControlKind::ComboBox)
            return fail(number, "cannot select in " + name);
        auto& combo = static_cast<platform::ComboBox&>(*control);
        if (!p.arg)
            return fail(number, "select needs an item index");
        const std::string_view n = *p.arg;
        const long items = static_cast<long>(combo.items().size());
        long index = -1;
        if (!n.empty() && n.size() <= 9 && n.find_first_not_of("0123456789") == std::string_view::npos)
            index = std::strtol(std::string(n).c_str(), nullptr, 10);
        if (index < 0 || index >= items)
            return fail(number, "bad item index \"" + std::string(n) + "\" for " + name + " (0 to "
                                    + std::to_string(items - 1) + ")");
        focusFirst(combo);
        platform::input::chooseItem(combo, static_cast<int>(index));
        return true;
    }

    // focus
    if (!control->canTakeFocus())
        return fail(number, name + " cannot take the focus");
    platform::input::moveFocus(*control);
    return true;
}

ReplaySession::ReplaySession(std::FILE* out, std::FILE* err) : impl_(std::make_unique<Impl>(out, err)) {}

ReplaySession::~ReplaySession() = default;

bool ReplaySession::runLine(std::string_view line, long number)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#')
        return true; // blank or a comment
    return impl_->run(line, number);
}

const window::FrmPoker& ReplaySession::window() const
{
    return impl_->frm_;
}

int replay(std::FILE* in, std::FILE* out, std::FILE* err)
{
    ReplaySession session(out, err);
    ScriptLines lines(in);
    std::string line;
    long number = 0;
    for (;;) {
        const ScriptLines::Result result = lines.next(line);
        if (result == ScriptLines::Result::End)
            break;
        ++number;
        if (result == ScriptLines::Result::TooLong) {
            std::fprintf(err, "tablewise: line %ld: longer than %zu bytes\n", number, ScriptLines::kLongestLine);
            return 2;
        }
        if (!session.runLine(line, number))
            return 2;
        // A dump that could not be written ends the run; the caller tells why.
        if (std::ferror(out))
            return 1;
    }
    std::fflush(out);
    return 0;
}

} // namespace cli
