#pragma once
// A frame of a form: an etched border with the caption set into its top edge,
// on the form's background. A borderless frame shows neither border nor
// caption. A see-through frame paints only its border and caption, and lets
// what lies behind it show, and take the mouse, everywhere else except where
// its own controls are.

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
    bool seeThrough() const noexcept { return seeThrough_; }
    void setSeeThrough(bool seeThrough);

    // Where the caption is drawn; empty when none is shown.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int borderTop() const;
    void updateSeeThroughMask();

    QString caption_;
    bool bordered_ = true;
    bool seeThrough_ = false;
};

} // namespace window::view
