#pragma once
// The post-flop category box: an editable drop-down whose opened list reaches
// down to a set extent, measured from the box's top, as the window sizes it.

#include <QComboBox>

namespace window::view {

class PostFlopCombo : public QComboBox {
    Q_OBJECT

public:
    explicit PostFlopCombo(QWidget* parent = nullptr);

    // From the top of the box to the bottom of the opened list, in pixels; 0
    // leaves the list as Qt sizes it.
    int dropDownExtent() const noexcept { return dropDownExtent_; }
    void setDropDownExtent(int pixels) { dropDownExtent_ = pixels; }

    void showPopup() override;

private:
    int dropDownExtent_ = 0;
};

} // namespace window::view
