#pragma once
// The caption label: its text in a font and colour fixed by the control's
// design, always just as large as its text. It covers the border lines where
// it stands, on a background its owner paints.

#include <functional>

#include <QString>
#include <QWidget>

namespace sheerpane {

class CaptionLabel : public QWidget {
public:
    // Paints the owner's background for an area of this label (given in the
    // label's own coordinates) before the text goes on it.
    using BackgroundPainter = std::function<void(QPainter&, const QRect&)>;

    CaptionLabel(QWidget* parent, BackgroundPainter background);

    const QString& Caption() const noexcept { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToText();

    QString caption_;
    BackgroundPainter background_;
};

} // namespace sheerpane
