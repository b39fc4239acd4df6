#pragma once
// A line object: a straight line between two points given in twips, drawn one
// pixel wide in its colour, the end point itself left out. Mouse events pass
// through it to the control underneath.

#include <cstdint>

#include <QWidget>

#include "platform/qt/EtchedFrame.h"
#include "platform/qt/Twips.h"

namespace sheerpane {

using platform::qt::LineEnds;
using platform::qt::Twips;

class BorderLine : public QWidget {
public:
    BorderLine(QWidget* parent, std::uint32_t borderColor);

    // A stored colour: 0x00BBGGRR, or 0x80000000 + n for system colour n.
    std::uint32_t BorderColor() const noexcept { return borderColor_; }
    void setBorderColor(std::uint32_t oleColour);

    const LineEnds& ends() const noexcept { return ends_; }
    void place(const LineEnds& ends, const Twips& twips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t borderColor_;
    LineEnds ends_;
    // In pixels, relative to this widget.
    QPoint from_;
    QPoint to_;
};

} // namespace sheerpane
