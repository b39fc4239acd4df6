#pragma once
// The range picker's library, without its widgets: the named ranges of the
// store, standard ones first, one of them chosen; loading the chosen range
// into the picker, saving the picker's range under a name, renaming and
// deleting the player's own. The standard ranges (the advisor's charts) can
// be loaded but not changed. A store that cannot be opened (damaged, written
// by a newer version, out of reach) leaves the library unavailable with the
// store's message; the picker works on without it.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/RangeLibrary.h"

namespace window::cards {

class RangePickerModel;

class RangeLibraryModel {
public:
    explicit RangeLibraryModel(const std::filesystem::path& storePath);
    ~RangeLibraryModel();
    RangeLibraryModel(const RangeLibraryModel&) = delete;
    RangeLibraryModel& operator=(const RangeLibraryModel&) = delete;

    bool available() const { return library_ != nullptr; }
    // What the last operation said: why the store cannot be used, why a
    // change was refused, or what was done. Empty at first.
    const std::string& message() const { return message_; }

    const std::vector<store::StoredRange>& ranges() const { return ranges_; }
    // The chosen range's place in ranges(), or -1.
    int chosen() const { return chosen_; }
    // Out-of-range indexes choose none.
    void choose(int index);
    // Chooses the range of that name (none when there is no such range).
    void chooseName(std::string_view name);
    const store::StoredRange* chosenRange() const;

    bool canLoad() const { return chosenRange() != nullptr; }
    bool canChange() const { return chosenRange() != nullptr && !chosenRange()->standard; }
    // Whether a range of this name is stored, and whether it is a standard one.
    bool holds(std::string_view name) const;
    bool holdsStandard(std::string_view name) const;

    // Each gives true when done; otherwise message() says why and nothing
    // changed. The chosen range's text goes into the picker as if typed.
    bool load(RangePickerModel& picker);
    // The picker's text as shown; refused while it does not read or is blank.
    // Replaces the player's range of that name.
    bool saveAs(std::string_view name, const RangePickerModel& picker);
    bool renameChosen(std::string_view to);
    bool removeChosen();

private:
    void refresh(std::string_view choose);
    bool refused(const std::string& answer);

    std::unique_ptr<store::RangeLibrary> library_;
    std::vector<store::StoredRange> ranges_;
    int chosen_ = -1;
    std::string message_;
};

} // namespace window::cards
