#pragma once
// A frame of a form: an etched border with the caption set into its top edge,
// on the form's background. A borderless frame shows neither border nor
// caption.

#include <QWidget>

namespace window::view {

class FormFrame : public QWidget {
    Q_OBJECT

public:
    explicit FormFrame(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool bordered() const noexcept { return bordered_; }
    void setBordered(bool bordered);

    // Where the caption is drawn; empty when none is shown.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:

    QString caption_;
    bool bordered_ = true;
};

} // namespace window::view
