#include "window/view/AboutDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>

#include "help/CHtmlHelp.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "platform/form/Input.h"
#include "platform/handles/QtWindowHandles.h"
#include "window/model/AboutLayout.h"
#include "window/model/FrmBrisvaneAbout.h"
#include "window/view/Artwork.h"
#include "window/view/FormBinding.h"
#include "window/view/FormFrame.h"
#include "platform/qt/QtText.h"

namespace window::view {

namespace {

constexpr QRgb kAddressFrame = qRgb(23, 124, 52);

QColor colourOf(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

AboutDialog::AboutDialog(FrmBrisvaneAbout& about, const Metrics& metrics, QWidget* parent)
    : QDialog(parent), about_(about), metrics_(metrics), surface_(new QWidget(this)),
      binding_(std::make_unique<FormBinding>(about.form)), builder_(metrics_, *binding_)
{
    setWindowTitle(platform::qt::toQString(about_.form.caption()));
    setWindowIcon(programIcon());
    makeFormSurface(*surface_, metrics_.size(kAboutWidthTwips, kAboutHeightTwips));
    setFixedSize(surface_->size());

    builder_.build(*surface_, frmBrisvaneAboutLayout());

    // The address sits on a borderless frame of its own green; the frame, the
    // address and the logo show the hand pointer.
    auto* frame = static_cast<FormFrame*>(builder_.widget("Frame2"));
    frame->setBordered(false);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::Window, kAddressFrame);
    frame->setPalette(framePalette);
    for (const char* name : {"Frame2", "Label1", "Image1"}) {
        builder_.widget(name)->setCursor(handCursor());
        builder_.widget(name)->setMouseTracking(true);
    }
    static_cast<QLabel*>(builder_.widget("Label1"))->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* logo = static_cast<QLabel*>(builder_.widget("Image1"));
    logo->setPixmap(scaledTo(logoPicture(), logo->size()));

    binding_->mouseMoved = [this](platform::Control& c) {
        if (&c == &about_.Label1)
            about_.Label1_MouseMove();
        else if (&c == &about_.Frame2)
            about_.Frame2_MouseMove();
    };
    inputDoneId_ = about_.form.inputDone.connect([this] { showAddressColour(); });
    unloadId_ = about_.form.unload.connect([this] { done(QDialog::Accepted); });

    // F1 shows the help's About page, in a viewer this window owns and
    // closes with it.
    about_.form.setHWnd(platform::registerWidget(*this));
    about_.form.setHelpContextId(IDH_ABOUT);
    help::GetHtmlHelp()->InitFormHelpHandler(about_.form, nullptr, true);

    binding_->render();
    showAddressColour();
}

AboutDialog::~AboutDialog()
{
    // A window destroyed without unloading leaves no handler behind on a
    // model that may go before the help does.
    if (!about_.form.closed()) {
        help::GetHtmlHelp()->CloseHelpWindows(about_.form.hWnd());
        help::GetHtmlHelp()->FormClosing(about_.form);
    }
    about_.form.unload.disconnect(unloadId_);
    about_.form.inputDone.disconnect(inputDoneId_);
}

void AboutDialog::showAddressColour()
{
    auto* address = builder_.widget("Label1");
    QPalette palette = address->palette();
    palette.setColor(QPalette::WindowText, colourOf(about_.label1ForeColor()));
    address->setPalette(palette);
}

void AboutDialog::reject()
{
    // Escape unloads the window as its close button does.
    if (!about_.form.closed())
        about_.form.close(platform::FormControlMenu);
    QDialog::reject();
}

void AboutDialog::closeEvent(QCloseEvent* event)
{
    if (!about_.form.closed() && !about_.form.close(platform::FormControlMenu)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace window::view
