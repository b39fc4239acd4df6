#pragma once
// The About window on screen, for one showing of its model: built and loaded
// afresh each time, closed when the model unloads (by OK, its close button or
// Escape).

#include <QDialog>
#include <memory>

#include "window/view/FormBuilder.h"
#include "window/view/Metrics.h"

namespace window {
class FrmBrisvaneAbout;
}

namespace window::view {

class FormBinding;

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(FrmBrisvaneAbout& about, const Metrics& metrics, QWidget* parent = nullptr);
    ~AboutDialog() override;

    QWidget* controlWidget(std::string_view name) const { return builder_.widget(name); }
    QWidget* innerArea() const { return surface_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showAddressColour();

    FrmBrisvaneAbout& about_;
    Metrics metrics_;
    QWidget* surface_;
    // A member, not a child object: it goes before the model it binds.
    std::unique_ptr<FormBinding> binding_;
    FormBuilder builder_;
    int unloadId_ = 0;
    int inputDoneId_ = 0;
};

} // namespace window::view
