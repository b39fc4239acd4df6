#include "window/cards/RangeLibraryModel.h"

#include <exception>

#include "window/cards/RangePickerModel.h"

namespace window::cards {

RangeLibraryModel::RangeLibraryModel(const std::filesystem::path& storePath)
{
    try {
        library_ = std::make_unique<store::RangeLibrary>(storePath);
        ranges_ = library_->list();
    } catch (const std::exception& e) {
        library_.reset();
        ranges_.clear();
        message_ = std::string("The range library is not available: ") + e.what();
    }
}

RangeLibraryModel::~RangeLibraryModel() = default;

void RangeLibraryModel::choose(int index)
{
    chosen_ = index >= 0 && static_cast<std::size_t>(index) < ranges_.size() ? index : -1;
}

void RangeLibraryModel::chooseName(std::string_view name)
{
    chosen_ = -1;
    for (std::size_t i = 0; i < ranges_.size(); ++i) {
        if (ranges_[i].name == name)
            chosen_ = static_cast<int>(i);
    }
}

const store::StoredRange* RangeLibraryModel::chosenRange() const
{
    return chosen_ >= 0 ? &ranges_[static_cast<std::size_t>(chosen_)] : nullptr;
}

bool RangeLibraryModel::holds(std::string_view name) const
{
    name = store::RangeLibrary::trimmed(name);
    for (const auto& r : ranges_) {
        if (r.name == name)
            return true;
    }
    return false;
}

bool RangeLibraryModel::holdsStandard(std::string_view name) const
{
    name = store::RangeLibrary::trimmed(name);
    for (const auto& r : ranges_) {
        if (r.name == name)
            return r.standard;
    }
    return false;
}

bool RangeLibraryModel::load(RangePickerModel& picker)
{
    const store::StoredRange* range = chosenRange();
    if (!range) {
        message_ = "Choose a range to load.";
        return false;
    }
    const std::string name = range->name;
    picker.typeText(range->text);
    if (!picker.error().empty()) {
        // The text stays in the box to be mended; the grid keeps its range.
        message_ = store::RangeLibrary::quoted(name) + " does not read as a range: " + picker.error() + ".";
        return false;
    }
    message_ = "Loaded " + store::RangeLibrary::quoted(name) + ".";
    return true;
}

bool RangeLibraryModel::saveAs(std::string_view name, const RangePickerModel& picker)
{
    if (!library_)
        return false;
    if (!picker.error().empty()) {
        message_ = "The range does not read (" + picker.error() + "), so it was not saved.";
        return false;
    }
    if (picker.text().find_first_not_of(" ,\t") == std::string::npos) {
        message_ = "The range is empty: pick or type its hands first.";
        return false;
    }
    const std::string stored(store::RangeLibrary::trimmed(name));
    try {
        if (!refused(library_->save(stored, picker.text()))) {
            refresh(stored);
            message_ = "Saved " + store::RangeLibrary::quoted(stored) + ".";
            return true;
        }
    } catch (const std::exception& e) {
        message_ = std::string("The range was not saved: ") + e.what();
    }
    return false;
}

bool RangeLibraryModel::renameChosen(std::string_view to)
{
    const store::StoredRange* range = chosenRange();
    if (!library_ || !range) {
        message_ = "Choose a range to rename.";
        return false;
    }
    const std::string from = range->name;
    const std::string name(store::RangeLibrary::trimmed(to));
    try {
        if (!refused(library_->rename(from, name))) {
            refresh(name);
            message_ = "Renamed " + store::RangeLibrary::quoted(from) + " to " + store::RangeLibrary::quoted(name) + ".";
            return true;
        }
    } catch (const std::exception& e) {
        message_ = std::string("The range was not renamed: ") + e.what();
    }
    return false;
}

bool RangeLibraryModel::removeChosen()
{
    const store::StoredRange* range = chosenRange();
    if (!library_ || !range) {
        message_ = "Choose a range to delete.";
        return false;
    }
    const std::string name = range->name;
    try {
        if (!refused(library_->remove(name))) {
            refresh({});
            message_ = "Deleted " + store::RangeLibrary::quoted(name) + ".";
            return true;
        }
    } catch (const std::exception& e) {
        message_ = std::string("The range was not deleted: ") + e.what();
    }
    return false;
}

void RangeLibraryModel::refresh(std::string_view choose)
{
    ranges_ = library_->list();
    chooseName(choose);
}

bool RangeLibraryModel::refused(const std::string& answer)
{
    if (answer.empty())
        return false;
    message_ = answer;
    return true;
}

} // namespace window::cards
