#include "ViewFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "window/view/FormBinding.h"

namespace viewtest {

namespace {

QString shown(const std::string& modelText, bool multiLine)
{
    QString text = QString::fromStdString(modelText);
    if (multiLine)
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

void expectWidgetsMirrorTheModel(window::view::PokerWindow& window)
{
    using platform::ControlKind;
    window::FrmPoker& frm = window.model();
    for (platform::Control* c : frm.form.controls()) {
        QWidget* w = window.binding().widgetOf(*c);
        ASSERT_NE(w, nullptr) << c->name();
        EXPECT_EQ(w->isHidden(), !c->visible()) << c->name();
        switch (c->kind()) {
        case ControlKind::TextBox: {
            const auto& box = static_cast<const platform::TextBox&>(*c);
            if (box.multiLine())
                EXPECT_EQ(static_cast<QPlainTextEdit*>(w)->toPlainText(), shown(box.text(), true)) << c->name();
            else
                EXPECT_EQ(static_cast<QLineEdit*>(w)->text(), shown(box.text(), false)) << c->name();
            break;
        }
        case ControlKind::ComboBox: {
            const auto& combo = static_cast<const platform::ComboBox&>(*c);
            auto* qt = static_cast<QComboBox*>(w);
            EXPECT_EQ(qt->lineEdit()->text(), shown(combo.text(), false));
            EXPECT_EQ(qt->currentIndex(), combo.listIndex());
            EXPECT_EQ(qt->count(), static_cast<int>(combo.items().size()));
            break;
        }
        case ControlKind::CheckBox:
            EXPECT_EQ(static_cast<QCheckBox*>(w)->checkState() == Qt::Checked,
                      static_cast<const platform::CheckBox&>(*c).value() == 1);
            break;
        case ControlKind::OptionButton:
            EXPECT_EQ(static_cast<QRadioButton*>(w)->isChecked(), static_cast<const platform::OptionButton&>(*c).value())
                << c->name();
            break;
        case ControlKind::Label:
            EXPECT_EQ(static_cast<QLabel*>(w)->text(), QString::fromStdString(static_cast<const platform::Label&>(*c).caption()))
                << c->name();
            break;
        default:
            break;
        }
    }
    const platform::Control* focus = frm.form.focus();
    ASSERT_NE(focus, nullptr);
    QWidget* focusWidget = window.binding().widgetOf(*focus);
    QWidget* expected = focusWidget->focusProxy() ? focusWidget->focusProxy() : focusWidget;
    EXPECT_EQ(QApplication::focusWidget(), expected) << "model focus: " << focus->name();
}

} // namespace viewtest
